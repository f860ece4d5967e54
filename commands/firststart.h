#pragma once

#include "message.h"
#include "rules.h"
#include "usernumbers.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::size_t kKeypadUsers = 10;

// What the user does once the unit has answered the keypad code command, one line each.
inline constexpr std::array<std::string_view, 3> kKeypadCodeInstructions = {
    "Po otrzymaniu SMS od urządzenia wciśnij kod z klawiatury modułu drzwi.",
    "Po jednokrotnym sygnale beepera w centralce wciśnij ponownie kod z klawiatury.",
    "Dwukrotny dźwięk beepera oznacza prawidłowe wprogramowanie kodu klawiatury.",
};

// The page's number fields follow the SMS centre page's rule (smsCentreNumberRule) and the user numbers
// page's rule (userNumberRule).

// Step 10: "#0#" with the SMS centre number, which here must begin with "48".
Outcome composeFirstStartCentre(std::string_view iku, std::string_view number);

// Step 11: "#G#" with the five numbers in user order, an empty one kept as an empty item. Needs at least one
// number of two or more digits; every number given must begin with "48".
Outcome composeFirstStartUsers(std::string_view iku, const UserNumbers& numbers);

// Step 14: "#A#" with the number of the one ticked keypad user. With none ticked the press shows nothing.
Outcome composeFirstStartKeypadCode(std::string_view iku, const Ticks& ticks);

} // namespace velmora
