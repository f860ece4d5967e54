#include "modemroutes.h"

#include "dbustypes.h"
#include "messagingproxy.h"
#include "modemproxy.h"
#include "objectmanagerproxy.h"
#include "propertiesproxy.h"
#include "smsproxy.h"

#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <memory>

namespace velmora {
namespace {

const QString kService = QStringLiteral("org.freedesktop.ModemManager1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/ModemManager1");
const QString kModemInterface = QStringLiteral("org.freedesktop.ModemManager1.Modem");
const QString kMessagingInterface = QStringLiteral("org.freedesktop.ModemManager1.Modem.Messaging");
const QString kSmsInterface = QStringLiteral("org.freedesktop.ModemManager1.Sms");

// ModemManager's MMModemState values that matter here.
enum ModemState { kFailed = -1, kLocked = 2, kDisabled = 3, kDisabling = 4 };
// MMModemLock: none, or not known yet.
constexpr uint kLockUnknown = 0;
constexpr uint kLockNone = 1;
// MMSmsState: complete, all parts in.
constexpr uint kSmsReceived = 3;

QString inWords(std::chrono::milliseconds timeout)
{
    const auto minutes = std::chrono::duration_cast<std::chrono::minutes>(timeout).count();
    if (minutes >= 1 && std::chrono::minutes(minutes) == timeout) {
        return QStringLiteral("%1 min").arg(minutes);
    }
    return QStringLiteral("%1 s").arg(std::chrono::duration_cast<std::chrono::seconds>(timeout).count());
}

template <typename Proxy>
Proxy* makeProxy(const QString& path, const QDBusConnection& bus, QObject* parent, std::chrono::milliseconds timeout)
{
    auto* proxy = new Proxy(kService, path, bus, parent);
    proxy->setTimeout(static_cast<int>(timeout.count()));
    return proxy;
}

IncomingSms incomingSms(const QVariantMap& properties)
{
    const QDateTime at = QDateTime::fromString(properties.value(QStringLiteral("Timestamp")).toString(), Qt::ISODate);
    return {properties.value(QStringLiteral("Number")).toString(), properties.value(QStringLiteral("Text")).toString(),
            at.isValid() ? at : QDateTime::currentDateTime()};
}

} // namespace

SendProgress modemFailure(const QDBusError& error, std::chrono::milliseconds timeout)
{
    const QString name = error.name();
    const QString technical = name + QStringLiteral(": ") + error.message();
    const auto failed = [&](const QString& detail) { return SendProgress::failed(detail, technical); };
    if (name == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
        name == QLatin1String("org.freedesktop.DBus.Error.Timeout") ||
        name == QLatin1String("org.freedesktop.DBus.Error.TimedOut")) {
        return failed(QStringLiteral("modem nie odpowiedział w ciągu %1. Sprawdź zasięg sieci i spróbuj ponownie.")
                          .arg(inWords(timeout)));
    }
    if (name == QLatin1String("org.freedesktop.ModemManager1.Error.Core.Unauthorized") ||
        name == QLatin1String("org.freedesktop.DBus.Error.AccessDenied")) {
        return failed(QStringLiteral("brak uprawnień do wysyłania SMS przez modem. System pozwala na to "
                                     "użytkownikowi zalogowanemu przy tym komputerze; w innym przypadku administrator "
                                     "musi zezwolić na akcję org.freedesktop.ModemManager1.Messaging w polkit."));
    }
    if (name == QLatin1String("org.freedesktop.DBus.Error.UnknownObject") ||
        name == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod")) {
        return failed(QStringLiteral("modem został odłączony w trakcie wysyłania."));
    }
    if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
        name == QLatin1String("org.freedesktop.DBus.Error.Disconnected")) {
        return failed(QStringLiteral("ModemManager przestał działać w trakcie wysyłania."));
    }
    if (name == QLatin1String("org.freedesktop.ModemManager1.Error.Core.WrongState")) {
        return failed(QStringLiteral("modem nie jest gotowy do wysyłania (%1). Poczekaj chwilę i spróbuj ponownie.")
                          .arg(error.message()));
    }
    return failed(QStringLiteral("modem lub sieć odrzuciły wiadomość: %1").arg(error.message()));
}

