#include "phoneroutes.h"

#include "dbustypes.h"
#include "kdeconnectconversationsproxy.h"
#include "kdeconnectdaemonproxy.h"
#include "kdeconnectdeviceproxy.h"
#include "kdeconnectsmsproxy.h"
#include "propertiesproxy.h"

#include <QDBusArgument>
#include <QDBusVariant>

namespace velmora {
namespace {

const QString kService = QStringLiteral("org.kde.kdeconnect");
const QString kDaemonPath = QStringLiteral("/modules/kdeconnect");
const QString kDevicesPath = QStringLiteral("/modules/kdeconnect/devices/");
const QString kDeviceInterface = QStringLiteral("org.kde.kdeconnect.device");
const QString kSmsPlugin = QStringLiteral("kdeconnect_sms");
// Android's type of a message in the phone's inbox.
constexpr int kReceivedType = 1;
// The leading fields of KDE Connect's message structure, the ones read here.
const QString kMessageFields = QStringLiteral("(isa(s)xi");

} // namespace

SendProgress phoneFailure(const QDBusError& error, const QString& phone, std::chrono::milliseconds timeout)
{
    const QString refused = QStringLiteral("KDE Connect odrzucił wiadomość: %1");
    return busFailure(
        error,
        {.timedOut = QStringLiteral("KDE Connect nie przekazał wiadomości do telefonu %1 w ciągu %2.")
                         .arg(phone, inWords(timeout)),
         .unauthorized = QStringLiteral("KDE Connect odmówił wysłania wiadomości przez telefon %1.").arg(phone),
         .serviceGone = QStringLiteral("KDE Connect przestał działać w trakcie wysyłania."),
         .deviceGone =
             QStringLiteral("telefon %1 jest niedostępny albo ma wyłączoną wtyczkę SMS w KDE Connect.").arg(phone),
         .wrongState = refused,
         .refused = refused});
}

std::optional<IncomingSms> receivedOnPhone(const QDBusVariant& message)
{
    const QVariant content = message.variant();
    if (content.userType() != qMetaTypeId<QDBusArgument>()) {
        return std::nullopt;
    }
    const auto argument = content.value<QDBusArgument>();
    if (!argument.currentSignature().startsWith(kMessageFields)) {
        return std::nullopt;
    }
    int event = 0;
    QString body;
    QList<PhoneAddress> addresses;
    qint64 date = 0;
    int type = 0;
    argument.beginStructure();
    argument >> event >> body >> addresses >> date >> type;
    argument.endStructure();
    if (type != kReceivedType || addresses.isEmpty()) {
        return std::nullopt;
    }
    // For a message received, the first address is its sender.
    return IncomingSms{addresses.front().number, body, QDateTime::fromMSecsSinceEpoch(date)};
}

PhoneRoute::PhoneRoute(const QDBusConnection& bus, const QString& id, std::chrono::milliseconds timeout,
                       QObject* parent)
    : BusRoute(bus, kService, timeout, parent), path_(kDevicesPath + id), device_(makeProxy<KdeConnectDevice>(path_)),
      properties_(makeProxy<PropertiesProxy>(path_)), conversations_(makeProxy<KdeConnectConversations>(path_))
{
    connect(device_, &KdeConnectDevice::pluginsChanged, this, &PhoneRoute::refresh);
    connect(device_, &KdeConnectDevice::nameChanged, this, &PhoneRoute::refresh);
    connect(conversations_, &KdeConnectConversations::conversationCreated, this, &PhoneRoute::onForwarded);
    connect(conversations_, &KdeConnectConversations::conversationUpdated, this, &PhoneRoute::onForwarded);
}

PhoneRoute::~PhoneRoute() = default;

QString PhoneRoute::label() const
{
    return QStringLiteral("Telefon: ") + name_;
}

void PhoneRoute::refresh()
{
    onReply(properties_->GetAll(kDeviceInterface), this, [this](const QDBusPendingReply<QVariantMap>& reply) {
        if (reply.isError()) {
            return;
        }
        const QString name = reply.value().value(QStringLiteral("name")).toString();
        onReply(device_->hasPlugin(kSmsPlugin), this, [this, name](const QDBusPendingReply<bool>& hasSms) {
            setKnown(name, !hasSms.isError() && hasSms.value());
        });
    });
}

void PhoneRoute::setKnown(const QString& name, bool hasSms)
{
    if (name == name_ && hasSms == hasSms_) {
        return;
    }
    name_ = name;
    hasSms_ = hasSms;
    emit changed();
}

SendProgress PhoneRoute::removedWhileSending() const
{
    return SendProgress::failed(QStringLiteral("telefon %1 zniknął z zasięgu w trakcie wysyłania.").arg(name_));
}

void PhoneRoute::send(const OutgoingSms& sms, bool /*consented*/)
{
    begin(sms);
    if (isRemoved()) {
        finish(SendProgress::failed(QStringLiteral("telefon %1 jest poza zasięgiem.").arg(name_)));
        return;
    }
    emit progressed({SendProgress::Stage::Sending});
    auto* plugin = makeProxy<KdeConnectSms>(path_ + QStringLiteral("/sms"));
    const QVariantList addresses{QVariant::fromValue(PhoneAddress{sms.number})};
    whenAnswered(plugin->sendSms(addresses, sms.text, {}, -1), [this](const QDBusPendingReply<>& answer) {
        if (answer.isError()) {
            finish(phoneFailure(answer.error(), name_, timeout()));
            return;
        }
        finish({SendProgress::Stage::HandedOver, name_});
    });
    plugin->deleteLater();
}

void PhoneRoute::onForwarded(const QDBusVariant& message)
{
    if (const std::optional<IncomingSms> sms = receivedOnPhone(message)) {
        emit received(*sms);
    }
}

PhoneFinder::PhoneFinder(std::chrono::milliseconds timeout, QObject* parent)
    : BusFinder(&QDBusConnection::sessionBus, kService, parent), timeout_(timeout)
{}

PhoneFinder::~PhoneFinder() = default;

void PhoneFinder::subscribe()
{
    daemon_ = new KdeConnectDaemon(kService, kDaemonPath, bus(), this);
    connect(daemon_, &KdeConnectDaemon::deviceAdded, this, &PhoneFinder::load);
    connect(daemon_, &KdeConnectDaemon::deviceRemoved, this, &PhoneFinder::load);
    connect(daemon_, &KdeConnectDaemon::deviceVisibilityChanged, this, &PhoneFinder::load);
}

void PhoneFinder::load()
{
    onReply(daemon_->devices(true, true), this, [this](const QDBusPendingReply<QStringList>& reply) {
        if (!reply.isError()) {
            keepOnly(reply.value());
        }
        loaded(reply.isError());
    });
}

// Phones out of reach or unpaired are dropped; every other one is asked for its name and SMS plugin, the known ones
// again, as a plugin switched on may go unannounced.
void PhoneFinder::keepOnly(const QStringList& ids)
{
    for (const QString& id : deviceKeys()) {
        if (!ids.contains(id)) {
            forget(id);
        }
    }
    for (const QString& id : ids) {
        auto* phone = static_cast<PhoneRoute*>(device(id));
        if (phone == nullptr) {
            phone = new PhoneRoute(bus(), id, timeout_);
            adopt(id, phone);
        }
        phone->refresh();
    }
}

QString PhoneFinder::absenceReason() const
{
    switch (search()) {
    case Search::Searching:
        return QStringLiteral("Szukanie telefonów…");
    case Search::NoBus:
    case Search::NoService:
        return QStringLiteral("KDE Connect nie działa: aby wysyłać przez telefon z Androidem, zainstaluj KDE Connect "
                              "na komputerze i w telefonie, sparuj je i włącz w telefonie wtyczkę SMS.");
    case Search::Done:
        break;
    }
    return QStringLiteral("Nie znaleziono telefonu: sparuj telefon z Androidem w KDE Connect, włącz wtyczkę SMS i "
                          "połącz oba urządzenia z tą samą siecią.");
}

} // namespace velmora
