#pragma once

#include "page.h"

namespace velmora {

class DisplayBand;
class ErrorBox;

// The unit's remaining settings: limits, times, balance checks, notification mask, ECHO, service mode.
class TForm6 final : public Page {
    Q_OBJECT

public:
    TForm6(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

private:
    IkuSource iku_;
    ErrorBox& errors_;
    DisplayBand* band_;
};

} // namespace velmora
