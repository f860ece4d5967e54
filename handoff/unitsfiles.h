#pragma once

#include <QString>

class QWidget;

namespace velmora {

// Where units files (see register/unitsfile.h) are chosen: the platform's file dialogs in the program, a script in
// tests. An empty path means the user chose none.
class UnitsFiles {
public:
    virtual ~UnitsFiles() = default;
    virtual QString chooseToImport(QWidget* parent) = 0;
    virtual QString chooseToExport(QWidget* parent) = 0;
};

class DialogUnitsFiles final : public UnitsFiles {
public:
    QString chooseToImport(QWidget* parent) override;
    QString chooseToExport(QWidget* parent) override;
};

} // namespace velmora
