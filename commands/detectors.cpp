#include "detectors.h"

#include <string>

namespace velmora {
namespace {

Outcome composed(const Message& message, std::string_view title)
{
    return Outcome::composed({message.text(), std::string(title), std::string(kSendToUnitPrompt)});
}

Outcome composeMask(std::string_view iku, std::string_view code, const Ticks& ticks, std::string_view title)
{
    return composed(Message(iku, code).arg(maskDigits(ticks)), title);
}

} // namespace

Outcome composeDetectorProgramming(std::string_view iku, const Ticks& detectors)
{
    if (noneTicked(detectors)) {
        return Outcome::refused("Wybierz  czujkę do wprogramowania");
    }
    return composed(Message(iku, "C").selection(detectors), "Wprogramowywanie czujki do systemu");
}

Outcome composeDetectorRemoval(std::string_view iku, const Ticks& detectors)
{
    if (noneTicked(detectors)) {
        return Outcome::refused("Wybierz co najmniej jedną czujkę do usunięcia z systemu");
    }
    return composed(Message(iku, "CN").selectionOrAll(detectors), "Usuwanie czujek z systemu");
}

Outcome composeGlobalMask(std::string_view iku, const Ticks& detectors)
{
    return composeMask(iku, "CM", detectors, "Definiowanie Globalnej maski czujek");
}

Outcome composeDelayedMask(std::string_view iku, const Ticks& detectors)
{
    return composeMask(iku, "CMZ", detectors, "Definiowanie maski czujek ze zwłoką");
}

Outcome composeZoneMask(std::string_view iku, const Ticks& detectors)
{
    return composeMask(iku, "CMW", detectors, "Definiowanie maski czujek strefowych");
}

Outcome composeSirenProgramming(std::string_view iku, const Ticks& sirens)
{
    if (noneTicked(sirens)) {
        return Outcome::refused("Wybierz syrenę do wprogramowania");
    }
    return composed(Message(iku, "o").selection(sirens), "Wprogramowywanie syreny do systemu");
}

Outcome composeSirenRemoval(std::string_view iku, const Ticks& sirens)
{
    if (noneTicked(sirens)) {
        return Outcome::refused("Wybierz co najmniej jedną syrenę do usunięcia z systemu");
    }
    return composed(Message(iku, "ON").selection(sirens), "Usuwanie syren z systemu");
}

Outcome composeSirenMask(std::string_view iku, const Ticks& sirens)
{
    return composeMask(iku, "CM", sirens, "Definiowanie maski syren");
}

} // namespace velmora
