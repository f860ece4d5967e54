#include "fakeroutes.h"
#include "keptunits.h"
#include "mainpage.h"
#include "modal.h"
#include "outbox.h"
#include "page.h"
#include "pageset.h"
#include "pagetest.h"
#include "scriptedfiles.h"
#include "scriptedquestions.h"
#include "testmain.h"
#include "unitsfixture.h"
#include "unitspicker.h"
#include "unitswindow.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>

using namespace velmora;
using namespace velmora::test;

namespace {

// "Edit1-3,Button1" stands for Edit1, Edit2, Edit3, Button1.
QStringList expand(const QString& sequence)
{
    static const QRegularExpression range(QStringLiteral("^(\\D+)(\\d+)-(\\d+)$"));
    QStringList names;
    for (const QString& part : sequence.split(QLatin1Char(','))) {
        const QRegularExpressionMatch match = range.match(part);
        if (!match.hasMatch()) {
            names << part;
            continue;
        }
        for (int number = match.captured(2).toInt(); number <= match.captured(3).toInt(); ++number) {
            names << match.captured(1) + QString::number(number);
        }
    }
    return names;
}

// The names of the controls Tab visits from the focused one, until it comes back to it.
QStringList tabCycle(QWidget* window)
{
    QStringList visited;
    if (!waitUntilActive(window)) {
        return visited;
    }
    QWidget* first = QApplication::focusWidget();
    QWidget* current = first;
    do {
        visited << current->objectName();
        QTest::keyClick(current, Qt::Key_Tab);
        current = QApplication::focusWidget();
    } while (current != nullptr && current != first && current->window() == window && visited.size() < 200);
    return visited;
}

// What the keyboard reaches: the focused control of the active window.
QWidget* focused()
{
    return QApplication::focusWidget();
}

void press(Qt::Key key)
{
    QTest::keyClick(focused(), key);
}

// Presses Tab until `name` has the focus; false if it never comes.
bool tabTo(const QString& name)
{
    for (int step = 0; step < 200 && focused() != nullptr; ++step) {
        if (focused()->objectName() == name) {
            return true;
        }
        press(Qt::Key_Tab);
    }
    return false;
}

// The program without sending, or with sending and the installer's units, which add their buttons to the pages that
// hold the IKU code.
struct Program {
    explicit Program(bool withUnits = false)
        : pages(errors, withUnits ? std::optional<Sending>(Sending{outbox, questions}) : std::nullopt,
                withUnits ? access.get() : nullptr)
    {}

    KeptUnits units;
    std::unique_ptr<RegisterAccess> access = units.makeAccess();
    RecordingErrorBox errors;
    FakeFinder finder;
    Outbox outbox{finder};
    ScriptedQuestions questions;
    PageSet pages;

