#pragma once

#include "busroute.h"

#include <QDBusObjectPath>
#include <QVariantMap>
#include <vector>

class ModemManagerObjects;
class ModemProxy;
class MessagingProxy;
class PropertiesProxy;

namespace velmora {

using InterfaceProperties = QMap<QString, QVariantMap>;

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

    // A message of this run that asked for a delivery report; its SMS object's path is the key it is followed up
    // by.
    struct Sent {
        QString number;
        uint reference;
        QString key;
        bool settled = false; // delivered or given up: later reports on it are echoes
    };
    std::vector<Sent> sent_;
};

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
