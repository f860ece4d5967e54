#include "unitregister.h"

#include "historyrows.h"
#include "registerdatabase.h"
#include "runjournal.h"

#include <QStandardPaths>
#include <QUuid>

namespace velmora {
namespace {

Unit readUnit(const QSqlQuery& query)
{
    Unit unit;
    unit.id = query.value(0).toLongLong();
    unit.name = query.value(1).toString();
    unit.number = query.value(2).toString();
    unit.notes = query.value(3).toString();
    unit.codeKey = query.value(4).toString();
    return unit;
}

QString noSuchUnit()
{
    return QStringLiteral("Tej centrali nie ma już w rejestrze.");
}

// What the filter looks in.
QString searchText(const UnitFields& fields)
{
    return foldedForSearch(fields.name + u'\n' + fields.number + u'\n' + fields.notes);
}

} // namespace

QString UnitRegister::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/centrale.sqlite");
}

UnitRegister::UnitRegister(QString path, QObject* parent)
    : QObject(parent), db_(std::make_unique<RegisterDatabase>(std::move(path))),
      runs_(std::make_unique<RunJournal>(*db_))
{}

UnitRegister::~UnitRegister() = default;

const QString& UnitRegister::path() const
{
    return db_->path();
}

QString UnitRegister::problem()
{
    return db_->problem();
}

std::vector<UnitListing> UnitRegister::units(const QString& filter)
{
    std::vector<UnitListing> listed;
    db_->select("SELECT u.id, u.name, u.number, u.notes, u.code_key, " VELMORA_HISTORY_COLUMNS
                " FROM units u LEFT JOIN history h ON h.id = u.last_sent"
                " WHERE instr(u.search_text, ?) > 0 ORDER BY u.sort_name, u.id",
                {foldedForSearch(filter)}, [&](const QSqlQuery& query) {
                    listed.push_back({readUnit(query), readHistoryRow(query, 5)});
                });
    return listed;
}

void UnitRegister::refreshSearch()
{
    std::optional<qint64> version;
    db_->select("PRAGMA data_version", {}, [&](const QSqlQuery& query) { version = query.value(0).toLongLong(); });
    if (version && version == searchVersion_) {
        return;
    }
    search_.clear();
    db_->select("SELECT id, search_text FROM units ORDER BY sort_name, id", {}, [&](const QSqlQuery& query) {
        search_.push_back({query.value(0).toLongLong(), query.value(1).toString()});
    });
    searchVersion_ = version;
}

std::vector<qint64> UnitRegister::unitIds(const QString& filter)
{
    refreshSearch();
    const QString folded = foldedForSearch(filter);
    std::vector<qint64> ids;
    for (const Searchable& unit : search_) {
        if (unit.text.contains(folded)) {
            ids.push_back(unit.id);
        }
    }
    return ids;
}

std::optional<UnitListing> UnitRegister::listing(qint64 id)
{
    std::optional<UnitListing> found;
    db_->select("SELECT u.id, u.name, u.number, u.notes, u.code_key, " VELMORA_HISTORY_COLUMNS
                " FROM units u LEFT JOIN history h ON h.id = u.last_sent WHERE u.id = ?",
                {id}, [&](const QSqlQuery& query) {
                    found = UnitListing{readUnit(query), readHistoryRow(query, 5)};
                });
    return found;
}

std::optional<Unit> UnitRegister::unit(qint64 id)
{
    std::optional<Unit> found;
    db_->select("SELECT id, name, number, notes, code_key FROM units WHERE id = ?", {id},
                [&](const QSqlQuery& query) { found = readUnit(query); });
    return found;
}

std::optional<Unit> UnitRegister::unitWithNumber(const QString& number)
{
    std::optional<Unit> found;
    db_->select("SELECT id, name, number, notes, code_key FROM units WHERE number_tail = ? ORDER BY id",
                {numberTail(number)}, [&](const QSqlQuery& query) {
                    if (!found && isSameNumber(query.value(2).toString(), number)) {
                        found = readUnit(query);
                    }
                });
    return found;
}

// A unit cannot be changed in a register that is not there: made, it would hold nothing to change.
QString UnitRegister::absentUnit()
{
    const QString problem = db_->problem();
    return problem.isEmpty() ? noSuchUnit() : problem;
}

std::optional<QString> UnitRegister::duplicateFault(const UnitFields& fields, qint64 self)
{
    const std::optional<Unit> holder = unitWithNumber(fields.number);
    if (holder && holder->id != self) {
        return numberTakenFault(fields.number, holder->name);
    }
    return std::nullopt;
}

QString UnitRegister::insert(const UnitFields& fields, Unit* added)
{
    if (auto fault = unitFieldsFault(fields)) {
        return asSentence(*fault);
    }
    if (auto fault = duplicateFault(fields, 0)) {
        return asSentence(*fault);
    }
    Unit unit{fields, 0, QUuid::createUuid().toString(QUuid::WithoutBraces)};
    unit.id = db_->execute("INSERT INTO units (name, number, notes, code_key, number_tail, search_text, sort_name)"
                           " VALUES (?, ?, ?, ?, ?, ?, ?)",
                           {fields.name, fields.number, fields.notes, unit.codeKey, numberTail(fields.number),
                            searchText(fields), foldedForSearch(fields.name)});
    if (added != nullptr) {
        *added = unit;
    }
    return {};
}

QString UnitRegister::changed(const QString& refusal)
{
    if (refusal.isEmpty()) {
        searchVersion_.reset();
        emit unitsChanged();
    }
    return refusal;
}

std::variant<Unit, QString> UnitRegister::add(const UnitFields& fields)
{
    Unit added;
    if (QString refusal = changed(db_->write([&] { return insert(fields, &added); })); !refusal.isEmpty()) {
        return refusal;
    }
    return added;
}

QString UnitRegister::addAll(const std::vector<UnitFields>& units)
{
    return changed(db_->write([&] {
        for (const UnitFields& fields : units) {
            if (QString refusal = insert(fields, nullptr); !refusal.isEmpty()) {
                return refusal;
            }
        }
        return QString();
    }));
}

QString UnitRegister::edit(qint64 id, const UnitFields& fields)
{
    if (!db_->openForReading()) {
        return absentUnit();
    }
    return changed(db_->write([&] {
        if (auto fault = unitFieldsFault(fields)) {
            return asSentence(*fault);
        }
        if (!unit(id)) {
            return noSuchUnit();
        }
        if (auto fault = duplicateFault(fields, id)) {
            return asSentence(*fault);
        }
        db_->execute("UPDATE units SET name = ?, number = ?, notes = ?, number_tail = ?, search_text = ?, sort_name = ?"
                     " WHERE id = ?",
                     {fields.name, fields.number, fields.notes, numberTail(fields.number), searchText(fields),
                      foldedForSearch(fields.name), id});
        return QString();
    }));
}

QString UnitRegister::remove(qint64 id)
{
    if (!db_->openForReading()) {
        return absentUnit();
    }
    return changed(db_->write([&] {
        if (!unit(id)) {
            return noSuchUnit();
        }
        db_->execute("DELETE FROM history WHERE unit_id = ?", {id});
        db_->execute("DELETE FROM units WHERE id = ?", {id});
        return QString();
    }));
}

} // namespace velmora
