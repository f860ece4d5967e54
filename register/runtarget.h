#pragma once

#include "runjournal.h"
#include "sender.h"
#include "unitregister.h"

#include <QObject>
#include <chrono>
#include <optional>
#include <set>
#include <vector>

namespace velmora {

// A row of a run: the plan's row under an id it keeps for the run's whole life, whatever place it takes.
struct RunRow {
    int id;
    Plan::Item item;
};

// One unit's part of a plan's run: its own sender over the shared outbox, the rows whose outcome is not known since
// the program ended while they were with the route, and where and why its last sending stopped short.
class RunTarget final : public QObject {
    Q_OBJECT

public:
    // Where the unit stopped short of its last row, and why (the words after "zatrzymano przy 5: "); no row when
    // it never began (no code).
    struct Halt {
        std::optional<int> row;
        QString reason;
    };

    RunTarget(Unit unit, Outbox& outbox, std::chrono::milliseconds confirmationTimeout, QObject* parent = nullptr);

    const Unit& unit() const { return unit_; }
    // The unit as the register has it now (renamed, or its number changed). Not while sending.
    void setUnit(const Unit& unit);

    // The run's rows in their order; the states of rows no longer among them are forgotten. Not while sending.
    void setRows(const std::vector<RunRow>& rows);

    RunRowState state(int row) const;
    bool isUnknown(int row) const { return unknown_.contains(row); }
    // A state from the run's record; a row recorded as handed over is unknown. Not while sending.
    void seed(int row, const RunRowState& state);

    bool isSending() const { return sender_.isSending(); }
    // While sending: the row with the route, or awaiting its confirmation; the first to go until it is handed over.
    std::optional<int> current() const { return current_ ? current_ : firstNotOut(); }
    const std::optional<Halt>& halt() const { return halt_; }

    // How many rows went out.
    int outCount() const;
    // Every row went out.
    bool isDone() const;
    // The first row not out is unknown: the unit waits for the user's word on it.
    std::optional<int> heldAt() const;
    // There is a row to send before any whose outcome is unknown.
    bool hasRowsToSend() const;

    // Sends with the unit's code, in order, the rows that never went out, up to the first whose outcome is unknown.
    void send(const QString& code, Route* route, bool waitForConfirmation, bool consented);
    // The unit will not be sent to this time: no code. Not while sending.
    void skip(const QString& reason);
    // Lets the row on its way finish and sends no other; a unit not sending stops where it is.
    void stop();
    // From a handingOver() handler: the row must not go; the unit stops at it.
    void keepBack(int row, const QString& reason);
    // Forgets how the last sending ended, before the next.
    void clearHalt() { halt_.reset(); }

    // The user's word on a row whose outcome is unknown: it went out, or it is to go again. False, and nothing
    // changed, for any other row or while sending.
    bool markSent(int row);
    bool sendAgain(int row);

signals:
    // About to hand the row to the outbox; a handler records it first, or calls keepBack().
    void handingOver(int row);
    void rowChanged(int row);
    void sendingChanged(bool sending);

private:
    std::optional<int> firstNotOut() const;
    void onFinished(const Sender::End& end);

    Unit unit_;
    Sender sender_;
    std::vector<RunRow> rows_;
    std::set<int> unknown_;
    std::set<int> marked_;
    std::optional<int> current_;
    std::optional<Halt> halt_;
    std::optional<Halt> keptBack_;
};

} // namespace velmora
