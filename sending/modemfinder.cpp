#include "modemfinder.h"

#include "objectmanagerproxy.h"

namespace velmora {
namespace {

const QString kManagerPath = QStringLiteral("/org/freedesktop/ModemManager1");
const QString kMessagingInterface = QStringLiteral("org.freedesktop.ModemManager1.Modem.Messaging");

} // namespace

ModemFinder::ModemFinder(std::chrono::milliseconds timeout, QObject* parent)
    : BusFinder(&QDBusConnection::systemBus, kModemManagerService, parent), timeout_(timeout)
{}

ModemFinder::~ModemFinder() = default;

void ModemFinder::subscribe()
{
    manager_ = new ModemManagerObjects(kModemManagerService, kManagerPath, bus(), this);
    connect(manager_, &ModemManagerObjects::InterfacesAdded, this, &ModemFinder::onInterfacesAdded);
    connect(manager_, &ModemManagerObjects::InterfacesRemoved, this, &ModemFinder::onInterfacesRemoved);
}

void ModemFinder::load()
{
    onReply(manager_->GetManagedObjects(), this, [this](const QDBusPendingReply<ManagedObjects>& reply) {
        if (!reply.isError()) {
            const ManagedObjects objects = reply.value();
            // A modem whose removal went unannounced is gone from the answer.
            for (const QString& path : deviceKeys()) {
                if (!objects.contains(QDBusObjectPath(path))) {
                    forget(path);
                }
            }
            for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
                onInterfacesAdded(it.key(), it.value());
            }
        }
        loaded(reply.isError());
    });
}

ModemRoute* ModemFinder::modem(const QString& path) const
{
    return static_cast<ModemRoute*>(device(path));
}

void ModemFinder::onInterfacesAdded(const QDBusObjectPath& path, const InterfaceProperties& interfaces)
{
    if (!interfaces.contains(kModemInterface) && !interfaces.contains(kMessagingInterface)) {
        return;
    }
    ModemRoute* route = modem(path.path());
    if (route == nullptr) {
        route = new ModemRoute(bus(), path.path(), timeout_);
        adopt(path.path(), route);
    }
    if (interfaces.contains(kMessagingInterface)) {
        route->setMessaging(true);
    }
    if (interfaces.contains(kModemInterface)) {
        route->updateModem(interfaces.value(kModemInterface));
    }
    emit routesChanged();
}

void ModemFinder::onInterfacesRemoved(const QDBusObjectPath& path, const QStringList& interfaces)
{
    ModemRoute* route = modem(path.path());
    if (route == nullptr) {
        return;
    }
    if (interfaces.contains(kModemInterface)) {
        forget(path.path());
    } else if (interfaces.contains(kMessagingInterface)) {
        route->setMessaging(false);
    }
    emit routesChanged();
}

QString ModemFinder::absenceReason() const
{
    switch (search()) {
    case Search::Searching:
        return QStringLiteral("Szukanie modemów…");
    case Search::NoBus:
        return QStringLiteral("Nie można połączyć się z magistralą systemową D-Bus, przez którą działa "
                              "ModemManager.");
    case Search::NoService:
        return QStringLiteral("ModemManager nie działa albo nie jest zainstalowany: zainstaluj pakiet modemmanager "
                              "i uruchom usługę (sudo systemctl start ModemManager).");
    case Search::Done:
        break;
    }
    return QStringLiteral("Nie znaleziono modemu GSM: podłącz modem z kartą SIM i poczekaj chwilę, aż system go "
                          "rozpozna.");
}

} // namespace velmora
