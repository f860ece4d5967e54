#pragma once

#include "commandform.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The send prompt most operations show above their command, and the two shorter ones some pages use
// (one of them written without the accent, as those pages have always shown it).
inline constexpr std::string_view kSendToUnitPrompt = "Wyślij do urządzenia SMS o treści:";
inline constexpr std::string_view kSendSmsPrompt = "Wyślij SMS o treści:";
inline constexpr std::string_view kSendSmsPromptPlain = "Wyslij SMS o treści:";

// A composed command as its page shows it.
struct Command {
    std::string message;
    std::string title;  // the operation's name
    std::string prompt; // the request to send

    bool operator==(const Command&) const = default;
};

// What one press of a "Treść SMS" button leads to: the error boxes to show, in order, and then the command,
// if one was composed. Neither means the press shows nothing at all.
struct Outcome {
    std::vector<std::string> refusals;
    std::optional<Command> command;

    static Outcome refused(std::string message) { return {{std::move(message)}, std::nullopt}; }
    static Outcome composed(Command command) { return {{}, std::move(command)}; }
    static Outcome nothing() { return {}; }

    bool operator==(const Outcome&) const = default;
};

// The ticks of a row of numbered check boxes, box 1 first.
using Ticks = std::vector<bool>;

bool allTicked(const Ticks& ticks);
bool noneTicked(const Ticks& ticks);

// The numbers of the ticked boxes in ascending order, each followed by "#": "1#3#10#".
std::string selectionList(const Ticks& ticks);

// One "1" or "0" per box, box 1 first: "10100".
std::string maskDigits(const Ticks& ticks);

// Builds a command message from its command's declaration: the IKU code, "#", the command code, "#", then
// each argument followed by "#" (a typed command: the IKU code, "#", the code and its field as typed).
// Arguments are copied as they stand; the input rules keep "#" out of them.
class Message {
public:
    Message(std::string_view iku, const CommandForm& command);

    Message& arg(std::string_view argument);
    // The selection list of the ticked boxes, each number closed by its own "#".
    Message& selection(const Ticks& ticks);
    // The removal list, or the remove-all form "W#" when every box is ticked.
    Message& selectionOrAll(const Ticks& ticks);

    const std::string& text() const { return text_; }

private:
    std::string text_;
    std::string_view closing_; // what follows the code and each argument
};

// An operation on the ticked boxes of a row: its command, the texts it shows with it, and the error box when no
// box is ticked.
struct TickedOperation {
    const CommandForm& command;
    std::string_view title;
    std::string_view prompt;
    std::string_view nothingTicked;
};

// The command with the list of the ticked boxes; refused when none is ticked.
Outcome composeTicked(std::string_view iku, const Ticks& ticks, const TickedOperation& operation);
// The same, but with the remove-all form "W#" when every box is ticked.
Outcome composeTickedOrAll(std::string_view iku, const Ticks& ticks, const TickedOperation& operation);

} // namespace velmora
