#include "busroute.h"

#include "dbustypes.h"

#include <QDBusServiceWatcher>

namespace velmora {

QString inWords(std::chrono::milliseconds duration)
{
    const auto minutes = std::chrono::duration_cast<std::chrono::minutes>(duration);
    if (minutes.count() >= 1 && minutes == duration) {
        return QStringLiteral("%1 min").arg(minutes.count());
    }
    return QStringLiteral("%1 s").arg(std::chrono::duration_cast<std::chrono::seconds>(duration).count());
}

SendProgress busFailure(const QDBusError& error, const FailureWords& words)
{
    const QString name = error.name();
    const auto is = [&name](std::initializer_list<const char*> names) {
        return std::any_of(names.begin(), names.end(), [&name](const char* n) { return name == QLatin1String(n); });
    };
    QString detail;
    // A modem's port that fails to write has almost always been unplugged; one that never answers is silent.
    if (is({"org.freedesktop.DBus.Error.NoReply", "org.freedesktop.DBus.Error.Timeout",
            "org.freedesktop.DBus.Error.TimedOut", "org.freedesktop.ModemManager1.Error.Serial.ResponseTimeout"})) {
        detail = words.timedOut;
    } else if (is({"org.freedesktop.ModemManager1.Error.Core.Unauthorized", "org.freedesktop.DBus.Error.AccessDenied",
                   "org.freedesktop.DBus.Error.AuthFailed"})) {
        detail = words.unauthorized;
    } else if (is({"org.freedesktop.DBus.Error.ServiceUnknown", "org.freedesktop.DBus.Error.NameHasNoOwner",
                   "org.freedesktop.DBus.Error.Disconnected"})) {
        detail = words.serviceGone;
    } else if (is({"org.freedesktop.DBus.Error.UnknownObject", "org.freedesktop.DBus.Error.UnknownMethod",
                   "org.freedesktop.DBus.Error.UnknownInterface",
                   "org.freedesktop.ModemManager1.Error.Serial.SendFailed",
                   "org.freedesktop.ModemManager1.Error.Serial.OpenFailed"})) {
        detail = words.deviceGone;
    } else if (is({"org.freedesktop.ModemManager1.Error.Core.WrongState"})) {
        detail = words.wrongState.arg(error.message());
    } else {
        detail = words.refused.arg(error.message());
    }
    return SendProgress::failed(detail, name + QStringLiteral(": ") + error.message());
}

BusRoute::BusRoute(const QDBusConnection& bus, QString service, std::chrono::milliseconds timeout, QObject* parent)
    : Route(parent), bus_(bus), service_(std::move(service)), timeout_(timeout)
{}

void BusRoute::markRemoved()
{
    removed_ = true;
    if (pending_) {
        finish(removedWhileSending());
    }
}

void BusRoute::begin(const OutgoingSms& sms)
{
    pending_ = sms;
    ++attempt_;
}

void BusRoute::finish(const SendProgress& progress)
{
    pending_.reset();
    ended();
    emit progressed(progress);
}

BusFinder::BusFinder(Connect connect, QString service, QObject* parent)
    : RouteFinder(parent), connect_(connect), service_(std::move(service)), bus_(QString())
{}

void BusFinder::start()
{
    if (started_) {
        return;
    }
    started_ = true;
    registerDBusTypes();
    bus_ = connect_();
    if (!bus_.isConnected()) {
        search_ = Search::NoBus;
        emit routesChanged();
        return;
    }
    watcher_ = new QDBusServiceWatcher(
        service_, bus_, QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration, this);
    connect(watcher_, &QDBusServiceWatcher::serviceRegistered, this, &BusFinder::reload);
    connect(watcher_, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        forgetAll();
        search_ = Search::NoService;
        emit routesChanged();
    });
    subscribe();
    reload();
}

void BusFinder::rescan()
{
    if (started_ && bus_.isConnected()) {
        reload();
        emit routesChanged(); // searching again
    }
}

void BusFinder::reload()
{
    search_ = Search::Searching;
    load();
}

void BusFinder::loaded(bool failed)
{
    search_ = failed ? Search::NoService : Search::Done;
    emit routesChanged();
}

QList<Route*> BusFinder::routes() const
{
    QList<Route*> offered;
    for (const auto& [key, route] : devices_) {
        if (route->isOffered()) {
            offered << route;
        }
    }
    return offered;
}

BusRoute* BusFinder::device(const QString& key) const
{
    const auto found = devices_.find(key);
    return found == devices_.end() ? nullptr : found->second;
}

QStringList BusFinder::deviceKeys() const
{
    QStringList keys;
    for (const auto& [key, route] : devices_) {
        keys << key;
    }
    return keys;
}

void BusFinder::adopt(const QString& key, BusRoute* route)
{
    route->setParent(this);
    connect(route, &BusRoute::changed, this, &RouteFinder::routesChanged);
    connect(route, &BusRoute::received, this, &RouteFinder::received);
    devices_.emplace(key, route);
}

void BusFinder::forget(const QString& key)
{
    const auto found = devices_.find(key);
    if (found == devices_.end()) {
        return;
    }
    BusRoute* route = found->second;
    devices_.erase(found);
    route->markRemoved();
    route->deleteLater();
}

void BusFinder::forgetAll()
{
    for (const QString& key : deviceKeys()) {
        forget(key);
    }
}

} // namespace velmora
