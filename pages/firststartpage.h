#pragma once

#include "page.h"

namespace velmora {

class DisplayBand;
class ErrorBox;

// Leads a new installation through the SMS centre, the user numbers and a keypad code.
class TForm13 final : public Page {
    Q_OBJECT

public:
    TForm13(ErrorBox& errors, QWidget* parent = nullptr);

private:
    ErrorBox& errors_;
    DisplayBand* band_;
};

} // namespace velmora
