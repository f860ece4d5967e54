#pragma once

#include "page.h"

namespace velmora {

class DisplayBand;
class ErrorBox;

// Programs and removes the users' phone numbers and sets the SMS and RING masks.
class TForm3 final : public Page {
    Q_OBJECT

public:
    TForm3(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

private:
    IkuSource iku_;
    ErrorBox& errors_;
    DisplayBand* band_;
};

} // namespace velmora
