#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// How a phone will send a command as an SMS. The unit reads single messages only, so a command must fit one
// SMS, and should keep to the GSM 03.38 default alphabet: one character outside it makes the phone send the
// whole text as UCS-2, with 70 characters to a message instead of 160.
struct SmsLength {
    enum class Encoding { Gsm7, Ucs2 };

    Encoding encoding = Encoding::Gsm7;
    std::size_t length = 0; // septets (GSM, extension characters count twice) or UTF-16 units (UCS-2)
    std::size_t characters = 0;
    std::size_t limit = 160; // of one message in that encoding
    std::size_t messages = 0;
    std::optional<char32_t> ucs2Reason; // the first character outside the GSM alphabet

    bool fitsOneSms() const { return messages <= 1; }
    // What the user should be warned of: too long for one SMS, or sent as UCS-2.
    bool isWarning() const { return !fitsOneSms() || encoding == Encoding::Ucs2; }
};

SmsLength measureSms(std::string_view utf8);

// The line shown under a command, in Polish, e.g. "Długość: 23 z 160 znaków (1 SMS)". When extension characters
// count twice, the length is given in places of the SMS, beside the number of characters, so that 184 places of
// a 100-character command do not read as 184 characters.
std::string describeSmsLength(const SmsLength& length);

} // namespace velmora
