#include "smscentre.h"

namespace velmora {

DigitsAndLength smsCentreNumberRule()
{
    return {std::string(kSmsCentreDigitsMessage), kPhoneNumberLimit, std::string(kSmsCentreLengthMessage)};
}

Outcome composeSmsCentre(std::string_view iku, std::string_view number)
{
    if (number.empty()) {
        return Outcome::refused("Podaj numer Centrum SMS");
    }
    return Outcome::composed({Message(iku, kSmsCentreCommand).arg(number).text(), "Definiowanie Centrum SMS",
                              std::string(kSendToUnitPrompt)});
}

} // namespace velmora
