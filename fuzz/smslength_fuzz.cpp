// The SMS length of any text: encoding, length, message count and the line shown under a command.
#include "check.h"
#include "encoding.h"
#include "reference.h"
#include "smslength.h"

#include <string>
#include <string_view>

using namespace velmora;
using namespace velmora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SmsLength sms = measureSms(text);
    const std::size_t characters = characterCount(text);

    if (sms.encoding == SmsLength::Encoding::Ucs2) {
        require(sms.ucs2Reason.has_value() && sms.limit == 70, "UCS-2 names its cause, 70 to a message", text);
        if (decodeUtf8(text)) {
            require(sms.length == utf16Units(text), "UCS-2 counts UTF-16 units", text);
        }
    } else {
        require(!sms.ucs2Reason && sms.limit == 160, "the GSM alphabet has 160 to a message", text);
        require(sms.length >= characters && sms.length <= 2 * characters,
                "a GSM character takes one septet or two with its escape", text);
    }
    require((sms.length == 0) == (sms.messages == 0), "only an empty text needs no message", text);
    require(sms.fitsOneSms() == (sms.length <= sms.limit), "one SMS holds up to the limit", text);
    const std::size_t part = sms.encoding == SmsLength::Encoding::Ucs2 ? 67 : 153;
    require(sms.messages <= 1 || (sms.messages * part >= sms.length && (sms.messages - 1) * part < sms.length),
            "a long text takes as many parts as it fills", text);

    const std::string line = describeSmsLength(sms);
    require(decodeUtf8(line).has_value() && line.starts_with("Długość: " + std::to_string(sms.length) + " z "),
            "the length line is well-formed and states the length", line);
    return 0;
}
