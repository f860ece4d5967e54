#include "unitsfile.h"

#include "unitscsv.h"
#include "wholefile.h"

#include <QDir>
#include <QFile>
#include <map>

namespace velmora {
namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

UnitFields fieldsOf(const UnitRecord& record)
{
    return {QString::fromStdString(record.name), QString::fromStdString(record.number),
            QString::fromStdString(record.notes)};
}

// The checks a record needs beyond the reader's: the number's form, then whether an earlier row or a unit of
// the register has it. Earlier rows are found by their number's tail, as the register finds its own.
class RecordCheck {
public:
    explicit RecordCheck(UnitRegister& units) : units_(units) {}

    std::optional<std::string> operator()(const UnitRecord& record, std::size_t row)
    {
        const UnitFields fields = fieldsOf(record);
        if (auto fault = unitFieldsFault(fields)) {
            return fault->toStdString();
        }
        const auto [first, last] = earlier_.equal_range(numberTail(fields.number));
        for (auto it = first; it != last; ++it) {
            if (isSameNumber(it->second.first, fields.number)) {
                return QStringLiteral("numer %1 powtarza się: jest już w wierszu %2")
                    .arg(fields.number)
                    .arg(it->second.second)
                    .toStdString();
            }
        }
        if (const std::optional<Unit> holder = units_.unitWithNumber(fields.number)) {
            return numberTakenFault(fields.number, holder->name).toStdString();
        }
        earlier_.emplace(numberTail(fields.number), std::pair(fields.number, row));
        return std::nullopt;
    }

private:
    UnitRegister& units_;
    std::multimap<QString, std::pair<QString, std::size_t>> earlier_;
};

QString refusedFile(const QString& path, const QString& why)
{
    return QStringLiteral("Plik „%1” nie został zaimportowany. %2 Rejestr central pozostał bez zmian.")
        .arg(shown(path), why);
}

} // namespace

QString importUnits(UnitRegister& units, const QString& path)
{
    if (QString problem = units.problem(); !problem.isEmpty()) {
        return problem;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("Nie można otworzyć pliku „%1”: %2.").arg(shown(path), file.errorString());
    }
    // One byte past the limit is enough to know the file is too large.
    const QByteArray bytes = file.read(qint64(kUnitsCsvLimit) + 1);
    RecordCheck check(units);
    const auto read = readUnitsCsv(std::string_view(bytes.constData(), std::size_t(bytes.size())), std::ref(check));
    if (const auto* refusal = std::get_if<UnitsCsvRefusal>(&read)) {
        return refusedFile(path, QString::fromStdString(refusal->message()));
    }
    std::vector<UnitFields> added;
    for (const UnitRecord& record : std::get<std::vector<UnitRecord>>(read)) {
        added.push_back(fieldsOf(record));
    }
    if (QString refusal = units.addAll(added); !refusal.isEmpty()) {
        return refusedFile(path, refusal);
    }
    return {};
}

QString exportUnits(UnitRegister& units, const QString& path)
{
    if (QString problem = units.problem(); !problem.isEmpty()) {
        return problem;
    }
    std::vector<UnitRecord> records;
    for (const UnitListing& listed : units.units()) {
        records.push_back(
            {listed.unit.name.toStdString(), listed.unit.number.toStdString(), listed.unit.notes.toStdString()});
    }
    const std::string text = writeUnitsCsv(records);
    if (const std::optional<QString> failure = writeWholeFile(path, text)) {
        return QStringLiteral("Nie udało się zapisać central w pliku „%1”: %2. Poprzednia zawartość pliku pozostała "
                              "bez zmian.")
            .arg(shown(path), *failure);
    }
    return {};
}

} // namespace velmora
