#pragma once

#include <QString>

class QWidget;

namespace velmora {

class Plan;

// Plan files: a plan's rows written to them and read from them (see commands/planfile.h), never with the IKU code
// or the unit's number. They are chosen through a FileChoice of planFileKind().

// Writes the rows atomically: a save that fails halfway leaves the previous file whole. Returns why it
// failed, naming the file; empty once saved.
QString savePlan(const Plan& plan, const QString& path);

// Puts the file's rows in the plan when the whole file is a well-formed plan; otherwise the plan stays as it
// was. Returns why the file was refused, naming it; empty once opened.
QString openPlan(const QString& path, Plan& plan);

} // namespace velmora
