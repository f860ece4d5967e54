#include "plan.h"

#include "ikucode.h"
#include "stagewords.h"

#include <algorithm>
#include <utility>

namespace velmora {

QStringList Plan::headings()
{
    return {QStringLiteral("Lp."), QStringLiteral("Operacja"), QStringLiteral("Polecenie"), QStringLiteral("Stan")};
}
namespace {

// A route's reason is a sentence; the plan's status adds one of its own after it.
QString sentence(const QString& text)
{
    if (text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('!')) || text.endsWith(QLatin1Char('?'))) {
        return text;
    }
    return text + QLatin1Char('.');
}

} // namespace

Plan::Plan(Outbox& outbox, std::chrono::milliseconds confirmationTimeout, QObject* parent)
    : HeadedTable(headings(), parent), sender_(outbox, confirmationTimeout)
{
    connect(&sender_, &Sender::stateChanged, this, &Plan::showState);
    connect(&sender_, &Sender::handingOver, this, [this](int id) {
        setStatus(QStringLiteral("Wysyłanie polecenia %1 z %2…").arg(indexOf(id) + 1).arg(rowCount()));
    });
    connect(&sender_, &Sender::awaitingConfirmation, this, [this](int id) {
        setStatus(QStringLiteral("Czekanie na potwierdzenie polecenia %1 przez centralę…").arg(indexOf(id) + 1));
    });
    connect(&sender_, &Sender::stopping, this, [this](int id) {
        setStatus(QStringLiteral("Plan zatrzyma się po wysłaniu polecenia %1.").arg(indexOf(id) + 1));
    });
    connect(&sender_, &Sender::finished, this, &Plan::showEnd);
    connect(&sender_, &Sender::sendingChanged, this, &Plan::sendingChanged);
}

QString Plan::add(const QString& title, const QString& command)
{
    const qsizetype hash = command.indexOf(QLatin1Char('#'));
    const QString code = command.left(hash);
    if (!iku_.isEmpty() && code != iku_) {
        return QStringLiteral("Polecenie „%1” ma kod IKU %2, a plan wysyłki ma kod IKU %3, więc nie zostało do niego "
                              "dodane. Zmień kod IKU planu w oknie „Plan wysyłki do centrali” albo kod IKU na stronie "
                              "i dodaj polecenie jeszcze raz. Plan pozostaje bez zmian.")
            .arg(title, code, iku_);
    }
    if (iku_.isEmpty()) {
        setIku(code);
    }
    const int row = rowCount();
    beginInsertRows({}, row, row);
    rows_.push_back({nextId_++, {title, command.mid(hash)}});
    endInsertRows();
    emit countChanged(rowCount());
    changed();
    return {};
}

bool Plan::replace(const std::vector<Item>& items)
{
    if (isSending()) {
        return false;
    }
    beginResetModel();
    rows_.clear();
    for (const Item& item : items) {
        rows_.push_back({nextId_++, item});
    }
    iku_.clear();
    sender_.forgetAll();
    unsaved_ = false;
    endResetModel();
    emit ikuChanged(iku_);
    emit countChanged(rowCount());
    setStatus({});
    return true;
}

std::vector<Plan::Item> Plan::items() const
{
    std::vector<Item> items;
    items.reserve(rows_.size());
    for (const Row& row : rows_) {
        items.push_back(row.item);
    }
    return items;
}

void Plan::setIku(const QString& iku)
{
    if (isSending() || iku == iku_) {
        return;
    }
    iku_ = iku;
    if (!rows_.empty()) {
        emit dataChanged(index(0, Command), index(rowCount() - 1, Command));
    }
    emit ikuChanged(iku_);
}

bool Plan::moveUp(int row)
{
    return move(row, row - 1);
}

bool Plan::moveDown(int row)
{
    return move(row, row + 1);
}

bool Plan::move(int from, int to)
{
    if (isSending() || from < 0 || to < 0 || from >= rowCount() || to >= rowCount()) {
        return false;
    }
    // Qt counts a move down to the place after the row it passes.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    std::swap(rows_[from], rows_[to]);
    endMoveRows();
    emit dataChanged(index(std::min(from, to), Position), index(std::max(from, to), Position));
    changed();
    return true;
}

bool Plan::remove(int row)
{
    if (isSending() || row < 0 || row >= rowCount()) {
        return false;
    }
    sender_.forget(rows_[row].id);
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
    if (row < rowCount()) {
        emit dataChanged(index(row, Position), index(rowCount() - 1, Position));
    }
    emit countChanged(rowCount());
    changed();
    return true;
}

