#include "testmessages.h"

#include <string>

namespace velmora {
namespace {

constexpr unsigned long kLongestPeriod = 9999;
constexpr std::size_t kTestTextLimit = 100;

Command testCommand(const Message& message, std::string_view title)
{
    return {message.text(), std::string(title), std::string(kSendSmsPromptPlain)};
}

DigitsAndValue periodRule(std::string_view digitsMessage, std::string_view rangeMessage)
{
    return {std::string(digitsMessage), 1, kLongestPeriod, std::string(rangeMessage), Refusal::Repair::SetTo, "1"};
}

} // namespace

DigitsAndValue testUserIndexRule()
{
    return {"Index użytkownika  powinien zawierać tylko cyfry ",
            1,
            5,
            "Index uzytkownika powinien zawiera się w przedziale od 1 do 5",
            Refusal::Repair::Empty,
            ""};
}

DigitsAndValue testSmsPeriodRule()
{
    return periodRule("Okres wysyłanych SMS powinien zawierać tylko cyfry ",
                      "Maxymalna wartość okresu wysylanych SMS to 9999 a minimalna 1");
}

DigitsAndValue testClipPeriodRule()
{
    return periodRule("Okres wysyłanych CLIP powinien zawierać tylko cyfry ",
                      "Maxymalna wartość okresu wysylanych CLIP to 9999 a minimalna 1");
}

TextAndLength testTextRule()
{
    return {kTestTextLimit, "Treść wiadomości testowej nie może przekraczać 100 znaków",
            "Treść SMS testowego nie może zawierać polskich znaków", false};
}

Outcome composeTestSmsOn(std::string_view iku, std::string_view userIndex, std::string_view period,
                         std::string_view text)
{
    if (userIndex.empty() || period.empty() || text.empty()) {
        return Outcome::refused("Wypełnij wszystkie pola danych definicji SMS testowego ");
    }
    return Outcome::composed(
        testCommand(Message(iku, kTestSmsCommand).arg(userIndex).arg(period).arg(text), "Definiowanie SMS testowego"));
}

Outcome composeTestClipOn(std::string_view iku, std::string_view userIndex, std::string_view period)
{
    if (userIndex.empty() || period.empty()) {
        return Outcome::refused("Wypełnij wszystkie pola danych definicji CLIP testowego ");
    }
    return Outcome::composed(
        testCommand(Message(iku, kTestClipCommand).arg(userIndex).arg(period), "Definiowanie CLIP testowego"));
}

Outcome composeTestSmsOff(std::string_view iku)
{
    return Outcome::composed(
        testCommand(Message(iku, kTestSmsCommand).arg("0").arg("0").arg(""), "Dezaktywacja opcji SMS testowego"));
}

Outcome composeTestClipOff(std::string_view iku)
{
    return Outcome::composed(
        testCommand(Message(iku, kTestClipCommand).arg("0").arg("0"), "Dezaktywacja opcji CLIP testowego"));
}

} // namespace velmora
