#include "advancedpage.h"
#include "displayband.h"
#include "fakeroutes.h"
#include "mainpage.h"
#include "modal.h"
#include "outbox.h"
#include "pageset.h"
#include "pagetest.h"
#include "plan.h"
#include "programwithunits.h"
#include "qrwindow.h"
#include "recordingerrorbox.h"
#include "scriptedquestions.h"
#include "sendwindow.h"
#include "smscentrepage.h"
#include "testmain.h"

#include <QAbstractItemView>
#include <QBackingStore>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>

using namespace velmora;
using velmora::test::bandWithCommand;
using velmora::test::ModalWatcher;
using velmora::test::openFromBand;
using velmora::test::RecordingErrorBox;
using velmora::test::waitUntilActive;

namespace {

// What a page shows once it is open: each widget's class, name, place, state and text, the control with the
// focus, and the first frame as the screen got it.
struct Opening {
    QStringList widgets;
    QString focus;
    QImage frame;
};

QString describe(const QWidget* widget)
{
    const QRect place = widget->geometry();
    return QStringLiteral("%1 %2 %3,%4 %5x%6 shown %7 enabled %8 \"%9\"")
        .arg(QLatin1String(widget->metaObject()->className()), widget->objectName())
        .arg(place.x())
        .arg(place.y())
        .arg(place.width())
        .arg(place.height())
        .arg(widget->isVisible())
        .arg(widget->isEnabled())
        .arg(widget->property("text").toString());
}

Opening open(Page* page)
{
    Opening seen;
    ModalWatcher watcher([&seen](QWidget* shown) {
        QVERIFY(waitUntilActive(shown));
        seen.frame = shown->screen()->grabWindow(shown->winId()).toImage();
        seen.focus = QApplication::focusWidget() != nullptr ? describe(QApplication::focusWidget()) : QString();
        for (const QWidget* widget : shown->findChildren<QWidget*>()) {
            seen.widgets << describe(widget);
        }
    });
    page->showModally();
    return seen;
}

} // namespace

class PageSetTest : public QObject {
    Q_OBJECT

private slots:
    void pagesAreMadeOnceInTheirOrderWithTheirCaptions()
    {
        RecordingErrorBox errors;
        PageSet pages(errors);
        QCOMPARE(pages.mainPage().windowTitle(), QStringLiteral("Velmora SMS  Tarvik SMS"));

        QStringList names;
        QStringList captions;
        for (const Page* page : pages.mainPage().findChildren<Page*>(Qt::FindDirectChildrenOnly)) {
            names << page->objectName();
            captions << page->windowTitle();
        }
        QCOMPARE(names, (QStringList{QStringLiteral("TForm2"), QStringLiteral("TForm3"), QStringLiteral("TForm4"),
                                     QStringLiteral("TForm5"), QStringLiteral("TForm6"), QStringLiteral("TForm7"),
                                     QStringLiteral("TForm8"), QStringLiteral("Tform11"), QStringLiteral("TForm12"),
                                     QStringLiteral("TForm13")}));
        QCOMPARE(captions,
                 (QStringList{
                     QStringLiteral("DEFINIOWANIE CENTRUM SMS DLA  OPERATORA KARTY W URZĄDZENIU"),
                     QStringLiteral("WPROGRAMOWYWANIE USUWANIE NUMERÓW TELEFONÓW UŻYTKOWNIKÓW SYSTEMU DEFINIOWANIE "
                                    "MASKI SMS I RING"),
                     QStringLiteral("WPROGRAMOWYWANIE CZUJEK I SYREN  DO SYSTEMU"),
                     QStringLiteral("DEFINIOWANIE NAZW CZUJEK I NAGŁÓWKA KOMUNIKATU"),
                     QStringLiteral("POZOSTAŁE PAMETRY SYSTEMU"),
                     QStringLiteral("DEFINIOWANIE NAZW UŻYTKOWNIKÓW SYSTEMU"),
                     QStringLiteral("DEFINIOWANIE PILOTÓW I KLAWIATUR DO SYSTEMU"),
                     QStringLiteral("DEFINIOWANIE WYSYLANIA SMS I CLIP TESTOWEGO"),
                     QStringLiteral("ZAAWANSOWANE KONFIGUROWANIE SYSTEMU"),
                     QStringLiteral("NIEZBĘDNE KROKI PPRZY PIERWSZYM URUCHOMIENIU SYSTEMU"),
                 }));
    }

