#pragma once

#include <QPalette>
#include <QString>
#include <initializer_list>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace velmora {

// Small makers for the controls every page uses, so that each carries its name and the same settings.

// Font size in pixels, as the pages were drawn; and a text colour (a label's text, or a button's caption with
// QPalette::ButtonText).
void setPixelSize(QWidget* widget, int pixels, bool bold = false);
void setTextColour(QWidget* widget, const QColor& colour, QPalette::ColorRole role = QPalette::WindowText);

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text);

// A label in the page's heading style: red and larger.
QLabel* makeHeading(QWidget* parent, const char* name, const QString& text, int pixelSize = 13);

// A field that holds text of any length.
QLineEdit* makeEdit(QWidget* parent, const char* name);

// A "Treść SMS" button whose tool tip names the section of the unit's manual. It never reacts to Enter in
// a field: each operation is composed only by its own button.
QPushButton* makeComposeButton(QWidget* parent, const char* name, const QString& hint,
                               const QString& caption = QStringLiteral("Treść SMS"));

// A bevel: a raised frame around a group, or a horizontal separating line.
QFrame* makeBevel(QWidget* parent, const char* name);
QFrame* makeLine(QWidget* parent, const char* name);

// A framed group (a bevel named `bevelName`) holding the given widgets one under another, each at its size
// and aligned left. The widgets are moved into the frame.
QFrame* makeGroup(QWidget* parent, const char* bevelName, std::initializer_list<QWidget*> content);

} // namespace velmora
