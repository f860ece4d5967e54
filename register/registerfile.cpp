#include "registerfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUuid>
#include <array>
#include <optional>

namespace velmora {
namespace {

const QByteArray kSqliteHeader("SQLite format 3\0", 16);

// The files SQLite keeps beside a database in write-ahead logging.
std::array<QString, 2> sideFiles(const QString& path)
{
    return {path + QStringLiteral("-wal"), path + QStringLiteral("-shm")};
}

RegisterFileCheck refused(const QString& path, const QString& why)
{
    return {RegisterFileCheck::Verdict::Refused, unavailableRegister(path, why)};
}

// Immutable unless a log holds commits not yet in the file: then SQLite must read the log, and for that it
// makes the -shm index if there is none.
QString readOnlyUri(const QString& path)
{
    const bool logged = QFileInfo::exists(sideFiles(path)[0]);
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) +
           (logged ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=ro&immutable=1"));
}

std::optional<QVariant> pragma(QSqlDatabase& db, const QString& name)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA ") + name) || !query.next()) {
        return std::nullopt;
    }
    return query.value(0);
}

RegisterFileCheck readDatabase(const QString& path, QSqlDatabase& db, RegisterSchemaId schema)
{
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
    db.setDatabaseName(readOnlyUri(path));
    if (!db.open()) {
        return refused(path, QStringLiteral("nie można go otworzyć (%1)").arg(db.lastError().text()));
    }
    const auto applicationId = pragma(db, QStringLiteral("application_id"));
    const auto version = pragma(db, QStringLiteral("user_version"));
    const auto schemaChanges = pragma(db, QStringLiteral("schema_version"));
    if (!applicationId || !version || !schemaChanges) {
        return refused(path, QStringLiteral("plik jest uszkodzony"));
    }
    // SQLite counts the changes to a file's tables: none, and the file holds nothing yet.
    if (applicationId->toInt() == 0 && version->toInt() == 0 && schemaChanges->toInt() == 0) {
        return {RegisterFileCheck::Verdict::Empty, {}};
    }
    if (applicationId->toInt() != schema.applicationId) {
        return refused(path, QStringLiteral("to nie jest rejestr central tego programu"));
    }
    if (version->toInt() > schema.newestVersion) {
        return refused(path, QStringLiteral("zapisała go nowsza wersja programu (rejestr w wersji %1, a ta wersja "
                                            "programu zna wersje do %2)")
                                 .arg(version->toInt())
                                 .arg(schema.newestVersion));
    }
    if (pragma(db, QStringLiteral("quick_check")) != QVariant(QStringLiteral("ok"))) {
        return refused(path, QStringLiteral("plik jest uszkodzony: nie przeszedł kontroli spójności"));
    }
    return {RegisterFileCheck::Verdict::Register, {}};
}

RegisterFileCheck checkDatabase(const QString& path, RegisterSchemaId schema)
{
    std::array<bool, 2> existed{};
    const std::array<QString, 2> sides = sideFiles(path);
    for (std::size_t i = 0; i < sides.size(); ++i) {
        existed[i] = QFileInfo::exists(sides[i]);
    }
    const QString connection = QStringLiteral("velmora-register-check-") + QUuid::createUuid().toString();
    RegisterFileCheck found;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        found = readDatabase(path, db, schema);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    for (std::size_t i = 0; i < sides.size(); ++i) {
        if (!existed[i]) {
            QFile::remove(sides[i]);
        }
    }
    return found;
}

} // namespace

QString unavailableRegister(const QString& path, const QString& why)
{
    return QStringLiteral("Rejestr central „%1” nie został otwarty: %2. Plik pozostał bez zmian, a rejestr jest "
                          "niedostępny do końca pracy programu.")
        .arg(QDir::toNativeSeparators(path), why);
}

RegisterFileCheck checkRegisterFile(const QString& path, RegisterSchemaId schema)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return {RegisterFileCheck::Verdict::Absent, {}};
    }
    if (!info.isFile()) {
        return refused(path, QStringLiteral("to nie jest zwykły plik"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return refused(path, QStringLiteral("nie można go odczytać (%1)").arg(file.errorString()));
    }
    const QByteArray header = file.read(kSqliteHeader.size());
    file.close();
    if (header.isEmpty()) {
        return {RegisterFileCheck::Verdict::Empty, {}};
    }
    if (header != kSqliteHeader) {
        return refused(path, QStringLiteral("to nie jest plik bazy danych"));
    }
    return checkDatabase(path, schema);
}

} // namespace velmora
