#pragma once

#include "message.h"
#include "rules.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace velmora {

inline constexpr std::size_t kNamedUsers = 10;

inline constexpr std::size_t kUserNameLimit = 20;
inline constexpr std::string_view kUserNameLengthMessage = "Definicja nazwy użytkownika nie może przekraczać 20 znakow";
inline constexpr std::string_view kUserNamePlainTextMessage =
    "Treść nazwy użytkownika nie może zawierać polskich znaków i znaku:#";

inline constexpr std::string_view kUserNamesTitle = "Definiowanie nazw użytkowników";
inline constexpr std::string_view kUserNamesRemovalTitle = "Kasowanie nazw użytkowników";

// The rule of every user name field: at most 20 characters, plain text without "#".
TextAndLength userNameRule();

// The name of user `user` (1 to 10): IKU, "#RI#", the user number, "#", the name exactly as typed, "#".
// An empty name composes nothing and reports nothing.
inline constexpr CommandForm kUserNameCommand{
    "RI", {{Field::Number, "numer użytkownika"}, {Field::Name, "nazwa użytkownika"}}};
Outcome composeUserName(std::string_view iku, std::size_t user, std::string_view name);

// Removes the names of the ticked users: IKU, "#RIN#" and the list, or IKU and "#RN#" alone when all ten
// are ticked.
inline constexpr CommandForm kUserNameRemovalCommand{"RIN",
                                                     {{Field::Selection, "numery użytkowników, których nazwy usunąć"}}};
inline constexpr CommandForm kAllUserNamesRemovalCommand{
    "RN",
    {},
    {Wipes::Always, "Centrala usunie nazwy wszystkich dziesięciu użytkowników: trzeba je będzie wpisać od nowa."}};
Outcome composeUserNameRemoval(std::string_view iku, const Ticks& ticks);

// This page's commands, as the plan file's check knows them (composedCommands, grammar.h).
inline constexpr std::array kUserNamesCommands = {&kUserNameCommand, &kUserNameRemovalCommand,
                                                  &kAllUserNamesRemovalCommand};

} // namespace velmora
