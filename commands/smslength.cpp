#include "smslength.h"

#include "encoding.h"

#include <algorithm>
#include <array>

namespace velmora {
namespace {

constexpr std::size_t kGsmSingle = 160;
constexpr std::size_t kGsmPart = 153; // a part of a concatenated message loses 7 septets to its header
constexpr std::size_t kUcs2Single = 70;
constexpr std::size_t kUcs2Part = 67;

// The basic table of the GSM 03.38 default alphabet, besides the ASCII letters, digits and the characters
// below, which share their ASCII codes.
constexpr std::u32string_view kBasicNonAscii = U"£¥èéùìòÇØøÅåΔΦΓΛΩΠΨΣΘΞÆæßÉ¤¡ÄÖÑÜ§¿äöñüà";
constexpr std::string_view kBasicAsciiSymbols = " !\"#%&'()*+,-./:;<=>?@_$\n\r";
// The extension table: each costs an escape and the character itself.
constexpr std::u32string_view kExtension = U"[\\]^{|}~€";

bool isAsciiLetterOrDigit(char32_t c)
{
    return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

// Septets a character takes in the default alphabet, or 0 when it is not in it.
std::size_t gsmSeptets(char32_t c)
{
    if (isAsciiLetterOrDigit(c) ||
        (c < 0x80 && kBasicAsciiSymbols.find(static_cast<char>(c)) != std::string_view::npos) ||
        kBasicNonAscii.find(c) != std::u32string_view::npos) {
        return 1;
    }
    return kExtension.find(c) != std::u32string_view::npos ? 2 : 0;
}

std::size_t messagesFor(std::size_t length, std::size_t single, std::size_t part)
{
    if (length == 0) {
        return 0;
    }
    return length <= single ? 1 : (length + part - 1) / part;
}

std::string utf8Of(char32_t c)
{
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::string nameOf(char32_t c)
{
    if (c == Utf8Reader::kInvalid) {
        return "niepoprawny bajt";
    }
    if (c < 0x20 || c == 0x7F) {
        return "znak sterujący";
    }
    return "znak „" + utf8Of(c) + "”";
}

} // namespace

SmsLength measureSms(std::string_view utf8)
{
    SmsLength result;
    std::size_t septets = 0;
    std::size_t utf16Units = 0;
    for (Utf8Reader reader(utf8); !reader.atEnd();) {
        const char32_t c = reader.next();
        ++result.characters;
        utf16Units += (c != Utf8Reader::kInvalid && c > 0xFFFF) ? 2 : 1;
        const std::size_t cost = gsmSeptets(c);
        if (cost == 0 && !result.ucs2Reason) {
            result.ucs2Reason = c;
        }
        septets += cost;
    }
    if (result.ucs2Reason) {
        result.encoding = SmsLength::Encoding::Ucs2;
        result.length = utf16Units;
        result.limit = kUcs2Single;
        result.messages = messagesFor(utf16Units, kUcs2Single, kUcs2Part);
    } else {
        result.length = septets;
        result.limit = kGsmSingle;
        result.messages = messagesFor(septets, kGsmSingle, kGsmPart);
    }
    return result;
}

std::string describeSmsLength(const SmsLength& length)
{
    const std::string of = "Długość: " + std::to_string(length.length) + " z " + std::to_string(length.limit);
    const std::string messages = " (" + std::to_string(std::max<std::size_t>(length.messages, 1)) + " SMS)";
    std::string line = of + " znaków" + messages;
    if (length.encoding == SmsLength::Encoding::Gsm7 && length.length != length.characters) {
        line = of + " miejsc w SMS (znaków: " + std::to_string(length.characters) +
               "; znaki { } [ ] \\ ^ | ~ € zajmują po dwa miejsca)" + messages;
    }
    if (!length.fitsOneSms()) {
        line += " – za długa na jeden SMS, a centrala czyta tylko pojedyncze wiadomości";
    }
    if (length.ucs2Reason) {
        line += " – " + nameOf(*length.ucs2Reason) +
                " spoza alfabetu GSM wymusza kodowanie UCS-2 (limit 70 znaków), którego centrala może nie zrozumieć";
    }
    return line;
}

} // namespace velmora
