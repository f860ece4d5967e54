#pragma once

#include "fakeroutes.h"
#include "keptunits.h"
#include "outbox.h"
#include "pageset.h"
#include "recordingerrorbox.h"
#include "scriptedquestions.h"

namespace velmora::test {

// The pages as start-up wires them, sending through a stand-in, with the installer's units kept in a home of the
// test's own. For the widget tests, which link the pages' test support too.
struct ProgramWithUnits {
    RecordingErrorBox errors;
    FakeFinder finder;
    Outbox outbox{finder};
    ScriptedQuestions questions;
    KeptUnits kept;
    std::unique_ptr<RegisterAccess> access = kept.makeAccess();
    PageSet pages{errors, Sending{outbox, questions}, access.get()};
};

} // namespace velmora::test
