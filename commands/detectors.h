#pragma once

#include "message.h"

#include <string_view>

namespace velmora {

// The unit has eight detector slots (C1 to C8) and two siren slots (S1 and S2); each row of ticks below
// holds one entry per slot, slot 1 first.

// "#C#" and the one ticked detector; refused when none is ticked.
Outcome composeDetectorProgramming(std::string_view iku, const Ticks& detectors);

// "#CN#" and the ticked detectors, or "W#" when all are ticked; refused when none is ticked.
Outcome composeDetectorRemoval(std::string_view iku, const Ticks& detectors);

// The detector masks: "#CM#" (global), "#CMZ#" (delayed), "#CMW#" (zone), each with one digit per slot.
// Any combination is a valid mask, nothing ticked included.
Outcome composeGlobalMask(std::string_view iku, const Ticks& detectors);
Outcome composeDelayedMask(std::string_view iku, const Ticks& detectors);
Outcome composeZoneMask(std::string_view iku, const Ticks& detectors);

// "#o#" (lower case, unlike the removal) and the one ticked siren; refused when none is ticked.
Outcome composeSirenProgramming(std::string_view iku, const Ticks& sirens);

// "#ON#" and the ticked siren; refused when none is ticked.
Outcome composeSirenRemoval(std::string_view iku, const Ticks& sirens);

// "#CM#" like the global detector mask; the unit tells them apart by the two digits.
Outcome composeSirenMask(std::string_view iku, const Ticks& sirens);

} // namespace velmora
