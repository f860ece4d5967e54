#include "message.h"

#include <algorithm>

namespace velmora {
namespace {

Outcome composeList(std::string_view iku, const Ticks& ticks, const TickedOperation& operation, bool allAsW)
{
    if (noneTicked(ticks)) {
        return Outcome::refused(std::string(operation.nothingTicked));
    }
    Message message(iku, operation.command);
    allAsW ? message.selectionOrAll(ticks) : message.selection(ticks);
    return Outcome::composed({message.text(), std::string(operation.title), std::string(operation.prompt)});
}

} // namespace

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

Message::Message(std::string_view iku, const CommandForm& command) : closing_(command.isTyped() ? "" : "#")
{
    text_.reserve(iku.size() + command.code().size() + 32);
    text_.append(iku).append("#").append(command.code()).append(closing_);
}

Message& Message::arg(std::string_view argument)
{
    text_.append(argument).append(closing_);
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

Outcome composeTicked(std::string_view iku, const Ticks& ticks, const TickedOperation& operation)
{
    return composeList(iku, ticks, operation, false);
}

Outcome composeTickedOrAll(std::string_view iku, const Ticks& ticks, const TickedOperation& operation)
{
    return composeList(iku, ticks, operation, true);
}

} // namespace velmora
