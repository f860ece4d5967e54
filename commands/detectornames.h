#pragma once

#include "message.h"
#include "rules.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace velmora {

inline constexpr int kDetectorNameCount = 8;
inline constexpr std::size_t kDetectorNameLimit = 100;
inline constexpr std::size_t kHeaderLimit = 50;

inline constexpr std::string_view kDetectorNameLengthMessage = "Definicja nazwy czujki nie może przekraczać 100 znaków";
inline constexpr std::string_view kHeaderLengthMessage =
    "Definicja nazwy nagłówka komunikatu nie może przekraczać 50 znakow";
// Names and the header share one plain-text message.
inline constexpr std::string_view kDetectorNamePlainTextMessage =
    "Treść nazwy czujki nie może zawierać polskich znaków i znaku:#";

// The rules of the eight detector name fields and of the header field: a too long text is restored before
// its box, a forbidden character (above code 125, or "#") after it.
TextAndLength detectorNameRule();
TextAndLength headerRule();

// The name of detector `detector` (1 to 8): IKU, "#MCI#", the number, "#", the name, "#". An empty name
// composes nothing and says nothing.
inline constexpr CommandForm kDetectorNameCommand{"MCI",
                                                  {{Field::Number, "numer czujki"}, {Field::Name, "nazwa czujki"}}};
Outcome composeDetectorName(std::string_view iku, int detector, std::string_view name);

// The removal of the names of the ticked detectors: IKU, "#CIN#", then the selection list.
inline constexpr CommandForm kNameRemovalCommand{"CIN", {{Field::Selection, "numery czujek, których nazwy usunąć"}}};
Outcome composeNameRemoval(std::string_view iku, const Ticks& ticks);

// The message header: IKU, "#N#", the header, "#". An empty header is composed too.
inline constexpr CommandForm kHeaderCommand{"N", {{Field::Name, "nagłówek komunikatów SMS"}}};
Outcome composeHeader(std::string_view iku, std::string_view header);

// This page's commands, as the plan file's check knows them (composedCommands, grammar.h).
inline constexpr std::array kDetectorNamesCommands = {&kDetectorNameCommand, &kNameRemovalCommand, &kHeaderCommand};

} // namespace velmora
