#include "statusreport.h"

#include <algorithm>

namespace velmora {
namespace {

// Why the network gave up delivering, for the status values of GSM's SMS status report that a user may meet.
QString notDeliveredReason(uint status)
{
    switch (status) {
    case 0x40:
        return QStringLiteral("błąd procedury w sieci");
    case 0x41:
        return QStringLiteral("numer nie może odbierać SMS");
    case 0x42:
        return QStringLiteral("centrala odrzuciła wiadomość");
    case 0x43:
        return QStringLiteral("numer nieosiągalny");
    case 0x44:
    case 0x64:
        return QStringLiteral("sieć nie zapewnia wymaganej jakości usługi");
    case 0x45:
        return QStringLiteral("brak współpracy między sieciami");
    case 0x46:
        return QStringLiteral("ważność wiadomości minęła");
    case 0x47:
        return QStringLiteral("wiadomość usunięta przez nadawcę");
    case 0x48:
        return QStringLiteral("wiadomość usunięta przez centrum SMS");
    case 0x49:
        return QStringLiteral("wiadomość nie istnieje");
    case 0x60:
        return QStringLiteral("przeciążenie sieci");
    case 0x61:
        return QStringLiteral("centrala zajęta");
    case 0x62:
        return QStringLiteral("brak odpowiedzi centrali");
    case 0x63:
        return QStringLiteral("usługa odrzucona");
    case 0x65:
        return QStringLiteral("błąd w centrali");
    default:
        return QStringLiteral("sieć zrezygnowała z doręczenia");
    }
}

// What a status report says of its message, by its status (TP-ST); nothing for a value that means nothing
// known.
std::optional<SendProgress> deliveryProgress(const QVariantMap& report)
{
    const uint status = report.value(QStringLiteral("DeliveryState")).toUInt();
    const QString code = QStringLiteral("kod raportu doręczenia 0x%1").arg(status, 2, 16, QLatin1Char('0'));
    std::optional<SendProgress> progress;
    if (status <= 0x1F) {
        progress = SendProgress(SendProgress::Stage::Delivered, {}, code);
    } else if (status <= 0x3F) {
        progress = SendProgress(SendProgress::Stage::DeliveryPending, {}, code);
    } else if (status <= 0x7F) {
        progress = SendProgress(SendProgress::Stage::NotDelivered, notDeliveredReason(status), code);
    } else {
        return std::nullopt;
    }
    const QDateTime discharged =
        QDateTime::fromString(report.value(QStringLiteral("DischargeTimestamp")).toString(), Qt::ISODate);
    if (discharged.isValid()) {
        progress->at = discharged;
    }
    return progress;
}

} // namespace

void AwaitedReports::expect(const QString& number, uint reference, const QString& key)
{
    sent_.push_back({number, reference, key});
}

std::optional<AwaitedReports::Answer> AwaitedReports::answer(const QVariantMap& report)
{
    const uint reference = report.value(QStringLiteral("MessageReference")).toUInt();
    const QString number = report.value(QStringLiteral("Number")).toString();
    const auto answered = std::find_if(sent_.rbegin(), sent_.rend(), [&](const Sent& message) {
        return message.reference == reference && isSameNumber(message.number, number);
    });
    if (answered == sent_.rend() || answered->settled) {
        return std::nullopt;
    }
    std::optional<SendProgress> progress = deliveryProgress(report);
    if (!progress) {
        return std::nullopt;
    }
    answered->settled = progress->stage != SendProgress::Stage::DeliveryPending;
    return Answer{answered->key, std::move(*progress)};
}

} // namespace velmora
