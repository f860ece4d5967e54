#include "detectors.h"

#include <string>

namespace velmora {
namespace {

constexpr TickedOperation kDetectorProgramming{kDetectorProgrammingCommand, "Wprogramowywanie czujki do systemu",
                                               kSendToUnitPrompt, "Wybierz  czujkę do wprogramowania"};
constexpr TickedOperation kDetectorRemoval{kDetectorRemovalCommand, "Usuwanie czujek z systemu", kSendToUnitPrompt,
                                           "Wybierz co najmniej jedną czujkę do usunięcia z systemu"};
constexpr TickedOperation kSirenProgramming{kSirenProgrammingCommand, "Wprogramowywanie syreny do systemu",
                                            kSendToUnitPrompt, "Wybierz syrenę do wprogramowania"};
constexpr TickedOperation kSirenRemoval{kSirenRemovalCommand, "Usuwanie syren z systemu", kSendToUnitPrompt,
                                        "Wybierz co najmniej jedną syrenę do usunięcia z systemu"};

Outcome composeMask(std::string_view iku, const CommandForm& command, const Ticks& ticks, std::string_view title)
{
    return Outcome::composed(
        {Message(iku, command).arg(maskDigits(ticks)).text(), std::string(title), std::string(kSendToUnitPrompt)});
}

} // namespace

Outcome composeDetectorProgramming(std::string_view iku, const Ticks& detectors)
{
    return composeTicked(iku, detectors, kDetectorProgramming);
}

Outcome composeDetectorRemoval(std::string_view iku, const Ticks& detectors)
{
    return composeTickedOrAll(iku, detectors, kDetectorRemoval);
}

Outcome composeGlobalMask(std::string_view iku, const Ticks& detectors)
{
    return composeMask(iku, kGlobalMaskCommand, detectors, "Definiowanie Globalnej maski czujek");
}

Outcome composeDelayedMask(std::string_view iku, const Ticks& detectors)
{
    return composeMask(iku, kDelayedMaskCommand, detectors, "Definiowanie maski czujek ze zwłoką");
}

Outcome composeZoneMask(std::string_view iku, const Ticks& detectors)
{
    return composeMask(iku, kZoneMaskCommand, detectors, "Definiowanie maski czujek strefowych");
}

Outcome composeSirenProgramming(std::string_view iku, const Ticks& sirens)
{
    return composeTicked(iku, sirens, kSirenProgramming);
}

Outcome composeSirenRemoval(std::string_view iku, const Ticks& sirens)
{
    return composeTicked(iku, sirens, kSirenRemoval);
}

Outcome composeSirenMask(std::string_view iku, const Ticks& sirens)
{
    return composeMask(iku, kGlobalMaskCommand, sirens, "Definiowanie maski syren");
}

} // namespace velmora
