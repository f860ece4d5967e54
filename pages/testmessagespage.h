#pragma once

#include "page.h"

class QLineEdit;
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
};

} // namespace velmora
