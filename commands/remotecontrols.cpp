#include "remotecontrols.h"

namespace velmora {
namespace {

// The rows are one-of-N, so programming lists the one ticked slot.
constexpr TickedOperation kRemote{kRemoteCommand, "Wprogramowywanie pilota do systemu", kSendSmsPrompt,
                                  "Wybierz jednego uzytkownika"};
constexpr TickedOperation kKeypadCode{kKeypadCodeCommand, "Wprogramowywanie kodu klawiatury do systemu", kSendSmsPrompt,
                                      "Wybierz jednego użytkownika "};
constexpr TickedOperation kRemoteRemoval{kRemoteRemovalCommand, "Usuwanie wybranych pilotów z systemu", kSendSmsPrompt,
                                         "Wybierz co najmniej jednego pilota do usunięcia z systemu"};
constexpr TickedOperation kKeypadCodeRemoval{kKeypadCodeRemovalCommand, "Usuwanie wybranych kodów klawiatur  z systemu",
                                             kSendSmsPrompt,
                                             "Wybierz co najmniej jedn kod klawiatury do usunięcia z systemu"};

Outcome composed(std::string_view iku, const CommandForm& command, std::string_view title,
                 std::string_view prompt = kSendSmsPrompt)
{
    return Outcome::composed({Message(iku, command).text(), std::string(title), std::string(prompt)});
}

} // namespace

Outcome composeRemote(std::string_view iku, const Ticks& slots)
{
    return composeTicked(iku, slots, kRemote);
}

Outcome composeGroupRemotes(std::string_view iku)
{
    return composed(iku, kGroupProgrammingCommand, "Wprogramowywanie grupowe pilotów do systemu",
                    "Wyślij SMS o tresći:");
}

Outcome composeRemoteRemoval(std::string_view iku, const Ticks& slots)
{
    return composeTickedOrAll(iku, slots, kRemoteRemoval);
}

Outcome composeKeypadCode(std::string_view iku, const Ticks& slots)
{
    return composeTicked(iku, slots, kKeypadCode);
}

Outcome composeGroupKeypadCodes(std::string_view iku)
{
    return composed(iku, kGroupProgrammingCommand, "Wprogramowywanie grupowe klawiatur  do systemu");
}

Outcome composeKeypadCodeRemoval(std::string_view iku, const Ticks& slots)
{
    return composeTickedOrAll(iku, slots, kKeypadCodeRemoval);
}

Outcome composeDoorModuleAdd(std::string_view iku)
{
    return composed(iku, kDoorModuleAddCommand, "Wprogramowywanie modułu drzwi do systemu");
}

Outcome composeDoorModuleRemoval(std::string_view iku)
{
    return composed(iku, kDoorModuleRemovalCommand, "Usunięcie modułu drzwi z systemu");
}

} // namespace velmora
