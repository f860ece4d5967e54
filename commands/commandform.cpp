#include "commandform.h"

#include "encoding.h"

#include <optional>

namespace velmora {
namespace {

bool isNumber(std::string_view field)
{
    return !field.empty() && isDigitsOnly(field);
}

bool isMask(std::string_view field)
{
    return !field.empty() && field.find_first_not_of("01") == std::string_view::npos;
}

// The next field with its closing "#" taken off the front of `rest`; none when no "#" is left.
std::optional<std::string_view> takeField(std::string_view& rest)
{
    const std::size_t end = rest.find('#');
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view field = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    return field;
}

bool fitsField(Field kind, std::string_view field)
{
    switch (kind) {
    case Field::Number:
        return isNumber(field);
    case Field::Digits:
        return isDigitsOnly(field);
    case Field::Mask:
        return isMask(field);
    case Field::Name:
        return true;
    case Field::Text:
    case Field::Selection:
    case Field::Typed:
        break; // each takes the rest of the command whole: see CommandForm::fits
    }
    return false;
}

// Numbers, each closed by its "#", at least one; or "W#" alone.
bool fitsSelection(std::string_view rest)
{
    if (rest == "W#") {
        return true;
    }
    do {
        const std::optional<std::string_view> field = takeField(rest);
        if (!field || !isNumber(*field)) {
            return false;
        }
    } while (!rest.empty());
    return true;
}

} // namespace

bool CommandForm::fits(std::string_view command) const
{
    if (!command.starts_with('#') || command.substr(1, code_.size()) != code_) {
        return false;
    }
    std::string_view rest = command.substr(1 + code_.size());
    if (isTyped()) {
        return !rest.empty() && !fields_[0].typedRule()(rest);
    }
    if (!rest.starts_with('#')) {
        return false;
    }
    rest.remove_prefix(1);
    for (const FieldForm& field : fields()) {
        if (field.kind == Field::Selection) {
            return fitsSelection(rest);
        }
        if (field.kind == Field::Text) {
            return rest.ends_with('#'); // the text runs to the last "#"
        }
        const std::optional<std::string_view> taken = takeField(rest);
        if (!taken || !fitsField(field.kind, *taken)) {
            return false;
        }
    }
    return rest.empty();
}

} // namespace velmora
