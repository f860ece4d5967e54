#include "stagewords.h"

#include <array>

namespace velmora {
namespace {

using Stage = SendProgress::Stage;

// Each stage's words at each place, side by side: "{time}" is when it happened on the computer's clock,
// "{detail}" the route's reason, the phone's name or the unit's text. Null where the place does not show it.
struct Words {
    const char* window;
    const char* log;
    const char* plan;
};

struct StageWords {
    Stage stage;
    Words words;
};

constexpr std::array kStages{
    StageWords{Stage::Waiting, {"W kolejce: najpierw zostaną wysłane wcześniejsze wiadomości.", "w kolejce", "czeka"}},
    StageWords{Stage::Sending, {"Wysyłanie…", "wysyłanie", "wysyłanie"}},
    StageWords{Stage::Sent, {"Wysłano {time}", "wysłano", "wysłano {time}"}},
    StageWords{Stage::HandedOver,
               {"Przekazano do telefonu {detail} ({time})", "przekazano do telefonu {detail}",
                "przekazano do telefonu {time}"}},
    StageWords{Stage::Failed, {"Nie wysłano: {detail}", "błąd: {detail}", "błąd: {detail}"}},
    StageWords{Stage::DeliveryPending, {"Doręczenie w toku", "Doręczenie w toku", nullptr}},
    StageWords{Stage::Delivered, {"Doręczono {time}", "Doręczono {time}", "doręczono {time}"}},
    StageWords{Stage::NotDelivered, {"Nie doręczono: {detail}", "Nie doręczono: {detail}", "nie doręczono: {detail}"}},
};

constexpr Words kReply{"Nowa odpowiedź centrali ({time}): {detail}", "odebrano", "odpowiedź {time}: {detail}"};

// The table is looked up by a stage's value.
constexpr bool inStageOrder()
{
    for (std::size_t i = 0; i < kStages.size(); ++i) {
        if (static_cast<std::size_t>(kStages[i].stage) != i) {
            return false;
        }
    }
    return kStages.size() == static_cast<std::size_t>(Stage::NotDelivered) + 1;
}
static_assert(inStageOrder());

QString fill(const Words& words, StagePlace place, const QDateTime& at, const QString& detail)
{
    const char* pattern = place == StagePlace::Window ? words.window
                          : place == StagePlace::Log  ? words.log
                                                      : words.plan;
    if (pattern == nullptr) {
        return {};
    }
    // The detail goes in last, so that nothing in it is taken for a placeholder.
    return QString::fromUtf8(pattern)
        .replace(QLatin1String("{time}"), clockTime(at))
        .replace(QLatin1String("{detail}"), detail);
}

} // namespace

QString clockTime(const QDateTime& at)
{
    return at.toLocalTime().toString(QStringLiteral("HH:mm:ss"));
}

QString describe(const SendProgress& progress, StagePlace place)
{
    return fill(kStages.at(static_cast<std::size_t>(progress.stage)).words, place, progress.at, progress.detail);
}

QString describeReply(const IncomingSms& sms, StagePlace place)
{
    return fill(kReply, place, sms.received, sms.text);
}

QString describeAwaitedReport(const SendProgress& progress)
{
    switch (progress.stage) {
    case Stage::Sent:
        return progress.followUpKey.isEmpty() ? QStringLiteral("Bez raportu") : QStringLiteral("Czeka na raport");
    case Stage::HandedOver:
        return QStringLiteral("Nieznane (telefon nie zgłasza)");
    default:
        return {};
    }
}

} // namespace velmora
