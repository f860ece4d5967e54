#pragma once

#include "commandform.h"

#include <optional>
#include <span>
#include <string_view>

namespace velmora {

// Every command the pages compose, as the composers' modules declare them beside their composers. A code may
// stand in more than one: "#P#" is composed with a number and without.
std::span<const CommandForm* const> composedCommands();

// What sending `command` (from its first "#", or with its IKU code before it) loses in the unit, in a sentence for
// the question asked before it goes; nothing when it loses nothing, or is not a command the pages compose.
std::optional<std::string_view> wipeOf(std::string_view command);

} // namespace velmora
