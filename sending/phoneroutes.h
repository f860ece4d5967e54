#pragma once

#include "busroute.h"

#include <optional>

class QDBusVariant;
class KdeConnectDaemon;
class KdeConnectDevice;
class KdeConnectConversations;
class PropertiesProxy;

namespace velmora {

// How long KDE Connect may take to take a message for the phone before the program gives up on it.
inline constexpr std::chrono::milliseconds kPhoneTimeout = std::chrono::minutes(1);

// KDE Connect's or D-Bus's error as a failure the user can act on; the raw error stays for the log.
SendProgress phoneFailure(const QDBusError& error, const QString& phone, std::chrono::milliseconds timeout);

// A message a phone forwarded, if it is one the phone received (not one it sent). The message is KDE Connect's
// structure: event, body, addresses, date in epoch milliseconds, Android's message type, and more.
std::optional<IncomingSms> receivedOnPhone(const QDBusVariant& message);

// A phone paired with KDE Connect that sends SMS on the computer's behalf. Whether the message then leaves the
// phone cannot be known here: the best report is that the phone took it.
class PhoneRoute final : public BusRoute {
    Q_OBJECT

public:
    PhoneRoute(const QDBusConnection& bus, const QString& id, std::chrono::milliseconds timeout,
               QObject* parent = nullptr);
    ~PhoneRoute() override;

    QString label() const override;
    void send(const OutgoingSms& sms, bool consented) override;

    // Offered once it is known to have its SMS plugin.
    bool isOffered() const override { return hasSms_; }

    // Reads the phone's name and whether its SMS plugin is on, again.
    void refresh();

protected:
    SendProgress removedWhileSending() const override;

private:
    void setKnown(const QString& name, bool hasSms);
    void onForwarded(const QDBusVariant& message);

    QString path_;
    KdeConnectDevice* device_;
    PropertiesProxy* properties_;
    KdeConnectConversations* conversations_;
    QString name_;
    bool hasSms_ = false;
};

// Finds the phones paired with KDE Connect on the session bus that are in reach and can send SMS, and follows
// them as they come and go.
class PhoneFinder final : public BusFinder {
    Q_OBJECT

public:
    explicit PhoneFinder(std::chrono::milliseconds timeout = kPhoneTimeout, QObject* parent = nullptr);
    ~PhoneFinder() override;

    QString absenceReason() const override;

protected:
    void subscribe() override;
    void load() override;

private:
    void keepOnly(const QStringList& ids);

    std::chrono::milliseconds timeout_;
    KdeConnectDaemon* daemon_ = nullptr;
};

} // namespace velmora
