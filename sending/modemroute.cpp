#include "modemroute.h"

#include "messagingproxy.h"
#include "modemproxy.h"
#include "propertiesproxy.h"
#include "smsproxy.h"

#include <memory>
#include <utility>

namespace velmora {
namespace {

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
    : BusRoute(bus, kModemManagerService, timeout, parent), modem_(makeProxy<ModemProxy>(path)),
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
            reports_.expect(pending().number, reply.value().value(QStringLiteral("MessageReference")).toUInt(),
                            smsPath);
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

void ModemRoute::followUp(const QVariantMap& report)
{
    if (const std::optional<AwaitedReports::Answer> answer = reports_.answer(report)) {
        emit followedUp(answer->key, answer->progress);
    }
}

} // namespace velmora
