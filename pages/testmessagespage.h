#pragma once

#include "page.h"

class QLineEdit;
class QPushButton;

namespace velmora {

class DisplayBand;
class ErrorBox;

// Switches the periodic test SMS and test call on and off. Nothing is reset on reopening: the fields, the
// last accepted test text and the last message stay as the user left them.
class Tform11 final : public Page {
    Q_OBJECT

public:
    Tform11(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

private:
    QWidget* testSmsGroup(QWidget* parent);
    QWidget* testClipGroup(QWidget* parent);
    QWidget* deactivationRows(QWidget* parent);
    void guardFields();

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

    IkuSource iku_;
    ErrorBox& errors_;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    DisplayBand* band_;
};

} // namespace velmora
