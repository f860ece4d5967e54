#include "runtarget.h"

#include "runwords.h"
#include "stagewords.h"

#include <algorithm>
#include <utility>

namespace velmora {

RunTarget::RunTarget(Unit unit, Outbox& outbox, std::chrono::milliseconds confirmationTimeout, QObject* parent)
    : QObject(parent), unit_(std::move(unit)), sender_(outbox, confirmationTimeout)
{
    connect(&sender_, &Sender::handingOver, this, [this](int row) {
        current_ = row;
        emit handingOver(row);
    });
    connect(&sender_, &Sender::stateChanged, this, &RunTarget::rowChanged);
    connect(&sender_, &Sender::finished, this, &RunTarget::onFinished);
    connect(&sender_, &Sender::sendingChanged, this, [this](bool sending) {
        if (!sending) {
            current_.reset();
        }
        emit sendingChanged(sending);
    });
}

void RunTarget::setUnit(const Unit& unit)
{
    if (!isSending()) {
        unit_ = unit;
    }
}

void RunTarget::setRows(const std::vector<RunRow>& rows)
{
    if (isSending()) {
        return;
    }
    for (const RunRow& old : rows_) {
        if (std::none_of(rows.cbegin(), rows.cend(), [&](const RunRow& row) { return row.id == old.id; })) {
            sender_.forget(old.id);
            unknown_.erase(old.id);
            marked_.erase(old.id);
        }
    }
    rows_ = rows;
}

RunRowState RunTarget::state(int row) const
{
    return {sender_.state(row), marked_.contains(row)};
}

void RunTarget::seed(int row, const RunRowState& state)
{
    if (isSending()) {
        return;
    }
    if (state.message.progress.stage == SendProgress::Stage::Sending) {
        unknown_.insert(row);
    }
    if (state.markedSent) {
        marked_.insert(row);
    }
    sender_.setState(row, state.message);
}

std::optional<int> RunTarget::firstNotOut() const
{
    const auto found =
        std::find_if(rows_.cbegin(), rows_.cend(), [this](const RunRow& row) { return !state(row.id).wentOut(); });
    return found == rows_.cend() ? std::nullopt : std::optional(found->id);
}

int RunTarget::outCount() const
{
    return int(
        std::count_if(rows_.cbegin(), rows_.cend(), [this](const RunRow& row) { return state(row.id).wentOut(); }));
}

bool RunTarget::isDone() const
{
    return !firstNotOut();
}

std::optional<int> RunTarget::heldAt() const
{
    const std::optional<int> first = firstNotOut();
    return first && isUnknown(*first) ? first : std::nullopt;
}

bool RunTarget::hasRowsToSend() const
{
    const std::optional<int> first = firstNotOut();
    return first && !isUnknown(*first);
}

void RunTarget::send(const QString& code, Route* route, bool waitForConfirmation, bool consented)
{
    if (isSending()) {
        return;
    }
    halt_.reset();
    keptBack_.reset();
    std::vector<Sender::Message> messages;
    for (const RunRow& row : rows_) {
        if (isUnknown(row.id)) {
            break; // nothing goes past a row whose outcome the user has yet to give
        }
        messages.push_back({row.id, code + row.item.command, row.item.title});
    }
    sender_.send(std::move(messages), route, QLatin1Char('+') + unit_.number, waitForConfirmation, consented);
}

void RunTarget::skip(const QString& reason)
{
    if (!isSending()) {
        halt_ = Halt{std::nullopt, reason};
    }
}

void RunTarget::stop()
{
    if (isSending()) {
        sender_.stop();
    } else if (!halt_ && hasRowsToSend()) {
        halt_ = Halt{firstNotOut(), stoppedOnRequest()};
    }
}

void RunTarget::keepBack(int row, const QString& reason)
{
    keptBack_ = Halt{row, reason};
    sender_.stop();
}

void RunTarget::onFinished(const Sender::End& end)
{
    using Why = Sender::End::Why;
    switch (end.why) {
    case Why::AllSent:
        halt_.reset();
        return;
    case Why::Stopped:
        halt_ = std::exchange(keptBack_, std::nullopt);
        if (!halt_ && hasRowsToSend()) {
            halt_ = Halt{firstNotOut(), stoppedOnRequest()};
        }
        return;
    case Why::Failed:
        halt_ = Halt{end.id, end.detail};
        return;
    case Why::NotDelivered:
        halt_ = Halt{end.id, describe(sender_.state(end.id).progress, StagePlace::Plan)};
        return;
    case Why::Unconfirmed:
        halt_ = Halt{end.id, stoppedUnconfirmed(sender_.confirmationTimeout())};
        return;
    }
}

bool RunTarget::markSent(int row)
{
    if (isSending() || !isUnknown(row)) {
        return false;
    }
    unknown_.erase(row);
    marked_.insert(row);
    sender_.setState(row, {SendProgress(SendProgress::Stage::Sent), std::nullopt});
    return true;
}

bool RunTarget::sendAgain(int row)
{
    if (isSending() || !isUnknown(row)) {
        return false;
    }
    unknown_.erase(row);
    sender_.setState(row, {});
    return true;
}

} // namespace velmora
