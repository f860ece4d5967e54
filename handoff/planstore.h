#pragma once

#include <QString>

class QWidget;

namespace velmora {

class Plan;

// Plan files: where they are chosen, and a plan's rows written to them and read from them (see
// commands/planfile.h), never with the IKU code or the unit's number.

// Where plan files are chosen: the platform's file dialogs in the program, a script in tests. An empty path
// means the user chose none.
class PlanFiles {
public:
    virtual ~PlanFiles() = default;
    virtual QString chooseToOpen(QWidget* parent) = 0;
    virtual QString chooseToSave(QWidget* parent) = 0;
};

class DialogPlanFiles final : public PlanFiles {
public:
    QString chooseToOpen(QWidget* parent) override;
    QString chooseToSave(QWidget* parent) override;
};

// Writes the rows atomically: a save that fails halfway leaves the previous file whole. Returns why it
// failed, naming the file; empty once saved.
QString savePlan(const Plan& plan, const QString& path);

// Puts the file's rows in the plan when the whole file is a well-formed plan; otherwise the plan stays as it
// was. Returns why the file was refused, naming it; empty once opened.
QString openPlan(const QString& path, Plan& plan);

} // namespace velmora
