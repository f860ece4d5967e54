#include "detectors.h"

#include <gtest/gtest.h>
#include <ostream>

using namespace velmora;

namespace {

using Composer = Outcome (*)(std::string_view, const Ticks&);

const std::string kPrompt = "Wyślij do urządzenia SMS o treści:";

const Ticks kNoDetector(8, false);
const Ticks kAllDetectors(8, true);
const Ticks kOnlyC3{false, false, true, false, false, false, false, false};
const Ticks kOnlyC8{false, false, false, false, false, false, false, true};
const Ticks kAllButC4{true, true, true, false, true, true, true, true};
const Ticks kC1C3C8{true, false, true, false, false, false, false, true};
const Ticks kC1C2C8{true, true, false, false, false, false, false, true};

const Ticks kNoSiren{false, false};
const Ticks kOnlyS1{true, false};
const Ticks kOnlyS2{false, true};
const Ticks kBothSirens{true, true};

struct Case {
    const char* name;
    Composer compose;
    Ticks ticks;
    std::string message; // empty: refused
    std::string titleOrRefusal;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

class DetectorsAndSirens : public testing::TestWithParam<Case> {};

TEST_P(DetectorsAndSirens, ComposesOrRefuses)
{
    const Case& c = GetParam();
    const Outcome outcome = c.compose("0123", c.ticks);
    if (c.message.empty()) {
        EXPECT_EQ(outcome, Outcome::refused(c.titleOrRefusal));
    } else {
        EXPECT_EQ(outcome, Outcome::composed({c.message, c.titleOrRefusal, kPrompt}));
    }
}

const std::string kProgramDetector = "Wprogramowywanie czujki do systemu";
const std::string kRemoveDetectors = "Usuwanie czujek z systemu";
const std::string kGlobal = "Definiowanie Globalnej maski czujek";
const std::string kDelayed = "Definiowanie maski czujek ze zwłoką";
const std::string kZone = "Definiowanie maski czujek strefowych";
const std::string kProgramSiren = "Wprogramowywanie syreny do systemu";
const std::string kRemoveSiren = "Usuwanie syren z systemu";
const std::string kSirenMask = "Definiowanie maski syren";

INSTANTIATE_TEST_SUITE_P(
    Commands, DetectorsAndSirens,
    testing::Values(
        Case{"program none", composeDetectorProgramming, kNoDetector, "", "Wybierz  czujkę do wprogramowania"},
        Case{"program C3", composeDetectorProgramming, kOnlyC3, "0123#C#3#", kProgramDetector},
        Case{"program C8", composeDetectorProgramming, kOnlyC8, "0123#C#8#", kProgramDetector},
        Case{"remove none", composeDetectorRemoval, kNoDetector, "",
             "Wybierz co najmniej jedną czujkę do usunięcia z systemu"},
        Case{"remove C8", composeDetectorRemoval, kOnlyC8, "0123#CN#8#", kRemoveDetectors},
        Case{"remove C1 C3 C8", composeDetectorRemoval, kC1C3C8, "0123#CN#1#3#8#", kRemoveDetectors},
        Case{"remove all but C4", composeDetectorRemoval, kAllButC4, "0123#CN#1#2#3#5#6#7#8#", kRemoveDetectors},
        Case{"remove all", composeDetectorRemoval, kAllDetectors, "0123#CN#W#", kRemoveDetectors},
        Case{"global none", composeGlobalMask, kNoDetector, "0123#CM#00000000#", kGlobal},
        Case{"global C1 C2 C8", composeGlobalMask, kC1C2C8, "0123#CM#11000001#", kGlobal},
        Case{"global all but C4", composeGlobalMask, kAllButC4, "0123#CM#11101111#", kGlobal},
        Case{"global all", composeGlobalMask, kAllDetectors, "0123#CM#11111111#", kGlobal},
        Case{"delayed none", composeDelayedMask, kNoDetector, "0123#CMZ#00000000#", kDelayed},
        Case{"delayed C3", composeDelayedMask, kOnlyC3, "0123#CMZ#00100000#", kDelayed},
        Case{"delayed all", composeDelayedMask, kAllDetectors, "0123#CMZ#11111111#", kDelayed},
        Case{"zone none", composeZoneMask, kNoDetector, "0123#CMW#00000000#", kZone},
        Case{"zone C8", composeZoneMask, kOnlyC8, "0123#CMW#00000001#", kZone},
        Case{"zone all but C4", composeZoneMask, kAllButC4, "0123#CMW#11101111#", kZone},
        Case{"program no siren", composeSirenProgramming, kNoSiren, "", "Wybierz syrenę do wprogramowania"},
        Case{"program S1", composeSirenProgramming, kOnlyS1, "0123#o#1#", kProgramSiren},
        Case{"program S2", composeSirenProgramming, kOnlyS2, "0123#o#2#", kProgramSiren},
        Case{"remove no siren", composeSirenRemoval, kNoSiren, "",
             "Wybierz co najmniej jedną syrenę do usunięcia z systemu"},
        Case{"remove S1", composeSirenRemoval, kOnlyS1, "0123#ON#1#", kRemoveSiren},
        Case{"remove S2", composeSirenRemoval, kOnlyS2, "0123#ON#2#", kRemoveSiren},
        Case{"siren mask none", composeSirenMask, kNoSiren, "0123#CM#00#", kSirenMask},
        Case{"siren mask S2", composeSirenMask, kOnlyS2, "0123#CM#01#", kSirenMask},
        Case{"siren mask S1", composeSirenMask, kOnlyS1, "0123#CM#10#", kSirenMask},
        Case{"siren mask both", composeSirenMask, kBothSirens, "0123#CM#11#", kSirenMask}),
    [](const testing::TestParamInfo<Case>& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            if (c == ' ') {
                c = '_';
            }
        }
        return name;
    });

// Siren removal has no remove-all form: both sirens are named, never "W#".
TEST(SirenRemoval, BothSirensAreListed)
{
    EXPECT_EQ(composeSirenRemoval("0123", kBothSirens).command->message, "0123#ON#1#2#");
}

TEST(Detectors, TheIkuCodeLeadsEveryMessage)
{
    EXPECT_EQ(composeDetectorProgramming("9876", kOnlyC3).command->message, "9876#C#3#");
    EXPECT_EQ(composeSirenMask("0001", kNoSiren).command->message, "0001#CM#00#");
}

} // namespace
