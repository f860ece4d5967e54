#pragma once

#include <QString>

namespace velmora {

// Where pages report input errors. The program shows a modal box; tests record what was reported.
class ErrorBox {
public:
    virtual ~ErrorBox() = default;
    // Returns when the user has closed the box.
    virtual void report(const QString& message) = 0;
};

// A modal message box of the error kind: title "Error", the critical icon, one "OK" button.
class ModalErrorBox final : public ErrorBox {
public:
    void report(const QString& message) override;
};

} // namespace velmora
