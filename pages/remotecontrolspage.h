#pragma once

#include "page.h"

namespace velmora {

class DisplayBand;
class ErrorBox;

// Programs and removes remote controls, keypad codes and the door module.
class TForm8 final : public Page {
    Q_OBJECT

public:
    TForm8(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

private:
    IkuSource iku_;
    ErrorBox& errors_;
    DisplayBand* band_;
};

} // namespace velmora