    void configurationPagesReadTheIkuCodeAtTheMomentTheyCompose()
    {
        RecordingErrorBox errors;
        PageSet pages(errors);
        auto* advanced = pages.mainPage().findChild<TForm12*>(QStringLiteral("TForm12"));
        auto* smsCentre = pages.mainPage().findChild<TForm2*>(QStringLiteral("TForm2"));
        QVERIFY(advanced && smsCentre);
        QCOMPARE(advanced->ikuCode(), std::string());
        advanced->ensureBuilt();
        smsCentre->ensureBuilt();
        auto* iku = advanced->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        auto* compose = smsCentre->findChild<QPushButton*>(QStringLiteral("Button1"));
        auto* result = smsCentre->findChild<QLineEdit*>(QStringLiteral("Edit2"));
        auto* number = smsCentre->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        QVERIFY(iku && compose && result && number);

        number->setText(QStringLiteral("48501200777"));
        iku->setText(QStringLiteral("0042"));
        compose->click();
        QCOMPARE(result->text(), QStringLiteral("0042#0#48501200777#"));
        iku->setText(QStringLiteral("9876"));
        compose->click();
        QCOMPARE(result->text(), QStringLiteral("9876#0#48501200777#"));
    }

    // Controls are made on a page's first showing; the QR window is shared by the bands of every page and
    // keeps the unit's number between them.
    void pagesMadeLaterShareOneQrWindow()
    {
        RecordingErrorBox errors;
        PageSet pages(errors);
        QVERIFY(pages.mainPage().findChildren<DisplayBand*>().isEmpty());

        QStringList numbers;
        for (const char* name : {"TForm3", "Tform11"}) {
            auto* page = pages.mainPage().findChild<Page*>(QLatin1String(name));
            QVERIFY(page);
            page->show();
            auto* band = page->findChild<DisplayBand*>();
            QVERIFY(band);
            band->showCommand({"1234#S#", "Tytuł", "Wyślij"});
            ModalWatcher watcher([&](QWidget* shown) {
                auto* number = shown->findChild<QLineEdit*>(QStringLiteral("QrNumber"));
                QVERIFY(number);
                numbers << number->text();
                number->setText(QStringLiteral("48601123456"));
            });
            band->findChild<QPushButton*>(QStringLiteral("QrButton"))->click();
            QCOMPARE(watcher.seen(), QStringList{QStringLiteral("QrWindow")});
            page->hide();
        }
        QCOMPARE(numbers, (QStringList{QString(), QStringLiteral("48601123456")}));
        QCOMPARE(pages.mainPage().findChildren<QrWindow*>().size(), 1);
        QVERIFY(bandWithCommand(pages, "TForm2", "1234#S#")
                    ->findChild<QPushButton*>(QStringLiteral("SendButton"))
                    ->isHidden());
    }

    // A page prepared in idle moments opens as one whose controls are made when it opens: the same controls in
    // the same places with the same texts, the focus on the same one, and the same first frame, painted afresh
    // at the opening, not the one painted ahead.
    void pagesPreparedInIdleMomentsOpenAsPagesMadeOnOpening()
    {
        const int flashTime = QApplication::cursorFlashTime();
        QApplication::setCursorFlashTime(0); // a steady text cursor, drawn in both frames
        RecordingErrorBox errors;
        PageSet prepared(errors);
        prepared.mainPage().show();
        QTRY_VERIFY_WITH_TIMEOUT(prepared.allPrepared(), 60000);
        PageSet madeOnOpening(errors);
        for (Page* page : prepared.mainPage().findChildren<Page*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(page->testAttribute(Qt::WA_WState_Created) && page->backingStore()->size() == page->size(),
                     qPrintable(page->objectName()));
            const Opening ahead = open(page);
            const Opening fresh = open(madeOnOpening.mainPage().findChild<Page*>(page->objectName()));
            QCOMPARE(ahead.widgets, fresh.widgets);
            QCOMPARE(ahead.focus, fresh.focus);
            QVERIFY2(!fresh.frame.isNull() && ahead.frame == fresh.frame, qPrintable(page->objectName()));
        }
        QApplication::setCursorFlashTime(flashTime);
    }

