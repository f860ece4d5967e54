#pragma once

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace velmora {

class CommandHandoff;
class UnitsHandoff;

// "Centrale": opens the units window. Hidden where the program keeps no units.
QPushButton* makeUnitsButton(QWidget* parent, UnitsHandoff* units);

// "CurrentUnit": names the unit chosen in the units window, empty until one is. The chosen unit's code goes into
// `ikuField` as if typed, so that the field's guard and the page's handlers run; a unit whose code is not stored
// leaves the field as it is, and the label says so. A unit chosen before the label is made is applied at once.
QLabel* makeCurrentUnit(QWidget* parent, UnitsHandoff* units, QLineEdit* ikuField);

// The row of a page that holds the IKU code: "Plan wysyłki", "Centrale" and "CurrentUnit", in the order Tab
// visits them. Where the program offers neither, its controls are hidden and the row takes no room.
QBoxLayout* makeUnitsRow(QWidget* parent, CommandHandoff* handoff, UnitsHandoff* units, QLineEdit* ikuField);

} // namespace velmora
