#include "headedtable.h"

namespace velmora {

HeadedTable::HeadedTable(QStringList headings, QObject* parent)
    : QAbstractTableModel(parent), headings_(std::move(headings))
{}

int HeadedTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(headings_.size());
}

QVariant HeadedTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= headings_.size()) {
        return {};
    }
    return headings_.at(section);
}

} // namespace velmora
