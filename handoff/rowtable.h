#pragma once

#include <QString>

class QAbstractItemModel;
class QTableView;
class QWidget;

namespace velmora {

// A table of the model's rows as the windows show them: read only, picked a whole row at a time, each row one line
// high, without row numbers beside it.
QTableView* makeRowTable(QWidget* parent, const char* name, const QString& accessibleName, QAbstractItemModel& model);
// The same table before its model is there.
QTableView* makeRowTable(QWidget* parent, const char* name, const QString& accessibleName);

} // namespace velmora
