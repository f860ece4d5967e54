#include "unitsrun.h"

#include "ikucode.h"
#include "runwords.h"

#include <algorithm>

namespace velmora {
namespace {

// What the keyring keeps for a unit is four digits; anything else is no code.
bool isCode(const QString& code)
{
    return isCompleteIku(code.toStdString()) &&
           std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

UnitsRun::UnitsRun(Outbox& outbox, UnitBook& book, std::chrono::milliseconds confirmationTimeout, QObject* parent)
    : HeadedTable({QStringLiteral("Nazwa"), QStringLiteral("Numer"), QStringLiteral("Postęp"), QStringLiteral("Stan")},
                  parent),
      outbox_(outbox), book_(book), confirmationTimeout_(confirmationTimeout)
{}

UnitsRun::~UnitsRun() = default;

RunJournal& UnitsRun::journal()
{
    return book_.units().runs();
}

int UnitsRun::indexOf(const RunTarget* target) const
{
    return targetOf(target->unit().id);
}

int UnitsRun::positionOf(int rowId) const
{
    const auto found =
        std::find_if(rows_.cbegin(), rows_.cend(), [rowId](const RunRow& row) { return row.id == rowId; });
    return found == rows_.cend() ? -1 : int(found - rows_.cbegin());
}

RunTarget* UnitsRun::add(const Unit& unit, const RecordedTarget* recorded)
{
    auto* target = targets_.emplace_back(std::make_unique<RunTarget>(unit, outbox_, confirmationTimeout_)).get();
    target->setRows(rows_);
    for (std::size_t row = 0; recorded != nullptr && row < recorded->rows.size() && row < rows_.size(); ++row) {
        target->seed(rows_[row].id, recorded->rows[row]);
    }
    connect(target, &RunTarget::handingOver, this, [this, target](int row) { onHandingOver(target, row); });
    connect(target, &RunTarget::rowChanged, this, [this, target](int row) { onRowChanged(target, row); });
    connect(target, &RunTarget::sendingChanged, this, [this, target] {
        showTarget(target);
        updateSending();
    });
    return target;
}

// The plan's rows in the run's order; a row the run had keeps its id, and so its state for every unit.
void UnitsRun::takeRows(const std::vector<Plan::Item>& items)
{
    std::vector<RunRow> rows;
    std::vector<bool> taken(rows_.size());
    for (const Plan::Item& item : items) {
        std::size_t old = 0;
        while (old < rows_.size() && (taken[old] || !(rows_[old].item == item))) {
            ++old;
        }
        if (old < rows_.size()) {
            taken[old] = true;
            rows.push_back(rows_[old]);
        } else {
            rows.push_back({nextRowId_++, item});
        }
    }
    const bool same = std::equal(rows.cbegin(), rows.cend(), rows_.cbegin(), rows_.cend(),
                                 [](const RunRow& a, const RunRow& b) { return a.id == b.id; });
    rows_ = std::move(rows);
    for (const auto& target : targets_) {
        target->setRows(rows_);
    }
    if (!same) {
        emit planRowsChanged();
    }
}

bool UnitsRun::setPlanRows(const std::vector<Plan::Item>& rows)
{
    if (sending_) {
        return false;
    }
    takeRows(rows);
    keepRecord();
    return true;
}

bool UnitsRun::send(const std::vector<Plan::Item>& rows, Route* route, bool waitForConfirmation, bool consented)
{
    if (sending_ || targets_.empty() || rows.empty()) {
        return false;
    }
    takeRows(rows);
    refreshUnits();
    // A unit waiting for the user's word goes on once it is given.
    const auto toSend = [](const auto& target) { return target->hasRowsToSend() || target->heldAt(); };
    if (std::none_of(targets_.cbegin(), targets_.cend(), toSend)) {
        keepRecord();
        return false;
    }
    for (const auto& target : targets_) {
        target->clearHalt();
    }
    if (!record()) {
        return false;
    }
    route_ = route;
    wait_ = waitForConfirmation;
    consented_ = consented;
    going_ = true;
    codes_.clear();
    ++generation_;
    for (const auto& target : targets_) {
        if (target->hasRowsToSend()) {
            launch(target.get());
        }
    }
    updateSending();
    return true;
}

// Sends to the unit with its code, read from the keyring first when this send() has not read it yet.
void UnitsRun::launch(RunTarget* target)
{
    if (const auto code = codes_.find(target->unit().id); code != codes_.end()) {
        target->send(code->second, route_, wait_, consented_);
        return;
    }
    reading_.insert(target);
    book_.readCode(target->unit(),
                   [self = QPointer(this), target, generation = generation_](const KeyringReply& reply) {
                       if (self && generation == self->generation_) {
                           self->onCode(target, reply);
                       }
                   });
}

void UnitsRun::onCode(RunTarget* target, const KeyringReply& reply)
{
    reading_.erase(target);
    if (reply.status == KeyringReply::Status::Done && isCode(reply.secret)) {
        codes_[target->unit().id] = reply.secret;
        target->send(reply.secret, route_, wait_, consented_);
    } else {
        const bool reached =
            reply.status == KeyringReply::Status::Done || reply.status == KeyringReply::Status::NotFound;
        target->skip(reached ? noCodeWords() : noKeyringWords());
        showTarget(target);
    }
    updateSending();
}

void UnitsRun::stop()
{
    if (!sending_) {
        return;
    }
    going_ = false;
    ++generation_;
    reading_.clear();
    for (const auto& target : targets_) {
        target->stop();
        showTarget(target.get());
    }
    updateSending();
}

void UnitsRun::updateSending()
{
    const bool sending = !reading_.empty() || std::any_of(targets_.cbegin(), targets_.cend(),
                                                          [](const auto& target) { return target->isSending(); });
    if (sending == sending_) {
        return;
    }
    sending_ = sending;
    if (!sending_) {
        finishIfDone();
    }
    emit sendingChanged(sending_);
}

void UnitsRun::showTarget(const RunTarget* target)
{
    if (const int row = indexOf(target); row >= 0) {
        emit dataChanged(index(row, Progress), index(row, State));
    }
}

void UnitsRun::setStatus(const QString& status)
{
    if (status != status_) {
        status_ = status;
        emit statusChanged(status_);
    }
}

} // namespace velmora
