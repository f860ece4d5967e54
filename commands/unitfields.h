#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// A unit of the register is known by its name and described by free notes (the address, the customer).
// Both are UTF-8 text; the rules below are shared by the unit dialog and the import of a units file.
inline constexpr std::size_t kUnitNameLimit = 60;
inline constexpr std::size_t kUnitNotesLimit = 1000;

// Why a name cannot be kept: missing (empty or blanks only), longer than kUnitNameLimit characters, not
// UTF-8, or holding a control character, a name being one line. Nothing when it can.
std::optional<std::string> unitNameFault(std::string_view name);

// Why notes cannot be kept: longer than kUnitNotesLimit characters, not UTF-8, or holding a control
// character other than the line break ("\n") that separates their lines. Nothing when they can.
std::optional<std::string> unitNotesFault(std::string_view notes);

} // namespace velmora
