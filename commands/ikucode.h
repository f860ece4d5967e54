#pragma once

#include "rules.h"

#include <string_view>

namespace velmora {

inline constexpr std::size_t kIkuLength = 4;
inline constexpr std::string_view kIkuDigitsMessage = "Kod IKU powinien zawierać tylko cyfry";
inline constexpr std::string_view kIkuLengthMessage = "Kod IKU powinien zawierać cztery cyfry";

// The IKU field's rule: digits only, at most four of them; a refused edit empties the field, so the whole
// code is typed again.
inline DigitsAndLength ikuCodeRule()
{
    return {std::string(kIkuDigitsMessage), kIkuLength, std::string(kIkuLengthMessage)};
}

// Configuration pages open, and commands are composed, only with a whole code.
inline bool isCompleteIku(std::string_view iku)
{
    return iku.size() == kIkuLength;
}

// Four digits: a code that passes the IKU field's rule and is whole.
inline bool isWholeIku(std::string_view iku)
{
    return isCompleteIku(iku) && !ikuCodeRule()(iku);
}

} // namespace velmora
