#include "registerdatabase.h"

#include "registerfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QUuid>
#include <array>
#include <vector>

namespace velmora {
namespace {

// "VSMS": marks the file as this program's, so that another program's database is never taken for it.
constexpr RegisterSchemaId kSchema{0x56534D53, 2};

// The statements that take the register from one version to the next: kSteps[v] from v to v + 1. A newer
// program appends a step and never changes one already shipped.
const std::array<std::vector<const char*>, kSchema.newestVersion> kSteps = {{
    {
        // A unit's number is kept as typed; `number_tail`, its last nine digits, finds the units that
        // isSameNumber() may match. `search_text` and `sort_name` are folded for the filter and the order.
        // `last_sent` is the history row of the last message sent to the unit, for the list.
        "CREATE TABLE units (id INTEGER PRIMARY KEY, name TEXT NOT NULL, number TEXT NOT NULL, notes TEXT NOT NULL, "
        "code_key TEXT NOT NULL UNIQUE, number_tail TEXT NOT NULL, search_text TEXT NOT NULL, "
        "sort_name TEXT NOT NULL, last_sent INTEGER) STRICT",
        "CREATE INDEX units_by_number_tail ON units (number_tail)",
        "CREATE INDEX units_by_sort_name ON units (sort_name, id)",
        // One row per message, sent or received. Times are milliseconds since the epoch, UTC. A sent message
        // keeps its stage up to the final one and, apart, the last follow-up of its delivery report; a
        // received one has neither.
        "CREATE TABLE history (id INTEGER PRIMARY KEY, unit_id INTEGER NOT NULL REFERENCES units (id), "
        "sent INTEGER NOT NULL, at INTEGER NOT NULL, title TEXT NOT NULL, text TEXT NOT NULL, "
        "stage INTEGER, stage_at INTEGER, detail TEXT, technical TEXT, "
        "delivery INTEGER, delivery_at INTEGER, delivery_detail TEXT, delivery_technical TEXT) STRICT",
        "CREATE INDEX history_by_unit ON history (unit_id, id)",
    },
    {
        // A plan's run to registered units while it is not finished, so that a later start of the program goes on
        // where it ended: the plan's rows from their first "#" (never an IKU code), the units in the order chosen,
        // and each row's state per unit. One run at a time; it goes once every unit has had every row, or when the
        // user gives it up, and with a unit removed from the register goes its part. A run's id is never used
        // again, so that nothing meant for a run given up is written into a later one.
        "CREATE TABLE runs (id INTEGER PRIMARY KEY AUTOINCREMENT, started INTEGER NOT NULL) STRICT",
        "CREATE TABLE run_rows (run_id INTEGER NOT NULL REFERENCES runs (id) ON DELETE CASCADE, "
        "position INTEGER NOT NULL, title TEXT NOT NULL, command TEXT NOT NULL, PRIMARY KEY (run_id, position)) STRICT",
        "CREATE TABLE run_units (run_id INTEGER NOT NULL REFERENCES runs (id) ON DELETE CASCADE, "
        "unit_id INTEGER NOT NULL REFERENCES units (id) ON DELETE CASCADE, position INTEGER NOT NULL, "
        "PRIMARY KEY (run_id, unit_id)) STRICT",
        // A row's stage is stored as history stores it: never went out (Waiting), handed to the route with its
        // outcome not yet known (Sending), then the route's outcome and the delivery report. `reply` is the unit's
        // answer to it; `marked`, the user's word that a row whose outcome was not known went out.
        "CREATE TABLE run_states (run_id INTEGER NOT NULL, unit_id INTEGER NOT NULL, position INTEGER NOT NULL, "
        "stage INTEGER NOT NULL, at INTEGER NOT NULL, detail TEXT NOT NULL, reply_at INTEGER, reply TEXT, "
        "marked INTEGER NOT NULL, PRIMARY KEY (run_id, unit_id, position), "
        "FOREIGN KEY (run_id, unit_id) REFERENCES run_units (run_id, unit_id) ON DELETE CASCADE) STRICT",
    },
}};

// The folders up to the register's, those missing made for the owner alone.
QString makeFolders(const QString& folder)
{
    QStringList missing;
    for (QString at = folder; !QFileInfo::exists(at); at = QFileInfo(at).path()) {
        missing.prepend(at);
    }
    for (const QString& at : missing) {
        if (!QDir().mkdir(at, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
            return QStringLiteral("nie można utworzyć folderu „%1”").arg(QDir::toNativeSeparators(at));
        }
    }
    return {};
}

// An empty file only the owner may read; SQLite gives its -wal and -shm files the same permissions.
QString makeFile(const QString& path)
{
    if (QString why = makeFolders(QFileInfo(path).path()); !why.isEmpty()) {
        return why;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner) && !file.exists()) {
        return file.errorString();
    }
    return {};
}

QString failed(const QSqlQuery& query)
{
    return query.lastError().text();
}

} // namespace

RegisterDatabase::RegisterDatabase(QString path)
    : path_(std::move(path)), connection_(QStringLiteral("velmora-register-") + QUuid::createUuid().toString())
{}

RegisterDatabase::~RegisterDatabase()
{
    close();
}

bool RegisterDatabase::openForReading()
{
    if (state_ != State::Unopened) {
        return state_ == State::Open;
    }
    const RegisterFileCheck found = checkRegisterFile(path_, kSchema);
    if (found.verdict == RegisterFileCheck::Verdict::Absent) {
        return false;
    }
    return open(found).isEmpty();
}

QString RegisterDatabase::problem()
{
    openForReading();
    return problem_;
}

QString RegisterDatabase::openForWriting()
{
    if (state_ != State::Unopened) {
        return problem_;
    }
    RegisterFileCheck found = checkRegisterFile(path_, kSchema);
    if (found.verdict == RegisterFileCheck::Verdict::Absent) {
        if (QString why = makeFile(path_); !why.isEmpty()) {
            return QStringLiteral("Nie udało się utworzyć rejestru central „%1”: %2.")
                .arg(QDir::toNativeSeparators(path_), why);
        }
        found = checkRegisterFile(path_, kSchema);
    }
    return open(found);
}

// Refused once, the register stays unavailable for the run: the file is not touched again.
QString RegisterDatabase::open(const RegisterFileCheck& found)
{
    if (found.verdict == RegisterFileCheck::Verdict::Refused) {
        problem_ = found.refusal;
    } else if (QString why = connect(); !why.isEmpty()) {
        close();
        problem_ = unavailableRegister(path_, why);
    }
    state_ = problem_.isEmpty() ? State::Open : State::Refused;
    return problem_;
}

QString RegisterDatabase::connect()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    // Another copy of the program may be writing: wait for it rather than fail.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    if (!db.open()) {
        return QStringLiteral("nie można go otworzyć (%1)").arg(db.lastError().text());
    }
    // History may lose its last commits to a power cut, never to a killed program, and is never left
    // half-written (SQLite: write-ahead logging with synchronous NORMAL).
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !query.next() ||
        query.value(0).toString() != QStringLiteral("wal")) {
        return QStringLiteral("nie można w nim zapisywać (%1)").arg(failed(query));
    }
    if (!query.exec(QStringLiteral("PRAGMA synchronous = NORMAL")) ||
        !query.exec(QStringLiteral("PRAGMA foreign_keys = ON"))) {
        return failed(query);
    }
    return upgrade();
}

