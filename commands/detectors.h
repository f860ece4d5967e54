#pragma once

#include "message.h"

#include <array>
#include <string_view>

namespace velmora {

// The unit has eight detector slots (C1 to C8) and two siren slots (S1 and S2); each row of ticks below
// holds one entry per slot, slot 1 first.

// "#C#" and the one ticked detector; refused when none is ticked.
inline constexpr CommandForm kDetectorProgrammingCommand{"C", {{Field::Selection, "numer czujki"}}};
Outcome composeDetectorProgramming(std::string_view iku, const Ticks& detectors);

// "#CN#" and the ticked detectors, or "W#" when all are ticked; refused when none is ticked.
inline constexpr CommandForm kDetectorRemovalCommand{
    "CN",
    {{Field::Selection, "numery czujek do usunięcia"}},
    {Wipes::WhenAll, "Centrala usunie z systemu wszystkie czujki: trzeba je będzie wprogramować od nowa."}};
Outcome composeDetectorRemoval(std::string_view iku, const Ticks& detectors);

// The detector masks: "#CM#" (global), "#CMZ#" (delayed), "#CMW#" (zone), each with one digit per slot.
// Any combination is a valid mask, nothing ticked included. The siren mask is "#CM#" too: the unit tells
// them apart by the number of digits.
inline constexpr CommandForm kGlobalMaskCommand{"CM", {{Field::Mask, "maska czujek lub syren"}}};
inline constexpr CommandForm kDelayedMaskCommand{"CMZ", {{Field::Mask, "maska czujek ze zwłoką"}}};
inline constexpr CommandForm kZoneMaskCommand{"CMW", {{Field::Mask, "maska czujek strefowych"}}};
Outcome composeGlobalMask(std::string_view iku, const Ticks& detectors);
Outcome composeDelayedMask(std::string_view iku, const Ticks& detectors);
Outcome composeZoneMask(std::string_view iku, const Ticks& detectors);
Outcome composeSirenMask(std::string_view iku, const Ticks& sirens);

// "#o#" (lower case, unlike the removal) and the one ticked siren; refused when none is ticked.
inline constexpr CommandForm kSirenProgrammingCommand{"o", {{Field::Selection, "numer syreny"}}};
Outcome composeSirenProgramming(std::string_view iku, const Ticks& sirens);

// "#ON#" and the ticked sirens, never "W#"; refused when none is ticked.
inline constexpr CommandForm kSirenRemovalCommand{"ON", {{Field::Selection, "numery syren do usunięcia"}}};
Outcome composeSirenRemoval(std::string_view iku, const Ticks& sirens);

// This page's commands, as the plan file's check knows them (composedCommands, grammar.h).
inline constexpr std::array kDetectorsCommands = {
    &kDetectorProgrammingCommand, &kDetectorRemovalCommand, &kGlobalMaskCommand,
    &kDelayedMaskCommand,         &kZoneMaskCommand,        &kSirenProgrammingCommand,
    &kSirenRemovalCommand};

} // namespace velmora
