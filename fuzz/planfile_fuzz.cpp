// Plan files as the user might open them: any bytes, cut anywhere, edited by hand.
#include "check.h"
#include "planfile.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace velmora;
using namespace velmora::fuzz;

namespace {

bool isUnitByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 32 && byte <= 125;
}

// The balance check number may hold letters above code 125, as its page lets through; never a control character.
bool isBalanceNumberByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 32 && byte != 127;
}

void checkEntry(const PlanEntry& entry)
{
    const std::string& command = entry.command;
    require(!planCommandFault(command), "an opened command passes the row check", command);
    const bool balanceNumber = command.starts_with("#K");
    require(std::all_of(command.begin(), command.end(), balanceNumber ? isBalanceNumberByte : isUnitByte),
            "an opened command holds no control character and, but for a balance check number, none above code 125",
            command);
    require(command.starts_with('#') && (command.ends_with('#') || command.starts_with("#K")),
            "an opened command begins with \"#\" and closes with one, or is a balance check number", command);
    require(!entry.title.empty() && std::none_of(entry.title.begin(), entry.title.end(),
                                                 [](char c) { return static_cast<unsigned char>(c) < 32; }),
            "an opened title is one line of text", entry.title);
}

// What was opened is written again as it was read, and a written plan opens to the same rows.
void checkRoundTrip(const std::vector<PlanEntry>& entries)
{
    const std::string written = writePlanFile(entries);
    const auto again = readPlanFile(written);
    require(std::holds_alternative<std::vector<PlanEntry>>(again) && std::get<std::vector<PlanEntry>>(again) == entries,
            "a written plan opens to the rows it was written from", written);

    std::vector<PlanEntry> withIku = entries;
    for (PlanEntry& entry : withIku) {
        entry.command.insert(0, "9876");
    }
    require(writePlanFile(withIku) == written, "the IKU code is never written", written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto read = readPlanFile(text);
    if (const auto* refusal = std::get_if<PlanRefusal>(&read)) {
        require(!refusal->reason.empty(), "a refusal names a message");
        require(refusal->row == 0 ||
                    refusal->row < static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')),
                "a refused row is one of the file's rows", refusal->message());
        return 0;
    }
    const auto& entries = std::get<std::vector<PlanEntry>>(read);
    require(!entries.empty(), "an opened plan has a row");
    std::for_each(entries.begin(), entries.end(), checkEntry);
    checkRoundTrip(entries);
    return 0;
}
