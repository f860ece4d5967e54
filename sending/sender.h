#pragma once

#include "outbox.h"

#include <QPointer>
#include <QTimer>
#include <chrono>
#include <map>
#include <optional>
#include <vector>

namespace velmora {

// Where one message of a sender stands: its last stage that counts, and the unit's reply to it if one came.
struct MessageState {
    // Waiting until it is handed to the outbox, Sending from then until the route's outcome, then that outcome and
    // what the delivery report says; a report that the network is still trying leaves it as it is.
    SendProgress progress{SendProgress::Stage::Waiting};
    std::optional<IncomingSms> reply;

    // Still to go out: waiting, or failed and to be tried again. Anything else is never sent again on its own:
    // a message that went out, and one handed over whose outcome is not known (Sending when a run starts).
    bool isUnsent() const;
};

// Sends one unit's commands in order to the unit's number, one message at a time through the outbox, each
// optionally confirmed by the unit (delivered, or answered from its number) within a time limit before the next
// goes. Keeps every message's state under the owner's id for it, so a message that went out is never sent again.
// Several senders may share one outbox, each with its own number: each follows only its own messages' stages and
// the replies from its own number.
class Sender final : public QObject {
    Q_OBJECT

public:
    // One command as it goes, IKU code and all, under the owner's id, with its operation's title.
    struct Message {
        int id;
        QString text;
        QString title = {};
    };

    // How a run ended, and at which message (-1 for none).
    struct End {
        enum class Why { AllSent, Stopped, Failed, NotDelivered, Unconfirmed };

        Why why;
        int id = -1;
        QString detail{}; // Failed, NotDelivered: the reason
    };

    Sender(Outbox& outbox, std::chrono::milliseconds confirmationTimeout, QObject* parent = nullptr);

    std::chrono::milliseconds confirmationTimeout() const { return confirmation_.intervalAsDuration(); }
    bool isSending() const { return sending_; }

    // A message never handed over is waiting.
    const MessageState& state(int id) const;
    // A state known from elsewhere, such as the record of an earlier run, or the user's word on a message whose
    // outcome is not known. Not while sending.
    void setState(int id, const MessageState& state);
    // Later stages of the message, and replies to it, change nothing any more. Not while sending.
    void forget(int id);
    void forgetAll();

    // Sends the messages still to go out, in this order, to the number ("+" and digits) on the route. With
    // `waitForConfirmation` each waits for the previous one to be delivered or answered.
    void send(std::vector<Message> messages, Route* route, const QString& number, bool waitForConfirmation,
              bool consented);
    // Lets the message on its way finish and sends no other.
    void stop();

signals:
    // The message is about to go to the outbox. Emitted on the sender's own call, before anything goes out: the
    // owner may record it as handed over first, or stop() to keep it back; it calls nothing else of the sender.
    void handingOver(int id);
    // A message's state changed: a stage, or the unit's reply.
    void stateChanged(int id);
    // The message went out; the next one waits for the unit to confirm it.
    void awaitingConfirmation(int id);
    // stop() came while this message is with the route: the run ends once it has gone or failed.
    void stopping(int id);
    void sendingChanged(bool sending);
    // Comes before sendingChanged(false).
    void finished(const velmora::Sender::End& end);

private:
    MessageState& stateOf(int id) { return states_[id]; }
    void setProgress(int id, const SendProgress& progress);
    void onProgress(int ticket, const SendProgress& progress);
    void onReply(const IncomingSms& sms);
    void sendNext();
    void wentOut(int id);
    void confirmed();
    void finish(const End& end);

    Outbox& outbox_;
    std::map<int, MessageState> states_;
    std::map<int, int> idOfTicket_;

    std::vector<Message> messages_;
    QPointer<Route> route_;
    QString number_;
    bool wait_ = false;
    bool consented_ = false;
    bool sending_ = false;
    bool stopAsked_ = false;
    // The message with the route, the one waiting to be confirmed, and the last one out, which the next reply from
    // the unit's number answers.
    std::optional<int> inFlight_;
    std::optional<int> awaited_;
    std::optional<int> lastOut_;
    QTimer confirmation_;
};

} // namespace velmora
