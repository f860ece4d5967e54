#include "composertest.h"
#include "usernames.h"

#include <gtest/gtest.h>
#include <string>

using namespace velmora;

namespace {

const std::string kTitle = "Definiowanie nazw użytkowników";
const std::string kRemovalTitle = "Kasowanie nazw użytkowników";

Outcome sms(std::string message, std::string title)
{
    return sent(std::move(message), std::move(title), kPromptSms);
}

} // namespace

TEST(UserName, ComposesTheNameAsTypedOrNothingWhenEmpty)
{
    EXPECT_EQ(composeUserName("0123", 1, "Jan"), sms("0123#RI#1#Jan#", kTitle));
    EXPECT_EQ(composeUserName("0123", 10, " Ola {|}"), sms("0123#RI#10# Ola {|}#", kTitle));
    EXPECT_EQ(composeUserName("0123", 1, ""), Outcome::nothing());
    EXPECT_EQ(composeUserName("0123", 10, ""), Outcome::nothing());
}

TEST(UserNameRemoval, ListsTheTickedUsersOrUsesTheRemoveAllCode)
{
    EXPECT_EQ(composeUserNameRemoval("0123", ticksOf(kNamedUsers, {10, 2})), sms("0123#RIN#2#10#", kRemovalTitle));
    EXPECT_EQ(composeUserNameRemoval("0123", allBut(kNamedUsers, 10)),
              sms("0123#RIN#1#2#3#4#5#6#7#8#9#", kRemovalTitle));
    EXPECT_EQ(composeUserNameRemoval("0123", Ticks(kNamedUsers, true)), sms("0123#RN#", kRemovalTitle));
    EXPECT_EQ(composeUserNameRemoval("0123", Ticks(kNamedUsers, false)),
              Outcome::refused("Wybierz co najmniej jedną nazwę użytkownika do usunięcia z systemu"));
}
