#pragma once

#include "rules.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
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

// The form of one field of a command, and what the user knows it by ("numer Centrum SMS"), for the words that
// say which field of a command is wrong.
struct FieldForm {
    Field kind = Field::Number;
    std::string_view name;
    // A typed field holds the characters its page's field takes: that field's rule decides them.
    TextAndLength (*typedRule)() = nullptr;

    constexpr FieldForm() = default;
    constexpr FieldForm(Field kind, std::string_view name) : kind(kind), name(name) {}

    static constexpr FieldForm typed(TextAndLength (*rule)(), std::string_view name)
    {
        FieldForm form(Field::Typed, name);
        form.typedRule = rule;
        return form;
    }
};

// Whether sending a command loses what the unit holds, so that the user is asked before it goes.
enum class Wipes {
    Never,
    Always,  // whatever its fields: factory settings, all user names
    WhenAll, // with "W" in place of its selection: every user number, detector, remote control or keypad code
};

// What a wiping command loses, in one sentence of the question asked before it goes.
struct Wipe {
    Wipes when = Wipes::Never;
    std::string_view loss;
};

// Where a command departs from its form, the first place from the left.
struct Misfit {
    enum class Kind {
        Missing,      // `field` and those after it are not there, or `field` is not closed
        Extra,        // `rest` follows the last field (`field`), or the code of a command without fields (null)
        Empty,        // `field` holds nothing, and must hold something
        BadCharacter, // `field` holds `rest`, a character it never holds ("#" a stray one)
    };

    Kind kind;
    const FieldForm* field = nullptr;
    std::string_view rest = {};
};

// A command the pages compose: its code and the forms of its fields, in order, and whether it wipes. Each
// composer's module declares its commands beside the composers and builds every message from one of them (Message
// takes nothing else); the plan file's check knows a command by these declarations, and the windows that send ask
// before a command that wipes (composedCommands, wipeOf: grammar.h).
class CommandForm {
public:
    static constexpr std::size_t kMostFields = 5;

    constexpr CommandForm(std::string_view code, std::initializer_list<FieldForm> fields, Wipe wipe = {})
        : code_(code), count_(fields.size()), wipe_(wipe)
    {
        std::size_t i = 0;
        for (const FieldForm& field : fields) {
            fields_.at(i++) = field; // more than kMostFields fails to compile
        }
    }

    constexpr std::string_view code() const { return code_; }
    constexpr std::span<const FieldForm> fields() const { return {fields_.data(), count_}; }
    constexpr const Wipe& wipe() const { return wipe_; }

    // A typed command closes as typed: no "#" follows its code, and none is added after its field.
    constexpr bool isTyped() const { return count_ == 1 && fields_[0].kind == Field::Typed; }

    // Whether `command`, from its first "#", is this command with its fields in their forms: a stray or missing
    // "#" shows as a field too many or too few. Which characters the unit reads is the plan check's concern.
    bool fits(std::string_view command) const;

    // Where `command`, from its first "#", this command's code and the "#" after it (the code alone for a typed
    // one), departs from the form of its fields; nothing when it fits. A typed field that its rule refuses is a bad
    // character as a whole.
    std::optional<Misfit> misfit(std::string_view command) const;

    // Whether `command`, which fits, wipes what the unit holds.
    bool wipes(std::string_view command) const;

private:
    std::string_view code_;
    std::array<FieldForm, kMostFields> fields_{};
    std::size_t count_ = 0;
    Wipe wipe_;
};

} // namespace velmora
