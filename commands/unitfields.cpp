#include "unitfields.h"

#include "encoding.h"

#include <algorithm>

namespace velmora {
namespace {

// C0 and C1 control characters and DEL: invisible in a list, and a line break would split a name's row.
bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

enum class Lines { One, Many };

// Reads the text once: invalid UTF-8 first, as the other faults mean nothing in a garbled text.
std::optional<std::string> textFault(std::string_view text, Lines lines, std::string_view controlFault)
{
    bool control = false;
    for (Utf8Reader reader(text); !reader.atEnd();) {
        const char32_t c = reader.next();
        if (c == Utf8Reader::kInvalid) {
            return std::string("tekst nie jest zapisany w kodowaniu UTF-8");
        }
        control = control || (isControl(c) && !(lines == Lines::Many && c == U'\n'));
    }
    if (control) {
        return std::string(controlFault);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> unitNameFault(std::string_view name)
{
    if (auto fault = textFault(name, Lines::One, "nazwa centrali zawiera znak sterujący")) {
        return fault;
    }
    if (std::all_of(name.begin(), name.end(), [](char c) { return c == ' '; })) {
        return std::string("brak nazwy centrali");
    }
    if (characterCount(name) > kUnitNameLimit) {
        return "nazwa centrali jest dłuższa niż " + std::to_string(kUnitNameLimit) + " znaków";
    }
    return std::nullopt;
}

std::optional<std::string> unitNotesFault(std::string_view notes)
{
    if (auto fault = textFault(notes, Lines::Many, "uwagi zawierają znak sterujący")) {
        return fault;
    }
    if (characterCount(notes) > kUnitNotesLimit) {
        return "uwagi są dłuższe niż " + std::to_string(kUnitNotesLimit) + " znaków";
    }
    return std::nullopt;
}

} // namespace velmora
