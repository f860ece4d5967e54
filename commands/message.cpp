#include "message.h"

#include <algorithm>

namespace velmora {

bool allTicked(const Ticks& ticks)
{
    return std::all_of(ticks.begin(), ticks.end(), [](bool ticked) { return ticked; });
}

bool noneTicked(const Ticks& ticks)
{
    return std::none_of(ticks.begin(), ticks.end(), [](bool ticked) { return ticked; });
}

std::string selectionList(const Ticks& ticks)
{
    std::string list;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        if (ticks[i]) {
            list += std::to_string(i + 1);
            list += '#';
        }
    }
    return list;
}

std::string maskDigits(const Ticks& ticks)
{
    std::string digits;
    digits.reserve(ticks.size());
    for (const bool ticked : ticks) {
        digits += ticked ? '1' : '0';
    }
    return digits;
}

Message::Message(std::string_view iku, std::string_view code)
{
    text_.reserve(iku.size() + code.size() + 32);
    text_.append(iku).append("#").append(code).append("#");
}

Message& Message::arg(std::string_view argument)
{
    text_.append(argument).append("#");
    return *this;
}

Message& Message::selection(const Ticks& ticks)
{
    text_ += selectionList(ticks);
    return *this;
}

Message& Message::selectionOrAll(const Ticks& ticks)
{
    return allTicked(ticks) ? arg("W") : selection(ticks);
}

} // namespace velmora