ModemRoute::ModemRoute(const QDBusConnection& bus, const QString& path, std::chrono::milliseconds timeout,
                       QObject* parent)
    : Route(parent), bus_(bus), path_(path), timeout_(timeout), modem_(makeProxy<ModemProxy>(path, bus, this, timeout)),
      messaging_(makeProxy<MessagingProxy>(path, bus, this, timeout)),
      properties_(makeProxy<PropertiesProxy>(path, bus, this, timeout))
{
    connect(properties_, &PropertiesProxy::PropertiesChanged, this,
            [this](const QString& interface, const QVariantMap& changed, const QStringList& /*invalidated*/) {
                if (interface == kModemInterface) {
                    QVariantMap merged = modemProperties_;
                    merged.insert(changed);
                    updateModem(merged);
                }
            });
    connect(messaging_, &MessagingProxy::Added, this, [this](const QDBusObjectPath& sms, bool received) {
        if (received) {
            readIncoming(sms.path());
        }
    });
}

ModemRoute::~ModemRoute() = default;

int ModemRoute::state() const
{
    return modemProperties_.value(QStringLiteral("State")).toInt();
}

bool ModemRoute::isLocked() const
{
    const uint lock = modemProperties_.value(QStringLiteral("UnlockRequired"), kLockUnknown).toUInt();
    return state() == kLocked || (lock != kLockUnknown && lock != kLockNone);
}

bool ModemRoute::needsEnabling() const
{
    return state() == kDisabled || state() == kDisabling;
}

QString ModemRoute::name() const
{
    const QString name = (modemProperties_.value(QStringLiteral("Manufacturer")).toString() + QLatin1Char(' ') +
                          modemProperties_.value(QStringLiteral("Model")).toString())
                             .simplified();
    return name.isEmpty() ? QStringLiteral("bez nazwy") : name;
}

QString ModemRoute::label() const
{
    QString label = QStringLiteral("Modem: ") + name();
    const QStringList own = modemProperties_.value(QStringLiteral("OwnNumbers")).toStringList();
    if (!own.isEmpty() && !own.front().isEmpty()) {
        label += QStringLiteral(" (") + own.front() + QLatin1Char(')');
    }
    return label;
}

QString ModemRoute::consentQuestion() const
{
    if (!needsEnabling()) {
        return {};
    }
    return QStringLiteral("Modem %1 jest wyłączony. Włączyć go, aby wysłać SMS?").arg(name());
}

void ModemRoute::updateModem(const QVariantMap& properties)
{
    const QString before = label();
    const bool offered = isOffered();
    modemProperties_ = properties;
    if (label() != before || isOffered() != offered) {
        emit changed();
    }
}

void ModemRoute::markRemoved()
{
    removed_ = true;
    if (pending_) {
        finish(SendProgress::failed(QStringLiteral("modem został odłączony w trakcie wysyłania.")));
    }
}

std::optional<SendProgress> ModemRoute::refusalBeforeSending(bool consented) const
{
    if (removed_) {
        return SendProgress::failed(QStringLiteral("modem został odłączony."));
    }
    if (isLocked()) {
        return SendProgress::failed(QStringLiteral("karta SIM w modemie czeka na kod PIN. Odblokuj ją (np. w "
                                                   "ustawieniach sieci komórkowej systemu) i spróbuj ponownie."));
    }
    if (state() == kFailed) {
        return SendProgress::failed(QStringLiteral("modem zgłasza awarię (np. brak karty SIM) i nie może wysyłać. "
                                                   "Sprawdź kartę SIM i podłącz modem ponownie."));
    }
    if (!hasMessaging_) {
        return SendProgress::failed(QStringLiteral("ten modem nie udostępnia wysyłania SMS."));
    }
    if (needsEnabling() && !consented) {
        return SendProgress::failed(QStringLiteral("modem jest wyłączony."));
    }
    return std::nullopt;
}

