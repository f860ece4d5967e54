#include "field.h"

#include "reference.h"

#include <algorithm>
#include <optional>

namespace velmora::fuzz {

void checkAccepted(const DigitsAndLength& rule, std::string_view text)
{
    require(isDigits(text) && text.size() <= rule.limit, "an accepted number holds digits within its limit", text);
}

void checkAccepted(const DigitsAndValue& rule, std::string_view text)
{
    require(isDigits(text), "an accepted value holds digits only", text);
    require(text.empty() || (compareNumber(text, rule.minimum) >= 0 && compareNumber(text, rule.maximum) <= 0),
            "an accepted value lies within its limits", text);
}

bool isRefusedCharacter(const TextAndLength& rule, char32_t c)
{
    const int code = cp1250Code(c);
    return code < 32 || code == 127 || code > rule.highestCode || (rule.forbidHash && c == U'#');
}

void checkAccepted(const TextAndLength& rule, std::string_view text)
{
    const std::optional<std::u32string> characters = decodeUtf8(text);
    require(characters.has_value(), "an accepted text is well-formed UTF-8", text);
    require(rule.limit == TextAndLength::kNoLimit || characters->size() <= rule.limit,
            "an accepted text keeps to its length", text);
    require(
        std::none_of(characters->begin(), characters->end(), [&](char32_t c) { return isRefusedCharacter(rule, c); }),
        "an accepted text holds only characters its rule allows", text);
}

} // namespace velmora::fuzz
