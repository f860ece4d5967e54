#pragma once

#include "dbustypes.h"
#include "modemroute.h"

class ModemManagerObjects;

namespace velmora {

// Finds the modems that ModemManager manages on the system bus and follows them as they come and go.
class ModemFinder final : public BusFinder {
    Q_OBJECT

public:
    explicit ModemFinder(std::chrono::milliseconds timeout = kModemTimeout, QObject* parent = nullptr);
    ~ModemFinder() override;

    QString absenceReason() const override;

protected:
    void subscribe() override;
    void load() override;

private:
    void onInterfacesAdded(const QDBusObjectPath& path, const InterfaceProperties& interfaces);
    void onInterfacesRemoved(const QDBusObjectPath& path, const QStringList& interfaces);
    ModemRoute* modem(const QString& path) const;

    std::chrono::milliseconds timeout_;
    ModemManagerObjects* manager_ = nullptr;
};

} // namespace velmora