void ModemRoute::send(const OutgoingSms& sms, bool consented)
{
    pending_ = sms;
    ++attempt_;
    if (const std::optional<SendProgress> refusal = refusalBeforeSending(consented)) {
        finish(*refusal);
        return;
    }
    emit progressed({SendProgress::Stage::Sending});
    if (needsEnabling()) {
        enableThenCreate();
    } else {
        create();
    }
}

void ModemRoute::whenAnswered(const QDBusPendingCall& call, std::function<void(QDBusPendingCallWatcher&)> then)
{
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, attempt = attempt_, then = std::move(then)](QDBusPendingCallWatcher* answered) {
                answered->deleteLater();
                if (attempt == attempt_ && pending_) {
                    then(*answered);
                }
            });
}

void ModemRoute::enableThenCreate()
{
    whenAnswered(modem_->Enable(true), [this](QDBusPendingCallWatcher& answer) {
        if (answer.isError()) {
            SendProgress failure = modemFailure(answer.error(), timeout_);
            failure.detail = QStringLiteral("nie udało się włączyć modemu: ") + failure.detail;
            finish(failure);
            return;
        }
        create();
    });
}

void ModemRoute::create()
{
    const QVariantMap message{{QStringLiteral("number"), pending_->number}, {QStringLiteral("text"), pending_->text}};
    whenAnswered(messaging_->Create(message), [this](QDBusPendingCallWatcher& answer) {
        const QDBusPendingReply<QDBusObjectPath> reply = answer;
        if (reply.isError()) {
            finish(modemFailure(reply.error(), timeout_));
            return;
        }
        sendCreated(reply.value().path());
    });
}

void ModemRoute::sendCreated(const QString& smsPath)
{
    created_ = smsPath;
    auto* sms = makeProxy<SmsProxy>(smsPath, bus_, this, timeout_);
    whenAnswered(sms->Send(), [this](QDBusPendingCallWatcher& answer) {
        if (answer.isError()) {
            finish(modemFailure(answer.error(), timeout_));
            return;
        }
        finish({SendProgress::Stage::Sent});
    });
    sms->deleteLater();
}

void ModemRoute::finish(const SendProgress& progress)
{
    pending_.reset();
    forgetCreated();
    emit progressed(progress);
}

// The modem keeps every message created on it until it is deleted; ours are of no use once sent or failed.
void ModemRoute::forgetCreated()
{
    if (!created_.isEmpty() && !removed_) {
        messaging_->Delete(QDBusObjectPath(created_));
    }
    created_.clear();
}

void ModemRoute::readIncoming(const QString& smsPath)
{
    auto* sms = makeProxy<PropertiesProxy>(smsPath, bus_, this, timeout_);
    auto delivered = std::make_shared<bool>(false);
    // A message in several parts is complete only when its state says so; until then it is read again on every
    // change of its properties.
    const auto read = [this, sms, delivered] {
        auto* watcher = new QDBusPendingCallWatcher(sms->GetAll(kSmsInterface), sms);
        connect(watcher, &QDBusPendingCallWatcher::finished, sms,
                [this, sms, delivered](QDBusPendingCallWatcher* answer) {
                    answer->deleteLater();
                    const QDBusPendingReply<QVariantMap> reply = *answer;
                    const QVariantMap properties = reply.isError() ? QVariantMap() : reply.value();
                    if (*delivered ||
                        (!reply.isError() && properties.value(QStringLiteral("State")).toUInt() != kSmsReceived)) {
                        return;
                    }
                    *delivered = true;
                    sms->deleteLater();
                    if (!reply.isError()) {
                        emit received(incomingSms(properties));
                    }
                });
    };
    connect(sms, &PropertiesProxy::PropertiesChanged, sms,
            [read](const QString& interface, const QVariantMap&, const QStringList&) {
                if (interface == kSmsInterface) {
                    read();
                }
            });
    read();
}

