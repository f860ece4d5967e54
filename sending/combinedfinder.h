#pragma once

#include "route.h"

namespace velmora {

// Several finders as one: the routes of each side by side, in the order the finders are given.
class CombinedFinder final : public RouteFinder {
    Q_OBJECT

public:
    explicit CombinedFinder(QList<RouteFinder*> finders, QObject* parent = nullptr);

    void start() override;
    QList<Route*> routes() const override;
    // What each kind of route needs, one after the other.
    QString absenceReason() const override;
    bool isSearching() const override;
    void rescan() override;

private:
    QList<RouteFinder*> finders_;
};

} // namespace velmora
