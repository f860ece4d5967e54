#pragma once

#include "message.h"
#include "rules.h"

#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace velmora::fuzz {

// Stops the run with a report libFuzzer turns into a saved crash input.
[[noreturn]] void fail(std::string_view broken, std::string_view detail);

inline void require(bool holds, std::string_view invariant, std::string_view detail = {})
{
    if (!holds) {
        fail(invariant, detail);
    }
}

std::size_t hashCount(std::string_view text);

// A refusal the user would see: it names a message.
void checkRefusal(const Refusal& refusal);

// Every refusal names a message; a command starts with the IKU code and "#", ends with "#", holds only
// characters up to code 125 and carries exactly `hashes` "#" signs, so no argument added or lost one.
void checkOutcome(const Outcome& outcome, std::string_view iku, std::size_t hashes);
void checkCommand(const Command& command, std::string_view iku, std::size_t hashes);

// Commands that need no choice of the user's: each composes, well formed as checkOutcome says, whatever the input.
void checkComposes(std::initializer_list<Outcome> outcomes, std::string_view iku, std::size_t hashes,
                   std::string_view invariant);

// The argument stands whole in the message, between two "#"; in the outcome's, when it composed one.
void checkCarries(std::string_view message, std::string_view argument);
void checkCarries(const Outcome& outcome, std::string_view argument);

} // namespace velmora::fuzz
