#pragma once

#include "message.h"

#include <array>
#include <string_view>

namespace velmora {

// Program one remote control into the ticked slot of a one-of-N row: IKU, "#P#", the slot number, "#".
inline constexpr CommandForm kRemoteCommand{"P", {{Field::Number, "numer pilota"}}};
Outcome composeRemote(std::string_view iku, const Ticks& slots);
// Group programming of remote controls, and of keypad codes, which the unit takes under the remote controls'
// code: IKU, "#P#".
inline constexpr CommandForm kGroupProgrammingCommand{"P", {}};
Outcome composeGroupRemotes(std::string_view iku);
Outcome composeGroupKeypadCodes(std::string_view iku);
// Remove the ticked remote controls: IKU, "#PN#", then their list, or "W#" when all are ticked.
inline constexpr CommandForm kRemoteRemovalCommand{
    "PN",
    {{Field::Selection, "numery pilotów do usunięcia"}},
    {Wipes::WhenAll, "Centrala usunie z systemu wszystkie piloty: trzeba je będzie wprogramować od nowa."}};
Outcome composeRemoteRemoval(std::string_view iku, const Ticks& slots);

// Program one keypad code into the ticked slot of a one-of-N row: IKU, "#A#", the slot number, "#".
inline constexpr CommandForm kKeypadCodeCommand{"A", {{Field::Number, "numer kodu klawiatury"}}};
Outcome composeKeypadCode(std::string_view iku, const Ticks& slots);
// Remove the ticked keypad codes: IKU, "#AN#", then their list, or "W#" when all are ticked.
inline constexpr CommandForm kKeypadCodeRemovalCommand{
    "AN",
    {{Field::Selection, "numery kodów klawiatur do usunięcia"}},
    {Wipes::WhenAll, "Centrala usunie z systemu wszystkie kody klawiatur: trzeba je będzie wprogramować od nowa."}};
Outcome composeKeypadCodeRemoval(std::string_view iku, const Ticks& slots);

// Add or remove the keypad module at the door: IKU, "#D#" or "#DN#".
inline constexpr CommandForm kDoorModuleAddCommand{"D", {}};
inline constexpr CommandForm kDoorModuleRemovalCommand{"DN", {}};
Outcome composeDoorModuleAdd(std::string_view iku);
Outcome composeDoorModuleRemoval(std::string_view iku);

// This page's commands, as the plan file's check knows them (composedCommands, grammar.h).
inline constexpr std::array kRemoteControlsCommands = {
    &kRemoteCommand,           &kGroupProgrammingCommand,  &kRemoteRemovalCommand,
    &kKeypadCodeCommand,       &kKeypadCodeRemovalCommand, &kDoorModuleAddCommand,
    &kDoorModuleRemovalCommand};

} // namespace velmora
