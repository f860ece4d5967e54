#include "planstore.h"

#include "plan.h"
#include "planfile.h"
#include "wholefile.h"

#include <QDir>
#include <QFile>

namespace velmora {
namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

std::vector<PlanEntry> entriesOf(const Plan& plan)
{
    std::vector<PlanEntry> entries;
    for (const Plan::Item& item : plan.items()) {
        entries.push_back({item.title.toStdString(), item.command.toStdString()});
    }
    return entries;
}

std::vector<Plan::Item> itemsOf(const std::vector<PlanEntry>& entries)
{
    std::vector<Plan::Item> items;
    items.reserve(entries.size());
    for (const PlanEntry& entry : entries) {
        items.push_back({QString::fromStdString(entry.title), QString::fromStdString(entry.command)});
    }
    return items;
}

} // namespace

QString savePlan(const Plan& plan, const QString& path)
{
    const std::string text = writePlanFile(entriesOf(plan));
    if (const std::optional<QString> failure = writeWholeFile(path, text)) {
        return QStringLiteral("Nie udało się zapisać planu w pliku „%1”: %2. Poprzednia zawartość pliku pozostała bez "
                              "zmian.")
            .arg(shown(path), *failure);
    }
    return {};
}

QString openPlan(const QString& path, Plan& plan)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("Nie można otworzyć pliku „%1”: %2.").arg(shown(path), file.errorString());
    }
    // One byte past the limit is enough to know the file is too large.
    const QByteArray bytes = file.read(qint64(kPlanFileLimit) + 1);
    const auto read = readPlanFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (const auto* refusal = std::get_if<PlanRefusal>(&read)) {
        return QStringLiteral("Plik „%1” nie został otwarty jako plan wysyłki. %2")
            .arg(shown(path), QString::fromStdString(refusal->message()));
    }
    if (!plan.replace(itemsOf(std::get<std::vector<PlanEntry>>(read)))) {
        return QStringLiteral("Plan jest właśnie wysyłany; plik „%1” można otworzyć po jego zatrzymaniu.")
            .arg(shown(path));
    }
    return {};
}

} // namespace velmora
