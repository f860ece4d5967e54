// The test SMS and CLIP page: user indexes, periods and the test text, their activation and deactivation.
#include "field.h"
#include "input.h"
#include "testmessages.h"

using namespace velmora;
using namespace velmora::fuzz;

namespace {

struct Page {
    GuardedField<DigitsAndValue> smsUser{testUserIndexRule()};
    GuardedField<DigitsAndValue> smsPeriod{testSmsPeriodRule()};
    GuardedField<TextAndLength> text{testTextRule()};
    GuardedField<DigitsAndValue> clipUser{testUserIndexRule()};
    GuardedField<DigitsAndValue> clipPeriod{testClipPeriodRule()};

    void type(UserInput& input)
    {
        std::string typed = input.text();
        switch (input.number(0, 4)) {
        case 0:
            return smsUser.change(std::move(typed));
        case 1:
            return smsPeriod.change(std::move(typed));
        case 2:
            return text.change(std::move(typed));
        case 3:
            return clipUser.change(std::move(typed));
        default:
            return clipPeriod.change(std::move(typed));
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    UserInput input(data, size);
    const std::string iku = input.ikuCode();
    Page page;
    while (input.more() && input.choice()) {
        page.type(input);
    }

    // The test text may carry "#" of its own.
    const Outcome sms = composeTestSmsOn(iku, page.smsUser.text(), page.smsPeriod.text(), page.text.text());
    checkOutcome(sms, iku, 5 + hashCount(page.text.text()));
    require(sms.command.has_value() ==
                !(page.smsUser.text().empty() || page.smsPeriod.text().empty() || page.text.text().empty()),
            "a test SMS composes exactly when every field is filled");
    if (sms.command) {
        require(sms.command->message.ends_with("#" + page.text.text() + "#"), "a test SMS ends with its whole text",
                sms.command->message);
    }

    const Outcome clip = composeTestClipOn(iku, page.clipUser.text(), page.clipPeriod.text());
    checkOutcome(clip, iku, 4);
    require(clip.command.has_value() == !(page.clipUser.text().empty() || page.clipPeriod.text().empty()),
            "a test CLIP composes exactly when every field is filled");

    checkOutcome(composeTestSmsOff(iku), iku, 5);
    checkOutcome(composeTestClipOff(iku), iku, 4);
    return 0;
}
