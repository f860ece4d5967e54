#pragma once

#include "rules.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>

namespace velmora {

// What one field of a command holds, as the pages compose it.
enum class Field {
    Number,    // digits, at least one: "#L#10#"
    Digits,    // digits or nothing: a user without a phone number in "#G#48601123456#####"
    Mask,      // ones and zeros, at least one: "#SM#10100#"
    Name,      // any text without "#", possibly empty: "#N#Dom#"
    Text,      // the last field: any text, "#" included: "#TS#1#24#Alarm #1#"
    Selection, // the only field: numbers, each closed by its "#", or "W" for all: "#C#1#3#", "#CN#W#"
    Typed,     // the only field: the rest as typed, no "#" after the code and none added after it: "#K*101#"
};

// The form of one field of a command.
struct FieldForm {
    Field kind = Field::Number;
    // A typed field holds the characters its page's field takes: that field's rule decides them.
    TextAndLength (*typedRule)() = nullptr;

    constexpr FieldForm() = default;
    constexpr FieldForm(Field kind) : kind(kind) {} // NOLINT(google-explicit-constructor): {"L", {Field::Number}}

    static constexpr FieldForm typed(TextAndLength (*rule)())
    {
        FieldForm form(Field::Typed);
        form.typedRule = rule;
        return form;
    }
};

// A command the pages compose: its code and the forms of its fields, in order. Each composer's module declares
// its commands beside the composers and builds every message from one of them (Message takes nothing else);
// the plan file's check knows a command by these declarations (composedCommands, grammar.h).
class CommandForm {
public:
    static constexpr std::size_t kMostFields = 5;

    constexpr CommandForm(std::string_view code, std::initializer_list<FieldForm> fields)
        : code_(code), count_(fields.size())
    {
        std::size_t i = 0;
        for (const FieldForm& field : fields) {
            fields_.at(i++) = field; // more than kMostFields fails to compile
        }
    }

    constexpr std::string_view code() const { return code_; }
    constexpr std::span<const FieldForm> fields() const { return {fields_.data(), count_}; }

    // A typed command closes as typed: no "#" follows its code, and none is added after its field.
    constexpr bool isTyped() const { return count_ == 1 && fields_[0].kind == Field::Typed; }

    // Whether `command`, from its first "#", is this command with its fields in their forms: a stray or missing
    // "#" shows as a wrong count. Which characters the unit reads is the plan check's concern.
    bool fits(std::string_view command) const;

private:
    std::string_view code_;
    std::array<FieldForm, kMostFields> fields_{};
    std::size_t count_ = 0;
};

} // namespace velmora
