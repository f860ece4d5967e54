#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>

namespace velmora {

// A text on its way to a number in international form ("+" and the digits).
struct OutgoingSms {
    QString number;
    QString text;
    // The operation's title, for the units' history; may be empty.
    QString title = {};
};

// A text that arrived through one of the routes.
struct IncomingSms {
    QString number;
    QString text;
    QDateTime received;
};

// How far a message has come. Each message goes through some of Waiting and Sending, then ends with exactly
// one of the final stages. A message the network took may be followed up later by what its delivery report
// says: pending (any number of times), then delivered or not.
struct SendProgress {
    enum class Stage {
        Waiting,    // behind other messages in the queue
        Sending,    // with the route
        Sent,       // the network took it (a modem knows this)
        HandedOver, // a phone took it; whether it left the phone cannot be known here
        Failed,
        DeliveryPending, // follow-up: the network is still trying to reach the unit
        Delivered,       // follow-up: the unit has it; `at` is when the network handed it over
        NotDelivered,    // follow-up: the network gave up
    };

    SendProgress(Stage stage = Stage::Waiting, QString detail = {}, QString technical = {})
        : stage(stage), detail(std::move(detail)), technical(std::move(technical))
    {}

    Stage stage;
    // Failed: the reason, in words the user can act on. HandedOver: the phone's name. NotDelivered: why, in a
    // few words.
    QString detail;
    // Failed: what the service said; a follow-up: the code of the network's report. For the log; may be empty.
    QString technical;
    // A follow-up: the network's time, with its own offset from UTC; show it in local time.
    QDateTime at = QDateTime::currentDateTime();
    // Sent: not empty when the route will follow the message up under this key (Route::followedUp).
    QString followUpKey;

    bool isFinal() const { return stage == Stage::Sent || stage == Stage::HandedOver || stage == Stage::Failed; }
    bool isFollowUp() const
    {
        return stage == Stage::DeliveryPending || stage == Stage::Delivered || stage == Stage::NotDelivered;
    }

    static SendProgress failed(QString detail, QString technical = {})
    {
        return {Stage::Failed, std::move(detail), std::move(technical)};
    }
};

// A number a message can be sent to: the country code and the number, 9 to 15 digits, no leading zero.
bool isInternationalNumber(const QString& digits);

// Whether two numbers reach the same phone: the same digits, with or without the country code. Replies may
// come back as "+48601123456" to a command sent to "48601123456", or in national form.
bool isSameNumber(const QString& a, const QString& b);

} // namespace velmora

Q_DECLARE_METATYPE(velmora::IncomingSms)
Q_DECLARE_METATYPE(velmora::SendProgress)
