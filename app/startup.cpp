#include "startup.h"

#include "firstframe.h"
#include "mainpage.h"
#include "systemkeyring.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmora {

void setUpApplication(QTranslator& qtTexts)
{
    // The program speaks Polish whatever the system's language.
    if (qtTexts.load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts);
    }
    QGuiApplication::setDesktopFileName(QStringLiteral("pl.velmora.sms"));
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/velmora-sms-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

Program::Program()
    : units_([] { return std::make_unique<SystemKeyring>(); }), pages_(errors_, Sending{outbox_, questions_}, &units_)
{
    setUpApplication(qtTexts_);
    units_.recordFrom(outbox_);
    afterFirstFrame(&pages_.mainPage(), [] { QApplication::setWindowIcon(programIcon()); });
}

} // namespace velmora
