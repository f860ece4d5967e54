#include "commandform.h"

#include <algorithm>

namespace velmora {
namespace {

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

// Where a field of fixed characters departs from its form: a character it never holds, or nothing where it must
// hold something.
std::optional<Misfit> fieldMisfit(const FieldForm& form, std::string_view field)
{
    std::string_view allowed;
    switch (form.kind) {
    case Field::Number:
    case Field::Digits:
        allowed = "0123456789";
        break;
    case Field::Mask:
        allowed = "01";
        break;
    case Field::Name:
    case Field::Text:
    case Field::Selection:
    case Field::Typed:
        return std::nullopt; // a name holds any text; the others take the rest of the command whole
    }
    if (const std::size_t bad = field.find_first_not_of(allowed); bad != std::string_view::npos) {
        return Misfit{Misfit::Kind::BadCharacter, &form, field.substr(bad, 1)};
    }
    if (field.empty() && form.kind != Field::Digits) {
        return Misfit{Misfit::Kind::Empty, &form};
    }
    return std::nullopt;
}

// Numbers, each closed by its "#", at least one; or "W#" alone.
std::optional<Misfit> selectionMisfit(const FieldForm& form, std::string_view rest)
{
    if (rest == "W#") {
        return std::nullopt;
    }
    bool first = true;
    do {
        const std::optional<std::string_view> item = takeField(rest);
        if (!item) {
            return Misfit{Misfit::Kind::Missing, &form};
        }
        if (item->empty()) {
            // "#CN##" holds no number; "#CN#1##" a "#" too many.
            return first && rest.empty() ? Misfit{Misfit::Kind::Empty, &form}
                                         : Misfit{Misfit::Kind::BadCharacter, &form, "#"};
        }
        if (const std::size_t bad = item->find_first_not_of("0123456789"); bad != std::string_view::npos) {
            return Misfit{Misfit::Kind::BadCharacter, &form, item->substr(bad, 1)};
        }
        first = false;
    } while (!rest.empty());
    return std::nullopt;
}

} // namespace

bool CommandForm::fits(std::string_view command) const
{
    if (!command.starts_with('#') || command.substr(1, code_.size()) != code_) {
        return false;
    }
    if (!isTyped() && command.substr(1 + code_.size(), 1) != "#") {
        return false;
    }
    return !misfit(command);
}

std::optional<Misfit> CommandForm::misfit(std::string_view command) const
{
    std::string_view rest = command.substr(std::min(command.size(), 1 + code_.size()));
    if (isTyped()) {
        if (rest.empty()) {
            return Misfit{Misfit::Kind::Missing, fields_.data()};
        }
        if (fields_[0].typedRule()(rest)) {
            return Misfit{Misfit::Kind::BadCharacter, fields_.data(), rest};
        }
        return std::nullopt;
    }
    rest.remove_prefix(std::min<std::size_t>(rest.size(), 1)); // the "#" after the code
    const FieldForm* last = nullptr;
    for (const FieldForm& field : fields()) {
        if (field.kind == Field::Selection) {
            return selectionMisfit(field, rest);
        }
        if (field.kind == Field::Text) {
            // The text runs to the last "#".
            return rest.ends_with('#') ? std::nullopt : std::optional(Misfit{Misfit::Kind::Missing, &field});
        }
        const std::optional<std::string_view> taken = takeField(rest);
        if (!taken) {
            return Misfit{Misfit::Kind::Missing, &field};
        }
        if (std::optional<Misfit> wrong = fieldMisfit(field, *taken)) {
            return wrong;
        }
        last = &field;
    }
    if (!rest.empty()) {
        return Misfit{Misfit::Kind::Extra, last, rest};
    }
    return std::nullopt;
}

bool CommandForm::wipes(std::string_view command) const
{
    switch (wipe_.when) {
    case Wipes::Never:
        break;
    case Wipes::Always:
        return true;
    case Wipes::WhenAll:
        return command.substr(std::min(command.size(), 1 + code_.size())) == "#W#";
    }
    return false;
}

} // namespace velmora
