#pragma once

#include "rules.h"

#include <QString>
#include <vector>

namespace velmora::soak {

// The input rule of every guarded field in the program, by page and field objectName, taken from the
// command library as the pages take them.
struct FieldRule {
    QString page;
    QString field;
    InputRule rule;
};

std::vector<FieldRule> fieldRules();

// What a result field may show: nothing, or a whole command. A command is four digits and "#", then either
// "K" and the balance check number as typed (code page characters up to 255), or a code and its arguments
// closed by "#" (characters up to code 125).
bool isEmptyOrCompleteCommand(const QString& text);

} // namespace velmora::soak
