#include "input.h"

#include <array>
#include <string_view>

namespace velmora::fuzz {
namespace {

using namespace std::string_view_literals;

constexpr std::size_t kLongestText = 600;
constexpr std::size_t kMostPieces = 80;

constexpr std::array kPieces = {
    "0"sv,
    "1"sv,
    "4"sv,
    "8"sv,
    "9"sv,
    "48"sv,
    "#"sv,
    "a"sv,
    "Z"sv,
    " "sv,
    "{"sv,
    "}"sv,
    "~"sv,
    "\x7f"sv,
    "\0"sv,
    "\r\n"sv,
    "ą"sv,
    "Ą"sv,
    "ł"sv,
    "Ł"sv,
    "ż"sv,
    "ź"sv,
    "ę"sv,
    "ó"sv,
    "ś"sv,
    "ć"sv,
    "ń"sv,
    "€"sv,
    "ä"sv,
    "ß"sv,
    "ô"sv,
    "😀"sv,
    "�"sv,
    "\xED\xA0\x80"sv,
    "\xC0\xAF"sv,
    "\xFF"sv,
    "\xC3"sv,
    "\x80"sv,
    "\xF4\x90\x80\x80"sv,
};

} // namespace

std::string UserInput::text()
{
    switch (data_.ConsumeIntegralInRange(0, 2)) {
    case 0:
        return data_.ConsumeRandomLengthString(kLongestText);
    case 1:
        return digits();
    default:
        return pieces();
    }
}

std::string UserInput::digits()
{
    std::string text = data_.ConsumeRandomLengthString(kLongestText);
    for (char& c : text) {
        c = static_cast<char>('0' + static_cast<unsigned char>(c) % 10);
    }
    return text;
}

std::string UserInput::pieces()
{
    std::string text;
    for (std::size_t n = data_.ConsumeIntegralInRange<std::size_t>(0, kMostPieces); n > 0; --n) {
        text += data_.PickValueInArray(kPieces);
    }
    return text;
}

std::string UserInput::ikuCode()
{
    std::string code;
    for (int i = 0; i < 4; ++i) {
        code += static_cast<char>('0' + data_.ConsumeIntegralInRange(0, 9));
    }
    return code;
}

Ticks UserInput::ticks(std::size_t count)
{
    Ticks ticks(count);
    for (std::size_t i = 0; i < count; ++i) {
        ticks[i] = data_.ConsumeBool();
    }
    return ticks;
}

} // namespace velmora::fuzz
