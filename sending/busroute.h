#pragma once

#include "route.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <chrono>
#include <map>
#include <optional>

class QDBusError;
class QDBusServiceWatcher;

namespace velmora {

// A duration as the user reads it: "3 min", "40 s".
QString inWords(std::chrono::milliseconds duration);

// What a route says for each kind of D-Bus failure; `refused` and `wrongState` take the service's own message
// as %1.
struct FailureWords {
    QString timedOut;
    QString unauthorized;
    QString serviceGone;
    QString deviceGone;
    QString wrongState;
    QString refused;
};

// The error as a failure the user can act on; the raw error stays for the log.
SendProgress busFailure(const QDBusError& error, const FailureWords& words);

// Runs `then` with the call's typed reply once it is answered, unless `context` is gone by then.
template <typename... Types, typename Then>
void onReply(const QDBusPendingReply<Types...>& call, QObject* context, Then then)
{
    auto* watcher = new QDBusPendingCallWatcher(call, context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [then = std::move(then)](QDBusPendingCallWatcher* answered) {
                         answered->deleteLater();
                         then(QDBusPendingReply<Types...>(*answered));
                     });
}

// A route that hands messages to a service over D-Bus, one at a time, every call answered asynchronously and
// given as long as the device may need, far beyond D-Bus's usual 25 seconds.
class BusRoute : public Route {
    Q_OBJECT

public:
    BusRoute(const QDBusConnection& bus, QString service, std::chrono::milliseconds timeout, QObject* parent = nullptr);

    // Offered to the user: it can send, or it can say why it cannot.
    virtual bool isOffered() const = 0;

    // The device is gone: a message on its way fails.
    void markRemoved();

signals:
    // The label or whether it is offered changed.
    void changed();
    void received(const velmora::IncomingSms& sms);

protected:
    // A proxy of the service's object at `path`, with the route's timeout.
    template <typename Proxy> Proxy* makeProxy(const QString& path)
    {
        auto* proxy = new Proxy(service_, path, bus_, this);
        proxy->setTimeout(static_cast<int>(timeout_.count()));
        return proxy;
    }

    const QDBusConnection& bus() const { return bus_; }
    std::chrono::milliseconds timeout() const { return timeout_; }
    bool isRemoved() const { return removed_; }

    // Takes the message as the one on its way.
    void begin(const OutgoingSms& sms);
    const OutgoingSms& pending() const { return *pending_; }
    // Runs `then` with the reply when the call is answered, unless the message it belongs to has ended meanwhile.
    template <typename... Types, typename Then> void whenAnswered(const QDBusPendingReply<Types...>& call, Then then)
    {
        onReply(call, this,
                [this, attempt = attempt_, then = std::move(then)](const QDBusPendingReply<Types...>& reply) {
                    if (attempt == attempt_ && pending_) {
                        then(reply);
                    }
                });
    }
    // Ends the message on its way with its final stage.
    void finish(const SendProgress& progress);

    // What the device's disappearance means for a message on its way.
    virtual SendProgress removedWhileSending() const = 0;
    // Tidies up after a message, whatever its end.
    virtual void ended() {}

private:
    QDBusConnection bus_;
    QString service_;
    std::chrono::milliseconds timeout_;
    std::optional<OutgoingSms> pending_;
    int attempt_ = 0;
    bool removed_ = false;
};

// Follows a service on a bus: its coming and going, and the devices it offers, each a route known by a key of the
// service's (an object path, a device id) and listed in the order of their keys. Nothing is asked before start().
class BusFinder : public RouteFinder {
    Q_OBJECT

public:
    using Connect = QDBusConnection (*)();

    BusFinder(Connect connect, QString service, QObject* parent = nullptr);

    void start() final;
    QList<Route*> routes() const final;
    bool isSearching() const final { return search_ == Search::Searching; }
    // A bus that could not be reached at start() is not tried again: Qt keeps its first answer for the run.
    void rescan() final;

protected:
    enum class Search { Searching, NoBus, NoService, Done };

    Search search() const { return search_; }
    const QDBusConnection& bus() const { return bus_; }
    const QString& service() const { return service_; }

    // Connects to the service's signals; called once, when the bus is reached.
    virtual void subscribe() = 0;
    // Asks the service for its devices, and calls loaded() with the answer's error, if any.
    virtual void load() = 0;

    void loaded(bool failed);

    // The device known by `key`, or null.
    BusRoute* device(const QString& key) const;
    QStringList deviceKeys() const;
    // Takes a new device in; its changes and the messages it receives are the finder's.
    void adopt(const QString& key, BusRoute* route);
    // The device is gone: what is on its way through it fails.
    void forget(const QString& key);

private:
    void reload();
    void forgetAll();

    Connect connect_;
    QString service_;
    QDBusConnection bus_;
    bool started_ = false;
    Search search_ = Search::Searching;
    QDBusServiceWatcher* watcher_ = nullptr;
    std::map<QString, BusRoute*> devices_;
};

} // namespace velmora
