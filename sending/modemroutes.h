#pragma once

#include "route.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QVariantMap>
#include <chrono>
#include <functional>
#include <map>
#include <optional>

class QDBusError;
class QDBusPendingCall;
class QDBusPendingCallWatcher;
class QDBusServiceWatcher;
class ModemManagerObjects;
class ModemProxy;
class MessagingProxy;
class PropertiesProxy;

namespace velmora {

using InterfaceProperties = QMap<QString, QVariantMap>;

// How long a modem may take over one step (switching on, taking the message, sending it) before the program
// gives up on it: sending can take tens of seconds on a weak network, far beyond D-Bus's usual 25 seconds.
inline constexpr std::chrono::milliseconds kModemTimeout = std::chrono::minutes(3);

// ModemManager's or D-Bus's error as a failure the user can act on; the raw error stays for the log.
SendProgress modemFailure(const QDBusError& error, std::chrono::milliseconds timeout);

// A modem that ModemManager manages, sending through its messaging interface.
class ModemRoute final : public Route {
    Q_OBJECT

public:
    ModemRoute(const QDBusConnection& bus, const QString& path, std::chrono::milliseconds timeout,
               QObject* parent = nullptr);
    ~ModemRoute() override;

    QString label() const override;
    QString consentQuestion() const override;
    void send(const OutgoingSms& sms, bool consented) override;

    // Offered to the user: it can send, or it can say why not (a SIM waiting for its PIN).
    bool isOffered() const { return hasMessaging_ || isLocked(); }

    // What ModemManager says of the modem, as it comes and changes.
    void updateModem(const QVariantMap& properties);
    void setMessaging(bool available) { hasMessaging_ = available; }
    // The modem is gone: a message on its way fails.
    void markRemoved();

signals:
    // The label or whether it is offered changed.
    void changed();
    void received(const velmora::IncomingSms& sms);

private:
    int state() const;
    bool isLocked() const;
    bool needsEnabling() const;
    QString name() const;
    std::optional<SendProgress> refusalBeforeSending(bool consented) const;
    void enableThenCreate();
    void create();
    void sendCreated(const QString& smsPath);
    void finish(const SendProgress& progress);
    void forgetCreated();
    // Runs `then` when the call is answered, unless the message it belongs to has ended meanwhile.
    void whenAnswered(const QDBusPendingCall& call, std::function<void(QDBusPendingCallWatcher&)> then);
    void readIncoming(const QString& smsPath);

    QDBusConnection bus_;
    QString path_;
    std::chrono::milliseconds timeout_;
    ModemProxy* modem_;
    MessagingProxy* messaging_;
    PropertiesProxy* properties_;
    QVariantMap modemProperties_;
    bool hasMessaging_ = false;
    bool removed_ = false;
    std::optional<OutgoingSms> pending_;
    int attempt_ = 0;
    QString created_;
};

// Finds the modems that ModemManager manages on the system bus and follows them as they come and go.
class ModemFinder final : public RouteFinder {
    Q_OBJECT

public:
    explicit ModemFinder(std::chrono::milliseconds timeout = kModemTimeout, QObject* parent = nullptr);
    ~ModemFinder() override;

    void start() override;
    QList<Route*> routes() const override;
    QString absenceReason() const override;

private:
    enum class Search { Searching, NoBus, NoService, Done };

    void load();
    void onLoaded(QDBusPendingCallWatcher& watcher);
    void onInterfacesAdded(const QDBusObjectPath& path, const InterfaceProperties& interfaces);
    void onInterfacesRemoved(const QDBusObjectPath& path, const QStringList& interfaces);
    void dropAll();
    ModemRoute& routeFor(const QString& path);

    std::chrono::milliseconds timeout_;
    QDBusConnection bus_;
    bool started_ = false;
    Search search_ = Search::Searching;
    QDBusServiceWatcher* watcher_ = nullptr;
    ModemManagerObjects* manager_ = nullptr;
    std::map<QString, ModemRoute*> modems_;
};

} // namespace velmora
