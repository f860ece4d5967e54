#include "sms.h"

#include <algorithm>

namespace velmora {
namespace {

// The digits of a number, without an international "00" in front.
QString digitsOf(const QString& number)
{
    QString digits;
    for (const QChar c : number) {
        if (c.isDigit()) {
            digits += c;
        }
    }
    return digits.startsWith(QStringLiteral("00")) ? digits.mid(2) : digits;
}

constexpr qsizetype kShortestNationalNumber = 9;
constexpr qsizetype kLongestCountryCode = 3;

} // namespace

bool isInternationalNumber(const QString& digits)
{
    constexpr qsizetype kLongestNumber = 15; // the international numbering plan's limit
    return digits.size() >= kShortestNationalNumber && digits.size() <= kLongestNumber &&
           digits.front() != QLatin1Char('0') &&
           std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool isSameNumber(const QString& a, const QString& b)
{
    const QString first = digitsOf(a);
    const QString second = digitsOf(b);
    if (first.isEmpty() || second.isEmpty()) {
        return false;
    }
    const QString& longer = first.size() >= second.size() ? first : second;
    const QString& shorter = first.size() >= second.size() ? second : first;
    if (longer.size() == shorter.size()) {
        return longer == shorter;
    }
    return shorter.size() >= kShortestNationalNumber && longer.size() - shorter.size() <= kLongestCountryCode &&
           longer.endsWith(shorter);
}

} // namespace velmora
