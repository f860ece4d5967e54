#include "modemroutes.h"

#include "dbustypes.h"
#include "messagingproxy.h"
#include "modemproxy.h"
#include "objectmanagerproxy.h"
#include "propertiesproxy.h"
#include "smsproxy.h"

#include <algorithm>
#include <memory>
#include <utility>

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
// MMSmsPduType: the network's report on a message sent.
constexpr uint kPduStatusReport = 3;

IncomingSms incomingSms(const QVariantMap& properties)
{
    const QDateTime at = QDateTime::fromString(properties.value(QStringLiteral("Timestamp")).toString(), Qt::ISODate);
    return {properties.value(QStringLiteral("Number")).toString(), properties.value(QStringLiteral("Text")).toString(),
            at.isValid() ? at : QDateTime::currentDateTime()};
}

// Why the network gave up delivering, for the status values of GSM's SMS status report that a user may meet.
QString notDeliveredReason(uint status)
{
    switch (status) {
    case 0x40:
        return QStringLiteral("błąd procedury w sieci");
    case 0x41:
        return QStringLiteral("numer nie może odbierać SMS");
    case 0x42:
        return QStringLiteral("centrala odrzuciła wiadomość");
    case 0x43:
        return QStringLiteral("numer nieosiągalny");
    case 0x44:
    case 0x64:
        return QStringLiteral("sieć nie zapewnia wymaganej jakości usługi");
    case 0x45:
        return QStringLiteral("brak współpracy między sieciami");
    case 0x46:
        return QStringLiteral("ważność wiadomości minęła");
    case 0x47:
        return QStringLiteral("wiadomość usunięta przez nadawcę");
    case 0x48:
        return QStringLiteral("wiadomość usunięta przez centrum SMS");
    case 0x49:
        return QStringLiteral("wiadomość nie istnieje");
    case 0x60:
        return QStringLiteral("przeciążenie sieci");
    case 0x61:
        return QStringLiteral("centrala zajęta");
    case 0x62:
        return QStringLiteral("brak odpowiedzi centrali");
    case 0x63:
        return QStringLiteral("usługa odrzucona");
    case 0x65:
        return QStringLiteral("błąd w centrali");
    default:
        return QStringLiteral("sieć zrezygnowała z doręczenia");
    }
}

// What a status report says of its message, by its status (TP-ST); nothing for a value that means nothing
// known.
std::optional<SendProgress> deliveryProgress(const QVariantMap& report)
{
    const uint status = report.value(QStringLiteral("DeliveryState")).toUInt();
    const QString code = QStringLiteral("kod raportu doręczenia 0x%1").arg(status, 2, 16, QLatin1Char('0'));
    std::optional<SendProgress> progress;
    if (status <= 0x1F) {
        progress = SendProgress(SendProgress::Stage::Delivered, {}, code);
    } else if (status <= 0x3F) {
        progress = SendProgress(SendProgress::Stage::DeliveryPending, {}, code);
    } else if (status <= 0x7F) {
        progress = SendProgress(SendProgress::Stage::NotDelivered, notDeliveredReason(status), code);
    } else {
        return std::nullopt;
    }
    const QDateTime discharged =
        QDateTime::fromString(report.value(QStringLiteral("DischargeTimestamp")).toString(), Qt::ISODate);
    if (discharged.isValid()) {
        progress->at = discharged;
    }
    return progress;
}

} // namespace

SendProgress modemFailure(const QDBusError& error, std::chrono::milliseconds timeout)
{
    return busFailure(
        error, {.timedOut = QStringLiteral("modem nie odpowiedział w ciągu %1. Sprawdź zasięg sieci i spróbuj "
                                           "ponownie.")
                                .arg(inWords(timeout)),
                .unauthorized = QStringLiteral("brak uprawnień do wysyłania SMS przez modem. System pozwala na to "
                                               "użytkownikowi zalogowanemu przy tym komputerze; w innym przypadku "
                                               "administrator musi zezwolić na akcję "
                                               "org.freedesktop.ModemManager1.Messaging w polkit."),
                .serviceGone = QStringLiteral("ModemManager przestał działać w trakcie wysyłania."),
                .deviceGone = QStringLiteral("modem został odłączony w trakcie wysyłania."),
                .wrongState = QStringLiteral("modem nie jest gotowy do wysyłania (%1). Poczekaj chwilę i spróbuj "
                                             "ponownie."),
                .refused = QStringLiteral("modem lub sieć odrzuciły wiadomość: %1")});
}

