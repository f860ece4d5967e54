#pragma once

#include "registerfile.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <initializer_list>
#include <map>
#include <string_view>

namespace velmora {

// The one connection to the register's SQLite file, for UnitRegister alone. The file is looked at on first
// need and made only by the first write; it is checked before anything is written to it, grown to this
// program's schema version, kept in write-ahead logging, and changed only in whole transactions.
class RegisterDatabase {
public:
    explicit RegisterDatabase(QString path);
    ~RegisterDatabase();
    RegisterDatabase(const RegisterDatabase&) = delete;
    RegisterDatabase& operator=(const RegisterDatabase&) = delete;

    const QString& path() const { return path_; }

    // Whether there is a register to read. False, with no problem, while the file does not exist: nothing is
    // made for a read.
    bool openForReading();
    // Why the register cannot be used for the rest of the run, naming the file; empty while it can (or does
    // not exist yet).
    QString problem();

    // How far a commit goes before write() returns. Normal: to the system, which a killed program cannot undo but
    // a power cut may; Full: to the disk itself (SQLite's synchronous FULL), for a fact that must outlive a dead
    // battery. A Full commit takes every commit before it to the disk too.
    enum class Sync { Normal, Full };

    // Runs `change` in one transaction, making the register first when there is none. `change` returns a
    // refusal, empty to commit; a refusal or a statement that fails rolls the whole change back. Returns the
    // refusal or the failure as a sentence; empty once committed.
    QString write(const std::function<QString()>& change, Sync sync = Sync::Normal);

    // Within `write`: runs a statement, prepared once, with these values bound in order; after a failure it
    // runs nothing more, and the whole change fails. Returns the row id an INSERT made, or 0 after a failure.
    qint64 execute(std::string_view sql, std::initializer_list<QVariant> values = {});
    // Runs a query with these values bound in order and gives `row` each row it yields.
    void select(std::string_view sql, std::initializer_list<QVariant> values,
                const std::function<void(const QSqlQuery&)>& row);

private:
    enum class State { Unopened, Open, Refused };

    QString openForWriting();
    QString open(const RegisterFileCheck& found);
    QString connect();
    QString upgrade();
    QString transaction(const std::function<QString()>& change);
    QString failedWrite() const;
    QSqlQuery& prepared(std::string_view sql);
    bool run(std::string_view sql, std::initializer_list<QVariant> values);
    void close();

    QString path_;
    QString connection_;
    State state_ = State::Unopened;
    QString problem_;
    // The first failure inside the current write.
    QString failure_;
    std::map<std::string_view, QSqlQuery> statements_;
};

} // namespace velmora
