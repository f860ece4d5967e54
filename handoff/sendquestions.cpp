#include "sendquestions.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace velmora {

bool ModalSendQuestions::ask(const QString& question)
{
    return ModalQuestionBox().ask(question);
}

bool ModalSendQuestions::confirmSending(const QString& question)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Pytanie"), question, QMessageBox::NoButton,
                    QApplication::activeModalWidget());
    box.setObjectName(QStringLiteral("SendQuestion"));
    QPushButton* send = box.addButton(QStringLiteral("Wyślij"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Anuluj"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == send;
}

} // namespace velmora
