#pragma once

#include "filechoice.h"

namespace velmora::test {

// Hands over the paths the test sets, as if the user chose them; none until set.
class ScriptedFiles final : public FileChoice {
public:
    QString chooseToOpen(QWidget*) override { return toOpen; }
    QString chooseToSave(QWidget*) override { return toSave; }

    QString toOpen;
    QString toSave;
};

} // namespace velmora::test
