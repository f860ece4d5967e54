#include "runjournal.h"

#include "historyrows.h"
#include "registerdatabase.h"

#include <QSqlQuery>
#include <map>

namespace velmora {
namespace {

using Stage = SendProgress::Stage;

QDateTime utc(const QVariant& milliseconds)
{
    return QDateTime::fromMSecsSinceEpoch(milliseconds.toLongLong(), Qt::UTC);
}

// A row's state from the columns stage, at, detail, reply_at, reply and marked, starting at `first`.
RunRowState readState(const QSqlQuery& query, int first)
{
    RunRowState state;
    state.message.progress = SendProgress(stageOf(query.value(first).toInt()), query.value(first + 2).toString());
    state.message.progress.at = utc(query.value(first + 1));
    if (!query.isNull(first + 3)) {
        state.message.reply = IncomingSms{{}, query.value(first + 4).toString(), utc(query.value(first + 3))};
    }
    state.markedSent = query.value(first + 5).toBool();
    return state;
}

QVariant replyTime(const RunRowState& state)
{
    return state.message.reply ? QVariant(state.message.reply->received.toMSecsSinceEpoch()) : QVariant();
}

QVariant replyText(const RunRowState& state)
{
    return state.message.reply ? QVariant(receivedWithoutCode(state.message.reply->text)) : QVariant();
}

} // namespace

bool RunRowState::wentOut() const
{
    switch (message.progress.stage) {
    case Stage::Sent:
    case Stage::HandedOver:
    case Stage::DeliveryPending:
    case Stage::Delivered:
    case Stage::NotDelivered:
        return true;
    case Stage::Waiting:
    case Stage::Sending:
    case Stage::Failed:
        return false;
    }
    return false;
}

RunJournal::RunJournal(RegisterDatabase& db) : db_(db) {}

std::optional<RecordedRun> RunJournal::unfinished()
{
    std::optional<RecordedRun> run;
    db_.select("SELECT id, started FROM runs ORDER BY id DESC LIMIT 1", {}, [&](const QSqlQuery& query) {
        run = RecordedRun{query.value(0).toLongLong(), utc(query.value(1)), {}, {}};
    });
    if (!run) {
        return std::nullopt;
    }
    db_.select("SELECT title, command FROM run_rows WHERE run_id = ? ORDER BY position", {run->id},
               [&](const QSqlQuery& query) {
                   run->rows.push_back({query.value(0).toString(), query.value(1).toString()});
               });
    std::map<qint64, std::size_t> targetOf;
    db_.select("SELECT unit_id FROM run_units WHERE run_id = ? ORDER BY position", {run->id},
               [&](const QSqlQuery& query) {
                   targetOf[query.value(0).toLongLong()] = run->targets.size();
                   run->targets.push_back({query.value(0).toLongLong(), {}});
               });
    for (RecordedTarget& target : run->targets) {
        target.rows.resize(run->rows.size());
    }
    db_.select("SELECT unit_id, position, stage, at, detail, reply_at, reply, marked FROM run_states WHERE run_id = ?",
               {run->id}, [&](const QSqlQuery& query) {
                   const std::size_t row = std::size_t(query.value(1).toLongLong());
                   if (row < run->rows.size()) {
                       run->targets[targetOf.at(query.value(0).toLongLong())].rows[row] = readState(query, 2);
                   }
               });
    return run;
}

std::variant<qint64, QString> RunJournal::begin(const RecordedRun& run)
{
    qint64 id = 0;
    const QString failure = db_.write([&] {
        db_.execute("DELETE FROM runs");
        id = db_.execute("INSERT INTO runs (started) VALUES (?)", {run.started.toMSecsSinceEpoch()});
        for (std::size_t row = 0; row < run.rows.size(); ++row) {
            db_.execute("INSERT INTO run_rows (run_id, position, title, command) VALUES (?, ?, ?, ?)",
                        {id, qint64(row), run.rows[row].title, run.rows[row].command});
        }
        for (std::size_t target = 0; target < run.targets.size(); ++target) {
            const RecordedTarget& recorded = run.targets[target];
            db_.execute("INSERT INTO run_units (run_id, unit_id, position) VALUES (?, ?, ?)",
                        {id, recorded.unit, qint64(target)});
            for (std::size_t row = 0; row < recorded.rows.size(); ++row) {
                const RunRowState& state = recorded.rows[row];
                db_.execute("INSERT INTO run_states (run_id, unit_id, position, stage, at, detail, reply_at, reply,"
                            " marked) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                            {id, recorded.unit, qint64(row), stageCode(state.message.progress.stage),
                             state.message.progress.at.toMSecsSinceEpoch(), state.message.progress.detail,
                             replyTime(state), replyText(state), state.markedSent});
            }
        }
        return QString();
    });
    if (!failure.isEmpty()) {
        return failure;
    }
    return id;
}

QString RunJournal::recordHandingOver(qint64 run, qint64 unit, int row)
{
    RunRowState handedOver;
    handedOver.message.progress = SendProgress(Stage::Sending);
    return db_.write([&] { return update(run, unit, row, handedOver); }, RegisterDatabase::Sync::Full);
}

QString RunJournal::record(qint64 run, qint64 unit, int row, const RunRowState& state)
{
    return db_.write([&] { return update(run, unit, row, state); });
}

QString RunJournal::update(qint64 run, qint64 unit, int row, const RunRowState& state)
{
    db_.execute("UPDATE run_states SET stage = ?, at = ?, detail = ?, reply_at = ?, reply = ?, marked = ?"
                " WHERE run_id = ? AND unit_id = ? AND position = ?",
                {stageCode(state.message.progress.stage), state.message.progress.at.toMSecsSinceEpoch(),
                 state.message.progress.detail, replyTime(state), replyText(state), state.markedSent, run, unit,
                 qint64(row)});
    qint64 changed = 0;
    db_.select("SELECT changes()", {}, [&](const QSqlQuery& query) { changed = query.value(0).toLongLong(); });
    // The unit was removed from the register meanwhile, or another copy of the program began a run of its own.
    return changed == 1 ? QString() : QStringLiteral("tej centrali nie ma już w zapisie wysyłki w rejestrze central");
}

QString RunJournal::end(qint64 run)
{
    return db_.write([&] {
        db_.execute("DELETE FROM runs WHERE id = ?", {run});
        return QString();
    });
}

} // namespace velmora
