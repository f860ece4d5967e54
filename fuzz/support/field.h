#pragma once

#include "check.h"
#include "input.h"
#include "rules.h"

#include <string>
#include <string_view>
#include <utility>

namespace velmora::fuzz {

// Whether the free-text rule must refuse this character: a control code, one above the rule's highest code,
// or "#" where the rule bans it.
bool isRefusedCharacter(const TextAndLength& rule, char32_t c);

// What an accepted text must be, by the rule's own terms, judged by the reference answers.
void checkAccepted(const DigitsAndLength& rule, std::string_view text);
void checkAccepted(const DigitsAndValue& rule, std::string_view text);
void checkAccepted(const TextAndLength& rule, std::string_view text);

// A page field under its field guard: a refused change is repaired, and the rule runs again, nested, on the
// repair. That re-run must accept at once, or the guard would recurse; the field then holds only accepted text.
template <typename Rule> class GuardedField {
public:
    explicit GuardedField(Rule rule) : rule_(std::move(rule)) {}

    void change(std::string text)
    {
        if (const Verdict refusal = rule_(text)) {
            checkRefusal(*refusal);
            text = refusal->repairedText(text_);
            require(!rule_(text), "a repaired text is accepted by its rule", text);
        }
        require(!rule_(text), "an accepted text is accepted again", text);
        checkAccepted(rule_, text);
        text_ = std::move(text);
    }

    // The user types into the field, or pastes, once or more.
    void typeFrom(UserInput& input)
    {
        do {
            change(input.text());
        } while (input.more() && input.choice());
    }

    const std::string& text() const { return text_; }
    const Rule& rule() const { return rule_; }

private:
    Rule rule_;
    std::string text_;
};

} // namespace velmora::fuzz
