#pragma once

#include "page.h"

class QFrame;

namespace velmora {

class CheckBoxRow;

// Programs and removes remote controls, keypad codes and the door module.
class TForm8 final : public ComposingPage {
    Q_OBJECT

public:
    TForm8(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

protected:
    void buildControls() override;
    void FormActivate() override;

private:
    QFrame* makeRemoteGroups();
    QFrame* makeKeypadGroups();
    QWidget* makeDoorModuleRow(const char* labelName, const QString& caption, Operation operation);

    // Every box of every row: a change of the ticks outdates the shown command.
    void CheckBoxClick();

    CheckBoxRow* remotes_ = nullptr;
    CheckBoxRow* remoteRemoval_ = nullptr;
    CheckBoxRow* keypadCodes_ = nullptr;
    CheckBoxRow* keypadCodeRemoval_ = nullptr;
};

} // namespace velmora
