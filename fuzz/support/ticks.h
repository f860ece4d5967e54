#pragma once

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

} // namespace velmora::fuzz
