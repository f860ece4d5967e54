#include "smslength.h"

#include <gtest/gtest.h>
#include <string>

using namespace velmora;
using Encoding = SmsLength::Encoding;

namespace {

std::string repeat(std::string_view piece, std::size_t times)
{
    std::string out;
    for (std::size_t i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

} // namespace

TEST(SmsLength, CountsSeptetsOfTheDefaultAlphabet)
{
    struct Row {
        std::string text;
        Encoding encoding;
        std::size_t length;
        std::size_t messages;
    };
    const Row rows[] = {
        {"", Encoding::Gsm7, 0, 0},
        {"1234#0#48501200777#", Encoding::Gsm7, 19, 1},
        {"1234#K*100#", Encoding::Gsm7, 11, 1},
        {"@£$¥èéùìòÇØøÅåΔ_ΦΓΛΩΠΨΣΘΞÆæßÉ !\"#¤%&'()*+,-./:;<=>?¡ÄÖÑÜ§¿äöñüà", Encoding::Gsm7, 63, 1},
        {"[\\]^{|}~€", Encoding::Gsm7, 18, 1}, // extension table: two septets each
        {"1234#RI#1#{Jan}#", Encoding::Gsm7, 18, 1},
        {repeat("a", 160), Encoding::Gsm7, 160, 1},
        {repeat("a", 161), Encoding::Gsm7, 161, 2},
        {repeat("a", 306), Encoding::Gsm7, 306, 2},
        {repeat("a", 307), Encoding::Gsm7, 307, 3},
        {repeat("{", 80), Encoding::Gsm7, 160, 1},
        {repeat("{", 81), Encoding::Gsm7, 162, 2},
        {"1234#K*100#ą", Encoding::Ucs2, 12, 1},
        {"`", Encoding::Ucs2, 1, 1},
        {repeat("ą", 70), Encoding::Ucs2, 70, 1},
        {repeat("ą", 71), Encoding::Ucs2, 71, 2},
        {"😀", Encoding::Ucs2, 2, 1}, // outside the BMP: a surrogate pair in UCS-2 terms
    };
    for (const Row& row : rows) {
        const SmsLength length = measureSms(row.text);
        EXPECT_EQ(length.encoding, row.encoding) << row.text;
        EXPECT_EQ(length.length, row.length) << row.text;
        EXPECT_EQ(length.messages, row.messages) << row.text;
        EXPECT_EQ(length.limit, row.encoding == Encoding::Gsm7 ? 160U : 70U) << row.text;
    }
}

TEST(SmsLength, NamesTheFirstCharacterOutsideTheAlphabet)
{
    EXPECT_EQ(measureSms("ab`ą").ucs2Reason, U'`');
    EXPECT_EQ(measureSms("1234#K*100#ł").ucs2Reason, U'ł');
    EXPECT_FALSE(measureSms("1234#S#").ucs2Reason);
}

TEST(SmsLength, LongestCommandsOfThePages)
{
    // A test text of 100 extension characters makes the test SMS command two messages long.
    const std::string testSms = "1234#TS#5#9999#" + repeat("{", 100) + "#";
    EXPECT_FALSE(measureSms(testSms).fitsOneSms());
    EXPECT_TRUE(measureSms("1234#TS#5#9999#" + repeat("a", 100) + "#").fitsOneSms());
    EXPECT_TRUE(measureSms("1234#G#" + repeat(repeat("9", 17) + "#", 5)).fitsOneSms());
    EXPECT_TRUE(measureSms("1234#N#" + repeat("}", 50) + "#").fitsOneSms()); // 107 septets
}

TEST(SmsLength, DescribesTheLengthInPolish)
{
    EXPECT_EQ(describeSmsLength(measureSms("1234#0#48501200777#")), "Długość: 19 z 160 znaków (1 SMS)");
    const SmsLength tooLong = measureSms(repeat("a", 161));
    EXPECT_TRUE(tooLong.isWarning());
    EXPECT_EQ(
        describeSmsLength(tooLong),
        "Długość: 161 z 160 znaków (2 SMS) – za długa na jeden SMS, a centrala czyta tylko pojedyncze wiadomości");
    const SmsLength ucs2 = measureSms("1234#K*100#ą");
    EXPECT_TRUE(ucs2.isWarning());
    EXPECT_EQ(describeSmsLength(ucs2),
              "Długość: 12 z 70 znaków (1 SMS) – znak „ą” spoza alfabetu GSM wymusza kodowanie "
              "UCS-2 (limit 70 znaków), którego centrala może nie zrozumieć");
    EXPECT_FALSE(measureSms("1234#S#").isWarning());
}

TEST(SmsLength, CountsPlacesNotCharactersWhenExtensionCharactersCountTwice)
{
    const SmsLength braces = measureSms(repeat("a", 16) + repeat("{", 84));
    EXPECT_EQ(braces.characters, 100U);
    EXPECT_EQ(describeSmsLength(braces), "Długość: 184 z 160 miejsc w SMS (znaków: 100; znaki { } [ ] \\ ^ | ~ € "
                                         "zajmują po dwa miejsca) (2 SMS) – za długa na jeden SMS, a centrala "
                                         "czyta tylko pojedyncze wiadomości");
}
