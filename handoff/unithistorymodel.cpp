#include "unithistorymodel.h"

#include "stagewords.h"

#include <algorithm>

namespace velmora {
namespace {

using Stage = SendProgress::Stage;

bool isSentMessage(const RecordedMessage& message)
{
    return message.direction == RecordedMessage::Direction::Sent;
}

// Whether `older` is what `newer` holds below its newest messages: nothing removed, nothing reordered.
bool endsWith(const std::vector<RecordedMessage>& newer, const std::vector<RecordedMessage>& older)
{
    return newer.size() >= older.size() &&
           std::equal(older.rbegin(), older.rend(), newer.rbegin(),
                      [](const RecordedMessage& a, const RecordedMessage& b) { return a.id == b.id; });
}

} // namespace

QString shownTime(const QDateTime& at)
{
    return at.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

QString shownStage(const RecordedMessage& message, const Followed& followed)
{
    const std::optional<RecordedStage>& latest = message.delivery ? message.delivery : message.stage;
    if (!latest) {
        return {};
    }
    if ((latest->stage == Stage::Waiting || latest->stage == Stage::Sending) && !followed(message.id)) {
        return QStringLiteral("Nieznany: program zamknięto w trakcie wysyłania");
    }
    return describe(latest->progress(), StagePlace::Window);
}

UnitHistoryModel::UnitHistoryModel(UnitRegister& units, Followed followed, QObject* parent)
    : HeadedTable({QStringLiteral("Czas"), QStringLiteral("Operacja"), QStringLiteral("Polecenie lub odpowiedź"),
                   QStringLiteral("Stan")},
                  parent),
      units_(units), followed_(std::move(followed))
{
    connect(&units_, &UnitRegister::historyChanged, this, &UnitHistoryModel::onHistoryChanged);
}

void UnitHistoryModel::showUnit(qint64 unitId)
{
    beginResetModel();
    unitId_ = unitId;
    messages_ = unitId != 0 ? units_.history(unitId) : std::vector<RecordedMessage>();
    endResetModel();
}

void UnitHistoryModel::onHistoryChanged(qint64 unitId)
{
    if (unitId != unitId_ || unitId == 0) {
        return;
    }
    std::vector<RecordedMessage> messages = units_.history(unitId);
    if (!endsWith(messages, messages_)) {
        beginResetModel();
        messages_ = std::move(messages);
        endResetModel();
        return;
    }
    const int added = int(messages.size() - messages_.size());
    if (added > 0) {
        beginInsertRows({}, 0, added - 1);
    }
    messages_ = std::move(messages);
    if (added > 0) {
        endInsertRows();
    }
    if (!messages_.empty()) {
        emit dataChanged(index(added, 0), index(rowCount() - 1, ColumnCount - 1));
    }
}

bool UnitHistoryModel::isSent(int row) const
{
    return row >= 0 && row < rowCount() && isSentMessage(messages_[std::size_t(row)]);
}

std::vector<Plan::Item> UnitHistoryModel::sentCommands(const QModelIndexList& rows) const
{
    std::vector<int> chosen;
    for (const QModelIndex& index : rows) {
        if (isSent(index.row())) {
            chosen.push_back(index.row());
        }
    }
    // Newest first in the list: the oldest, the highest row, goes first.
    std::sort(chosen.begin(), chosen.end(), std::greater<>());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    std::vector<Plan::Item> commands;
    for (const int row : chosen) {
        commands.push_back({messages_[std::size_t(row)].title, messages_[std::size_t(row)].text});
    }
    return commands;
}

int UnitHistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(messages_.size());
}

QString UnitHistoryModel::text(const RecordedMessage& message, int column) const
{
    const bool sent = isSentMessage(message);
    switch (column) {
    case Time:
        return shownTime(message.at);
    case Title:
        return sent ? message.title : QStringLiteral("Wiadomość od centrali");
    case Text:
        return sent ? QStringLiteral("****") + message.text : message.text;
    default:
        return sent ? shownStage(message, followed_) : QStringLiteral("Odebrano");
    }
}

QVariant UnitHistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const RecordedMessage& message = messages_[std::size_t(index.row())];
    const QString shown = text(message, index.column());
    // The route's own words behind a stage, for whoever reads the tool tip to someone who can help.
    const std::optional<RecordedStage>& latest = message.delivery ? message.delivery : message.stage;
    if (role == Qt::ToolTipRole && index.column() == State && latest && !latest->technical.isEmpty()) {
        return shown + u'\n' + latest->technical;
    }
    return shown;
}

} // namespace velmora
