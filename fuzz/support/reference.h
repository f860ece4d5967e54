#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::fuzz {

// Answers computed another way than the code under test: the C library's converters and its number parser.

// The characters of valid UTF-8; none for malformed text (overlong forms, surrogates, past U+10FFFF).
std::optional<std::u32string> decodeUtf8(std::string_view text);

// The character's Windows-1250 code, or 256 when the code page has none.
int cp1250Code(char32_t character);

// UTF-16 units of valid UTF-8 text.
std::size_t utf16Units(std::string_view text);

// Compares a string of digits with a number: <0, 0 or >0.
int compareNumber(std::string_view digits, unsigned long number);

bool isDigits(std::string_view text);

} // namespace velmora::fuzz
