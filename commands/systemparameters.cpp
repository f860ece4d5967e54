#include "systemparameters.h"

#include <string>

namespace velmora {
namespace {

struct ValueRow {
    const CommandForm& command;
    unsigned long maximum;
    std::string_view digitsMessage;
    std::string_view maximumMessage;
    std::string_view emptyMessage;
    std::string_view title;
};

const ValueRow& row(ValueSetting setting)
{
    static constexpr ValueRow kRows[] = {
        {kDailySmsLimitCommand, 9999, "Dobowy limit wysyłanych SMS powinien zawierać tylko cyfry ",
         "Maxymalna wartość limitu SMS to 9999", "Podaj wartość Dobowego limitu SMS", "Definiowanie limitu SMS"},
        {kArmingTimeCommand, 9999, "Czas uzbrajania systemu powinien zawierać tylko cyfry ",
         "Maxymalna wartość czasu uzbrajania systemu to 9999", "Podaj wartość Czasu uzbrajania systemu",
         "Definiowanie czasu uzbrajania systemu"},
        {kDisarmingTimeCommand, 9999, "Czas rozbrajania systemu powinien zawierać tylko cyfry ",
         "Maxymalna wartość czasu rozbrajania systemu to 9999", "Podaj wartość czasu rozbrajania systemu",
         "Definiowanie czasu rozbrajania systemu"},
        {kBalanceCheckByQuantityCommand, 9999, "Ilościowe badanie stanu konta powinno zawierać tylko cyfry ",
         "Maxymalna wartość ilościowego badania stanu konta to 9999", "Podaj wartość ilościowego badania stanu konta",
         "Definiowanie ilościowego badania konta"},
        {kBalanceCheckByTimeCommand, 999, "Czasowe badanie stanu konta powinno zawierać tylko cyfry ",
         "Maxymalna wartość czasowego badania stanu konta to 999 dni", "Podaj wartość czasowego badania stanu konta",
         "Definiowanie okresu badania konta"},
    };
    return kRows[static_cast<std::size_t>(setting)];
}

Outcome composed(std::string message, std::string_view title)
{
    return Outcome::composed({std::move(message), std::string(title), std::string(kSendToUnitPrompt)});
}

} // namespace

DigitsAndValue valueRule(ValueSetting setting)
{
    const ValueRow& r = row(setting);
    return DigitsAndValue{.digitsMessage = std::string(r.digitsMessage),
                          .minimum = 0,
                          .maximum = r.maximum,
                          .rangeMessage = std::string(r.maximumMessage),
                          .outOfRange = Refusal::Repair::SetTo,
                          .bound = std::to_string(r.maximum)};
}

Outcome composeValue(ValueSetting setting, std::string_view iku, std::string_view value)
{
    const ValueRow& r = row(setting);
    if (value.empty()) {
        return Outcome::refused(std::string(r.emptyMessage));
    }
    return composed(Message(iku, r.command).arg(value).text(), r.title);
}

TextAndLength balanceCheckNumberRule()
{
    return TextAndLength{TextAndLength::kNoLimit, "", "Numer badania stanu konta zawiera niedozwolony znak",
                         /*forbidHash*/ false, /*highestCode*/ 255};
}

Outcome composeBalanceCheckNumber(std::string_view iku, std::string_view number)
{
    if (number.empty()) {
        return Outcome::refused("Podaj numer Badania stanu konta");
    }
    return composed(Message(iku, kBalanceCheckNumberCommand).arg(number).text(),
                    "Definiowanie numeru badania stanu konta");
}

Outcome composeNotificationMask(std::string_view iku, const Ticks& users)
{
    return composed(Message(iku, kNotificationMaskCommand).arg(maskDigits(users)).text(),
                    "Definiowanie maski zawiadomienia o uzbrojeniu rozbrojeniu");
}

Outcome composeEcho(std::string_view iku, bool on)
{
    return composed(Message(iku, kEchoCommand).arg(on ? "1" : "0").text(), "Definiowanie opcji echo");
}

Outcome composeServiceMode(std::string_view iku)
{
    return composed(Message(iku, kServiceModeCommand).text(), "Definiowanie trybu serwisowego");
}

Outcome composeFactorySettings(std::string_view iku)
{
    return composed(Message(iku, kFactorySettingsCommand).text(), "Przywracanie ustawień fabrycznych");
}

} // namespace velmora
