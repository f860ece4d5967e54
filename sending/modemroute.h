#pragma once

#include "busroute.h"
#include "statusreport.h"

#include <QVariantMap>

class ModemProxy;
class MessagingProxy;
class PropertiesProxy;

namespace velmora {

// ModemManager's names on the system bus.
inline const QString kModemManagerService = QStringLiteral("org.freedesktop.ModemManager1");
inline const QString kModemInterface = QStringLiteral("org.freedesktop.ModemManager1.Modem");

// How long a modem may take over one step (switching on, taking the message, sending it): sending can take tens
// of seconds on a weak network.
inline constexpr std::chrono::milliseconds kModemTimeout = std::chrono::minutes(3);

// ModemManager's or D-Bus's error as a failure the user can act on; the raw error stays for the log.
SendProgress modemFailure(const QDBusError& error, std::chrono::milliseconds timeout);

// A modem that ModemManager manages, sending through its messaging interface.
class ModemRoute final : public BusRoute {
    Q_OBJECT

public:
    ModemRoute(const QDBusConnection& bus, const QString& path, std::chrono::milliseconds timeout,
               QObject* parent = nullptr);
    ~ModemRoute() override;

    QString label() const override;
    QString consentQuestion() const override;
    void send(const OutgoingSms& sms, bool consented) override;

    // It can send, or it can say why not (a SIM waiting for its PIN).
    bool isOffered() const override { return hasMessaging_ || isLocked(); }

    // What ModemManager says of the modem, as it comes and changes.
    void updateModem(const QVariantMap& properties);
    void setMessaging(bool available);

protected:
    SendProgress removedWhileSending() const override;
    void ended() override;

private:
    int state() const;
    bool isLocked() const;
    bool needsEnabling() const;
    QString name() const;
    std::optional<SendProgress> refusalBeforeSending(bool consented) const;
    void enableThenCreate();
    void create();
    void sendCreated(const QString& smsPath);
    void readReference(const QString& smsPath);
    void readAdded(const QString& smsPath, bool incoming);
    void followUp(const QVariantMap& report);

    ModemProxy* modem_;
    MessagingProxy* messaging_;
    PropertiesProxy* properties_;
    QVariantMap modemProperties_;
    bool hasMessaging_ = false;
    QString created_;
    // The messages sent that asked for a delivery report, each followed up by its SMS object's path.
    AwaitedReports reports_;
};

} // namespace velmora