    Page* page(const QString& name) const { return child<Page>(&pages.mainPage(), name); }
};

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    // Group by group, as the eye reads: a group's fields and boxes, then its button; the display band after
    // the inputs, the back button last. Disabled controls are passed: a preset number, copying an empty result,
    // and the result field of the pages that disable it when opened.
    void tabFollowsTheLayout_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("order");
        QTest::addColumn<bool>("withUnits");
        QTest::newRow("first start-up") << "TForm13"
                                        << "Edit3,Item0,Button1,Edit4-8,Button2,CheckBox1-10,Button5,SpeedButton1"
                                        << false;
        QTest::newRow("first start-up, the plan and the units under the code")
            << "TForm13"
            << "Edit3,PlanButton,UnitsButton,Item0,Button1,Edit4-8,Button2,CheckBox1-10,Button5,SpeedButton1" << true;
        QTest::newRow("advanced") << "TForm12"
                                  << "Edit1,SpeedButton3,SpeedButton4,SpeedButton8,SpeedButton5,SpeedButton6,"
                                     "SpeedButton7,SpeedButton9,SpeedButton10,SpeedButton1"
                                  << false;
        QTest::newRow("advanced, the plan and the units after the entries")
            << "TForm12"
            << "Edit1,SpeedButton3,SpeedButton4,SpeedButton8,SpeedButton5,SpeedButton6,SpeedButton7,SpeedButton9,"
               "SpeedButton10,PlanButton,UnitsButton,SpeedButton1"
            << true;
        QTest::newRow("sms centre") << "TForm2"
                                    << "Item0,Button1,SpeedButton3" << false;
        QTest::newRow("user numbers starts in its left column")
            << "TForm3"
            << "Edit1-5,Button1,CheckBox1-5,Button2,CheckBox6-10,Button3,CheckBox11-15,Button4,Edit6,SpeedButton1"
            << false;
        QTest::newRow("detectors") << "TForm4"
                                   << "CheckBox1-8,Button1,CheckBox11-18,Button2,CheckBox21-28,Button3,CheckBox31-38,"
                                      "Button4,CheckBox41-48,Button5,CheckBox9-10,Button6,CheckBox19-20,Button7,"
                                      "CheckBox29-30,Button8,SpeedButton2"
                                   << false;
        QTest::newRow("detector names")
            << "TForm5"
            << "Edit1,Button1,Edit2,Button4,Edit3,Button5,Edit4,Button6,Edit5,Button7,Edit6,Button8,Edit7,Button9,"
               "Edit8,Button10,CheckBox1-8,Button13,Edit11,Button3,Edit12,SpeedButton1"
            << false;
        QTest::newRow("parameters") << "TForm6"
                                    << "Edit1,Button1,Edit2,Button2,Edit3,Button3,Edit4,Button4,Edit5,Button5,Edit6,"
                                       "Button6,CheckBox11,Button10,Button11,Button14,CheckBox1-10,Button9,Edit7,"
                                       "SpeedButton1"
                                    << false;
        QTest::newRow("user names") << "TForm7"
                                    << "Edit1,Button1,Edit2,Button2,Edit3,Button3,Edit4,Button4,Edit5,Button5,Edit6,"
                                       "Button6,Edit7,Button7,Edit8,Button8,Edit9,Button9,Edit11,Button11,"
                                       "CheckBox1-10,Button10,Edit10,SpeedButton1"
                                    << false;
        QTest::newRow("remote controls: boxes before their button")
            << "TForm8"
            << "CheckBox1-10,Button1,Button2,CheckBox21-30,Button4,CheckBox11-20,Button5,Button3,CheckBox31-40,"
               "Button6,Button7,Button8,SpeedButton1"
            << false;
        QTest::newRow("test messages: the text before its button")
            << "Tform11"
            << "Edit1-3,Button1,Edit4-5,Button2,Button3,Button4,Edit6,SpeedButton1" << false;
    }

    void tabFollowsTheLayout()
    {
        QFETCH(QString, page);
        QFETCH(QString, order);
        QFETCH(bool, withUnits);
        Program program(withUnits);
        QStringList cycle;
        ModalWatcher watcher([&](QWidget* shown) { cycle = tabCycle(shown); });
        program.page(page)->showModally();
        QCOMPARE(cycle, expand(order));
    }

    // The units window and its dialog as the eye reads them, disabled buttons passed; Tab leaves a list at once.
    void theUnitsWindowsTabInReadingOrder()
    {
        UnitsFixture units;
        units.addUnit(QStringLiteral("Dom"), kHouseNumber);
        units.addUnit(QStringLiteral("Biuro"), QStringLiteral("48601999888"));
        RecordingErrorBox errors;
        ScriptedQuestions questions;
        ScriptedFiles files;
        UnitsWindow window(units.book, units.follows(), errors, questions, files, nullptr);
        QStringList windowCycle;
        QStringList dialogCycle;
        ModalWatcher watcher([&](QWidget* shown) {
            if (shown != &window) {
                return;
            }
            windowCycle = tabCycle(shown);
            ModalWatcher dialogs(&window, [&](QWidget* dialog) { dialogCycle = tabCycle(dialog); });
            child<QPushButton>(&window, QStringLiteral("UnitAdd"))->click();
        });
        window.showUnits();
        QCOMPARE(windowCycle, expand(QStringLiteral("UnitsFilter,UnitsList,UnitAdd,UnitEdit,UnitRemove,UnitUse,"
                                                    "UnitHistory,UnitsImport,UnitsExport,UnitsClose")));
        QCOMPARE(dialogCycle,
                 expand(QStringLiteral("UnitName,UnitNumber,UnitIku,UnitIkuShow,UnitNotes,UnitSave,UnitCancel")));
    }

    void theUnitsPickerTabsInReadingOrder()
    {
        UnitsFixture units;
        units.addUnit(QStringLiteral("Dom"), kHouseNumber);
        UnitsPicker picker(units.book, units.follows());
        QStringList cycle;
        ModalWatcher watcher([&](QWidget* shown) { cycle = tabCycle(shown); });
        picker.pick({});
        QCOMPARE(cycle, expand(QStringLiteral("UnitsPickerFilter,UnitsPickerList,UnitsPickerOk,UnitsPickerCancel")));
    }

    // The first installation by keyboard alone: the main page's first choice, the IKU code, an operator, the SMS
    // centre command, back to the main page, and out of the program.
    void firstInstallationWithoutAMouse()
    {
        Program program;
        TForm1& mainPage = program.pages.mainPage();
        mainPage.show();
        QVERIFY(QTest::qWaitForWindowActive(&mainPage));
        QCOMPARE(tabCycle(&mainPage), (QStringList{"Button3", "Button2", "Image2"}));
        QCOMPARE(focused()->objectName(), QStringLiteral("Button3"));

        QString composed;
        bool closedByBack = false;
        ModalWatcher watcher([&](QWidget* page) {
            QVERIFY(waitUntilActive(page));
            QTest::keyClicks(focused(), QStringLiteral("1234"));
            press(Qt::Key_Tab);
            press(Qt::Key_Space); // the first operator
            press(Qt::Key_Tab);
            press(Qt::Key_Return);
            composed = page->findChild<DisplayBand*>()->result()->text();
            QVERIFY(tabTo(QStringLiteral("SpeedButton1")));
            press(Qt::Key_Return);
            closedByBack = !page->isVisible();
        });
        press(Qt::Key_Return);
        QCOMPARE(watcher.seen(), QStringList{"TForm13"});
        QCOMPARE(composed, QStringLiteral("1234#0#48501200777#"));
        QVERIFY(closedByBack);
        QVERIFY(program.errors.reports().empty());

        // A window manager gives the main page the focus back; the offscreen platform has none.
        mainPage.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&mainPage));
        QVERIFY(tabTo(QStringLiteral("Image2")));
        press(Qt::Key_Return);
        QVERIFY(!mainPage.isVisible());
    }

    // Opening a page puts the focus on its first input, also when the user left it in the result field.
    void pagesOpenWithTheFocusOnTheirFirstInput()
    {
        Program program;
        const QList<QPair<QString, QString>> firstInputs = {
            {QStringLiteral("TForm13"), QStringLiteral("Edit3")},
            {QStringLiteral("TForm12"), QStringLiteral("Edit1")},
            {QStringLiteral("TForm2"), QStringLiteral("Item0")},
            {QStringLiteral("TForm3"), QStringLiteral("Edit1")},
            {QStringLiteral("TForm4"), QStringLiteral("CheckBox1")},
            {QStringLiteral("TForm5"), QStringLiteral("Edit1")},
            {QStringLiteral("TForm6"), QStringLiteral("Edit1")},
            {QStringLiteral("TForm7"), QStringLiteral("Edit1")},
            {QStringLiteral("TForm8"), QStringLiteral("CheckBox1")},
            {QStringLiteral("Tform11"), QStringLiteral("Edit1")},
        };
        for (const auto& [name, first] : firstInputs) {
            Page* page = program.page(name);
            for (int opening = 0; opening < 2; ++opening) {
                QString focused;
                ModalWatcher watcher([&](QWidget* shown) {
                    QVERIFY(waitUntilActive(shown));
                    focused = QApplication::focusWidget()->objectName();
                    // The next opening must not start where this one was left.
                    if (auto* band = page->findChild<DisplayBand*>()) {
                        band->result()->setFocus();
                    }
                });
                page->showModally();
                QVERIFY2(focused == first, qPrintable(name + QStringLiteral(": ") + focused));
            }
        }
    }

    void enterOnAFocusedButtonPressesIt_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::newRow("compose, Return") << "TForm6"
                                         << "Button11" << int(Qt::Key_Return);
        QTest::newRow("compose, keypad Enter") << "TForm8"
                                               << "Button2" << int(Qt::Key_Enter);
        QTest::newRow("page entry") << "TForm12"
                                    << "SpeedButton3" << int(Qt::Key_Return);
        QTest::newRow("back button") << "TForm4"
                                     << "SpeedButton2" << int(Qt::Key_Return);
        QTest::newRow("copy") << "TForm6"
                              << "CopyButton" << int(Qt::Key_Return);
    }

    void enterOnAFocusedButtonPressesIt()
    {
        QFETCH(QString, page);
        QFETCH(QString, button);
        QFETCH(int, key);
        Program program;
        Page* shown = program.page(page);
        shown->ensureBuilt();
        auto* pressed = child<QAbstractButton>(shown, button);
        QSignalSpy clicks(pressed, &QAbstractButton::clicked);
        ModalWatcher watcher([&](QWidget* modal) {
            if (modal != shown) {
                return; // the error box of a refused entry, answered by the recorder, is not watched here
            }
            // The copy button needs a command to copy.
            if (auto* band = shown->findChild<DisplayBand*>()) {
                band->showCommand({"1234#S#", "Tytuł", "Wyślij"});
            }
            pressed->setFocus();
            QTest::keyClick(pressed, Qt::Key(key));
        });
        shown->showModally();
        QCOMPARE(clicks.count(), 1);
    }

    // Enter in a field composes nothing: each operation is composed only by its own button.
    void enterInAFieldPressesNoButton()
    {
        Program program;
        for (Page* page : program.pages.mainPage().findChildren<Page*>()) {
            page->ensureBuilt();
            for (QLineEdit* field : page->findChildren<QLineEdit*>()) {
                QList<QSignalSpy*> spies;
                for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
                    spies << new QSignalSpy(button, &QAbstractButton::clicked);
                }
                ModalWatcher watcher([&](QWidget* modal) {
                    if (modal == page && field->isEnabled()) {
                        field->setFocus();
                        QTest::keyClick(field, Qt::Key_Return);
                        QTest::keyClick(field, Qt::Key_Enter);
                    }
                });
                page->showModally();
                for (QSignalSpy* spy : spies) {
                    QVERIFY2(spy->isEmpty(), qPrintable(page->objectName() + QLatin1Char(' ') + field->objectName()));
                }
                qDeleteAll(spies);
            }
        }
    }
};

VELMORA_TEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
