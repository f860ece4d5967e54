#pragma once

#include "displayband.h"
#include "message.h"

#include <QString>
#include <functional>

class QPushButton;
class QWidget;

namespace velmora {

class ErrorBox;

// One operation of a page, as the page declares it: its "Treść SMS" button, what a press composes (the page's
// click handler for the button, Button1Click for "Button1"), and how the display band shows the outcome.
struct Operation {
    const char* button; // the button's objectName
    QString hint;       // the section of the unit's manual, the button's tool tip
    // Reads the page's inputs and the IKU code at the moment of the press. A page may also set texts of its own
    // here: the band shows the outcome only after this returns.
    std::function<Outcome()> compose;
    Presentation presentation = Presentation::Fresh;
    QString caption = {}; // where the button is not captioned "Treść SMS"
};

// The operations of a page, bound to its display band and its error box: each press of an operation's button
// composes once and shows the outcome in the band, the way the operation says.
class Operations final {
public:
    Operations(DisplayBand& band, ErrorBox& errors);

    // Makes the operation's button in `parent`, wired to its press; the page lays it out and names it for a
    // screen reader (makeGroup, addRow, nameOperation).
    QPushButton* add(QWidget* parent, Operation operation) const;

private:
    DisplayBand& band_;
    ErrorBox& errors_;
};

} // namespace velmora
