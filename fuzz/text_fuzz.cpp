// The free-text rule family against the C library's UTF-8 and Windows-1250 converters.
#include "check.h"
#include "field.h"
#include "input.h"
#include "reference.h"
#include "rules.h"

#include <algorithm>

using namespace velmora;
using namespace velmora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    UserInput input(data, size);
    const std::string text = input.text();
    const TextAndLength rule{input.choice() ? TextAndLength::kNoLimit : input.number<std::size_t>(0, 120), "za długi",
                             "niedozwolony znak", input.choice(),
                             input.choice() ? input.number(0, 300) : (input.choice() ? 125 : 255)};
    const Verdict verdict = rule(text);
    if (verdict) {
        checkRefusal(*verdict);
    }

    const std::optional<std::u32string> characters = decodeUtf8(text);
    if (!characters) {
        require(verdict.has_value() || rule.highestCode >= 256, "malformed UTF-8 is refused", text);
        return 0;
    }
    if (rule.limit != TextAndLength::kNoLimit && characters->size() > rule.limit) {
        require(verdict && verdict->message == rule.lengthMessage && verdict->repair == Refusal::Repair::Restore &&
                    verdict->order == Refusal::Order::RepairThenBox,
                "a too long text is restored before its box", text);
        return 0;
    }
    const bool plain =
        std::none_of(characters->begin(), characters->end(), [&](char32_t c) { return isRefusedCharacter(rule, c); });
    if (plain) {
        require(!verdict, "a plain text within its length is accepted", text);
    } else {
        require(verdict && verdict->message == rule.plainTextMessage && verdict->repair == Refusal::Repair::Restore &&
                    verdict->order == Refusal::Order::BoxThenRepair,
                "a forbidden character is restored after its box", text);
    }
    return 0;
}
