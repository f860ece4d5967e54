#pragma once

#include <cstddef>
#include <string_view>

namespace velmora {

// Fields hold UTF-8 text, but the alarm unit reads Windows-1250, so every character test is made on the
// character's Windows-1250 code.

// A character that Windows-1250 cannot represent, or a byte that is not valid UTF-8.
inline constexpr int kNoWindows1250Code = 256;

// The Windows-1250 code of a Unicode character, or kNoWindows1250Code.
int windows1250Code(char32_t character);

// Reads UTF-8 one character at a time; an invalid byte is read as one character of its own, so that
// malformed input is still counted and refused instead of slipping through.
class Utf8Reader {
public:
    static constexpr char32_t kInvalid = 0xFFFFFFFF;

    explicit Utf8Reader(std::string_view text) : rest_(text) {}
    bool atEnd() const { return rest_.empty(); }
    char32_t next();

private:
    std::string_view rest_;
};

// Number of characters (not bytes) in UTF-8 text.
std::size_t characterCount(std::string_view utf8);

// True when the text is empty or holds only the ASCII digits 0 to 9.
bool isDigitsOnly(std::string_view text);

} // namespace velmora
