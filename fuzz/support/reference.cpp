#include "reference.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iconv.h>
#include <map>
#include <vector>

namespace velmora::fuzz {
namespace {

// Converts `input` whole; none when the converter refuses any of it.
std::optional<std::string> convert(const char* to, const char* from, std::string_view input)
{
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string in(input);
    std::vector<char> out(input.size() * 4 + 16);
    char* inPointer = in.data();
    std::size_t inLeft = in.size();
    char* outPointer = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0) {
        return std::nullopt;
    }
    return std::string(out.data(), out.size() - outLeft);
}

char32_t littleEndian(const std::string& units, std::size_t at)
{
    char32_t value = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        value |= static_cast<char32_t>(static_cast<unsigned char>(units[at + k])) << (8 * k);
    }
    return value;
}

} // namespace

std::optional<std::u32string> decodeUtf8(std::string_view text)
{
    const std::optional<std::string> units = convert("UTF-32LE", "UTF-8", text);
    if (!units) {
        return std::nullopt;
    }
    std::u32string characters;
    for (std::size_t i = 0; i + 4 <= units->size(); i += 4) {
        characters += littleEndian(*units, i);
    }
    return characters;
}

int cp1250Code(char32_t character)
{
    // The code page read once through the converter: each byte's character, 256 entries at most.
    static const std::map<char32_t, int> kCodes = [] {
        std::map<char32_t, int> codes;
        for (int code = 0; code < 256; ++code) {
            const char byte = static_cast<char>(code);
            if (const std::optional<std::string> unit = convert("UTF-32LE", "CP1250", std::string_view(&byte, 1))) {
                codes.emplace(littleEndian(*unit, 0), code);
            }
        }
        return codes;
    }();
    const auto found = kCodes.find(character);
    return found == kCodes.end() ? 256 : found->second;
}

std::size_t utf16Units(std::string_view text)
{
    const std::optional<std::string> units = convert("UTF-16LE", "UTF-8", text);
    return units ? units->size() / 2 : 0;
}

int compareNumber(std::string_view digits, unsigned long number)
{
    const std::size_t firstSignificant = std::min(digits.find_first_not_of('0'), digits.size());
    digits.remove_prefix(firstSignificant);
    unsigned long value = 0;
    if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec == std::errc::result_out_of_range) {
        return 1;
    }
    return value < number ? -1 : (value > number ? 1 : 0);
}

bool isDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace velmora::fuzz
