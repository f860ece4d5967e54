#include "codepresence.h"

#include <QPointer>

namespace velmora {

CodePresence::CodePresence(UnitBook& book, QObject* parent) : QObject(parent), book_(book) {}

CodePresence::State CodePresence::state(const Unit& unit)
{
    if (const auto found = states_.find(unit.id); found != states_.end()) {
        return found->second;
    }
    if (unreachable_) {
        return states_[unit.id] = State::Absent;
    }
    states_[unit.id] = State::Asking;
    waiting_.push_back(unit);
    askNext();
    return State::Asking;
}

void CodePresence::forget(qint64 unitId)
{
    states_.erase(unitId);
    emit changed(unitId);
}

void CodePresence::forgetAll()
{
    states_.clear();
    waiting_.clear();
    unreachable_ = false;
    asking_ = false;
    ++round_;
}

void CodePresence::askNext()
{
    if (asking_ || waiting_.empty()) {
        return;
    }
    asking_ = true;
    const Unit unit = waiting_.front();
    waiting_.pop_front();
    // The book answers in its own context: this may be gone by then.
    book_.readCode(unit,
                   [self = QPointer<CodePresence>(this), round = round_, id = unit.id](const KeyringReply& reply) {
                       if (self != nullptr && self->round_ == round) {
                           self->answered(id, reply);
                       }
                   });
}

void CodePresence::answered(qint64 unitId, const KeyringReply& reply)
{
    asking_ = false;
    const bool reached = reply.status == KeyringReply::Status::Done || reply.status == KeyringReply::Status::NotFound;
    states_[unitId] = reply.status == KeyringReply::Status::Done ? State::Stored : State::Absent;
    emit changed(unitId);
    if (!reached) {
        unreachable_ = true;
        for (const Unit& unit : std::exchange(waiting_, {})) {
            states_[unit.id] = State::Absent;
            emit changed(unit.id);
        }
    }
    askNext();
}

} // namespace velmora
