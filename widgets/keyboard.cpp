#include "keyboard.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QScrollArea>
#include <QWidget>
#include <algorithm>

namespace velmora {
namespace {

void collectFocusable(QLayout* layout, QList<QWidget*>& controls);

void collectFocusable(QWidget* widget, QList<QWidget*>& controls)
{
    if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
        controls << widget;
    }
    if (auto* area = qobject_cast<QScrollArea*>(widget); area != nullptr && area->widget() != nullptr) {
        collectFocusable(area->widget(), controls);
    } else if (widget->layout() != nullptr) {
        collectFocusable(widget->layout(), controls);
    }
}

// A grid's items are kept in the order they were added; the eye reads them by row, then column.
QList<QLayoutItem*> itemsInReadingOrder(QLayout* layout)
{
    QList<int> order;
    for (int i = 0; i < layout->count(); ++i) {
        order << i;
    }
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        const auto position = [grid](int index) {
            int row = 0;
            int column = 0;
            int rowSpan = 0;
            int columnSpan = 0;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            return std::pair(row, column);
        };
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return position(a) < position(b); });
    }
    QList<QLayoutItem*> items;
    for (const int index : order) {
        items << layout->itemAt(index);
    }
    return items;
}

void collectFocusable(QLayout* layout, QList<QWidget*>& controls)
{
    for (QLayoutItem* item : itemsInReadingOrder(layout)) {
        if (item->widget() != nullptr) {
            collectFocusable(item->widget(), controls);
        } else if (item->layout() != nullptr) {
            collectFocusable(item->layout(), controls);
        }
    }
}

// Presses a focused button on Enter or Return. The buttons are not made auto-default instead: in a dialog, the
// first of those would also be pressed by Enter in any field.
class EnterPresses final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            return false;
        }
        auto* button = static_cast<QAbstractButton*>(watched);
        button->click();
        return true;
    }
};

} // namespace

QList<QWidget*> setUpKeyboard(QWidget* window)
{
    QList<QWidget*> controls;
    if (window->layout() != nullptr) {
        collectFocusable(window->layout(), controls);
    }
    for (qsizetype i = 1; i < controls.size(); ++i) {
        QWidget::setTabOrder(controls[i - 1], controls[i]);
    }
    auto* enterPresses = new EnterPresses(window);
    for (QWidget* control : controls) {
        // Check boxes and radio items keep Space, as everywhere.
        if (const auto* button = qobject_cast<QAbstractButton*>(control); button != nullptr && !button->isCheckable()) {
            control->installEventFilter(enterPresses);
        }
    }
    return controls;
}

} // namespace velmora
