#include "frames.h"

#include "controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {
namespace {

void addAll(QVBoxLayout* layout, const QList<QWidget*>& widgets)
{
    for (QWidget* widget : widgets) {
        layout->addWidget(widget);
    }
}

} // namespace

QFrame* makeStack(QWidget* parent, const char* name, const QList<QWidget*>& widgets)
{
    auto [stack, layout] = makeFramed<QVBoxLayout>(parent, name);
    addAll(layout, widgets);
    return stack;
}

void HeadedGroup::addButton(QPushButton* button, int row) const
{
    rows->addWidget(button, row, 2, Qt::AlignRight);
    nameOperation(button, heading);
}

HeadedGroup makeHeadedGroup(QWidget* parent, const char* bevelName, QLabel* heading)
{
    auto [frame, layout] = makeFramed<QVBoxLayout>(parent, bevelName);
    layout->addWidget(heading);
    auto* rows = new QGridLayout;
    layout->addLayout(rows);
    return {frame, rows, heading->text()};
}

QVBoxLayout* makeColumn(const QList<QWidget*>& widgets)
{
    auto* column = new QVBoxLayout;
    addAll(column, widgets);
    column->addStretch();
    return column;
}

} // namespace velmora
