#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// What must happen to a field whose new content broke its rule. The page shows `message` in an error box
// and repairs the field; `order` says which comes first, as the user sees it.
struct Refusal {
    enum class Repair {
        Empty,   // numeric fields keep nothing of a rejected edit
        Restore, // free-text fields get back their last accepted text
        SetTo,   // value fields are clamped to `bound`
    };
    enum class Order { BoxThenRepair, RepairThenBox };

    std::string message;
    Repair repair = Repair::Empty;
    Order order = Order::BoxThenRepair;
    std::string bound;

    // The field's content after the repair.
    std::string repairedText(std::string_view lastAccepted) const;

    bool operator==(const Refusal&) const = default;
};

// No value: the content is accepted as it stands.
using Verdict = std::optional<Refusal>;

// A field's input rule, run on every change of the field's text.
using InputRule = std::function<Verdict(std::string_view text)>;

// Phone numbers and SMS centre numbers have at most this many digits.
inline constexpr std::size_t kPhoneNumberLimit = 17;

// Phone numbers, SMS centre numbers and IKU codes: digits only, then at most `limit` characters.
struct DigitsAndLength {
    std::string digitsMessage;
    std::size_t limit = 0;
    std::string lengthMessage;

    Verdict operator()(std::string_view text) const;
};

// Counts, times and indexes: digits only, then a value within [minimum, maximum]. A value outside is
// repaired as `outOfRange` says (emptied, or set to `bound`).
struct DigitsAndValue {
    std::string digitsMessage;
    unsigned long minimum = 0;
    unsigned long maximum = 0;
    std::string rangeMessage;
    Refusal::Repair outOfRange = Refusal::Repair::Empty;
    std::string bound;

    Verdict operator()(std::string_view text) const;
};

// Names, headers and message texts: at most `limit` characters, then the plain-text check (no control
// character, below code 32 or 127; no character whose Windows-1250 code is above `highestCode`; and no "#"
// where `forbidHash` is set).
struct TextAndLength {
    static constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

    std::size_t limit = kNoLimit;
    std::string lengthMessage;
    std::string plainTextMessage;
    bool forbidHash = false;
    int highestCode = 125;

    Verdict operator()(std::string_view text) const;
};

// Compares a string of decimal digits of any length with a number, without converting it.
// Returns <0, 0 or >0 like strcmp.
int compareDecimal(std::string_view digits, unsigned long number);

// The 48 prefix rule, applied when a command carrying phone numbers is composed.
struct PrefixFailure {
    enum class Kind { TooShort, WrongPrefix };
    std::size_t field = 0; // index into the numbers given
    Kind kind = Kind::TooShort;

    bool operator==(const PrefixFailure&) const = default;
};

// Every non-empty number that is shorter than two characters or does not begin with "48", in field order.
std::vector<PrefixFailure> prefixFailures(std::span<const std::string> numbers);

} // namespace velmora
