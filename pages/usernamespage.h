#pragma once

#include "page.h"

namespace velmora {

class DisplayBand;
class ErrorBox;

// Names users 1 to 10 and removes their names.
class TForm7 final : public Page {
    Q_OBJECT

public:
    TForm7(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

private:
    IkuSource iku_;
    ErrorBox& errors_;
    DisplayBand* band_;
};

} // namespace velmora
