#include "composertest.h"
#include "detectornames.h"

#include <gtest/gtest.h>
#include <string>

using namespace velmora;

TEST(DetectorName, ComposesTheNameAsTypedAndOnlyC1AsksWithoutTheAccent)
{
    const std::string title = "Definiowanie nazwy czujki";
    EXPECT_EQ(composeDetectorName("0123", 1, "Hol"), sent("0123#MCI#1#Hol#", title, kPromptSmsPlain));
    EXPECT_EQ(composeDetectorName("0123", 2, "Kuchnia"), sent("0123#MCI#2#Kuchnia#", title));
    EXPECT_EQ(composeDetectorName("0123", 8, " Pokoj  {1} "), sent("0123#MCI#8# Pokoj  {1} #", title));
}

TEST(DetectorName, AnEmptyNameComposesNothingAndSaysNothing)
{
    for (int detector = 1; detector <= kDetectorNameCount; ++detector) {
        EXPECT_EQ(composeDetectorName("0123", detector, ""), Outcome::nothing()) << detector;
    }
}

// All eight still name every detector: "W#" would remove the detectors themselves.
TEST(NameRemoval, ListsTheTickedDetectorsEvenAllEight)
{
    const std::string title = "Usuwanie nazw czujek";
    EXPECT_EQ(composeNameRemoval("0123", Ticks(8, true)), sent("0123#CIN#1#2#3#4#5#6#7#8#", title));
    EXPECT_EQ(composeNameRemoval("0123", allBut(8, 4)), sent("0123#CIN#1#2#3#5#6#7#8#", title));
    EXPECT_EQ(composeNameRemoval("0123", ticksOf(8, {5, 2})), sent("0123#CIN#2#5#", title));
    EXPECT_EQ(composeNameRemoval("0123", Ticks(8, false)),
              Outcome::refused("Wybierz co najmniej jedną nazwę czujki do usunięcia z systemu"));
}

TEST(Header, ComposesTheHeaderAsTypedAndAnEmptyOneToo)
{
    const std::string title = "Definiowanie nagłówka komunikatów SMS";
    EXPECT_EQ(composeHeader("0123", "Dom  Kowalskich "), sent("0123#N#Dom  Kowalskich #", title));
    EXPECT_EQ(composeHeader("0123", ""), sent("0123#N##", title));
}
