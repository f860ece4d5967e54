#include "unitrules.h"

#include "sms.h"
#include "unitfields.h"

namespace velmora {
namespace {

constexpr qsizetype kNationalDigits = 9;

std::optional<QString> numberFault(const QString& number)
{
    if (number.isEmpty()) {
        return QStringLiteral("brak numeru centrali");
    }
    if (!isInternationalNumber(number)) {
        return QStringLiteral("numer „%1” nie jest numerem w postaci międzynarodowej (kod kraju i numer, same cyfry, "
                              "od 9 do 15, bez zera na początku)")
            .arg(number);
    }
    return std::nullopt;
}

std::optional<QString> fromPlain(std::optional<std::string> fault)
{
    return fault ? std::optional<QString>(QString::fromStdString(*fault)) : std::nullopt;
}

} // namespace

std::optional<QString> unitFieldsFault(const UnitFields& fields)
{
    if (auto fault = fromPlain(unitNameFault(fields.name.toStdString()))) {
        return fault;
    }
    if (auto fault = numberFault(fields.number)) {
        return fault;
    }
    return fromPlain(unitNotesFault(fields.notes.toStdString()));
}

QString numberTakenFault(const QString& number, const QString& holder)
{
    return QStringLiteral("numer %1 ma już centrala „%2”").arg(number, holder);
}

QString asSentence(const QString& clause)
{
    return clause.left(1).toUpper() + clause.mid(1) + QLatin1Char('.');
}

QString foldedForSearch(const QString& text)
{
    QString folded;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            folded += c;
        }
    }
    // "ł" is a letter of its own, not "l" with a mark, so it does not decompose.
    return folded.toCaseFolded().replace(QChar(u'ł'), QLatin1Char('l'));
}

QString numberTail(const QString& number)
{
    QString digits;
    for (const QChar c : number) {
        if (c.isDigit()) {
            digits += c;
        }
    }
    return digits.right(kNationalDigits);
}

} // namespace velmora
