#pragma once

#include "plan.h"

#include <QString>

namespace velmora {

// A plan's rows in a plan file (see commands/planfile.h): never the IKU code, never the unit's number.

// Writes the rows atomically: a save that fails halfway leaves the previous file whole. Returns why it
// failed, naming the file; empty once saved.
QString savePlan(const Plan& plan, const QString& path);

// Puts the file's rows in the plan when the whole file is a well-formed plan; otherwise the plan stays as it
// was. Returns why the file was refused, naming it; empty once opened.
QString openPlan(const QString& path, Plan& plan);

} // namespace velmora
