#include "errorbox.h"

#include <QApplication>
#include <QMessageBox>

namespace velmora {

void ModalErrorBox::report(const QString& message)
{
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr) {
        owner = QApplication::activeWindow();
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), message, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

} // namespace velmora
