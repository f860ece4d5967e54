#include "runwords.h"

#include "stagewords.h"

#include <QStringList>
#include <array>

namespace velmora {
namespace {

using Stage = SendProgress::Stage;

// The outcomes a finished unit's rows are counted by, in the order they are named.
enum class Outcome { Answered, Delivered, Sent, HandedToPhone, NotDelivered };

constexpr std::array<const char*, 5> kOutcomeWords = {"z odpowiedzią", "doręczono", "wysłano", "przekazano do telefonu",
                                                      "nie doręczono"};

Outcome outcomeOf(const RunRowState& row)
{
    if (row.message.reply) {
        return Outcome::Answered;
    }
    switch (row.message.progress.stage) {
    case Stage::Delivered:
        return Outcome::Delivered;
    case Stage::HandedOver:
        return Outcome::HandedToPhone;
    case Stage::NotDelivered:
        return Outcome::NotDelivered;
    default:
        return Outcome::Sent;
    }
}

} // namespace

QString progressWords(int out, int count)
{
    return QStringLiteral("%1 z %2").arg(out).arg(count);
}

QString waitingWords()
{
    return QStringLiteral("czeka");
}

QString sendingWords(int position, int count)
{
    return QStringLiteral("wysyłanie %1 z %2").arg(position).arg(count);
}

QString doneWords(const std::vector<RunRowState>& rows)
{
    std::array<int, kOutcomeWords.size()> counts{};
    for (const RunRowState& row : rows) {
        ++counts[std::size_t(outcomeOf(row))];
    }
    QStringList parts;
    for (std::size_t outcome = 0; outcome < counts.size(); ++outcome) {
        if (counts[outcome] > 0) {
            parts << QString::number(counts[outcome]) + QLatin1Char(' ') + QString::fromUtf8(kOutcomeWords[outcome]);
        }
    }
    return QStringLiteral("gotowe: ") + parts.join(QStringLiteral(", "));
}

QString stoppedWords(int position, const QString& reason)
{
    return QStringLiteral("zatrzymano przy %1: %2").arg(position).arg(reason);
}

QString stoppedOnRequest()
{
    return QStringLiteral("na żądanie");
}

QString stoppedUnknown()
{
    return QStringLiteral("program zamknięto w trakcie wysyłania");
}

QString stoppedUnconfirmed(std::chrono::milliseconds limit)
{
    return QStringLiteral("brak potwierdzenia w ciągu %1 min")
        .arg(std::chrono::ceil<std::chrono::minutes>(limit).count());
}

QString noCodeWords()
{
    return QStringLiteral("brak kodu IKU");
}

QString noKeyringWords()
{
    return QStringLiteral("brak kodu IKU: brak dostępu do magazynu haseł systemu");
}

QString rowWords(const RunRowState& row, bool unknown)
{
    if (unknown) {
        return QStringLiteral("nieznany: ") + stoppedUnknown();
    }
    if (row.markedSent) {
        return QStringLiteral("uznano za wysłane");
    }
    if (row.message.reply) {
        return describeReply(*row.message.reply, StagePlace::Plan);
    }
    return describe(row.message.progress, StagePlace::Plan);
}

QString unfinishedWords(const QDateTime& started, int done, int count)
{
    return QStringLiteral("Niedokończona wysyłka z %1: %2 z %3 central gotowe.")
        .arg(started.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")))
        .arg(done)
        .arg(count);
}

} // namespace velmora
