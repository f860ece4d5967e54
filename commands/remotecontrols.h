#pragma once

#include "message.h"

#include <string_view>

namespace velmora {

// Program one remote control into the ticked slot of a one-of-N row: IKU, "#P#", the slot number, "#".
Outcome composeRemote(std::string_view iku, const Ticks& slots);
// Group programming of remote controls: IKU, "#P#".
Outcome composeGroupRemotes(std::string_view iku);
// Remove the ticked remote controls: IKU, "#PN#", then their list, or "W#" when all are ticked.
Outcome composeRemoteRemoval(std::string_view iku, const Ticks& slots);

// Program one keypad code into the ticked slot of a one-of-N row: IKU, "#A#", the slot number, "#".
Outcome composeKeypadCode(std::string_view iku, const Ticks& slots);
// Group programming of keypad codes; the unit takes it under the remote controls' code: IKU, "#P#".
Outcome composeGroupKeypadCodes(std::string_view iku);
// Remove the ticked keypad codes: IKU, "#AN#", then their list, or "W#" when all are ticked.
Outcome composeKeypadCodeRemoval(std::string_view iku, const Ticks& slots);

// Add or remove the keypad module at the door: IKU, "#D#" or "#DN#".
Outcome composeDoorModuleAdd(std::string_view iku);
Outcome composeDoorModuleRemoval(std::string_view iku);

} // namespace velmora
