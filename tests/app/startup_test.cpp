#include "mainpage.h"
#include "startup.h"
#include "testhome.h"
#include "testmain.h"

#include <QAction>
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QTranslator>
#include <memory>

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { velmora::setUpApplication(qtTexts_); }

    // Needs Debian's qt6-translations-l10n, as the program does to speak Polish throughout.
    void qtsOwnTextsArePolish()
    {
        QVERIFY2(!qtTexts_.isEmpty(), "Qt's Polish translations (qtbase_pl.qm) were not found");
        QLineEdit field;
        field.setText(QStringLiteral("1234"));
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QStringList captions;
        for (const QAction* action : menu->actions()) {
            captions << action->text().section(QLatin1Char('\t'), 0, 0); // without the shortcut
        }
        QVERIFY2(captions.contains(QStringLiteral("&Wklej")), qPrintable(captions.join(QLatin1Char('|'))));
        QVERIFY(captions.contains(QStringLiteral("Zaznacz wszystko")));
    }

    // The taskbar finds the menu entry by this name: on Wayland it is the window's application id.
    void desktopFileNameIsTheMenuEntrys()
    {
        QCOMPARE(QGuiApplication::desktopFileName(),
                 QFileInfo(QStringLiteral(VELMORA_DESKTOP_FILE)).completeBaseName());
    }

    void theIconHasTheSizesOfATaskbar()
    {
        const QIcon icon = velmora::programIcon();
        QVERIFY(!icon.isNull());
        for (const int size : {16, 32, 48, 64}) {
            QCOMPARE(icon.pixmap(size).size(), QSize(size, size));
        }
    }

    // A user who never adds a unit gets a program that writes nothing: the register is made by the first unit.
    void startingWritesNothing()
    {
        velmora::test::TestHome home;
        {
            velmora::Program program;
            program.pages().mainPage().show();
            QVERIFY(QTest::qWaitFor([&] { return program.pages().allPrepared(); }, 20000));
        }
        QCOMPARE(home.files(), QStringList());
    }

private:
    QTranslator qtTexts_;
};

VELMORA_TEST_MAIN(StartupTest)
#include "startup_test.moc"
