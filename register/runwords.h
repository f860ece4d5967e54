#pragma once

#include "runjournal.h"

#include <QDateTime>
#include <QString>
#include <chrono>
#include <vector>

namespace velmora {

// What the plan window says of a plan's run to units: a unit's progress and state in the targets list, a row's
// state for the selected unit, and the notice of a run the program did not finish.

// How many of the unit's rows went out: "3 z 12".
QString progressWords(int out, int count);

// A unit of the run before its turn, and while its code is being read.
QString waitingWords();

// The unit's row now with the route or awaiting its confirmation: "wysyłanie 4 z 12".
QString sendingWords(int position, int count);

// Every row of the unit went out: how many were answered by the unit, delivered, sent (or taken as sent), handed
// to a phone and not delivered, those there are, in that order: "gotowe: 12 doręczono", "gotowe: 10 doręczono,
// 2 wysłano".
QString doneWords(const std::vector<RunRowState>& rows);

// The unit stopped at its row `position`: "zatrzymano przy 5: <reason>".
QString stoppedWords(int position, const QString& reason);

// The reasons a unit stops for, after "zatrzymano przy 5: ".
QString stoppedOnRequest();
QString stoppedUnknown();
QString stoppedUnconfirmed(std::chrono::milliseconds limit);

// A unit skipped since its code cannot be had: not stored, or the keyring out of reach.
QString noCodeWords();
QString noKeyringWords();

// A row's state for one unit, in the plan's words; a row handed to the route when the program ended, its outcome
// never recorded, is "nieznany: …" until the user's word.
QString rowWords(const RunRowState& row, bool unknown);

// "Niedokończona wysyłka z 06.05.2024 14:03: 3 z 10 central gotowe." The time is shown in local time.
QString unfinishedWords(const QDateTime& started, int done, int count);

} // namespace velmora
