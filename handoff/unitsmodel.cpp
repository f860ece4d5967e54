#include "unitsmodel.h"

#include "codepresence.h"
#include "controls.h"
#include "rowtable.h"

#include <QLineEdit>
#include <QTableView>
#include <algorithm>

namespace velmora {
namespace {

QString codeText(CodePresence::State state)
{
    switch (state) {
    case CodePresence::State::Stored:
        return QStringLiteral("zapisany");
    case CodePresence::State::Absent:
        return QStringLiteral("brak");
    default:
        return {};
    }
}

} // namespace

UnitsModel::UnitsModel(UnitRegister& units, CodePresence& codes, Followed followed, QObject* parent)
    : HeadedTable(
          {QStringLiteral("Nazwa"), QStringLiteral("Numer"), QStringLiteral("Kod IKU"), QStringLiteral("Ostatnio")},
          parent),
      units_(units), codes_(codes), followed_(std::move(followed))
{
    connect(&units_, &UnitRegister::unitsChanged, this, &UnitsModel::refresh);
    connect(&units_, &UnitRegister::historyChanged, this, &UnitsModel::onHistoryChanged);
    connect(&codes_, &CodePresence::changed, this, [this](qint64 unitId) { changedCell(unitId, Code); });
}

void UnitsModel::setFilter(const QString& filter)
{
    filter_ = filter;
    beginResetModel();
    ids_ = units_.unitIds(filter_);
    endResetModel();
}

void UnitsModel::refresh()
{
    listings_.clear();
    setFilter(filter_);
}

std::optional<Unit> UnitsModel::unitAt(int row) const
{
    const UnitListing* listing = listingAt(row);
    return listing != nullptr ? std::optional(listing->unit) : std::nullopt;
}

int UnitsModel::rowOf(qint64 unitId) const
{
    const auto found = std::find(ids_.cbegin(), ids_.cend(), unitId);
    return found != ids_.cend() ? int(found - ids_.cbegin()) : -1;
}

void UnitsModel::setTickable(bool tickable)
{
    beginResetModel();
    tickable_ = tickable;
    endResetModel();
}

std::vector<qint64> UnitsModel::ticked()
{
    std::vector<qint64> ids = units_.unitIds();
    std::erase_if(ids, [this](qint64 id) { return !ticked_.contains(id); });
    return ids;
}

void UnitsModel::setTicked(const std::vector<qint64>& unitIds)
{
    ticked_ = {unitIds.cbegin(), unitIds.cend()};
    if (rowCount() > 0) {
        emit dataChanged(index(0, Name), index(rowCount() - 1, Name), {Qt::CheckStateRole});
    }
}

const UnitListing* UnitsModel::listingAt(int row) const
{
    if (row < 0 || row >= rowCount()) {
        return nullptr;
    }
    const qint64 id = ids_[std::size_t(row)];
    auto found = listings_.find(id);
    if (found == listings_.end()) {
        found = listings_.emplace(id, units_.listing(id)).first;
    }
    return found->second ? &*found->second : nullptr;
}

void UnitsModel::changedCell(qint64 unitId, int column)
{
    if (const int row = rowOf(unitId); row >= 0) {
        emit dataChanged(index(row, column), index(row, column));
    }
}

void UnitsModel::onHistoryChanged(qint64 unitId)
{
    listings_.erase(unitId);
    changedCell(unitId, Last);
}

int UnitsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(ids_.size());
}

QString UnitsModel::text(const UnitListing& listing, int column) const
{
    switch (column) {
    case Name:
        return listing.unit.name;
    case Number:
        return listing.unit.number;
    case Code:
        return codeText(codes_.state(listing.unit));
    default:
        if (!listing.lastSent) {
            return {};
        }
        return shownTime(listing.lastSent->at) + QStringLiteral(", ") + shownStage(*listing.lastSent, followed_);
    }
}

QVariant UnitsModel::data(const QModelIndex& index, int role) const
{
    const UnitListing* listing = index.isValid() ? listingAt(index.row()) : nullptr;
    if (listing == nullptr) {
        return {};
    }
    if (role == Qt::CheckStateRole && tickable_ && index.column() == Name) {
        return ticked_.contains(listing->unit.id) ? Qt::Checked : Qt::Unchecked;
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        return text(*listing, index.column());
    }
    return {};
}

bool UnitsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!tickable_ || role != Qt::CheckStateRole || index.column() != Name || index.row() >= rowCount()) {
        return false;
    }
    const qint64 id = ids_[std::size_t(index.row())];
    if (value.value<Qt::CheckState>() == Qt::Checked) {
        ticked_.insert(id);
    } else {
        ticked_.erase(id);
    }
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags UnitsModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (tickable_ && index.column() == Name) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

QLineEdit* makeUnitsFilter(QWidget* parent, const char* name, UnitsModel& model)
{
    QLineEdit* filter = makeEdit(parent, name);
    filter->setPlaceholderText(QStringLiteral("nazwa, numer lub uwagi"));
    filter->setToolTip(QStringLiteral("Pokazuje tylko centrale, których nazwa, numer lub uwagi zawierają wpisany "
                                      "tekst; wielkość liter i polskie znaki nie mają znaczenia"));
    filter->setClearButtonEnabled(true);
    QObject::connect(filter, &QLineEdit::textChanged, &model, &UnitsModel::setFilter);
    return filter;
}

QTableView* makeUnitsTable(QWidget* parent, const char* name, UnitsModel& model)
{
    QTableView* table = makeRowTable(parent, name, QStringLiteral("Centrale w rejestrze"), model);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    fitListColumns(table, {200, 110, 70});
    return table;
}

} // namespace velmora
