#include "questionbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace velmora {

bool ModalQuestionBox::ask(const QString& question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Pytanie"), question, QMessageBox::NoButton,
                    QApplication::activeModalWidget());
    box.setObjectName(QStringLiteral("QuestionBox"));
    QPushButton* yes = box.addButton(QStringLiteral("Tak"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Nie"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace velmora
