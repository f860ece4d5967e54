#pragma once

#include "sms.h"

#include <QList>
#include <QObject>

namespace velmora {

// One way out to the alarm unit: a modem, or a phone that sends on the computer's behalf.
class Route : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // What the user picks it by, e.g. "Modem: Huawei E3372".
    virtual QString label() const = 0;

    // Not empty when the route must first do something the user should agree to, such as switching a modem
    // on: the question to ask.
    virtual QString consentQuestion() const { return {}; }

    // Sends one text. Reports through progressed(), ending with exactly one final stage; a route is handed
    // one message at a time.
    virtual void send(const OutgoingSms& sms, bool consented) = 0;

signals:
    void progressed(const velmora::SendProgress& progress);
    // A later stage of a message this route reported sent with `key` as its followUpKey.
    void followedUp(const QString& key, const velmora::SendProgress& progress);
};

// Finds the routes at hand and follows them as they come and go. Nothing is looked for before start().
class RouteFinder : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Begins looking; the first contact with the system's services. Later calls do nothing.
    virtual void start() = 0;

    virtual QList<Route*> routes() const = 0;

    // When routes() is empty: what the user needs for a route, in a sentence or two.
    virtual QString absenceReason() const = 0;

    // Still waiting for a service's first answer: routes() may not be all there is yet.
    virtual bool isSearching() const { return false; }

    // Asks the services again for their devices, for a change a service did not announce. Nothing before start().
    virtual void rescan() {}

signals:
    void routesChanged();
    void received(const velmora::IncomingSms& sms);
};

} // namespace velmora
