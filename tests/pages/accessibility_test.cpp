#include "controls.h"
#include "fakeroutes.h"
#include "mainpage.h"
#include "modal.h"
#include "outbox.h"
#include "page.h"
#include "pageset.h"
#include "pagetest.h"
#include "programwithunits.h"
#include "qrwindow.h"
#include "scriptedfiles.h"
#include "scriptedquestions.h"
#include "sendwindow.h"
#include "smslogwindow.h"
#include "testmain.h"
#include "unitdialog.h"
#include "unitsfixture.h"
#include "unitswindow.h"

#include <QAccessible>
#include <QPushButton>
#include <QToolButton>
#include <cmath>

using namespace velmora;
using namespace velmora::test;

namespace {

struct Program : ProgramWithUnits {
    UnitsFixture units;
    ScriptedFiles files;
    SmsLogWindow log{outbox.log()};
    // The units window and its dialog, beside the windows the pages open.
    UnitsWindow* unitsWindow =
        new UnitsWindow(units.book, units.follows(), errors, questions, files, nullptr, &pages.mainPage());
    UnitDialog* unitDialog = new UnitDialog(units.book, errors, &pages.mainPage());

    // The main page, every page with its controls made, and the QR code, send, plan and log windows.
    QList<QWidget*> windows()
    {
        QList<QWidget*> all{&pages.mainPage(), &log};
        for (Page* page : pages.mainPage().findChildren<Page*>()) {
            page->ensureBuilt();
            all << page;
        }
        // The plan window is made at its first opening.
        {
            ModalWatcher closing;
            child<QPushButton>(child<Page>(&pages.mainPage(), QStringLiteral("TForm12")), QStringLiteral("PlanButton"))
                ->click();
        }
        for (QDialog* window : pages.mainPage().findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<Page*>(window) == nullptr) {
                all << window;
            }
        }
        return all;
    }
};

QString accessible(QWidget* widget, QAccessible::Text text)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(text) : QString();
}

QString where(const QWidget* widget)
{
    return widget->window()->objectName() + QLatin1Char('/') + widget->objectName();
}

double luminance(const QColor& colour)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

