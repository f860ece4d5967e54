#pragma once

#include "commandform.h"

#include <span>
#include <string_view>

namespace velmora {

// Every command the pages compose, as the composers' modules declare them beside their composers. A code may
// stand in more than one: "#P#" is composed with a number and without.
std::span<const CommandForm* const> composedCommands();

} // namespace velmora
