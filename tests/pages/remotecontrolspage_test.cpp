#include "modal.h"
#include "recordingerrorbox.h"
#include "remotecontrolspage.h"
#include "testmain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace velmora;
using velmora::test::ModalWatcher;
using velmora::test::RecordingErrorBox;

namespace {

const QString kSendSms = QStringLiteral("Wyślij SMS o treści:");

struct Fixture {
    std::string iku = "0123";
    RecordingErrorBox errors;
    TForm8 page{[this] { return iku; }, errors};
    QLabel* title = page.findChild<QLabel*>(QStringLiteral("Label47"));
    QLabel* prompt = page.findChild<QLabel*>(QStringLiteral("Label48"));
    QLineEdit* result = page.findChild<QLineEdit*>(QStringLiteral("Edit1"));

    bool complete() const { return title && prompt && result; }

    // Opens the page as the advanced configuration page does; it is closed again at once.
    void open()
    {
        ModalWatcher watcher;
        page.showModally();
    }

    QCheckBox* box(int number) const { return page.findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(number)); }

    void click(int boxNumber) const { box(boxNumber)->click(); }

    void press(const QString& button) const { page.findChild<QPushButton*>(button)->click(); }

    QList<int> tickedBoxes() const
    {
        QList<int> ticked;
        for (int number = 1; number <= 40; ++number) {
            if (box(number)->isChecked()) {
                ticked << number;
            }
        }
        return ticked;
    }

    bool bandEmpty() const { return title->text().isEmpty() && prompt->text().isEmpty() && result->text().isEmpty(); }
};

QList<int> range(int first, int last)
{
    QList<int> numbers;
    for (int number = first; number <= last; ++number) {
        numbers << number;
    }
    return numbers;
}

} // namespace

class RemoteControlsPageTest : public QObject {
    Q_OBJECT

private slots:
    void composes_data()
    {
        QTest::addColumn<QList<int>>("boxes");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");

        const QString remote = QStringLiteral("Wprogramowywanie pilota do systemu");
        const QString remoteRemoval = QStringLiteral("Usuwanie wybranych pilotów z systemu");
        const QString code = QStringLiteral("Wprogramowywanie kodu klawiatury do systemu");
        const QString codeRemoval = QStringLiteral("Usuwanie wybranych kodów klawiatur  z systemu");
        QTest::newRow("P3") << QList<int>{3} << QStringLiteral("Button1") << QStringLiteral("0123#P#3#") << remote
                            << kSendSms;
        QTest::newRow("P7 then P2") << QList<int>{7, 2} << QStringLiteral("Button1") << QStringLiteral("0123#P#2#")
                                    << remote << kSendSms;
        QTest::newRow("remove P10, P1, P3") << QList<int>{30, 21, 23} << QStringLiteral("Button4")
                                            << QStringLiteral("0123#PN#1#3#10#") << remoteRemoval << kSendSms;
        QTest::newRow("remove every remote")
            << range(21, 30) << QStringLiteral("Button4") << QStringLiteral("0123#PN#W#") << remoteRemoval << kSendSms;
        QTest::newRow("K10") << QList<int>{20} << QStringLiteral("Button5") << QStringLiteral("0123#A#10#") << code
                             << kSendSms;
        QTest::newRow("remove every code")
            << range(31, 40) << QStringLiteral("Button6") << QStringLiteral("0123#AN#W#") << codeRemoval << kSendSms;
        QTest::newRow("group remotes, nothing ticked")
            << QList<int>{} << QStringLiteral("Button2") << QStringLiteral("0123#P#")
            << QStringLiteral("Wprogramowywanie grupowe pilotów do systemu") << QStringLiteral("Wyślij SMS o tresći:");
        QTest::newRow("group codes, every removal ticked")
            << range(21, 40) << QStringLiteral("Button3") << QStringLiteral("0123#P#")
            << QStringLiteral("Wprogramowywanie grupowe klawiatur  do systemu") << kSendSms;
        QTest::newRow("door module add") << QList<int>{4, 14, 25} << QStringLiteral("Button7")
                                         << QStringLiteral("0123#D#")
                                         << QStringLiteral("Wprogramowywanie modułu drzwi do systemu") << kSendSms;
        QTest::newRow("door module removal") << QList<int>{} << QStringLiteral("Button8") << QStringLiteral("0123#DN#")
                                             << QStringLiteral("Usunięcie modułu drzwi z systemu") << kSendSms;
    }

