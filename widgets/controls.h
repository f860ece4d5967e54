#pragma once

#include <QPalette>
#include <QString>
#include <initializer_list>

class QAbstractButton;
class QDialog;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace velmora {

// Small makers for the controls every page uses, so that each carries its name and the same settings.

// The red of headings, warnings and red captions: darker than pure red, so that it reads at 4.5:1 on white and on
// a button's grey.
inline constexpr QColor kRed{200, 0, 0};

// The white page with navy text, in the 11-pixel font of the program: for the pages and the windows they open.
void applyPageLook(QWidget* page, const QColor& text);
// A window the program opens over the pages: named, titled, modal, in the pages' look with navy text.
void setUpWindow(QDialog* window, const char* name, const QString& title);

// Font size in pixels, as the pages were drawn; and a text colour (a label's text, or a button's caption with
// QPalette::ButtonText).
void setPixelSize(QWidget* widget, int pixels, bool bold = false);
void setTextColour(QWidget* widget, const QColor& colour, QPalette::ColorRole role = QPalette::WindowText);

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text);

// Keeps a label's room while its text comes and goes: one line high, and as wide as the widest of `texts`.
void reserveRoom(QLabel* label, const QStringList& texts = {});

// A label in the page's heading style: red and larger.
QLabel* makeHeading(QWidget* parent, const char* name, const QString& text, int pixelSize = 13);

// A field that holds text of any length.
QLineEdit* makeEdit(QWidget* parent, const char* name);

// A field for a phone number in international form: digits only, with an example as its placeholder.
QLineEdit* makeNumberField(QWidget* parent, const char* name, const QString& hint);

// Keeps two fields' texts alike, whichever of them is typed in; the second starts with the first's text.
void keepAlike(QLineEdit* first, QLineEdit* second);

// A push button that never reacts to Enter in a field: a command goes out, or a row moves, only when the
// button itself is pressed.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& toolTip = {});

// A "Treść SMS" button whose tool tip names the section of the unit's manual.
QPushButton* makeComposeButton(QWidget* parent, const char* name, const QString& hint);

// A label that names a field (its buddy), with the field's mnemonic in `text`.
QLabel* makeBuddy(QWidget* parent, const QString& text, QWidget* buddy);
// A field with its label before it, the field taking the row's width.
QHBoxLayout* makeFieldRow(QWidget* parent, const QString& label, QWidget* field);
// A window's row of buttons: `leading` at its start, `trailing` at its end.
QHBoxLayout* makeButtonRow(std::initializer_list<QWidget*> leading, std::initializer_list<QWidget*> trailing);

// What a screen reader calls a control of a group or a row: "Usuwanie pilotów z systemu, P3".
QString nameWithin(const QString& group, const QString& item);

// Names a button that acts on an operation by its caption and the operation: "Treść SMS: Opcja ECHO".
void nameOperation(QAbstractButton* button, const QString& operation);

// Lays out one row of a grid: the label, the field it names (if any) and the button that composes from them
// (if any), in columns 0, 1 and 2. `group` is the heading the row stands under, if its label alone is not
// enough for a screen reader ("C1").
void addRow(QGridLayout* grid, int row, QLabel* label, QWidget* field, QAbstractButton* button = nullptr,
            const QString& group = {});

} // namespace velmora
