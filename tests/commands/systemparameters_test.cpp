#include "composertest.h"
#include "systemparameters.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(ValueSettings, EachFieldHasItsCommandTextsAndLimit)
{
    struct Row {
        ValueSetting setting;
        std::string message;
        std::string title;
        std::string emptyMessage;
        std::string digitsMessage;
        unsigned long maximum;
        std::string maximumMessage;
    };
    const Row rows[] = {
        {ValueSetting::DailySmsLimit, "0123#L#0007#", "Definiowanie limitu SMS", "Podaj wartość Dobowego limitu SMS",
         "Dobowy limit wysyłanych SMS powinien zawierać tylko cyfry ", 9999, "Maxymalna wartość limitu SMS to 9999"},
        {ValueSetting::ArmingTime, "0123#TU#0007#", "Definiowanie czasu uzbrajania systemu",
         "Podaj wartość Czasu uzbrajania systemu", "Czas uzbrajania systemu powinien zawierać tylko cyfry ", 9999,
         "Maxymalna wartość czasu uzbrajania systemu to 9999"},
        {ValueSetting::DisarmingTime, "0123#TR#0007#", "Definiowanie czasu rozbrajania systemu",
         "Podaj wartość czasu rozbrajania systemu", "Czas rozbrajania systemu powinien zawierać tylko cyfry ", 9999,
         "Maxymalna wartość czasu rozbrajania systemu to 9999"},
        {ValueSetting::BalanceCheckByQuantity, "0123#NK#0007#", "Definiowanie ilościowego badania konta",
         "Podaj wartość ilościowego badania stanu konta", "Ilościowe badanie stanu konta powinno zawierać tylko cyfry ",
         9999, "Maxymalna wartość ilościowego badania stanu konta to 9999"},
        {ValueSetting::BalanceCheckByTime, "0123#TK#0007#", "Definiowanie okresu badania konta",
         "Podaj wartość czasowego badania stanu konta", "Czasowe badanie stanu konta powinno zawierać tylko cyfry ",
         999, "Maxymalna wartość czasowego badania stanu konta to 999 dni"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(composeValue(row.setting, "0123", "0007"), sent(row.message, row.title));
        EXPECT_EQ(composeValue(row.setting, "0123", ""), Outcome::refused(row.emptyMessage));
        expectWiring({valueRule(row.setting), row.digitsMessage, 0, row.maximum, row.maximumMessage,
                      std::to_string(row.maximum)});
    }
}

TEST(BalanceCheckNumber, FollowsTheCodeDirectlyWithNothingAdded)
{
    EXPECT_EQ(composeBalanceCheckNumber("0123", "*100#"),
              sent("0123#K*100#", "Definiowanie numeru badania stanu konta"));
    EXPECT_EQ(composeBalanceCheckNumber("0123", ""), Outcome::refused("Podaj numer Badania stanu konta"));
}

TEST(BalanceCheckNumber, TakesAnyTextOfTheCodePageAtAnyLength)
{
    const TextAndLength rule = balanceCheckNumberRule();
    EXPECT_FALSE(rule("*100#ą~"));
    EXPECT_FALSE(rule(std::string(200, '1')));
    EXPECT_EQ(rule("*100中#"), (Refusal{"Numer badania stanu konta zawiera niedozwolony znak", Refusal::Repair::Restore,
                                        Refusal::Order::BoxThenRepair, ""}));
}

TEST(SystemOptions, MaskEchoServiceModeAndFactorySettings)
{
    EXPECT_EQ(composeNotificationMask("0123", allBut(10, 3)),
              sent("0123#Z#1101111111#", "Definiowanie maski zawiadomienia o uzbrojeniu rozbrojeniu"));
    EXPECT_EQ(composeEcho("0123", true), sent("0123#E#1#", "Definiowanie opcji echo"));
    EXPECT_EQ(composeEcho("0123", false), sent("0123#E#0#", "Definiowanie opcji echo"));
    EXPECT_EQ(composeServiceMode("0123"), sent("0123#S#", "Definiowanie trybu serwisowego"));
    EXPECT_EQ(composeFactorySettings("0123"), sent("0123#F#", "Przywracanie ustawień fabrycznych"));
}
