// Every window on a small screen: run by CTest on a virtual screen given as VELMORA_TEST_SCREEN (e.g. 1366x768),
// at the scale in QT_SCALE_FACTOR.
#include "fakeroutes.h"
#include "mainpage.h"
#include "modal.h"
#include "outbox.h"
#include "page.h"
#include "pageset.h"
#include "pagetest.h"
#include "plan.h"
#include "planwindow.h"
#include "programwithunits.h"
#include "scriptedfiles.h"
#include "scriptedquestions.h"
#include "sendwindow.h"
#include "smslogwindow.h"
#include "testmain.h"
#include "unitsfixture.h"
#include "unitspicker.h"
#include "unitswindow.h"

#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cmath>

using namespace velmora;
using namespace velmora::test;

namespace {

QSize screenSize()
{
    const QStringList sides = qEnvironmentVariable("VELMORA_TEST_SCREEN").split(QLatin1Char('x'));
    return sides.size() == 2 ? QSize(sides[0].toInt(), sides[1].toInt()) : QSize(1366, 768);
}

double scale()
{
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
}

// Qt's offscreen platform takes its screens from a configuration file.
void useVirtualScreen(const QTemporaryDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("screen.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qFatal("cannot write %s", qPrintable(path));
    }
    file.write(QStringLiteral(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": %1, "height": %2,
                                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                   .arg(screenSize().width())
                   .arg(screenSize().height())
                   .toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + path.toLocal8Bit());
}

// The focused control lies wholly inside its window, scrolled into view where the page scrolls.
bool inView(const QWidget* control)
{
    const QWidget* window = control->window();
    return window->rect().contains(QRect(control->mapTo(window, QPoint()), control->size()));
}

} // namespace

class ScreenTest : public QObject {
    Q_OBJECT

private slots:
    // Proves the virtual screen is the one asked for: Qt's default offscreen screen is 800 by 600.
    void theScreenIsTheOneAskedFor()
    {
        const QSize logical(std::lround(screenSize().width() / scale()), std::lround(screenSize().height() / scale()));
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), logical);
    }

    void noWindowIsLargerThanTheScreenAndEveryControlCanBeReached()
    {
        ProgramWithUnits program;
        PageSet& pages = program.pages;
        pages.mainPage().show();
        checkOnScreen(&pages.mainPage());
        for (Page* page : pages.mainPage().findChildren<Page*>()) {
            ModalWatcher watcher([this](QWidget* shown) { checkOnScreen(shown); });
            page->showModally();
        }
    }

    void theSendingWindowsFitTheScreen()
    {
        FakeFinder finder;
        FakeRoute modem(QStringLiteral("Modem: Huawei E3372 (+48500100200)"));
        Outbox outbox(finder);
        ScriptedQuestions questions;
        SendWindow send(outbox, questions);
        SmsLogWindow log(outbox.log());
        Plan plan(outbox);
        for (int i = 0; i < 30; ++i) {
            plan.add(QStringLiteral("Usuwanie wybranych pilotów z systemu"), QStringLiteral("1234#PN#1#2#3#4#5#6#7#"));
        }
        RecordingErrorBox errors;
        FileDialogs files{planFileKind()};
        PlanWindow planWindow(plan, outbox, errors, questions, files);
        ModalWatcher watcher([this](QWidget* shown) { checkOnScreen(shown); });
        const QString title = QStringLiteral("Usuwanie wybranych pilotów z systemu");
        const QString command = QStringLiteral("1234#PN#1#2#3#4#5#6#7#");
        // Without a route each window says at length what to plug in.
        send.showFor(title, command);
        planWindow.showPlan();
        finder.setRoutes({&modem});
        send.showFor(title, command);
        log.exec();
        planWindow.showPlan();
        QCOMPARE(watcher.seen(),
                 (QStringList{QStringLiteral("SendWindow"), QStringLiteral("PlanWindow"), QStringLiteral("SendWindow"),
                              QStringLiteral("SmsLog"), QStringLiteral("PlanWindow")}));
    }

    // The units window with a long list and history, and the unit dialog opened from it.
    void theUnitsWindowsFitTheScreen()
    {
        UnitsFixture units;
        for (int i = 0; i < 40; ++i) {
            units.addUnit(QStringLiteral("Centrala przy ulicy Długiej %1").arg(i),
                          QStringLiteral("486010000%1").arg(i, 2, 10, QLatin1Char('0')));
        }
        for (int i = 0; i < 20; ++i) {
            units.recordSent(QStringLiteral("48601000000"), QStringLiteral("Usuwanie wybranych pilotów z systemu"),
                             QStringLiteral("1234#PN#1#2#3#4#5#6#7#"));
        }
        RecordingErrorBox errors;
        ScriptedQuestions questions;
        ScriptedFiles files;
        UnitsWindow window(units.book, units.follows(), errors, questions, files, nullptr);
        ModalWatcher watcher([&](QWidget* shown) {
            checkOnScreen(shown);
            if (shown == &window) {
                ModalWatcher dialogs(&window, [this](QWidget* dialog) { checkOnScreen(dialog); });
                child<QPushButton>(&window, QStringLiteral("UnitAdd"))->click();
                QCOMPARE(dialogs.seen(), QStringList{QStringLiteral("UnitDialog")});
            }
        });
        window.showUnits();
        QCOMPARE(watcher.seen(), QStringList{QStringLiteral("UnitsWindow")});
    }

    // The units picker over a long list of units.
    void theUnitsPickerFitsTheScreen()
    {
        UnitsFixture units;
        for (int i = 0; i < 40; ++i) {
            units.addUnit(QStringLiteral("Centrala przy ulicy Długiej %1").arg(i),
                          QStringLiteral("486010000%1").arg(i, 2, 10, QLatin1Char('0')));
        }
        UnitsPicker picker(units.book, units.follows());
        ModalWatcher watcher([this](QWidget* shown) { checkOnScreen(shown); });
        picker.pick({});
        QCOMPARE(watcher.seen(), QStringList{QStringLiteral("UnitsPicker")});
    }

    // Where the screen has room, pages open at their own sizes and show everything unscrolled.
    void roomyScreensShowThePagesAtTheirSizes()
    {
        if (screenSize().width() < 1920 || scale() != 1.0) {
            QSKIP("only on a screen with room for every page");
        }
        ProgramWithUnits program;
        PageSet& pages = program.pages;
        QCOMPARE(pages.mainPage().size(), QSize(608, 608));
        auto* advanced = child<Page>(&pages.mainPage(), QStringLiteral("TForm12"));
        advanced->prepare();
        QCOMPARE(advanced->size(), QSize(617, 548));
        for (Page* page : pages.mainPage().findChildren<Page*>()) {
            page->show();
            QVERIFY(QTest::qWaitForWindowExposed(page));
            const auto* body = child<QScrollArea>(page, QStringLiteral("Body"));
            QVERIFY2(!body->verticalScrollBar()->isVisible() && !body->horizontalScrollBar()->isVisible(),
                     qPrintable(page->objectName()));
            page->hide();
        }
    }

private:
    // The window fits the screen, and Tab brings each of its controls into view.
    void checkOnScreen(QWidget* window);
};

void ScreenTest::checkOnScreen(QWidget* window)
{
    QVERIFY(QTest::qWaitForWindowActive(window));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(window->frameGeometry().width() <= screen.width() && window->frameGeometry().height() <= screen.height(),
             qPrintable(window->objectName()));
    QTRY_VERIFY(QApplication::focusWidget() != nullptr && QApplication::focusWidget()->window() == window);
    QWidget* first = QApplication::focusWidget();
    QWidget* current = first;
    int visited = 0;
    do {
        QVERIFY2(current != nullptr && current->window() == window, qPrintable(window->objectName()));
        QVERIFY2(inView(current), qPrintable(window->objectName() + QLatin1Char('/') + current->objectName()));
        QTest::keyClick(current, Qt::Key_Tab);
        current = QApplication::focusWidget();
    } while (current != first && ++visited < 200);
}

int main(int argc, char** argv)
{
    const QTemporaryDir folder;
    useVirtualScreen(folder);
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    ScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "screen_test.moc"
