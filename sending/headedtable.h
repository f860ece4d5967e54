#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace velmora {

// A flat table whose columns are fixed and headed in words once, by the model that derives from it; the model says
// how many rows there are and what each cell holds.
class HeadedTable : public QAbstractTableModel {
    Q_OBJECT

public:
    int columnCount(const QModelIndex& parent = {}) const final;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const final;

protected:
    explicit HeadedTable(QStringList headings, QObject* parent = nullptr);

private:
    QStringList headings_;
};

} // namespace velmora