// The version is read again inside the transaction: another copy of the program may have grown it meanwhile.
QString RegisterDatabase::upgrade()
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")) || !query.exec(QStringLiteral("PRAGMA user_version")) ||
        !query.next()) {
        return failed(query);
    }
    const int version = query.value(0).toInt();
    std::vector<QString> statements;
    for (int step = version; step < kSchema.newestVersion; ++step) {
        for (const char* statement : kSteps[std::size_t(step)]) {
            statements.push_back(QString::fromUtf8(statement));
        }
    }
    statements.push_back(QStringLiteral("PRAGMA application_id = %1").arg(kSchema.applicationId));
    statements.push_back(QStringLiteral("PRAGMA user_version = %1").arg(kSchema.newestVersion));
    statements.push_back(QStringLiteral("COMMIT"));
    for (const QString& statement : statements) {
        if (!query.exec(statement)) {
            const QString why = failed(query);
            query.exec(QStringLiteral("ROLLBACK"));
            return why;
        }
    }
    return {};
}

void RegisterDatabase::close()
{
    statements_.clear();
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

QSqlQuery& RegisterDatabase::prepared(std::string_view sql)
{
    auto found = statements_.find(sql);
    if (found == statements_.end()) {
        QSqlQuery query(QSqlDatabase::database(connection_, false));
        query.setForwardOnly(true);
        query.prepare(QString::fromUtf8(sql.data(), qsizetype(sql.size())));
        found = statements_.emplace(sql, std::move(query)).first;
    }
    return found->second;
}

bool RegisterDatabase::run(std::string_view sql, std::initializer_list<QVariant> values)
{
    QSqlQuery& query = prepared(sql);
    int position = 0;
    for (const QVariant& value : values) {
        // Qt binds a null string as NULL; the register's texts are never NULL, at most empty.
        const bool nullText = value.typeId() == QMetaType::QString && value.toString().isNull();
        query.bindValue(position++, nullText ? QVariant(QStringLiteral("")) : value);
    }
    if (query.exec()) {
        return true;
    }
    if (failure_.isEmpty()) {
        failure_ = failed(query);
    }
    return false;
}

QString RegisterDatabase::write(const std::function<QString()>& change, Sync sync)
{
    if (QString why = openForWriting(); !why.isEmpty()) {
        return why;
    }
    failure_.clear();
    if (sync == Sync::Normal) {
        return transaction(change);
    }
    // Set outside the transaction, where SQLite takes it, and back after it: only this commit waits for the disk.
    const QString outcome = run("PRAGMA synchronous = FULL", {}) ? transaction(change) : failedWrite();
    run("PRAGMA synchronous = NORMAL", {});
    return outcome;
}

QString RegisterDatabase::transaction(const std::function<QString()>& change)
{
    QString refusal;
    if (run("BEGIN IMMEDIATE", {})) {
        refusal = change();
        if (refusal.isEmpty() && failure_.isEmpty() && run("COMMIT", {})) {
            return {};
        }
        run("ROLLBACK", {});
    }
    return refusal.isEmpty() ? failedWrite() : refusal;
}

QString RegisterDatabase::failedWrite() const
{
    return QStringLiteral("Nie udało się zapisać zmiany w rejestrze central „%1”: %2. Rejestr pozostał bez zmian.")
        .arg(QDir::toNativeSeparators(path_), failure_);
}

qint64 RegisterDatabase::execute(std::string_view sql, std::initializer_list<QVariant> values)
{
    if (!failure_.isEmpty() || !run(sql, values)) {
        return 0;
    }
    return prepared(sql).lastInsertId().toLongLong();
}

void RegisterDatabase::select(std::string_view sql, std::initializer_list<QVariant> values,
                              const std::function<void(const QSqlQuery&)>& row)
{
    if (!openForReading() || !run(sql, values)) {
        return;
    }
    QSqlQuery& query = prepared(sql);
    while (query.next()) {
        row(query);
    }
    // Ends the statement's read, so that the log can be folded back into the file.
    query.finish();
}

} // namespace velmora
