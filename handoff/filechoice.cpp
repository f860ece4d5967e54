#include "filechoice.h"

#include "errorbox.h"

#include <QFileDialog>

namespace velmora {
namespace {

QString done(const QString& path, ErrorBox& errors, const FileChoice::FileAct& act)
{
    if (path.isEmpty()) {
        return {};
    }
    if (const QString refusal = act(path); !refusal.isEmpty()) {
        errors.report(refusal);
        return {};
    }
    return path;
}

} // namespace

QString FileChoice::open(QWidget* parent, ErrorBox& errors, const FileAct& act)
{
    return done(chooseToOpen(parent), errors, act);
}

QString FileChoice::save(QWidget* parent, ErrorBox& errors, const FileAct& act)
{
    return done(chooseToSave(parent), errors, act);
}

FileKind planFileKind()
{
    return {QStringLiteral("Otwórz plan wysyłki"), QStringLiteral("Zapisz plan wysyłki"),
            QStringLiteral("Plany wysyłki (*.plan);;Wszystkie pliki (*)"), QStringLiteral("plan")};
}

FileKind unitsFileKind()
{
    return {QStringLiteral("Importuj centrale"), QStringLiteral("Eksportuj centrale"),
            QStringLiteral("Pliki CSV (*.csv);;Wszystkie pliki (*)"), QStringLiteral("csv")};
}

QString FileDialogs::chooseToOpen(QWidget* parent)
{
    return QFileDialog::getOpenFileName(parent, kind_.openTitle, QString(), kind_.filter);
}

QString FileDialogs::chooseToSave(QWidget* parent)
{
    QFileDialog dialog(parent, kind_.saveTitle, QString(), kind_.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(kind_.suffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace velmora
