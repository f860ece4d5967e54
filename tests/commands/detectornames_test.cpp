#include "detectornames.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

const std::string kUnitPrompt = "Wyślij do urządzenia SMS o treści:";

struct NameCase {
    int detector;
    std::string name;
    std::string message;
    std::string prompt;
};

class DetectorNameCommand : public testing::TestWithParam<NameCase> {};

TEST_P(DetectorNameCommand, ComposesTheNameAsTyped)
{
    const NameCase& c = GetParam();
    EXPECT_EQ(composeDetectorName("0123", c.detector, c.name),
              Outcome::composed({c.message, "Definiowanie nazwy czujki", c.prompt}));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DetectorNameCommand,
    testing::Values(NameCase{1, "Hol", "0123#MCI#1#Hol#", "Wyslij SMS o treści:"},
                    NameCase{2, "Kuchnia", "0123#MCI#2#Kuchnia#", kUnitPrompt},
                    NameCase{3, "Hol", "0123#MCI#3#Hol#", kUnitPrompt}, NameCase{4, "a", "0123#MCI#4#a#", kUnitPrompt},
                    NameCase{5, "Garaz {1}", "0123#MCI#5#Garaz {1}#", kUnitPrompt},
                    NameCase{6, " Pokoj  dzieci ", "0123#MCI#6# Pokoj  dzieci #", kUnitPrompt},
                    NameCase{7, "   ", "0123#MCI#7#   #", kUnitPrompt},
                    NameCase{8, std::string(100, 'x'), "0123#MCI#8#" + std::string(100, 'x') + "#", kUnitPrompt}));

TEST(DetectorName, AnEmptyNameComposesNothingAndSaysNothing)
{
    for (int detector = 1; detector <= kDetectorNameCount; ++detector) {
        EXPECT_EQ(composeDetectorName("0123", detector, ""), Outcome::nothing()) << detector;
    }
}

struct RemovalCase {
    const char* label;
    Ticks ticks;
    std::string message;
};

class NameRemovalCommand : public testing::TestWithParam<RemovalCase> {};

TEST_P(NameRemovalCommand, ListsTheTickedDetectors)
{
    EXPECT_EQ(composeNameRemoval("0123", GetParam().ticks),
              Outcome::composed({GetParam().message, "Usuwanie nazw czujek", kUnitPrompt}));
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, NameRemovalCommand,
    testing::Values(
        // All eight still name every detector: the removal of the detectors themselves is another command.
        RemovalCase{"AllEight", Ticks(8, true), "0123#CIN#1#2#3#4#5#6#7#8#"},
        RemovalCase{"AllButFourth", {true, true, true, false, true, true, true, true}, "0123#CIN#1#2#3#5#6#7#8#"},
        RemovalCase{"AllButFirst", {false, true, true, true, true, true, true, true}, "0123#CIN#2#3#4#5#6#7#8#"},
        RemovalCase{"SecondAndFifth", {false, true, false, false, true, false, false, false}, "0123#CIN#2#5#"},
        RemovalCase{"EighthOnly", {false, false, false, false, false, false, false, true}, "0123#CIN#8#"}),
    [](const testing::TestParamInfo<RemovalCase>& info) { return info.param.label; });

TEST(NameRemoval, NoneTickedIsRefused)
{
    EXPECT_EQ(composeNameRemoval("0123", Ticks(8, false)),
              Outcome::refused("Wybierz co najmniej jedną nazwę czujki do usunięcia z systemu"));
}

TEST(Header, ComposesTheHeaderAsTypedAndAnEmptyOneToo)
{
    const std::string title = "Definiowanie nagłówka komunikatów SMS";
    EXPECT_EQ(composeHeader("0123", "Dom  Kowalskich "),
              Outcome::composed({"0123#N#Dom  Kowalskich #", title, kUnitPrompt}));
    EXPECT_EQ(composeHeader("0123", ""), Outcome::composed({"0123#N##", title, kUnitPrompt}));
}

} // namespace