ModemFinder::ModemFinder(std::chrono::milliseconds timeout, QObject* parent)
    : RouteFinder(parent), timeout_(timeout), bus_(QString())
{}

ModemFinder::~ModemFinder() = default;

void ModemFinder::start()
{
    if (started_) {
        return;
    }
    started_ = true;
    registerDBusTypes();
    bus_ = QDBusConnection::systemBus();
    if (!bus_.isConnected()) {
        search_ = Search::NoBus;
        emit routesChanged();
        return;
    }
    watcher_ = new QDBusServiceWatcher(
        kService, bus_, QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration, this);
    connect(watcher_, &QDBusServiceWatcher::serviceRegistered, this, &ModemFinder::load);
    connect(watcher_, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        dropAll();
        search_ = Search::NoService;
        emit routesChanged();
    });
    manager_ = new ModemManagerObjects(kService, kManagerPath, bus_, this);
    connect(manager_, &ModemManagerObjects::InterfacesAdded, this, &ModemFinder::onInterfacesAdded);
    connect(manager_, &ModemManagerObjects::InterfacesRemoved, this, &ModemFinder::onInterfacesRemoved);
    load();
}

void ModemFinder::load()
{
    search_ = Search::Searching;
    auto* watcher = new QDBusPendingCallWatcher(manager_->GetManagedObjects(), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answered) {
        answered->deleteLater();
        onLoaded(*answered);
    });
}

void ModemFinder::onLoaded(QDBusPendingCallWatcher& watcher)
{
    const QDBusPendingReply<ManagedObjects> reply = watcher;
    if (reply.isError()) {
        search_ = Search::NoService;
        emit routesChanged();
        return;
    }
    const ManagedObjects objects = reply.value();
    for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
        onInterfacesAdded(it.key(), it.value());
    }
    search_ = Search::Done;
    emit routesChanged();
}

ModemRoute& ModemFinder::routeFor(const QString& path)
{
    auto found = modems_.find(path);
    if (found == modems_.end()) {
        auto* route = new ModemRoute(bus_, path, timeout_, this);
        connect(route, &ModemRoute::changed, this, &RouteFinder::routesChanged);
        connect(route, &ModemRoute::received, this, &RouteFinder::received);
        found = modems_.emplace(path, route).first;
    }
    return *found->second;
}

void ModemFinder::onInterfacesAdded(const QDBusObjectPath& path, const InterfaceProperties& interfaces)
{
    if (!interfaces.contains(kModemInterface) && !interfaces.contains(kMessagingInterface)) {
        return;
    }
    ModemRoute& route = routeFor(path.path());
    if (interfaces.contains(kMessagingInterface)) {
        route.setMessaging(true);
    }
    if (interfaces.contains(kModemInterface)) {
        route.updateModem(interfaces.value(kModemInterface));
    }
    emit routesChanged();
}

void ModemFinder::onInterfacesRemoved(const QDBusObjectPath& path, const QStringList& interfaces)
{
    const auto found = modems_.find(path.path());
    if (found == modems_.end()) {
        return;
    }
    ModemRoute* route = found->second;
    if (interfaces.contains(kModemInterface)) {
        modems_.erase(found);
        route->markRemoved();
        route->deleteLater();
    } else if (interfaces.contains(kMessagingInterface)) {
        route->setMessaging(false);
    }
    emit routesChanged();
}

void ModemFinder::dropAll()
{
    for (auto& [path, route] : modems_) {
        route->markRemoved();
        route->deleteLater();
    }
    modems_.clear();
}

QList<Route*> ModemFinder::routes() const
{
    QList<Route*> offered;
    for (const auto& [path, route] : modems_) {
        if (route->isOffered()) {
            offered << route;
        }
    }
    return offered;
}

QString ModemFinder::absenceReason() const
{
    switch (search_) {
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
