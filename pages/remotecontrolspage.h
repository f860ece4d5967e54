#pragma once

#include "checkboxrow.h"
#include "page.h"
#include "remotecontrols.h"

class QFrame;

namespace velmora {

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

    Outcome Button1Click() const { return composeRemote(iku(), remotes_->ticks()); }
    Outcome Button2Click() const { return composeGroupRemotes(iku()); }
    Outcome Button3Click() const { return composeGroupKeypadCodes(iku()); }
    Outcome Button4Click() const { return composeRemoteRemoval(iku(), remoteRemoval_->ticks()); }
    Outcome Button5Click() const { return composeKeypadCode(iku(), keypadCodes_->ticks()); }
    Outcome Button6Click() const { return composeKeypadCodeRemoval(iku(), keypadCodeRemoval_->ticks()); }
    Outcome Button7Click() const { return composeDoorModuleAdd(iku()); }
    Outcome Button8Click() const { return composeDoorModuleRemoval(iku()); }
};

} // namespace velmora
