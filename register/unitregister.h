#pragma once

#include "sms.h"
#include "unitrules.h"

#include <QDateTime>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace velmora {

class RegisterDatabase;
class RunJournal;

// A unit of the register. Its IKU code is never here: it is kept in the keyring (keyring.h) under `codeKey`.
struct Unit : UnitFields {
    qint64 id = 0;
    QString codeKey;
};

// A stage of a sent message as recorded: what SendProgress tells, less the route's follow-up key, which means
// nothing to a later run. Its time is in UTC; shown, it is local time.
struct RecordedStage {
    SendProgress::Stage stage = SendProgress::Stage::Waiting;
    QDateTime at;
    QString detail;
    QString technical;

    // The stage as the send window's words are made from it (describeForWindow, describeForLog).
    SendProgress progress() const;

    bool operator==(const RecordedStage&) const = default;
};

// A message in a unit's history: sent to the unit's number, or received from it.
struct RecordedMessage {
    enum class Direction { Sent, Received };

    qint64 id = 0;
    Direction direction = Direction::Sent;
    // Sent: when it joined the queue. Received: when it came. In UTC.
    QDateTime at;
    // Sent: the operation's title, as the page or the plan names it.
    QString title;
    // Sent: the command from its first "#", without the IKU code. Received: the text.
    QString text;
    // Sent: how far it came, up to its final stage. Received: none.
    std::optional<RecordedStage> stage;
    // Sent: the latest follow-up of its delivery report, if any came.
    std::optional<RecordedStage> delivery;
};

// A row of the units list: the unit and the last message sent to it.
struct UnitListing {
    Unit unit;
    std::optional<RecordedMessage> lastSent;
};

// Where a recorded message is, for its later stages.
struct HistoryKey {
    qint64 unit = 0;
    qint64 message = 0;
};

// The installer's units, each with its history of messages: the one owner of the register's database, for
// the windows and the recorder. Nothing is opened before the first call, and no file is made before the
// first unit is added: reading a register that does not exist reads nothing. A file that is not this
// program's register, fails its check, or comes from a newer version is left as it is, and the register is
// unavailable for the run (problem()). Every change is one transaction; a refused one changes nothing.
class UnitRegister final : public QObject {
    Q_OBJECT

public:
    // The register in the user's data folder (QStandardPaths::AppDataLocation).
    static QString defaultPath();

    explicit UnitRegister(QString path = defaultPath(), QObject* parent = nullptr);
    ~UnitRegister() override;

    const QString& path() const;
    // Why the register cannot be used in this run, naming the file; empty while it can, or while it does not
    // exist yet. The first call looks at the file.
    QString problem();

    // The units whose name, number or notes hold `filter` (case and Polish letters folded), by name, all read
    // at once: for an export. A window of thousands of units lists unitIds() and asks listing() for each row
    // in view.
    std::vector<UnitListing> units(const QString& filter = {});
    // The same units' ids alone, from a copy of the folded texts kept in memory: cheap enough for every
    // keystroke in a register of thousands, with listing() asked only for the rows in view.
    std::vector<qint64> unitIds(const QString& filter = {});
    std::optional<UnitListing> listing(qint64 id);
    std::optional<Unit> unit(qint64 id);
    // The unit whose number reaches the same phone as `number` ("+48…", "48…" or national).
    std::optional<Unit> unitWithNumber(const QString& number);

    // Each returns a refusal as a sentence for the error box (a bad field, a number another unit has, a unit
    // no longer there, a failed write), or the unit as added; nothing is changed by a refused call.
    std::variant<Unit, QString> add(const UnitFields& fields);
    // All or none, in one transaction.
    QString addAll(const std::vector<UnitFields>& units);
    QString edit(qint64 id, const UnitFields& fields);
    // The unit and its whole history.
    QString remove(qint64 id);

    // The unit's messages, newest first.
    std::vector<RecordedMessage> history(qint64 unitId);

    // Records a message on its way when its number is a unit's, the command cut to its first "#" so that the
    // IKU code is never stored. Nothing, and no file made, for any other number.
    std::optional<HistoryKey> recordSent(const OutgoingSms& sms);
    // A later stage of a recorded message: a follow-up becomes its delivery, any other stage its stage.
    void recordStage(const HistoryKey& key, const SendProgress& progress);
    // Records a text from a unit's number; nothing for any other number. A text that starts as a command
    // does, with four digits and "#", is kept from its "#": a unit echoing a command echoes its code.
    std::optional<HistoryKey> recordReceived(const IncomingSms& sms);

    // The record of a plan's run to units, kept in the same file.
    RunJournal& runs() { return *runs_; }

signals:
    void unitsChanged();
    // A message of this unit was recorded or went further; its "Ostatnio" may have changed too.
    void historyChanged(qint64 unitId);
    // Recording a message or its stage failed: why, naming the file. Nothing else is lost.
    void recordingFailed(const QString& why);

private:
    QString absentUnit();
    std::optional<QString> duplicateFault(const UnitFields& fields, qint64 self);
    QString insert(const UnitFields& fields, Unit* added);
    QString changed(const QString& refusal);
    std::optional<HistoryKey> record(const QString& number, const std::function<qint64(qint64 unit)>& insert);
    void recorded(const QString& failure, qint64 unit);

    // The folded text of every unit, by name, for unitIds(); read again after a change to the units here, or
    // after a commit of another copy of the program (PRAGMA data_version).
    struct Searchable {
        qint64 id;
        QString text;
    };
    void refreshSearch();

    // Qt SQL stays behind this: the windows see units and messages, never a query.
    std::unique_ptr<RegisterDatabase> db_;
    std::unique_ptr<RunJournal> runs_;
    std::vector<Searchable> search_;
    std::optional<qint64> searchVersion_;
};

} // namespace velmora
