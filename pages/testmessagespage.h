#pragma once

#include "page.h"

namespace velmora {

class DisplayBand;
class ErrorBox;

// Switches the periodic test SMS and test call on and off.
class Tform11 final : public Page {
    Q_OBJECT

public:
    Tform11(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

private:
    IkuSource iku_;
    ErrorBox& errors_;
    DisplayBand* band_;
};

} // namespace velmora