    void composes()
    {
        QFETCH(QList<int>, boxes);
        QFETCH(QString, button);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        Fixture f;
        QVERIFY(f.complete());
        f.open();
        for (const int number : boxes) {
            f.click(number);
        }
        f.press(button);
        QCOMPARE(f.result->text(), message);
        QCOMPARE(f.title->text(), title);
        QCOMPARE(f.prompt->text(), prompt);
        QVERIFY(f.result->isEnabled());
        QVERIFY(f.errors.reports().empty());
    }

    void readsTheIkuCodeAtEachPress()
    {
        Fixture f;
        f.open();
        f.press(QStringLiteral("Button7"));
        f.iku = "4321";
        f.press(QStringLiteral("Button7"));
        QCOMPARE(f.result->text(), QStringLiteral("4321#D#"));
    }

    void oneOfNRowsKeepTheLastTick_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<int>>("left");
        QTest::newRow("P7 then P2") << QList<int>{7, 2} << QList<int>{2};
        QTest::newRow("P1 then P10") << QList<int>{1, 10} << QList<int>{10};
        QTest::newRow("K3 then K7") << QList<int>{13, 17} << QList<int>{17};
        QTest::newRow("ticked box clicked again") << QList<int>{5, 5} << QList<int>{};
        QTest::newRow("rows apart") << QList<int>{4, 16} << QList<int>{4, 16};
        QTest::newRow("removal rows keep all") << QList<int>{21, 30, 31, 40} << QList<int>{21, 30, 31, 40};
        QTest::newRow("removal row beside its one-of-N row") << QList<int>{2, 22, 3} << QList<int>{3, 22};
    }

    void oneOfNRowsKeepTheLastTick()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, left);
        Fixture f;
        for (const int number : clicks) {
            f.click(number);
        }
        QCOMPARE(f.tickedBoxes(), left);
    }

    void everyClickEmptiesTheBand_data()
    {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<int>("clicked");
        QTest::newRow("tick P1") << QList<int>{} << 1;
        QTest::newRow("untick P1") << QList<int>{1} << 1;
        QTest::newRow("tick P2 over P1") << QList<int>{1} << 2;
        QTest::newRow("tick K10") << QList<int>{} << 20;
        QTest::newRow("untick K10") << QList<int>{20} << 20;
        QTest::newRow("tick remote removal P1") << QList<int>{} << 21;
        QTest::newRow("untick remote removal P10") << QList<int>{30} << 30;
        QTest::newRow("tick code removal K1") << QList<int>{} << 31;
        QTest::newRow("untick code removal K10") << range(31, 40) << 40;
    }

    void everyClickEmptiesTheBand()
    {
        QFETCH(QList<int>, before);
        QFETCH(int, clicked);
        Fixture f;
        f.open();
        for (const int number : before) {
            f.click(number);
        }
        f.press(QStringLiteral("Button2"));
        QVERIFY(!f.bandEmpty());
        f.click(clicked);
        QVERIFY(f.bandEmpty());
        QVERIFY(f.result->isEnabled());
    }

    void nothingTickedIsRefused_data()
    {
        QTest::addColumn<QList<int>>("boxes");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("remote") << QList<int>{21} << QStringLiteral("Button1")
                                << QStringLiteral("Wybierz jednego uzytkownika");
        QTest::newRow("remote unticked again")
            << QList<int>{6, 6} << QStringLiteral("Button1") << QStringLiteral("Wybierz jednego uzytkownika");
        QTest::newRow("keypad code") << QList<int>{1, 31} << QStringLiteral("Button5")
                                     << QStringLiteral("Wybierz jednego użytkownika ");
        QTest::newRow("keypad code unticked again")
            << QList<int>{20, 20} << QStringLiteral("Button5") << QStringLiteral("Wybierz jednego użytkownika ");
        QTest::newRow("remote removal") << range(1, 20) << QStringLiteral("Button4")
                                        << QStringLiteral("Wybierz co najmniej jednego pilota do usunięcia z systemu");
        QTest::newRow("keypad code removal")
            << QList<int>{30} << QStringLiteral("Button6")
            << QStringLiteral("Wybierz co najmniej jedn kod klawiatury do usunięcia z systemu");
    }

    void nothingTickedIsRefused()
    {
        QFETCH(QList<int>, boxes);
        QFETCH(QString, button);
        QFETCH(QString, message);
        Fixture f;
        f.open();
        for (const int number : boxes) {
            f.click(number);
        }
        const QList<int> ticks = f.tickedBoxes();
        f.press(QStringLiteral("Button7"));
        bool emptyWhileShown = false;
        f.errors.whileShown([&] { emptyWhileShown = f.bandEmpty() && f.result->isEnabled(); });
        f.press(button);
        QCOMPARE(f.errors.messages(), QStringList{message});
        QVERIFY(emptyWhileShown);
        QVERIFY(f.bandEmpty());
        QVERIFY(f.result->isEnabled());
        QCOMPARE(f.tickedBoxes(), ticks);
    }

    void reopeningEmptiesTheBandAndKeepsTheTicks()
    {
        Fixture f;
        f.open();
        QVERIFY(!f.result->isEnabled());
        for (const int number : {3, 14, 22, 30, 40}) {
            f.click(number);
        }
        f.press(QStringLiteral("Button4"));
        QCOMPARE(f.result->text(), QStringLiteral("0123#PN#2#10#"));
        f.page.findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
        QVERIFY(f.page.isHidden());
        f.open();
        QVERIFY(f.bandEmpty());
        QVERIFY(!f.result->isEnabled());
        QCOMPARE(f.tickedBoxes(), (QList<int>{3, 14, 22, 30, 40}));
    }

    void aRefusedPressStillEnablesTheResult()
    {
        Fixture f;
        f.open();
        QVERIFY(!f.result->isEnabled());
        f.press(QStringLiteral("Button6"));
        QCOMPARE(f.errors.messages().size(), 1);
        QVERIFY(f.result->isEnabled());
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("hint");
        QTest::newRow("1") << QStringLiteral("Button1")
                           << QStringLiteral("punkt 12.1.1 Indywidualne wpisywanie pilotów do systemu");
        QTest::newRow("2") << QStringLiteral("Button2")
                           << QStringLiteral("punkt 12.2.2. Grupowe wpisywanie pilotów do systemu");
        QTest::newRow("3") << QStringLiteral("Button3")
                           << QStringLiteral("punkt 7.4.1 Programowanie grupowe kodów klawiatury do systemu.");
        QTest::newRow("4") << QStringLiteral("Button4") << QStringLiteral("punkt 12.3. Usuwanie pilotów z systemu");
        QTest::newRow("5") << QStringLiteral("Button5")
                           << QStringLiteral("punkt 7.4.1  Programowanie indywidualne kodów klawiatury do systemu");
        QTest::newRow("6") << QStringLiteral("Button6")
                           << QStringLiteral("punkt 7.5. Usuwanie indywidualnych kodów użytkowników");
        QTest::newRow("7") << QStringLiteral("Button7")
                           << QStringLiteral("punkt 7.2. Wpisywanie modułu klawiatury do systemu");
        QTest::newRow("8") << QStringLiteral("Button8")
                           << QStringLiteral("punkt 7.3. Usuwanie modułu klawiatury z systemu");
    }

    void buttons()
    {
        QFETCH(QString, button);
        QFETCH(QString, hint);
        Fixture f;
        auto* compose = f.page.findChild<QPushButton*>(button);
        QVERIFY(compose);
        QCOMPARE(compose->text(), QStringLiteral("Treść SMS"));
        QCOMPARE(compose->toolTip(), hint);
    }

    void labels_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << QStringLiteral("Label1")
                           << QStringLiteral("Indywidualne definiowanie pilotów do systemu");
        QTest::newRow("12") << QStringLiteral("Label12") << QStringLiteral("Grupowe programowanie pilotów do systemu");
        QTest::newRow("15") << QStringLiteral("Label15") << QStringLiteral("Usuwanie pilotów z systemu");
        QTest::newRow("13") << QStringLiteral("Label13")
                            << QStringLiteral("Indywidualne programowanie kodów klawiatur do systemu");
        QTest::newRow("14") << QStringLiteral("Label14") << QStringLiteral("Grupowe programowanie kodów klawiatur ");
        QTest::newRow("49") << QStringLiteral("Label49") << QStringLiteral("do systemu");
        QTest::newRow("16") << QStringLiteral("Label16") << QStringLiteral("Usuwanie kodów klawiatur z systemu");
        QTest::newRow("52") << QStringLiteral("Label52") << QStringLiteral("Wprogramowanie modułu drzwi do systemu");
        QTest::newRow("53") << QStringLiteral("Label53") << QStringLiteral("Usunięcie modułu drzwi z systemu");
        QTest::newRow("50") << QStringLiteral("Label50") << QStringLiteral("Wstecz");
        QTest::newRow("P1 of the individual row") << QStringLiteral("Label2") << QStringLiteral("P1");
        QTest::newRow("P10 of the individual row") << QStringLiteral("Label11") << QStringLiteral("P10");
        QTest::newRow("P1 of the removal row") << QStringLiteral("Label17") << QStringLiteral("P1");
        QTest::newRow("P10 of the removal row") << QStringLiteral("Label26") << QStringLiteral("P10");
        QTest::newRow("K1 of the individual row") << QStringLiteral("Label27") << QStringLiteral("K1");
        QTest::newRow("K10 of the individual row") << QStringLiteral("Label36") << QStringLiteral("K10");
        QTest::newRow("K1 of the removal row") << QStringLiteral("Label37") << QStringLiteral("K1");
        QTest::newRow("K10 of the removal row") << QStringLiteral("Label46") << QStringLiteral("K10");
    }

    void labels()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        Fixture f;
        auto* found = f.page.findChild<QLabel*>(label);
        QVERIFY(found);
        QCOMPARE(found->text(), text);
    }

    void controlsAsNamed()
    {
        Fixture f;
        QCOMPARE(f.page.objectName(), QStringLiteral("TForm8"));
        QCOMPARE(f.page.windowTitle(), QStringLiteral("DEFINIOWANIE PILOTÓW I KLAWIATUR DO SYSTEMU"));
        for (int number = 1; number <= 40; ++number) {
            QVERIFY2(f.box(number), qPrintable(QStringLiteral("CheckBox%1").arg(number)));
        }
        QVERIFY(f.tickedBoxes().isEmpty());
        QVERIFY(f.page.findChild<QToolButton*>(QStringLiteral("SpeedButton1")));
        for (const char* bevel :
             {"Bevel1", "Bevel2", "Bevel3", "Bevel4", "Bevel5", "Bevel6", "Bevel7", "Bevel8", "Bevel9", "Bevel10"}) {
            QVERIFY2(f.page.findChild<QFrame*>(QLatin1String(bevel)), bevel);
        }
    }
};

VELMORA_TEST_MAIN(RemoteControlsPageTest)
#include "remotecontrolspage_test.moc"
