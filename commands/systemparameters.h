#pragma once

#include "message.h"
#include "rules.h"

#include <array>
#include <string_view>

namespace velmora {

// The numeric settings, each typed into its own field and sent with its own command.
enum class ValueSetting {
    DailySmsLimit,
    ArmingTime,
    DisarmingTime,
    BalanceCheckByQuantity,
    BalanceCheckByTime, // in days
};

// Digits only, and no value above the setting's maximum; a larger value is cut to the maximum.
DigitsAndValue valueRule(ValueSetting setting);

// The settings' commands, in the order above: IKU, the setting's code, the value as typed (leading zeros kept), "#".
inline constexpr CommandForm kDailySmsLimitCommand{"L", {{Field::Number, "dobowy limit SMS"}}};
inline constexpr CommandForm kArmingTimeCommand{"TU", {{Field::Number, "czas uzbrajania systemu"}}};
inline constexpr CommandForm kDisarmingTimeCommand{"TR", {{Field::Number, "czas rozbrajania systemu"}}};
inline constexpr CommandForm kBalanceCheckByQuantityCommand{"NK", {{Field::Number, "ilościowe badanie stanu konta"}}};
inline constexpr CommandForm kBalanceCheckByTimeCommand{"TK", {{Field::Number, "czasowe badanie stanu konta"}}};
Outcome composeValue(ValueSetting setting, std::string_view iku, std::string_view value);

// The balance check number takes any text the unit can receive, "#" included.
TextAndLength balanceCheckNumberRule();

// IKU, "#K", then the number exactly as typed: the user types the operator's code with its own "#".
inline constexpr CommandForm kBalanceCheckNumberCommand{
    "K", {FieldForm::typed(balanceCheckNumberRule, "numer badania stanu konta")}};
Outcome composeBalanceCheckNumber(std::string_view iku, std::string_view number);

// Which of users U1 to U10 are told when the system is armed or disarmed: IKU, "#Z#", ten mask digits, "#".
inline constexpr CommandForm kNotificationMaskCommand{
    "Z", {{Field::Mask, "maska zawiadamiania o uzbrojeniu i rozbrojeniu"}}};
Outcome composeNotificationMask(std::string_view iku, const Ticks& users);

// Whether the unit echoes every SMS it receives to the first user: IKU, "#E#", "1#" or "0#".
inline constexpr CommandForm kEchoCommand{"E", {{Field::Number, "opcja ECHO"}}};
Outcome composeEcho(std::string_view iku, bool on);

inline constexpr CommandForm kServiceModeCommand{"S", {}};
inline constexpr CommandForm kFactorySettingsCommand{
    "F",
    {},
    {Wipes::Always, "Centrala wróci do ustawień fabrycznych: straci wszystko, co do niej wpisano, w tym numery i nazwy "
                    "użytkowników, czujki, piloty i kody klawiatur."}};
Outcome composeServiceMode(std::string_view iku);
Outcome composeFactorySettings(std::string_view iku);

// This page's commands, as the plan file's check knows them (composedCommands, grammar.h).
inline constexpr std::array kSystemParametersCommands = {&kDailySmsLimitCommand,      &kArmingTimeCommand,
                                                         &kDisarmingTimeCommand,      &kBalanceCheckByQuantityCommand,
                                                         &kBalanceCheckByTimeCommand, &kBalanceCheckNumberCommand,
                                                         &kNotificationMaskCommand,   &kEchoCommand,
                                                         &kServiceModeCommand,        &kFactorySettingsCommand};

} // namespace velmora
