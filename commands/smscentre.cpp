#include "smscentre.h"

namespace velmora {

Outcome composeSmsCentre(std::string_view iku, std::string_view number)
{
    if (number.empty()) {
        return Outcome::refused("Podaj numer Centrum SMS");
    }
    return Outcome::composed(
        {Message(iku, "0").arg(number).text(), "Definiowanie Centrum SMS", std::string(kSendToUnitPrompt)});
}

} // namespace velmora
