#pragma once

#include <QString>
#include <initializer_list>

class QAbstractItemModel;
class QTableView;
class QWidget;

namespace velmora {

// A table of the model's rows as the windows show them: read only, picked a whole row at a time, each row one line
// high, without row numbers beside it.
QTableView* makeRowTable(QWidget* parent, const char* name, const QString& accessibleName, QAbstractItemModel& model);
// A list among other controls: Tab leaves it for the next control (the arrows move in it); its columns but the last
// are as wide as given, the last takes the room left.
void fitListColumns(QTableView* table, std::initializer_list<int> widths);
// The same table before its model is there.
QTableView* makeRowTable(QWidget* parent, const char* name, const QString& accessibleName);

} // namespace velmora
