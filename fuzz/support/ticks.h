#pragma once

#include "check.h"
#include "message.h"

#include <algorithm>
#include <cstddef>

namespace velmora::fuzz {

inline std::size_t tickedCount(const Ticks& ticks)
{
    return static_cast<std::size_t>(std::count(ticks.begin(), ticks.end(), true));
}

// "#" signs of a command with the list of the ticked boxes: one per number.
inline std::size_t listHashes(const Ticks& ticks)
{
    return 2 + tickedCount(ticks);
}

// ... or with the remove-all form "W#" when every box is ticked.
inline std::size_t listOrAllHashes(const Ticks& ticks)
{
    return tickedCount(ticks) == ticks.size() ? 3 : listHashes(ticks);
}

// A command built from a row's ticks: well formed, and composed exactly when a box is ticked.
inline void checkSelection(const Outcome& outcome, std::string_view iku, const Ticks& ticks, std::size_t hashes)
{
    checkOutcome(outcome, iku, hashes);
    require(outcome.command.has_value() == (tickedCount(ticks) > 0), "a list composes exactly when a box is ticked");
}

} // namespace velmora::fuzz