ModemRoute::ModemRoute(const QDBusConnection& bus, const QString& path, std::chrono::milliseconds timeout,
                       QObject* parent)
    : BusRoute(bus, kService, timeout, parent), modem_(makeProxy<ModemProxy>(path)),
      messaging_(makeProxy<MessagingProxy>(path)), properties_(makeProxy<PropertiesProxy>(path))
{
    connect(properties_, &PropertiesProxy::PropertiesChanged, this,
            [this](const QString& interface, const QVariantMap& changed, const QStringList& /*invalidated*/) {
                if (interface == kModemInterface) {
                    QVariantMap merged = modemProperties_;
                    merged.insert(changed);
                    updateModem(merged);
                }
            });
    connect(messaging_, &MessagingProxy::Added, this,
            [this](const QDBusObjectPath& sms, bool received) { readAdded(sms.path(), received); });
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

void ModemRoute::setMessaging(bool available)
{
    const bool offered = isOffered();
    hasMessaging_ = available;
    if (isOffered() != offered) {
        emit changed();
    }
}

SendProgress ModemRoute::removedWhileSending() const
{
    return SendProgress::failed(QStringLiteral("modem został odłączony w trakcie wysyłania."));
}

std::optional<SendProgress> ModemRoute::refusalBeforeSending(bool consented) const
{
    if (isRemoved()) {
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
    begin(sms);
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

void ModemRoute::enableThenCreate()
{
    whenAnswered(modem_->Enable(true), [this](const QDBusPendingReply<>& answer) {
        if (answer.isError()) {
            SendProgress failure = modemFailure(answer.error(), timeout());
            failure.detail = QStringLiteral("nie udało się włączyć modemu: ") + failure.detail;
            finish(failure);
            return;
        }
        create();
    });
}

void ModemRoute::create()
{
    const QVariantMap message{{QStringLiteral("number"), pending().number},
                              {QStringLiteral("text"), pending().text},
                              {QStringLiteral("delivery-report-request"), true}};
    whenAnswered(messaging_->Create(message), [this](const QDBusPendingReply<QDBusObjectPath>& reply) {
        if (reply.isError()) {
            finish(modemFailure(reply.error(), timeout()));
            return;
        }
        sendCreated(reply.value().path());
    });
}

void ModemRoute::sendCreated(const QString& smsPath)
{
    created_ = smsPath;
    auto* sms = makeProxy<SmsProxy>(smsPath);
    whenAnswered(sms->Send(), [this](const QDBusPendingReply<>& answer) {
        if (answer.isError()) {
            finish(modemFailure(answer.error(), timeout()));
            return;
        }
        readReference(std::exchange(created_, QString()));
    });
    sms->deleteLater();
}

// The reference the network gave the message is what its delivery report will name.
void ModemRoute::readReference(const QString& smsPath)
{
    auto* sms = makeProxy<PropertiesProxy>(smsPath);
    whenAnswered(sms->GetAll(kSmsInterface), [this, smsPath](const QDBusPendingReply<QVariantMap>& reply) {
        SendProgress sent(SendProgress::Stage::Sent);
        if (!reply.isError() && reply.value().contains(QStringLiteral("MessageReference"))) {
            sent_.push_back(
                {pending().number, reply.value().value(QStringLiteral("MessageReference")).toUInt(), smsPath});
            sent.followUpKey = smsPath;
        }
        finish(sent);
    });
    sms->deleteLater();
}

// The modem keeps every message created on it until it is deleted. One that failed is of no use; one sent has
// been let go by then, to stay beside its delivery report.
void ModemRoute::ended()
{
    if (!created_.isEmpty() && !isRemoved()) {
        messaging_->Delete(QDBusObjectPath(created_));
    }
    created_.clear();
}

void ModemRoute::readAdded(const QString& smsPath, bool incoming)
{
    auto* sms = makeProxy<PropertiesProxy>(smsPath);
    auto done = std::make_shared<bool>(false);
    // Its type decides what it is. A text from the unit in several parts is complete only when its state says so;
    // until then it is read again on every change of its properties. A status report is whole at once, and is
    // never a text from the unit.
    const auto read = [this, sms, done, incoming] {
        onReply(sms->GetAll(kSmsInterface), sms,
                [this, sms, done, incoming](const QDBusPendingReply<QVariantMap>& reply) {
                    const QVariantMap properties = reply.isError() ? QVariantMap() : reply.value();
                    const bool isReport = properties.value(QStringLiteral("PduType")).toUInt() == kPduStatusReport;
                    const bool complete = properties.value(QStringLiteral("State")).toUInt() == kSmsReceived;
                    if (*done || (!reply.isError() && !isReport && incoming && !complete)) {
                        return;
                    }
                    *done = true;
                    sms->deleteLater();
                    if (reply.isError()) {
                        return;
                    }
                    if (isReport) {
                        followUp(properties);
                    } else if (incoming) {
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

// The report answers the latest message of this run to its number with its reference: references are one octet,
// so an older message may have had the same. A report that answers none is not ours.
void ModemRoute::followUp(const QVariantMap& report)
{
    const uint reference = report.value(QStringLiteral("MessageReference")).toUInt();
    const QString number = report.value(QStringLiteral("Number")).toString();
    const auto answered = std::find_if(sent_.rbegin(), sent_.rend(), [&](const Sent& message) {
        return message.reference == reference && isSameNumber(message.number, number);
    });
    if (answered == sent_.rend() || answered->settled) {
        return;
    }
    const std::optional<SendProgress> progress = deliveryProgress(report);
    if (!progress) {
        return;
    }
    answered->settled = progress->stage != SendProgress::Stage::DeliveryPending;
    emit followedUp(answered->key, *progress);
}

ModemFinder::ModemFinder(std::chrono::milliseconds timeout, QObject* parent)
    : BusFinder(&QDBusConnection::systemBus, kService, parent), timeout_(timeout)
{}

ModemFinder::~ModemFinder() = default;

void ModemFinder::subscribe()
{
    manager_ = new ModemManagerObjects(kService, kManagerPath, bus(), this);
    connect(manager_, &ModemManagerObjects::InterfacesAdded, this, &ModemFinder::onInterfacesAdded);
    connect(manager_, &ModemManagerObjects::InterfacesRemoved, this, &ModemFinder::onInterfacesRemoved);
}

void ModemFinder::load()
{
    onReply(manager_->GetManagedObjects(), this, [this](const QDBusPendingReply<ManagedObjects>& reply) {
        if (!reply.isError()) {
            const ManagedObjects objects = reply.value();
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
