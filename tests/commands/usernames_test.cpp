#include "usernames.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

struct NameCase {
    std::size_t user;
    std::string name;
    std::string message;
};

class UserName : public testing::TestWithParam<NameCase> {};

TEST_P(UserName, ComposesTheNameAsTyped)
{
    const NameCase& c = GetParam();
    EXPECT_EQ(composeUserName("0123", c.user, c.name),
              Outcome::composed({c.message, "Definiowanie nazw użytkowników", "Wyślij SMS o treści:"}));
}

INSTANTIATE_TEST_SUITE_P(Names, UserName,
                         testing::Values(NameCase{1, "Jan", "0123#RI#1#Jan#"},
                                         NameCase{3, "Anna Kowalska", "0123#RI#3#Anna Kowalska#"},
                                         NameCase{10, "Piotr", "0123#RI#10#Piotr#"},
                                         NameCase{2, "   ", "0123#RI#2#   #"}, NameCase{4, " Ola ", "0123#RI#4# Ola #"},
                                         NameCase{5, "{|}", "0123#RI#5#{|}#"},
                                         NameCase{9, "ABCDEFGHIJKLMNOPQRST", "0123#RI#9#ABCDEFGHIJKLMNOPQRST#"}));

TEST(UserNameEmpty, ComposesNothingAndReportsNothing)
{
    EXPECT_EQ(composeUserName("0123", 1, ""), Outcome::nothing());
    EXPECT_EQ(composeUserName("0123", 10, ""), Outcome::nothing());
}

Ticks ticked(std::initializer_list<std::size_t> users)
{
    Ticks ticks(kNamedUsers, false);
    for (const std::size_t user : users) {
        ticks[user - 1] = true;
    }
    return ticks;
}

struct RemovalCase {
    const char* name;
    Ticks ticks;
    std::string message;
};

class UserNameRemoval : public testing::TestWithParam<RemovalCase> {};

TEST_P(UserNameRemoval, ListsTheTickedUsersOrUsesTheRemoveAllCode)
{
    const RemovalCase& c = GetParam();
    EXPECT_EQ(composeUserNameRemoval("0123", c.ticks),
              Outcome::composed({c.message, "Kasowanie nazw użytkowników", "Wyślij SMS o treści:"}));
}

INSTANTIATE_TEST_SUITE_P(
    Removals, UserNameRemoval,
    testing::Values(RemovalCase{"One", ticked({1}), "0123#RIN#1#"},
                    RemovalCase{"TenAndTwoInOrder", ticked({10, 2}), "0123#RIN#2#10#"},
                    RemovalCase{"AllButFirst", ticked({2, 3, 4, 5, 6, 7, 8, 9, 10}), "0123#RIN#2#3#4#5#6#7#8#9#10#"},
                    RemovalCase{"AllButLast", ticked({1, 2, 3, 4, 5, 6, 7, 8, 9}), "0123#RIN#1#2#3#4#5#6#7#8#9#"},
                    RemovalCase{"AllTen", Ticks(kNamedUsers, true), "0123#RN#"}),
    [](const testing::TestParamInfo<RemovalCase>& info) { return std::string(info.param.name); });

TEST(UserNameRemovalNone, IsRefused)
{
    EXPECT_EQ(composeUserNameRemoval("0123", Ticks(kNamedUsers, false)),
              Outcome::refused("Wybierz co najmniej jedną nazwę użytkownika do usunięcia z systemu"));
}

} // namespace
