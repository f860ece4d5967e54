#pragma once

#include "page.h"

namespace velmora {

class DisplayBand;
class ErrorBox;

// Programs and removes detectors and sirens and sets their masks.
class TForm4 final : public Page {
    Q_OBJECT

public:
    TForm4(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

private:
    IkuSource iku_;
    ErrorBox& errors_;
    DisplayBand* band_;
};

} // namespace velmora
