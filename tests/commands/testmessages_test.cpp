#include "composertest.h"
#include "testmessages.h"

#include <gtest/gtest.h>
#include <string>

using namespace velmora;

namespace {

Outcome sms(std::string message, std::string title)
{
    return sent(std::move(message), std::move(title), kPromptSmsPlain);
}

} // namespace

TEST(TestMessages, ActivationsCopyTheFieldsAsTyped)
{
    EXPECT_EQ(composeTestSmsOn("0123", "05", "0030", "Alarm #1 {ok}"),
              sms("0123#TS#05#0030#Alarm #1 {ok}#", "Definiowanie SMS testowego"));
    EXPECT_EQ(composeTestClipOn("0123", "1", "9999"), sms("0123#TC#1#9999#", "Definiowanie CLIP testowego"));
}

TEST(TestMessages, ActivationsNeedEveryField)
{
    const Outcome smsRefused = Outcome::refused("Wypełnij wszystkie pola danych definicji SMS testowego ");
    EXPECT_EQ(composeTestSmsOn("0123", "", "30", "Test"), smsRefused);
    EXPECT_EQ(composeTestSmsOn("0123", "2", "", "Test"), smsRefused);
    EXPECT_EQ(composeTestSmsOn("0123", "2", "30", ""), smsRefused);
    const Outcome clipRefused = Outcome::refused("Wypełnij wszystkie pola danych definicji CLIP testowego ");
    EXPECT_EQ(composeTestClipOn("0123", "", "60"), clipRefused);
    EXPECT_EQ(composeTestClipOn("0123", "3", ""), clipRefused);
}

TEST(TestMessages, Deactivations)
{
    EXPECT_EQ(composeTestSmsOff("0123"), sms("0123#TS#0#0##", "Dezaktywacja opcji SMS testowego"));
    EXPECT_EQ(composeTestClipOff("0123"), sms("0123#TC#0#0#", "Dezaktywacja opcji CLIP testowego"));
}

TEST(TestMessages, ValueFieldsKeepTheirRangesAndRepairs)
{
    expectWiring({testUserIndexRule(), "Index użytkownika  powinien zawierać tylko cyfry ", 1, 5,
                  "Index uzytkownika powinien zawiera się w przedziale od 1 do 5", ""});
    expectWiring({testSmsPeriodRule(), "Okres wysyłanych SMS powinien zawierać tylko cyfry ", 1, 9999,
                  "Maxymalna wartość okresu wysylanych SMS to 9999 a minimalna 1", "1"});
    expectWiring({testClipPeriodRule(), "Okres wysyłanych CLIP powinien zawierać tylko cyfry ", 1, 9999,
                  "Maxymalna wartość okresu wysylanych CLIP to 9999 a minimalna 1", "1"});
}

TEST(TestMessages, TextTakesAHundredPlainCharactersHashIncluded)
{
    const TextAndLength rule = testTextRule();
    EXPECT_FALSE(rule(std::string(100, '#')));
    EXPECT_EQ(messageOf(rule(std::string(101, 'a'))), "Treść wiadomości testowej nie może przekraczać 100 znaków");
    EXPECT_EQ(messageOf(rule("~")), "Treść SMS testowego nie może zawierać polskich znaków");
}
