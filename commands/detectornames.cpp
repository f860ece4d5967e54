#include "detectornames.h"

#include <string>

namespace velmora {
namespace {

TextAndLength nameRule(std::size_t limit, std::string_view lengthMessage)
{
    return TextAndLength{limit, std::string(lengthMessage), std::string(kDetectorNamePlainTextMessage), true};
}

} // namespace

TextAndLength detectorNameRule()
{
    return nameRule(kDetectorNameLimit, kDetectorNameLengthMessage);
}

TextAndLength headerRule()
{
    return nameRule(kHeaderLimit, kHeaderLengthMessage);
}

Outcome composeDetectorName(std::string_view iku, int detector, std::string_view name)
{
    if (name.empty()) {
        return Outcome::nothing();
    }
    // Detector C1 has always asked without the accent; the other rows use the usual prompt.
    return Outcome::composed({Message(iku, kDetectorNameCommand).arg(std::to_string(detector)).arg(name).text(),
                              "Definiowanie nazwy czujki",
                              std::string(detector == 1 ? kSendSmsPromptPlain : kSendToUnitPrompt)});
}

Outcome composeNameRemoval(std::string_view iku, const Ticks& ticks)
{
    // Always the full list, even with all eight ticked: the short form "#CN#W#" would remove the detectors
    // themselves from the unit, not just their names.
    return composeTicked(iku, ticks,
                         {kNameRemovalCommand, "Usuwanie nazw czujek", kSendToUnitPrompt,
                          "Wybierz co najmniej jedną nazwę czujki do usunięcia z systemu"});
}

Outcome composeHeader(std::string_view iku, std::string_view header)
{
    return Outcome::composed({Message(iku, kHeaderCommand).arg(header).text(), "Definiowanie nagłówka komunikatów SMS",
                              std::string(kSendToUnitPrompt)});
}

} // namespace velmora
