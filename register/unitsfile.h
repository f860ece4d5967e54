#pragma once

#include "unitregister.h"

#include <QString>

namespace velmora {

// The register's units in a units file (see commands/unitscsv.h): names, numbers and notes, never a code.

// Adds the file's units when every row is good: a name and notes the dialog would take, a number by the send
// window's rule that no unit in the register or earlier row has. Otherwise nothing is added. Returns why the
// file was refused, naming it and the row; empty once imported.
QString importUnits(UnitRegister& units, const QString& path);

// Writes every unit atomically: a save that fails halfway leaves the previous file whole. Returns why it
// failed, naming the file; empty once saved.
QString exportUnits(UnitRegister& units, const QString& path);

} // namespace velmora
