#pragma once

#include "page.h"
#include "testmessages.h"
#include "text.h"

#include <QLineEdit>

class QPushButton;

namespace velmora {

// Switches the periodic test SMS and test call on and off. Nothing is reset on reopening: the fields, the
// last accepted test text and the last message stay as the user left them.
class Tform11 final : public ComposingPage {
    Q_OBJECT

public:
    Tform11(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

protected:
    void buildControls() override;

private:
    QWidget* testSmsGroup(QWidget* parent);
    QWidget* testClipGroup(QWidget* parent);
    QWidget* deactivationRows(QWidget* parent);
    void guardFields();

    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;

    Outcome Button1Click() const
    {
        return composeTestSmsOn(iku(), toUtf8(Edit1->text()), toUtf8(Edit2->text()), toUtf8(Edit3->text()));
    }
    Outcome Button2Click() const { return composeTestClipOn(iku(), toUtf8(Edit4->text()), toUtf8(Edit5->text())); }
    Outcome Button3Click() const { return composeTestSmsOff(iku()); }
    Outcome Button4Click() const { return composeTestClipOff(iku()); }
};

} // namespace velmora
