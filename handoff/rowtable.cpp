#include "rowtable.h"

#include <QHeaderView>
#include <QTableView>

namespace velmora {

QTableView* makeRowTable(QWidget* parent, const char* name, const QString& accessibleName, QAbstractItemModel& model)
{
    QTableView* table = makeRowTable(parent, name, accessibleName);
    table->setModel(&model);
    return table;
}

void fitListColumns(QTableView* table, std::initializer_list<int> widths)
{
    table->setTabKeyNavigation(false);
    QHeaderView* header = table->horizontalHeader();
    header->setStretchLastSection(true);
    int column = 0;
    for (int width : widths) {
        header->resizeSection(column++, width);
    }
}

QTableView* makeRowTable(QWidget* parent, const char* name, const QString& accessibleName)
{
    auto* table = new QTableView(parent);
    table->setObjectName(QLatin1String(name));
    table->setAccessibleName(accessibleName);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    return table;
}

} // namespace velmora
