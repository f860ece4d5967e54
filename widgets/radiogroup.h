#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace velmora {

// A framed group of radio items with one selected index. Every change of the selection, by the user or by
// code, is reported once; choosing the item already selected reports nothing.
class RadioGroup final : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);

signals:
    void itemSelected(int index);

private:
    QButtonGroup* group_;
};

} // namespace velmora