    // The unit's number is typed once per run, in the QR window or the send window, whichever comes first.
    void theSendWindowIsSharedAndKeepsTheNumberWithTheQrWindow()
    {
        RecordingErrorBox errors;
        test::FakeFinder finder;
        Outbox outbox(finder);
        test::ScriptedQuestions questions;
        PageSet pages(errors, Sending{outbox, questions});

        DisplayBand* userNumbers = bandWithCommand(pages, "TForm3", "1234#S#");
        DisplayBand* testMessages = bandWithCommand(pages, "Tform11", "1234#S#");
        QVERIFY(userNumbers && testMessages);
        auto* send = testMessages->findChild<QPushButton*>(QStringLiteral("SendButton"));
        QVERIFY(send && !send->isHidden() && send->isEnabled());
        QCOMPARE(finder.starts(), 0);

        openFromBand(userNumbers, "QrButton", [](QWidget* shown) {
            shown->findChild<QLineEdit*>(QStringLiteral("QrNumber"))->setText(QStringLiteral("48601123456"));
        });
        QString seenInSendWindow;
        const QStringList seen = openFromBand(testMessages, "SendButton", [&](QWidget* shown) {
            auto* number = shown->findChild<QLineEdit*>(QStringLiteral("SendNumber"));
            seenInSendWindow = number->text();
            number->setText(QStringLiteral("48700200300"));
        });
        QCOMPARE(seen, QStringList{QStringLiteral("SendWindow")});
        QCOMPARE(seenInSendWindow, QStringLiteral("48601123456"));
        QCOMPARE(finder.starts(), 1);
        openFromBand(userNumbers, "QrButton", [&](QWidget* shown) {
            QCOMPARE(shown->findChild<QLineEdit*>(QStringLiteral("QrNumber"))->text(), QStringLiteral("48700200300"));
        });
        QCOMPARE(pages.mainPage().findChildren<SendWindow*>().size(), 1);

        testMessages->clear();
        QVERIFY(!send->isEnabled());
    }

    // Commands from every page go to one plan, whose count the hub and the first steps page show; its window shares
    // the unit's number with the send and QR windows. Nothing of it exists before the first command.
    void thePlanGathersCommandsFromEveryPage()
    {
        RecordingErrorBox errors;
        test::FakeFinder finder;
        Outbox outbox(finder);
        test::ScriptedQuestions questions;
        PageSet pages(errors, Sending{outbox, questions});
        QList<QPushButton*> planButtons;
        for (const char* name : {"TForm12", "TForm13"}) {
            auto* page = test::child<Page>(&pages.mainPage(), QLatin1String(name));
            page->ensureBuilt();
            planButtons << test::child<QPushButton>(page, QStringLiteral("PlanButton"));
            QCOMPARE(planButtons.last()->text(), QStringLiteral("Plan wysyłki (0)"));
        }
        QVERIFY(pages.mainPage().findChildren<Plan*>().isEmpty());

        DisplayBand* userNumbers = bandWithCommand(pages, "TForm3", "1234#SM#10000#");
        DisplayBand* testMessages = bandWithCommand(pages, "Tform11", "1234#TC#0#0#");
        test::child<QPushButton>(userNumbers, QStringLiteral("PlanAddButton"))->click();
        test::child<QPushButton>(testMessages, QStringLiteral("PlanAddButton"))->click();
        DisplayBand* otherUnit = bandWithCommand(pages, "TForm2", "9999#S#");
        test::child<QPushButton>(otherUnit, QStringLiteral("PlanAddButton"))->click();
        QCOMPARE(errors.messages().size(), 1);
        for (QPushButton* button : planButtons) {
            QCOMPARE(button->text(), QStringLiteral("Plan wysyłki (2)"));
        }

        openFromBand(userNumbers, "SendButton", [](QWidget* shown) {
            shown->findChild<QLineEdit*>(QStringLiteral("SendNumber"))->setText(QStringLiteral("48601123456"));
        });
        QStringList rows;
        QString number;
        {
            ModalWatcher watcher([&](QWidget* shown) {
                auto* list = test::child<QAbstractItemView>(shown, QStringLiteral("PlanList"));
                for (int row = 0; row < list->model()->rowCount(); ++row) {
                    rows << list->model()->index(row, Plan::Command).data().toString();
                }
                auto* planNumber = test::child<QLineEdit>(shown, QStringLiteral("PlanNumber"));
                number = planNumber->text();
                planNumber->setText(QStringLiteral("48700200300"));
            });
            planButtons.first()->click();
            QCOMPARE(watcher.seen(), QStringList{QStringLiteral("PlanWindow")});
        }
        QCOMPARE(rows, (QStringList{"1234#SM#10000#", "1234#TC#0#0#"}));
        QCOMPARE(number, QStringLiteral("48601123456"));
        openFromBand(userNumbers, "QrButton", [&](QWidget* shown) {
            QCOMPARE(shown->findChild<QLineEdit*>(QStringLiteral("QrNumber"))->text(), QStringLiteral("48700200300"));
        });
    }

