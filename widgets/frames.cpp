#include "frames.h"

#include "checkboxrow.h"
#include "controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {
namespace {

QFrame* makeShapedFrame(QWidget* parent, const char* name, QFrame::Shape shape, QFrame::Shadow shadow)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(shape);
    frame->setFrameShadow(shadow);
    return frame;
}

void addAll(QVBoxLayout* layout, const QList<QWidget*>& widgets)
{
    for (QWidget* widget : widgets) {
        layout->addWidget(widget);
    }
}

} // namespace

QFrame* makeBevel(QWidget* parent, const char* name)
{
    return makeShapedFrame(parent, name, QFrame::StyledPanel, QFrame::Raised);
}

QFrame* makeLine(QWidget* parent, const char* name)
{
    return makeShapedFrame(parent, name, QFrame::HLine, QFrame::Sunken);
}

QFrame* makeStack(QWidget* parent, const char* name, const QList<QWidget*>& widgets)
{
    auto [stack, layout] = makeFramed<QVBoxLayout>(parent, name);
    addAll(layout, widgets);
    return stack;
}

QFrame* makeGroup(QWidget* parent, const char* bevelName, const QList<QWidget*>& content)
{
    auto [group, layout] = makeFramed<QVBoxLayout>(parent, bevelName);
    QLabel* caption = nullptr;
    for (QWidget* widget : content) {
        layout->addWidget(widget, 0, Qt::AlignLeft);
        if (caption == nullptr) {
            caption = qobject_cast<QLabel*>(widget);
        } else if (auto* row = qobject_cast<CheckBoxRow*>(widget)) {
            row->nameBoxesAfter(caption->text());
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            nameOperation(button, caption->text());
        } else if (qobject_cast<QLineEdit*>(widget) != nullptr) {
            caption->setBuddy(widget);
        }
    }
    return group;
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
