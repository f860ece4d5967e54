#pragma once

#include <QComboBox>
#include <QList>
#include <QPointer>

namespace velmora {

class Route;
class RouteFinder;

// The routes found, to pick one from by its label; a refresh keeps the one picked while it is still there.
class RouteBox final : public QComboBox {
public:
    RouteBox(const char* name, QWidget* parent);

    void refresh(const RouteFinder& finder);
    Route* chosen() const;
    bool isEmpty() const { return routes_.isEmpty(); }

private:
    QList<QPointer<Route>> routes_;
};

} // namespace velmora
