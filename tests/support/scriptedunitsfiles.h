#pragma once

#include "unitsfiles.h"

namespace velmora::test {

// Hands over the paths the test sets, as if the user chose them; none until set.
class ScriptedUnitsFiles final : public UnitsFiles {
public:
    QString chooseToImport(QWidget*) override { return toImport; }
    QString chooseToExport(QWidget*) override { return toExport; }

    QString toImport;
    QString toExport;
};

} // namespace velmora::test
