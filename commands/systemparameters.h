#pragma once

#include "message.h"
#include "rules.h"

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

// The setting's command: IKU, its code, the value as typed (leading zeros kept), "#".
Outcome composeValue(ValueSetting setting, std::string_view iku, std::string_view value);

// The balance check number takes any text the unit can receive, "#" included.
TextAndLength balanceCheckNumberRule();

// IKU, "#K", then the number exactly as typed: the user types the operator's code with its own "#".
Outcome composeBalanceCheckNumber(std::string_view iku, std::string_view number);

// Which of users U1 to U10 are told when the system is armed or disarmed: IKU, "#Z#", ten mask digits, "#".
Outcome composeNotificationMask(std::string_view iku, const Ticks& users);

// Whether the unit echoes every SMS it receives to the first user: IKU, "#E#", "1#" or "0#".
Outcome composeEcho(std::string_view iku, bool on);

Outcome composeServiceMode(std::string_view iku);
Outcome composeFactorySettings(std::string_view iku);

} // namespace velmora