    // "Użyj" on the first steps page reaches the hub too, although the hub makes its controls only when first shown.
    void aUnitUsedBeforeAPageIsFirstShownReachesIt()
    {
        test::ProgramWithUnits program;
        PageSet& pages = program.pages;
        const Unit unit =
            std::get<Unit>(program.access->units().add({QStringLiteral("Dom"), QStringLiteral("48601123456"), {}}));
        program.kept.keyring.entries[unit.codeKey] = QStringLiteral("7395");
        auto* firstSteps = test::child<Page>(&pages.mainPage(), QStringLiteral("TForm13"));
        auto* hub = test::child<TForm12>(&pages.mainPage(), QStringLiteral("TForm12"));
        firstSteps->ensureBuilt();
        QVERIFY(hub->findChild<QLineEdit*>(QStringLiteral("Edit1")) == nullptr);

        ModalWatcher watcher([](QWidget* window) {
            test::child<QTableView>(window, QStringLiteral("UnitsList"))->selectRow(0);
            test::child<QPushButton>(window, QStringLiteral("UnitUse"))->click();
        });
        test::child<QPushButton>(firstSteps, QStringLiteral("UnitsButton"))->click();
        QCOMPARE(watcher.seen(), QStringList{QStringLiteral("UnitsWindow")});
        QTRY_COMPARE(test::child<QLineEdit>(firstSteps, QStringLiteral("Edit3"))->text(), QStringLiteral("7395"));
        QCOMPARE(hub->ikuCode(), std::string());

        hub->ensureBuilt();
        QCOMPARE(hub->ikuCode(), std::string("7395"));
        for (Page* page : {firstSteps, static_cast<Page*>(hub)}) {
            QCOMPARE(test::child<QLabel>(page, QStringLiteral("CurrentUnit"))->text(), QStringLiteral("Centrala: Dom"));
        }
        QVERIFY(program.errors.reports().empty());
    }

    void withoutSendingThereIsNoPlan()
    {
        RecordingErrorBox errors;
        PageSet pages(errors);
        auto* hub = test::child<Page>(&pages.mainPage(), QStringLiteral("TForm12"));
        hub->ensureBuilt();
        QVERIFY(test::child<QPushButton>(hub, QStringLiteral("PlanButton"))->isHidden());
        QVERIFY(test::child<QPushButton>(hub, QStringLiteral("UnitsButton"))->isHidden());
        QVERIFY(test::child<QLabel>(hub, QStringLiteral("CurrentUnit"))->isHidden());
        DisplayBand* band = bandWithCommand(pages, "TForm3", "1234#SM#10000#");
        QVERIFY(test::child<QPushButton>(band, QStringLiteral("PlanAddButton"))->isHidden());
    }
};

VELMORA_TEST_MAIN(PageSetTest)
#include "pageset_test.moc"
