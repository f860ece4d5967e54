#pragma once

#include <QList>

class QWidget;

namespace velmora {

// Sets up a window for the keyboard once its controls are made: Tab follows the window's layout (each layout's
// items in order, a grid's by row and then column, so a group's fields and boxes come before its button), and
// Enter or Return on a focused button presses it, as Space does. Enter in a field presses nothing: the buttons
// never become the window's default. Returns the window's controls in their tab order.
QList<QWidget*> setUpKeyboard(QWidget* window);

} // namespace velmora
