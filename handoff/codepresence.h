#pragma once

#include "unitbook.h"

#include <QObject>
#include <deque>
#include <unordered_map>

namespace velmora {

// Whether the keyring holds each unit's IKU code, for the units list's "Kod IKU" column: asked of the keyring one
// unit at a time, as rows come into view, never holding a code once answered. Once the keyring does not answer
// (none, locked, or silent for its time limit), every unit not yet known counts as without a code until the next
// forgetAll(), rather than each waiting out the limit in turn.
class CodePresence final : public QObject {
    Q_OBJECT

public:
    enum class State { Asking, Stored, Absent };

    explicit CodePresence(UnitBook& book, QObject* parent = nullptr);

    // What is known of the unit's code; the first call for a unit asks the keyring, and changed() follows.
    State state(const Unit& unit);
    // The unit's code was just saved or removed: ask again when it is next shown.
    void forget(qint64 unitId);
    // Everything is asked again, the keyring included: a locked keyring may have been unlocked meanwhile.
    void forgetAll();

signals:
    // What is known of the unit's code changed: answered, or forgotten to be asked again.
    void changed(qint64 unitId);

private:
    void askNext();
    void answered(qint64 unitId, const KeyringReply& reply);

    UnitBook& book_;
    std::unordered_map<qint64, State> states_;
    std::deque<Unit> waiting_;
    bool asking_ = false;
    bool unreachable_ = false;
    // Answers to a question asked before forgetAll() are not taken.
    int round_ = 0;
};

} // namespace velmora
