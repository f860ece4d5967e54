#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmora {

// A plan file holds a unit's configuration as a list of commands, made once and sent to any unit, so it
// holds neither an IKU code nor the unit's number. It is UTF-8 text, one line each, "\n" ending every line:
//
//   velmora-sms-plan 1
//   Definiowanie Centrum SMS<TAB>#0#48601000310#
//   Definiowanie trybu serwisowego<TAB>#S#
//   koniec 2
//
// The first line names the format and its version; then one row per command: the operation's title, a tab,
// and the command from its first "#" to its end; the last line counts the rows, so a file cut short is known.
inline constexpr std::string_view kPlanFormatName = "velmora-sms-plan";
inline constexpr int kPlanFormatVersion = 1;

// Larger files are refused unread: a unit's configuration takes a few dozen commands.
inline constexpr std::size_t kPlanFileLimit = 1024 * 1024;
inline constexpr std::size_t kPlanTitleLimit = 200;

// One command of a plan, without its IKU code: `command` runs from the first "#".
struct PlanEntry {
    std::string title;
    std::string command;

    bool operator==(const PlanEntry&) const = default;
};

// Why a file is not a plan the program can send. `row` is the position of the bad command in the plan,
// from 1; 0 when the file as a whole is at fault.
struct PlanRefusal {
    std::string reason;
    std::size_t row = 0;

    // The reason as a sentence, with the row's position in the plan and its line in the file.
    std::string message() const;

    bool operator==(const PlanRefusal&) const = default;
};

// Why a command (from its first "#") is not one the pages compose: it must be one of composedCommands()
// (grammar.h), its code and its fields in their forms, hold only characters the unit accepts (no control
// character, nothing above Windows-1250 code 125) and close with "#", except the balance check number "#K…",
// which closes as typed and takes the characters its field takes.
std::optional<std::string> planCommandFault(std::string_view command);

// The file for these rows. Each `command` may carry its IKU code: it is written from its first "#" only.
std::string writePlanFile(std::span<const PlanEntry> entries);

// The rows of a whole, well-formed plan file, or why the file is refused.
std::variant<std::vector<PlanEntry>, PlanRefusal> readPlanFile(std::string_view text);

} // namespace velmora
