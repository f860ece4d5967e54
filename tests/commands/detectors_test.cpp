#include "composertest.h"
#include "detectors.h"

#include <gtest/gtest.h>
#include <vector>

using namespace velmora;

TEST(DetectorsAndSirens, EveryOperationComposesOrRefuses)
{
    struct Row {
        Outcome (*compose)(std::string_view, const Ticks&);
        Ticks ticks;
        Outcome expected;
    };
    const std::string removeDetectors = "Usuwanie czujek z systemu";
    const std::string removeSirens = "Usuwanie syren z systemu";
    const std::vector<Row> rows = {
        {composeDetectorProgramming, ticksOf(8, {}), Outcome::refused("Wybierz  czujkę do wprogramowania")},
        {composeDetectorProgramming, ticksOf(8, {3}), sent("0123#C#3#", "Wprogramowywanie czujki do systemu")},
        {composeDetectorRemoval, ticksOf(8, {}),
         Outcome::refused("Wybierz co najmniej jedną czujkę do usunięcia z systemu")},
        {composeDetectorRemoval, ticksOf(8, {1, 3, 8}), sent("0123#CN#1#3#8#", removeDetectors)},
        {composeDetectorRemoval, allBut(8, 4), sent("0123#CN#1#2#3#5#6#7#8#", removeDetectors)},
        {composeDetectorRemoval, ticksOf(8, {1, 2, 3, 4, 5, 6, 7, 8}), sent("0123#CN#W#", removeDetectors)},
        {composeGlobalMask, ticksOf(8, {1, 2, 8}), sent("0123#CM#11000001#", "Definiowanie Globalnej maski czujek")},
        {composeDelayedMask, ticksOf(8, {3}), sent("0123#CMZ#00100000#", "Definiowanie maski czujek ze zwłoką")},
        {composeZoneMask, allBut(8, 4), sent("0123#CMW#11101111#", "Definiowanie maski czujek strefowych")},
        {composeSirenProgramming, ticksOf(2, {}), Outcome::refused("Wybierz syrenę do wprogramowania")},
        {composeSirenProgramming, ticksOf(2, {2}), sent("0123#o#2#", "Wprogramowywanie syreny do systemu")},
        {composeSirenRemoval, ticksOf(2, {}),
         Outcome::refused("Wybierz co najmniej jedną syrenę do usunięcia z systemu")},
        {composeSirenRemoval, ticksOf(2, {1}), sent("0123#ON#1#", removeSirens)},
        // Siren removal has no remove-all form: both sirens are named, never "W#".
        {composeSirenRemoval, ticksOf(2, {1, 2}), sent("0123#ON#1#2#", removeSirens)},
        {composeSirenMask, ticksOf(2, {2}), sent("0123#CM#01#", "Definiowanie maski syren")},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.compose("0123", row.ticks), row.expected);
    }
}
