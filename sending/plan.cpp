#include "plan.h"

#include <algorithm>
#include <utility>

namespace velmora {
namespace {

constexpr qsizetype kIkuLength = 4;

QString timeOf(const QDateTime& at)
{
    return at.toString(QStringLiteral("HH:mm:ss"));
}

bool isWholeIku(const QString& iku)
{
    return iku.size() == kIkuLength && std::all_of(iku.cbegin(), iku.cend(), [](QChar c) {
               return c >= QLatin1Char('0') && c <= QLatin1Char('9');
           });
}

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
    : QAbstractTableModel(parent), outbox_(outbox)
{
    confirmation_.setSingleShot(true);
    confirmation_.setInterval(confirmationTimeout);
    connect(&confirmation_, &QTimer::timeout, this, &Plan::timedOut);
    connect(&outbox_, &Outbox::progressed, this, &Plan::onProgress);
    connect(&outbox_, &Outbox::replyReceived, this, &Plan::onReply);
}

QString Plan::add(const QString& title, const QString& command)
{
    const qsizetype hash = command.indexOf(QLatin1Char('#'));
    const QString code = command.left(hash);
    if (!iku_.isEmpty() && code != iku_) {
        return QStringLiteral("Polecenie „%1” ma inny kod IKU niż polecenia planu wysyłki, więc nie zostało do niego "
                              "dodane. Plan pozostaje bez zmian.")
            .arg(title);
    }
    if (iku_.isEmpty()) {
        setIku(code);
    }
    const int row = rowCount();
    beginInsertRows({}, row, row);
    rows_.push_back({nextId_++, {title, command.mid(hash)}, RowState::Waiting, {}, {}});
    endInsertRows();
    emit countChanged(rowCount());
    return {};
}

bool Plan::replace(const std::vector<Item>& items)
{
    if (sending_) {
        return false;
    }
    beginResetModel();
    rows_.clear();
    for (const Item& item : items) {
        rows_.push_back({nextId_++, item, RowState::Waiting, {}, {}});
    }
    iku_.clear();
    lastOut_.reset();
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
    if (sending_ || iku == iku_) {
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
    if (sending_ || from < 0 || to < 0 || from >= rowCount() || to >= rowCount()) {
        return false;
    }
    // Qt counts a move down to the place after the row it passes.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    std::swap(rows_[from], rows_[to]);
    endMoveRows();
    emit dataChanged(index(std::min(from, to), Position), index(std::max(from, to), Position));
    return true;
}

bool Plan::remove(int row)
{
    if (sending_ || row < 0 || row >= rowCount()) {
        return false;
    }
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
    if (row < rowCount()) {
        emit dataChanged(index(row, Position), index(rowCount() - 1, Position));
    }
    emit countChanged(rowCount());
    return true;
}

bool Plan::isUnsent(const Row& row)
{
    return row.state == RowState::Waiting || row.state == RowState::Failed;
}

bool Plan::hasUnsentRows() const
{
    return firstUnsent().has_value();
}

bool Plan::canSend() const
{
    return !sending_ && isWholeIku(iku_) && hasUnsentRows();
}

std::optional<int> Plan::firstUnsent() const
{
    const auto found = std::find_if(rows_.cbegin(), rows_.cend(), &Plan::isUnsent);
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

void Plan::setState(int row, RowState state, const QDateTime& at, const QString& detail)
{
    rows_[row].state = state;
    rows_[row].at = at;
    rows_[row].detail = detail;
    emit dataChanged(index(row, State), index(row, State));
}

void Plan::send(Route* route, const QString& number, bool waitForConfirmation, bool consented)
{
    if (!canSend()) {
        return;
    }
    route_ = route;
    number_ = number;
    wait_ = waitForConfirmation;
    consented_ = consented;
    sending_ = true;
    stopAsked_ = false;
    emit sendingChanged(true);
    sendNext();
}

void Plan::stop()
{
    if (!sending_) {
        return;
    }
    stopAsked_ = true;
    if (inFlight_) {
        setStatus(QStringLiteral("Plan zatrzyma się po wysłaniu polecenia %1.").arg(indexOf(*inFlight_) + 1));
        return;
    }
    finish(QStringLiteral("Plan zatrzymany.") + resumeHint());
}

void Plan::sendNext()
{
    const std::optional<int> next = firstUnsent();
    if (!next) {
        finish(QStringLiteral("Plan wysłany w całości."));
        return;
    }
    Row& row = rows_[*next];
    setState(*next, RowState::Sending);
    inFlight_ = row.id;
    setStatus(QStringLiteral("Wysyłanie polecenia %1 z %2…").arg(*next + 1).arg(rowCount()));
    const int ticket = outbox_.send(route_, {number_, iku_ + row.item.command}, consented_);
    rowOfTicket_[ticket] = row.id;
}

void Plan::onProgress(int ticket, const SendProgress& progress)
{
    const auto found = rowOfTicket_.find(ticket);
    const int row = found == rowOfTicket_.end() ? -1 : indexOf(found->second);
    if (row < 0) {
        return;
    }
    const bool answered = rows_[row].state == RowState::Replied;
    switch (progress.stage) {
    case SendProgress::Stage::Waiting:
    case SendProgress::Stage::Sending:
    case SendProgress::Stage::DeliveryPending:
        return;
    case SendProgress::Stage::Sent:
        setState(row, RowState::Sent, progress.at);
        wentOut(row);
        return;
    case SendProgress::Stage::HandedOver:
        setState(row, RowState::HandedOver, progress.at);
        wentOut(row);
        return;
    case SendProgress::Stage::Failed:
        setState(row, RowState::Failed, progress.at, progress.detail);
        inFlight_.reset();
        finish(QStringLiteral("Polecenie %1 nie zostało wysłane: %2").arg(row + 1).arg(sentence(progress.detail)) +
               resumeHint());
        return;
    case SendProgress::Stage::Delivered:
        if (!answered) {
            setState(row, RowState::Delivered, progress.at);
        }
        if (awaited_ == rows_[row].id) {
            confirmed();
        }
        return;
    case SendProgress::Stage::NotDelivered:
        if (!answered) {
            setState(row, RowState::NotDelivered, progress.at, progress.detail);
        }
        if (awaited_ == rows_[row].id) {
            finish(
                QStringLiteral("Polecenie %1 nie zostało doręczone: %2").arg(row + 1).arg(sentence(progress.detail)) +
                resumeHint());
        }
        return;
    }
}

void Plan::wentOut(int row)
{
    inFlight_.reset();
    lastOut_ = rows_[row].id;
    if (!sending_) {
        return;
    }
    if (stopAsked_) {
        finish(QStringLiteral("Plan zatrzymany.") + resumeHint());
    } else if (wait_) {
        awaited_ = rows_[row].id;
        confirmation_.start();
        setStatus(QStringLiteral("Czekanie na potwierdzenie polecenia %1 przez centralę…").arg(row + 1));
    } else {
        sendNext();
    }
}

void Plan::onReply(const IncomingSms& sms)
{
    if (!lastOut_ || !isSameNumber(number_, sms.number)) {
        return;
    }
    const int id = *std::exchange(lastOut_, std::nullopt);
    const int row = indexOf(id);
    if (row < 0) {
        return;
    }
    setState(row, RowState::Replied, sms.received, sms.text);
    if (awaited_ == id) {
        confirmed();
    }
}

void Plan::confirmed()
{
    confirmation_.stop();
    awaited_.reset();
    sendNext();
}

void Plan::timedOut()
{
    const int row = awaited_ ? indexOf(*awaited_) : -1;
    const auto minutes = std::chrono::ceil<std::chrono::minutes>(confirmation_.intervalAsDuration()).count();
    finish(QStringLiteral("Centrala nie potwierdziła polecenia %1 w ciągu %2 min. Plan zatrzymany.")
               .arg(row + 1)
               .arg(minutes) +
           resumeHint());
}

void Plan::finish(const QString& status)
{
    confirmation_.stop();
    awaited_.reset();
    sending_ = false;
    stopAsked_ = false;
    setStatus(status);
    emit sendingChanged(false);
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
    emit statusChanged(status_);
}

QString Plan::stateText(const Row& row)
{
    switch (row.state) {
    case RowState::Waiting:
        return QStringLiteral("czeka");
    case RowState::Sending:
        return QStringLiteral("wysyłanie");
    case RowState::Sent:
        return QStringLiteral("wysłano ") + timeOf(row.at);
    case RowState::HandedOver:
        return QStringLiteral("przekazano do telefonu ") + timeOf(row.at);
    case RowState::Delivered:
        return QStringLiteral("doręczono ") + timeOf(row.at);
    case RowState::Replied:
        return QStringLiteral("odpowiedź %1: %2").arg(timeOf(row.at), row.detail);
    case RowState::NotDelivered:
        return QStringLiteral("nie doręczono: ") + row.detail;
    case RowState::Failed:
        return QStringLiteral("błąd: ") + row.detail;
    }
    return {};
}

int Plan::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int Plan::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
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

QVariant Plan::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case Position:
        return QStringLiteral("Lp.");
    case Title:
        return QStringLiteral("Operacja");
    case Command:
        return QStringLiteral("Polecenie");
    case State:
        return QStringLiteral("Stan");
    }
    return {};
}

} // namespace velmora
