#include "check.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace velmora::fuzz {

void fail(std::string_view broken, std::string_view detail)
{
    std::fprintf(stderr, "Broken: %.*s\nText (%zu bytes): \"%.*s\"\n", static_cast<int>(broken.size()), broken.data(),
                 detail.size(), static_cast<int>(detail.size()), detail.data());
    std::abort();
}

std::size_t hashCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '#'));
}

void checkRefusal(const Refusal& refusal)
{
    require(!refusal.message.empty(), "a refusal names a message");
}

void checkCommand(const Command& command, std::string_view iku, std::size_t hashes)
{
    const std::string& message = command.message;
    require(message.size() > iku.size() && message.starts_with(iku) && message[iku.size()] == '#',
            "a command starts with the IKU code and \"#\"", message);
    require(message.ends_with('#'), "a command ends with \"#\"", message);
    require(
        std::all_of(message.begin(), message.end(),
                    [](char c) { return static_cast<unsigned char>(c) >= 32 && static_cast<unsigned char>(c) <= 125; }),
        "a command holds no control character and none above code 125", message);
    require(hashCount(message) == hashes, "a command carries one \"#\" per argument", message);
    require(!command.title.empty() && !command.prompt.empty(), "a command comes with its title and prompt", message);
}

void checkOutcome(const Outcome& outcome, std::string_view iku, std::size_t hashes)
{
    for (const std::string& refusal : outcome.refusals) {
        require(!refusal.empty(), "a refusal names a message");
    }
    if (outcome.command) {
        require(outcome.refusals.empty(), "a refused press composes nothing", outcome.command->message);
        checkCommand(*outcome.command, iku, hashes);
    }
}

void checkComposes(std::initializer_list<Outcome> outcomes, std::string_view iku, std::size_t hashes,
                   std::string_view invariant)
{
    for (const Outcome& outcome : outcomes) {
        checkOutcome(outcome, iku, hashes);
        require(outcome.command.has_value(), invariant);
    }
}

void checkCarries(std::string_view message, std::string_view argument)
{
    const std::string framed = "#" + std::string(argument) + "#";
    require(message.find(framed) != std::string_view::npos, "a command carries its argument whole", message);
}

void checkCarries(const Outcome& outcome, std::string_view argument)
{
    if (outcome.command) {
        checkCarries(outcome.command->message, argument);
    }
}

} // namespace velmora::fuzz
