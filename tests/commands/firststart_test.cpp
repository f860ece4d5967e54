#include "composertest.h"
#include "firststart.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace velmora;

namespace {

const std::string kIkuMissing = "Wpisz kod IKU  zawierający cztery cyfry";
const std::string kCentrePrefix = "Numer Centrum SMS musi rozpoczynać się od przedrostka \"48\". ";
const std::string kNoUser =
    "Podaj numer telefonu dla co najmniej jednego użytkownika. Numer musi zaczynać się od cyfr: 48";
// Without "się", for user 1 too.
const std::string kUserPrefix =
    "Numer telefonu musi rozpoczynać od przedrostka \"48\". Na przykład jeśli numer telefonu "
    "ma postać: 601123456 to należy wpisać: 48601123456";

} // namespace

TEST(FirstStartCentre, NeedsTheIkuCodeAndThe48Prefix)
{
    EXPECT_EQ(composeFirstStartCentre("0123", "48501200777"), sent("0123#0#48501200777#", "Definiowanie Centrum SMS"));
    EXPECT_EQ(composeFirstStartCentre("9999", "48"), sent("9999#0#48#", "Definiowanie Centrum SMS"));
    EXPECT_EQ(composeFirstStartCentre("012", "601000310"), Outcome::refused(kIkuMissing));
    EXPECT_EQ(composeFirstStartCentre("0123", ""), Outcome::refused("Podaj numer Centrum SMS"));
    EXPECT_EQ(composeFirstStartCentre("0123", "4"), Outcome::refused(kCentrePrefix));
    EXPECT_EQ(composeFirstStartCentre("0123", "84501200777"), Outcome::refused(kCentrePrefix));
}

TEST(FirstStartUsers, EachNumberStandsAtItsUsersPosition)
{
    const std::string title = "Definiowanie numerów użytkowników";
    EXPECT_EQ(composeFirstStartUsers("0123", {"", "", "48601123456", "", ""}), sent("0123#G###48601123456###", title));
    EXPECT_EQ(composeFirstStartUsers("0123", {"", "", "", "", "48"}), sent("0123#G#####48#", title));
    EXPECT_EQ(composeFirstStartUsers("0123", {"481", "482", "483", "484", "485"}),
              sent("0123#G#481#482#483#484#485#", title));
}

TEST(FirstStartUsers, RefusalsInTheirOrder)
{
    struct Row {
        std::string iku;
        UserNumbers numbers;
        std::vector<std::string> refusals;
    };
    const Row rows[] = {
        {"123", {"", "6", "", "", ""}, {kIkuMissing}},
        {"0123", {"", "", "", "", ""}, {kNoUser}},
        // With no number given, user 1 has been judged: only users 2 to 5 get their prefix boxes.
        {"0123", {"4", "", "", "", ""}, {kNoUser}},
        {"0123", {"", "5", "4", "", ""}, {kNoUser, kUserPrefix, kUserPrefix}},
        {"0123", {"601123456", "", "", "", ""}, {kUserPrefix}},
        {"0123", {"48601", "4", "", "84", "48"}, {kUserPrefix, kUserPrefix}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(composeFirstStartUsers(row.iku, row.numbers), (Outcome{row.refusals, std::nullopt}));
    }
}

TEST(FirstStartKeypadCode, ComposesTheTickedUserOrNothing)
{
    const std::string title = "Wprogramowywanie kodu klawiatury do systemu";
    EXPECT_EQ(composeFirstStartKeypadCode("0123", ticksOf(kKeypadUsers, {1})), sent("0123#A#1#", title));
    EXPECT_EQ(composeFirstStartKeypadCode("0123", ticksOf(kKeypadUsers, {10})), sent("0123#A#10#", title));
    EXPECT_EQ(composeFirstStartKeypadCode("0123", ticksOf(kKeypadUsers, {})), Outcome::nothing());
    EXPECT_EQ(composeFirstStartKeypadCode("012", ticksOf(kKeypadUsers, {})), Outcome::refused(kIkuMissing));
}
