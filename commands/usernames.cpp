#include "usernames.h"

#include <string>

namespace velmora {
namespace {

Outcome composed(const Message& message, std::string_view title)
{
    return Outcome::composed({message.text(), std::string(title), std::string(kSendSmsPrompt)});
}

} // namespace

TextAndLength userNameRule()
{
    return TextAndLength{.limit = kUserNameLimit,
                         .lengthMessage = std::string(kUserNameLengthMessage),
                         .plainTextMessage = std::string(kUserNamePlainTextMessage),
                         .forbidHash = true};
}

Outcome composeUserName(std::string_view iku, std::size_t user, std::string_view name)
{
    if (name.empty()) {
        return Outcome::nothing();
    }
    return composed(Message(iku, kUserNameCommand).arg(std::to_string(user)).arg(name), kUserNamesTitle);
}

Outcome composeUserNameRemoval(std::string_view iku, const Ticks& ticks)
{
    if (noneTicked(ticks)) {
        return Outcome::refused("Wybierz co najmniej jedną nazwę użytkownika do usunięcia z systemu");
    }
    // With every user chosen the unit takes a code of its own, without a list.
    const Message message = allTicked(ticks) ? Message(iku, kAllUserNamesRemovalCommand)
                                             : Message(iku, kUserNameRemovalCommand).selection(ticks);
    return composed(message, kUserNamesRemovalTitle);
}

} // namespace velmora
