#pragma once

#include "page.h"

namespace velmora {

class DisplayBand;
class ErrorBox;

// Names the detectors, removes their names and sets the message header.
class TForm5 final : public Page {
    Q_OBJECT

public:
    TForm5(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

private:
    IkuSource iku_;
    ErrorBox& errors_;
    DisplayBand* band_;
};

} // namespace velmora