// The WCAG contrast ratio of two colours, 1 to 21.
double contrast(const QColor& text, const QColor& background)
{
    const double a = luminance(text) + 0.05;
    const double b = luminance(background) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

QMap<QString, QRect> geometries(QWidget* window)
{
    QMap<QString, QRect> all;
    int unnamed = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QString name = widget->objectName().isEmpty() ? QString::number(unnamed++) : widget->objectName();
        all.insert(where(widget) + QLatin1Char('#') + name, QRect(widget->mapTo(window, QPoint()), widget->size()));
    }
    return all;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlTheKeyboardReachesHasAName()
    {
        Program program;
        int checked = 0;
        for (QWidget* window : program.windows()) {
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                // A combo box's list is a popup of its own, reached through the combo box.
                if ((widget->focusPolicy() & Qt::TabFocus) == 0 || widget->window() != window) {
                    continue;
                }
                QVERIFY2(!accessible(widget, QAccessible::Name).isEmpty(), qPrintable(where(widget)));
                ++checked;
            }
        }
        QVERIFY(checked > 300);
    }

    void controlsAreNamedAfterWhatTheyStandFor_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("numbered box") << "TForm8"
                                      << "CheckBox23"
                                      << "Usuwanie pilotów z systemu, P3";
        QTest::newRow("keypad box") << "TForm13"
                                    << "CheckBox10"
                                    << "Programowanie kodów klawiatur użytkowników, K10";
        QTest::newRow("mask box") << "TForm6"
                                  << "CheckBox3"
                                  << "Maska zawiadamiania o uzbrojeniu rozbrojeniu systemu, U3";
        QTest::newRow("field by its label") << "TForm3"
                                            << "Edit2"
                                            << "Numer użytkownika 2";
        QTest::newRow("field by its row") << "TForm5"
                                          << "Edit3"
                                          << "Definiowanie nazw czujek, C3";
        QTest::newRow("field by its step") << "TForm13"
                                           << "Edit1"
                                           << "Programowanie Centrum SMS";
        QTest::newRow("IKU field") << "TForm12"
                                   << "Edit1"
                                   << "KOD IKU";
        QTest::newRow("entry by its lines") << "TForm12"
                                            << "SpeedButton8"
                                            << "Programowanie do systemu pilotów i kodów klawiatur oraz modułu drzwi";
        QTest::newRow("compose by its group") << "TForm4"
                                              << "Button2"
                                              << "Treść SMS: Usuwanie czujek z systemu";
        QTest::newRow("compose by its row") << "TForm6"
                                            << "Button10"
                                            << "Treść SMS: Opcja ECHO";
        QTest::newRow("compose with its own caption") << "TForm7"
                                                      << "Button1"
                                                      << "Teść SMS: Definiowanie nazw użytkowników, Użytkownik nr 1";
        QTest::newRow("door module") << "TForm8"
                                     << "Button8"
                                     << "Treść SMS: Usunięcie modułu drzwi z systemu";
        QTest::newRow("units on the hub") << "TForm12"
                                          << "UnitsButton"
                                          << "Centrale";
        QTest::newRow("units on the first steps") << "TForm13"
                                                  << "UnitsButton"
                                                  << "Centrale";
        QTest::newRow("back button") << "TForm13"
                                     << "SpeedButton1"
                                     << "WSTECZ";
        QTest::newRow("choice") << "TForm1"
                                << "Button2"
                                << "DALEJ: 2. Chcę zapoznać się z dodatkowymi";
        QTest::newRow("unit's number") << "SendWindow"
                                       << "SendNumber"
                                       << "Numer karty SIM centrali:";
        QTest::newRow("route") << "SendWindow"
                               << "SendRoute"
                               << "Wyślij przez:";
        QTest::newRow("plan's code") << "PlanWindow"
                                     << "PlanIku"
                                     << "Kod IKU:";
        QTest::newRow("plan's number") << "PlanWindow"
                                       << "PlanNumber"
                                       << "Numer karty SIM centrali:";
        QTest::newRow("plan's rows") << "PlanWindow"
                                     << "PlanList"
                                     << "Polecenia planu";
        QTest::newRow("units filter") << "UnitsWindow"
                                      << "UnitsFilter"
                                      << "Szukaj:";
        QTest::newRow("units") << "UnitsWindow"
                               << "UnitsList"
                               << "Centrale w rejestrze";
        QTest::newRow("unit's history") << "UnitsWindow"
                                        << "UnitHistory"
                                        << "Historia wybranej centrali";
        QTest::newRow("number in the unit dialog") << "UnitDialog"
                                                   << "UnitNumber"
                                                   << "Numer karty SIM centrali:";
        QTest::newRow("unit's code") << "UnitDialog"
                                     << "UnitIku"
                                     << "Kod IKU:";
        QTest::newRow("showing the code") << "UnitDialog"
                                          << "UnitIkuShow"
                                          << "Pokaż kod IKU";
        QTest::newRow("unit's notes") << "UnitDialog"
                                      << "UnitNotes"
                                      << "Uwagi";
    }

    void controlsAreNamedAfterWhatTheyStandFor()
    {
        QFETCH(QString, page);
        QFETCH(QString, control);
        QFETCH(QString, name);
        Program program;
        program.windows();
        QWidget* window = page == QStringLiteral("TForm1") ? &program.pages.mainPage()
                                                           : child<QWidget>(&program.pages.mainPage(), page);
        QCOMPARE(accessible(child<QWidget>(window, control), QAccessible::Name), name);
    }

    // A screen reader reads the manual's section, which the mouse shows as a tool tip.
    void composeButtonsDescribeTheirManualSection()
    {
        Program program;
        int checked = 0;
        for (QWidget* window : program.windows()) {
            for (QPushButton* button : window->findChildren<QPushButton*>()) {
                if (button->toolTip().startsWith(QStringLiteral("punkt"))) {
                    QCOMPARE(accessible(button, QAccessible::Description), button->toolTip());
                    ++checked;
                }
            }
        }
        QVERIFY(checked > 50);
    }

    // 4.5:1 at least, for every text that is meant to be read: labels, enabled captions, and fields' texts,
    // a disabled field's preset number included.
    void everyTextReadsAtFourAndAHalfToOne()
    {
        Program program;
        for (QWidget* window : program.windows()) {
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                const QPalette palette = widget->palette();
                const auto check = [&](QPalette::ColorGroup group, QPalette::ColorRole text,
                                       QPalette::ColorRole background) {
                    const double ratio = contrast(palette.color(group, text), palette.color(group, background));
                    QVERIFY2(ratio >= 4.5, qPrintable(where(widget) + QStringLiteral(": ") + QString::number(ratio)));
                };
                if (qobject_cast<QLabel*>(widget) != nullptr) {
                    check(QPalette::Active, QPalette::WindowText, QPalette::Window);
                } else if (qobject_cast<QPushButton*>(widget) != nullptr && widget->isEnabled()) {
                    check(QPalette::Active, QPalette::ButtonText, QPalette::Button);
                } else if (qobject_cast<QLineEdit*>(widget) != nullptr) {
                    check(QPalette::Active, QPalette::Text, QPalette::Base);
                    check(QPalette::Disabled, QPalette::Text, QPalette::Base);
                }
            }
        }
    }

    // A command, its title, prompt and length line (and the keypad code's instructions) appear and go without
    // moving anything else on the page.
    void pagesStayStillWhileTheirTextsComeAndGo()
    {
        Program program;
        int checked = 0;
        for (Page* page : program.pages.mainPage().findChildren<Page*>()) {
            page->ensureBuilt();
            auto* band = page->findChild<DisplayBand*>();
            if (band == nullptr) {
                continue;
            }
            ++checked;
            page->show();
            QVERIFY(QTest::qWaitForWindowExposed(page));
            const QMap<QString, QRect> empty = geometries(page);
            band->showCommand({"1234#PN#1#2#3#4#5#6#7#8#9#10#", "Wprogramowywanie grupowe klawiatur  do systemu",
                               "Wyślij do urządzenia SMS o treści:"});
            if (page->objectName() == QStringLiteral("TForm13")) {
                child<QLineEdit>(page, QStringLiteral("Edit3"))->setText(QStringLiteral("1234"));
                child<QCheckBox>(page, QStringLiteral("CheckBox3"))->click();
                child<QPushButton>(page, QStringLiteral("Button5"))->click();
                QVERIFY(!child<QLabel>(page, QStringLiteral("Label11"))->text().isEmpty());
            }
            QTest::qWait(20);
            QCOMPARE(geometries(page), empty);
            band->clear();
            QTest::qWait(20);
            QCOMPARE(geometries(page), empty);
            page->hide();
        }
        QCOMPARE(checked, 9);
    }
};

VELMORA_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