bool Plan::hasUnsentRows() const
{
    return firstUnsent().has_value();
}

bool Plan::isUnsent(int row) const
{
    return row >= 0 && row < rowCount() && sender_.state(rows_[row].id).isUnsent();
}

bool Plan::hasUnsavedRows() const
{
    return unsaved_ && hasUnsentRows();
}

void Plan::markSaved(const QString& fileName)
{
    unsaved_ = false;
    setStatus(QStringLiteral("Zapisano plan: %1").arg(fileName));
    statusSaysSaved_ = true;
}

// A change of the rows is not in the file, whatever the status said of the last save.
void Plan::changed()
{
    unsaved_ = true;
    if (statusSaysSaved_) {
        setStatus({});
    }
}

bool Plan::canSend() const
{
    return !isSending() && isWholeIku(iku_.toStdString()) && hasUnsentRows();
}

std::optional<int> Plan::firstUnsent() const
{
    const auto found =
        std::find_if(rows_.cbegin(), rows_.cend(), [this](const Row& row) { return sender_.state(row.id).isUnsent(); });
    if (found == rows_.cend()) {
        return std::nullopt;
    }
    return static_cast<int>(found - rows_.cbegin());
}

int Plan::indexOf(int id) const
{
    const auto found = std::find_if(rows_.cbegin(), rows_.cend(), [id](const Row& row) { return row.id == id; });
    return found == rows_.cend() ? -1 : static_cast<int>(found - rows_.cbegin());
}

void Plan::send(Route* route, const QString& number, bool waitForConfirmation, bool consented)
{
    if (!canSend()) {
        return;
    }
    std::vector<Sender::Message> messages;
    messages.reserve(rows_.size());
    for (const Row& row : rows_) {
        messages.push_back({row.id, iku_ + row.item.command, row.item.title});
    }
    sender_.send(std::move(messages), route, number, waitForConfirmation, consented);
}

void Plan::stop()
{
    sender_.stop();
}

void Plan::showState(int id)
{
    if (const int row = indexOf(id); row >= 0) {
        emit dataChanged(index(row, State), index(row, State));
    }
}

void Plan::showEnd(const Sender::End& end)
{
    const int position = indexOf(end.id) + 1;
    switch (end.why) {
    case Sender::End::Why::AllSent:
        setStatus(QStringLiteral("Plan wysłany w całości."));
        return;
    case Sender::End::Why::Stopped:
        setStatus(QStringLiteral("Plan zatrzymany.") + resumeHint());
        return;
    case Sender::End::Why::Failed:
        setStatus(QStringLiteral("Polecenie %1 nie zostało wysłane: %2").arg(position).arg(sentence(end.detail)) +
                  resumeHint());
        return;
    case Sender::End::Why::NotDelivered:
        setStatus(QStringLiteral("Polecenie %1 nie zostało doręczone: %2").arg(position).arg(sentence(end.detail)) +
                  resumeHint());
        return;
    case Sender::End::Why::Unconfirmed: {
        const auto minutes = std::chrono::ceil<std::chrono::minutes>(sender_.confirmationTimeout()).count();
        setStatus(QStringLiteral("Centrala nie potwierdziła polecenia %1 w ciągu %2 min. Plan zatrzymany.")
                      .arg(position)
                      .arg(minutes) +
                  resumeHint());
        return;
    }
    }
}

QString Plan::resumeHint() const
{
    const std::optional<int> next = firstUnsent();
    if (!next) {
        return {};
    }
    return QStringLiteral(" „Wyślij plan” wyśle dalej od polecenia %1.").arg(*next + 1);
}

void Plan::setStatus(const QString& status)
{
    if (status == status_) {
        return;
    }
    status_ = status;
    statusSaysSaved_ = false;
    emit statusChanged(status_);
}

QString Plan::stateText(const Row& row) const
{
    const MessageState& state = sender_.state(row.id);
    return state.reply ? describeReply(*state.reply, StagePlace::Plan) : describe(state.progress, StagePlace::Plan);
}

int Plan::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant Plan::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const Row& row = rows_[index.row()];
    switch (index.column()) {
    case Position:
        return index.row() + 1;
    case Title:
        return row.item.title;
    case Command:
        return iku_ + row.item.command;
    case State:
        return stateText(row);
    }
    return {};
}

} // namespace velmora
