#pragma once

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace velmora {

class UnitsHandoff;

// "Centrale": opens the units window. Hidden where the program keeps no units.
QPushButton* makeUnitsButton(QWidget* parent, UnitsHandoff* units);

// "CurrentUnit": names the unit chosen in the units window, empty until one is. The chosen unit's code goes into
// `ikuField` as if typed, so that the field's guard and the page's handlers run; a unit whose code is not stored
// leaves the field as it is, and the label says so.
QLabel* makeCurrentUnit(QWidget* parent, UnitsHandoff* units, QLineEdit* ikuField);

} // namespace velmora
