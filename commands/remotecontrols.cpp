#include "remotecontrols.h"

namespace velmora {
namespace {

// What tells one slot operation from its twin on the other row.
struct SlotOperation {
    std::string_view code;
    std::string_view title;
    std::string_view nothingTicked; // the error box when no slot is ticked
};

constexpr SlotOperation kRemote{"P", "Wprogramowywanie pilota do systemu", "Wybierz jednego uzytkownika"};
constexpr SlotOperation kKeypadCode{"A", "Wprogramowywanie kodu klawiatury do systemu", "Wybierz jednego użytkownika "};
constexpr SlotOperation kRemoteRemoval{"PN", "Usuwanie wybranych pilotów z systemu",
                                       "Wybierz co najmniej jednego pilota do usunięcia z systemu"};
constexpr SlotOperation kKeypadCodeRemoval{"AN", "Usuwanie wybranych kodów klawiatur  z systemu",
                                           "Wybierz co najmniej jedn kod klawiatury do usunięcia z systemu"};

Outcome composed(const Message& message, std::string_view title, std::string_view prompt = kSendSmsPrompt)
{
    return Outcome::composed({message.text(), std::string(title), std::string(prompt)});
}

// The row is one-of-N, so the list holds the one ticked slot.
Outcome programSlot(std::string_view iku, const Ticks& slots, const SlotOperation& operation)
{
    if (noneTicked(slots)) {
        return Outcome::refused(std::string(operation.nothingTicked));
    }
    return composed(Message(iku, operation.code).selection(slots), operation.title);
}

Outcome removeSlots(std::string_view iku, const Ticks& slots, const SlotOperation& operation)
{
    if (noneTicked(slots)) {
        return Outcome::refused(std::string(operation.nothingTicked));
    }
    return composed(Message(iku, operation.code).selectionOrAll(slots), operation.title);
}

} // namespace

Outcome composeRemote(std::string_view iku, const Ticks& slots)
{
    return programSlot(iku, slots, kRemote);
}

Outcome composeGroupRemotes(std::string_view iku)
{
    return composed(Message(iku, "P"), "Wprogramowywanie grupowe pilotów do systemu", "Wyślij SMS o tresći:");
}

Outcome composeRemoteRemoval(std::string_view iku, const Ticks& slots)
{
    return removeSlots(iku, slots, kRemoteRemoval);
}

Outcome composeKeypadCode(std::string_view iku, const Ticks& slots)
{
    return programSlot(iku, slots, kKeypadCode);
}

Outcome composeGroupKeypadCodes(std::string_view iku)
{
    return composed(Message(iku, "P"), "Wprogramowywanie grupowe klawiatur  do systemu");
}

Outcome composeKeypadCodeRemoval(std::string_view iku, const Ticks& slots)
{
    return removeSlots(iku, slots, kKeypadCodeRemoval);
}

Outcome composeDoorModuleAdd(std::string_view iku)
{
    return composed(Message(iku, "D"), "Wprogramowywanie modułu drzwi do systemu");
}

Outcome composeDoorModuleRemoval(std::string_view iku)
{
    return composed(Message(iku, "DN"), "Usunięcie modułu drzwi z systemu");
}

} // namespace velmora
