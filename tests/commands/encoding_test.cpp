#include "encoding.h"

#include <gtest/gtest.h>
#include <string>

using namespace velmora;

namespace {

int codeOfOnly(std::string_view utf8)
{
    Utf8Reader reader(utf8);
    const char32_t c = reader.next();
    EXPECT_TRUE(reader.atEnd()) << utf8;
    return windows1250Code(c);
}

} // namespace

TEST(Windows1250, AsciiKeepsItsCode)
{
    EXPECT_EQ(codeOfOnly("A"), 65);
    EXPECT_EQ(codeOfOnly("#"), 35);
    EXPECT_EQ(codeOfOnly("}"), 125);
    EXPECT_EQ(codeOfOnly("~"), 126);
    EXPECT_EQ(codeOfOnly("\x7f"), 127);
}

TEST(Windows1250, PolishLettersHaveTheirCodePageCodes)
{
    struct Row {
        const char* letter;
        int code;
    };
    const Row rows[] = {{"ą", 0xB9}, {"ć", 0xE6}, {"ę", 0xEA}, {"ł", 0xB3}, {"ń", 0xF1},
                        {"ó", 0xF3}, {"ś", 0x9C}, {"ź", 0x9F}, {"ż", 0xBF}, {"Ą", 0xA5},
                        {"Ł", 0xA3}, {"Ż", 0xAF}, {"€", 0x80}, {"Ś", 0x8C}, {"Ź", 0x8F}};
    for (const Row& row : rows) {
        EXPECT_EQ(codeOfOnly(row.letter), row.code) << row.letter;
    }
}

TEST(Windows1250, UnrepresentableCharactersHaveNoCode)
{
    for (const char* text : {"ñ", "ø", "中", "😀", "\xe2\x82\xbd" /* ruble sign */}) {
        EXPECT_EQ(codeOfOnly(text), kNoWindows1250Code) << text;
    }
}

TEST(Utf8Reader, InvalidBytesAreReadOneByOneAndHaveNoCode)
{
    struct Row {
        std::string bytes;
        std::size_t characters;
    };
    const Row rows[] = {
        {"\xff", 1},
        {"\xc3", 1},             // truncated two-byte form
        {"\xc3(", 2},            // lead byte without its continuation
        {"\xc0\xaf", 2},         // overlong "/"
        {"\xed\xa0\x80", 3},     // a surrogate written in UTF-8
        {"\xf4\x90\x80\x80", 4}, // past U+10FFFF
        {std::string("a\0b", 3), 3},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(characterCount(row.bytes), row.characters);
        bool sawInvalid = false;
        for (Utf8Reader reader(row.bytes); !reader.atEnd();) {
            const char32_t c = reader.next();
            if (c == Utf8Reader::kInvalid) {
                sawInvalid = true;
                EXPECT_EQ(windows1250Code(c), kNoWindows1250Code);
            }
        }
        EXPECT_EQ(sawInvalid, row.bytes != std::string("a\0b", 3));
    }
}

TEST(CharacterCount, CountsCharactersNotBytes)
{
    EXPECT_EQ(characterCount(""), 0U);
    EXPECT_EQ(characterCount("abc"), 3U);
    EXPECT_EQ(characterCount("zażółć"), 6U);
    EXPECT_EQ(characterCount("😀x"), 2U);
}

TEST(DigitsOnly, AcceptsEmptyAndAsciiDigitsOnly)
{
    EXPECT_TRUE(isDigitsOnly(""));
    EXPECT_TRUE(isDigitsOnly("0123456789"));
    for (const char* text : {" 1", "1 ", "+48", "-5", "1,5", "1.5", "1e3", "5a", "\xd9\xa3" /* Arabic three */}) {
        EXPECT_FALSE(isDigitsOnly(text)) << text;
    }
}
