#include "sender.h"

#include <algorithm>
#include <utility>

namespace velmora {

bool MessageState::isUnsent() const
{
    return progress.stage == SendProgress::Stage::Waiting || progress.stage == SendProgress::Stage::Failed;
}

Sender::Sender(Outbox& outbox, std::chrono::milliseconds confirmationTimeout, QObject* parent)
    : QObject(parent), outbox_(outbox)
{
    confirmation_.setSingleShot(true);
    confirmation_.setInterval(confirmationTimeout);
    connect(&confirmation_, &QTimer::timeout, this, [this] { finish({End::Why::Unconfirmed, awaited_.value_or(-1)}); });
    connect(&outbox_, &Outbox::progressed, this, &Sender::onProgress);
    connect(&outbox_, &Outbox::replyReceived, this, &Sender::onReply);
}

const MessageState& Sender::state(int id) const
{
    static const MessageState kWaiting;
    const auto found = states_.find(id);
    return found == states_.end() ? kWaiting : found->second;
}

void Sender::setState(int id, const MessageState& state)
{
    if (sending_) {
        return;
    }
    states_[id] = state;
    emit stateChanged(id);
}

void Sender::forget(int id)
{
    if (sending_) {
        return;
    }
    states_.erase(id);
    std::erase_if(idOfTicket_, [id](const auto& ticket) { return ticket.second == id; });
    if (lastOut_ == id) {
        lastOut_.reset();
    }
}

void Sender::forgetAll()
{
    if (sending_) {
        return;
    }
    states_.clear();
    idOfTicket_.clear();
    lastOut_.reset();
}

void Sender::send(std::vector<Message> messages, Route* route, const QString& number, bool waitForConfirmation,
                  bool consented)
{
    if (sending_) {
        return;
    }
    messages_ = std::move(messages);
    route_ = route;
    number_ = number;
    wait_ = waitForConfirmation;
    consented_ = consented;
    sending_ = true;
    stopAsked_ = false;
    emit sendingChanged(true);
    sendNext();
}

void Sender::stop()
{
    if (!sending_) {
        return;
    }
    stopAsked_ = true;
    if (inFlight_) {
        emit stopping(*inFlight_);
        return;
    }
    finish({End::Why::Stopped});
}

void Sender::sendNext()
{
    const auto next = std::find_if(messages_.cbegin(), messages_.cend(),
                                   [this](const Message& message) { return state(message.id).isUnsent(); });
    if (next == messages_.cend()) {
        finish({End::Why::AllSent});
        return;
    }
    const Message& message = *next;
    emit handingOver(message.id);
    if (!sending_) {
        return; // the owner stopped it
    }
    stateOf(message.id) = {SendProgress(SendProgress::Stage::Sending), std::nullopt};
    emit stateChanged(message.id);
    inFlight_ = message.id;
    idOfTicket_[outbox_.send(route_, {number_, message.text, message.title}, consented_)] = message.id;
}

void Sender::setProgress(int id, const SendProgress& progress)
{
    stateOf(id).progress = progress;
    emit stateChanged(id);
}

void Sender::onProgress(int ticket, const SendProgress& progress)
{
    const auto found = idOfTicket_.find(ticket);
    if (found == idOfTicket_.end()) {
        return;
    }
    const int id = found->second;
    switch (progress.stage) {
    case SendProgress::Stage::Waiting:
    case SendProgress::Stage::Sending:
    case SendProgress::Stage::DeliveryPending:
        return;
    case SendProgress::Stage::Sent:
    case SendProgress::Stage::HandedOver:
        setProgress(id, progress);
        wentOut(id);
        return;
    case SendProgress::Stage::Failed:
        setProgress(id, progress);
        inFlight_.reset();
        finish({End::Why::Failed, id, progress.detail});
        return;
    case SendProgress::Stage::Delivered:
        setProgress(id, progress);
        if (awaited_ == id) {
            confirmed();
        }
        return;
    case SendProgress::Stage::NotDelivered:
        setProgress(id, progress);
        if (awaited_ == id) {
            finish({End::Why::NotDelivered, id, progress.detail});
        }
        return;
    }
}

void Sender::wentOut(int id)
{
    inFlight_.reset();
    lastOut_ = id;
    if (!sending_) {
        return;
    }
    if (stopAsked_) {
        finish({End::Why::Stopped});
    } else if (wait_) {
        awaited_ = id;
        confirmation_.start();
        emit awaitingConfirmation(id);
    } else {
        sendNext();
    }
}

// The first text from the unit's number after a message went out, and before the next did, answers it.
void Sender::onReply(const IncomingSms& sms)
{
    if (!lastOut_ || !isSameNumber(number_, sms.number)) {
        return;
    }
    const int id = *std::exchange(lastOut_, std::nullopt);
    stateOf(id).reply = sms;
    emit stateChanged(id);
    if (awaited_ == id) {
        confirmed();
    }
}

void Sender::confirmed()
{
    confirmation_.stop();
    awaited_.reset();
    sendNext();
}

void Sender::finish(const End& end)
{
    confirmation_.stop();
    awaited_.reset();
    sending_ = false;
    stopAsked_ = false;
    emit finished(end);
    emit sendingChanged(false);
}

} // namespace velmora
