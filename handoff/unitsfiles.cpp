#include "unitsfiles.h"

#include <QFileDialog>

namespace velmora {
namespace {

const QString kFileFilter = QStringLiteral("Pliki CSV (*.csv);;Wszystkie pliki (*)");

} // namespace

QString DialogUnitsFiles::chooseToImport(QWidget* parent)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Importuj centrale"), QString(), kFileFilter);
}

QString DialogUnitsFiles::chooseToExport(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Eksportuj centrale"), QString(), kFileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace velmora
