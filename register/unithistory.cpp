#include "historyrows.h"
#include "registerdatabase.h"
#include "unitregister.h"

#include <algorithm>
#include <array>

namespace velmora {
namespace {

// A stage is stored as its place here.
constexpr std::array<SendProgress::Stage, 8> kStages = {
    SendProgress::Stage::Waiting,    SendProgress::Stage::Sending,      SendProgress::Stage::Sent,
    SendProgress::Stage::HandedOver, SendProgress::Stage::Failed,       SendProgress::Stage::DeliveryPending,
    SendProgress::Stage::Delivered,  SendProgress::Stage::NotDelivered,
};

constexpr qsizetype kIkuLength = 4;

// Recorded times are read in UTC: a conversion to local time asks the system's time zone each time, which costs
// more than the rest of a row.
QDateTime timeOf(const QVariant& milliseconds)
{
    return QDateTime::fromMSecsSinceEpoch(milliseconds.toLongLong(), Qt::UTC);
}

// A stage in four columns from `first`: the stage, its time, detail and technical words.
std::optional<RecordedStage> readStage(const QSqlQuery& query, int first)
{
    if (query.isNull(first)) {
        return std::nullopt;
    }
    return RecordedStage{stageOf(query.value(first).toInt()), timeOf(query.value(first + 1)),
                         query.value(first + 2).toString(), query.value(first + 3).toString()};
}

QString fromFirstHash(const QString& text)
{
    const qsizetype hash = text.indexOf(QLatin1Char('#'));
    return hash < 0 ? QString() : text.mid(hash);
}

bool startsAsCommand(const QString& text)
{
    return text.size() > kIkuLength && text.at(kIkuLength) == QLatin1Char('#') &&
           std::all_of(text.cbegin(), text.cbegin() + kIkuLength,
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

} // namespace

SendProgress RecordedStage::progress() const
{
    SendProgress progress(stage, detail, technical);
    progress.at = at;
    return progress;
}

int stageCode(SendProgress::Stage stage)
{
    return int(std::find(kStages.begin(), kStages.end(), stage) - kStages.begin());
}

SendProgress::Stage stageOf(int code)
{
    return code >= 0 && code < int(kStages.size()) ? kStages[std::size_t(code)] : SendProgress::Stage::Failed;
}

QString receivedWithoutCode(const QString& text)
{
    return startsAsCommand(text) ? fromFirstHash(text) : text;
}

std::optional<RecordedMessage> readHistoryRow(const QSqlQuery& query, int first)
{
    if (query.isNull(first)) {
        return std::nullopt;
    }
    RecordedMessage message;
    message.id = query.value(first).toLongLong();
    message.direction =
        query.value(first + 1).toInt() != 0 ? RecordedMessage::Direction::Sent : RecordedMessage::Direction::Received;
    message.at = timeOf(query.value(first + 2));
    message.title = query.value(first + 3).toString();
    message.text = query.value(first + 4).toString();
    message.stage = readStage(query, first + 5);
    message.delivery = readStage(query, first + 9);
    return message;
}

std::vector<RecordedMessage> UnitRegister::history(qint64 unitId)
{
    std::vector<RecordedMessage> messages;
    db_->select("SELECT " VELMORA_HISTORY_COLUMNS " FROM history h WHERE h.unit_id = ? ORDER BY h.id DESC", {unitId},
                [&](const QSqlQuery& query) { messages.push_back(*readHistoryRow(query, 0)); });
    return messages;
}

void UnitRegister::recorded(const QString& failure, qint64 unit)
{
    if (failure.isEmpty()) {
        emit historyChanged(unit);
    } else {
        emit recordingFailed(failure);
    }
}

// Nothing is looked up, and no file made, while the register does not exist.
std::optional<HistoryKey> UnitRegister::record(const QString& number, const std::function<qint64(qint64)>& insert)
{
    if (!db_->openForReading()) {
        return std::nullopt;
    }
    const std::optional<Unit> unit = unitWithNumber(number);
    if (!unit) {
        return std::nullopt;
    }
    HistoryKey key{unit->id, 0};
    const QString failure = db_->write([&] {
        key.message = insert(key.unit);
        return QString();
    });
    recorded(failure, key.unit);
    return failure.isEmpty() ? std::optional<HistoryKey>(key) : std::nullopt;
}

std::optional<HistoryKey> UnitRegister::recordSent(const OutgoingSms& sms)
{
    return record(sms.number, [&](qint64 unit) {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        const qint64 message =
            db_->execute("INSERT INTO history (unit_id, sent, at, title, text, stage, stage_at, detail, technical)"
                         " VALUES (?, 1, ?, ?, ?, ?, ?, '', '')",
                         {unit, now, sms.title, fromFirstHash(sms.text), stageCode(SendProgress::Stage::Waiting), now});
        db_->execute("UPDATE units SET last_sent = ? WHERE id = ?", {message, unit});
        return message;
    });
}

std::optional<HistoryKey> UnitRegister::recordReceived(const IncomingSms& sms)
{
    return record(sms.number, [&](qint64 unit) {
        return db_->execute("INSERT INTO history (unit_id, sent, at, title, text) VALUES (?, 0, ?, '', ?)",
                            {unit, sms.received.toMSecsSinceEpoch(), receivedWithoutCode(sms.text)});
    });
}

void UnitRegister::recordStage(const HistoryKey& key, const SendProgress& progress)
{
    if (!db_->openForReading()) {
        return;
    }
    const std::initializer_list<QVariant> values = {stageCode(progress.stage), progress.at.toMSecsSinceEpoch(),
                                                    progress.detail, progress.technical, key.message};
    recorded(db_->write([&] {
        if (progress.isFollowUp()) {
            db_->execute("UPDATE history SET delivery = ?, delivery_at = ?, delivery_detail = ?, delivery_technical = ?"
                         " WHERE id = ?",
                         values);
        } else {
            db_->execute("UPDATE history SET stage = ?, stage_at = ?, detail = ?, technical = ? WHERE id = ?", values);
        }
        return QString();
    }),
             key.unit);
}

} // namespace velmora
