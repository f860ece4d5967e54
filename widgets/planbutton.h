#pragma once

class QPushButton;
class QWidget;

namespace velmora {

class CommandHandoff;

// "Plan wysyłki" with the number of commands in the plan, kept up to date; it opens the plan window. Hidden where
// the program offers no sending.
QPushButton* makePlanButton(QWidget* parent, CommandHandoff* handoff);

} // namespace velmora
