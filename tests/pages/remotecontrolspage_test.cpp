#include "pagetest.h"
#include "remotecontrolspage.h"
#include "testmain.h"

using namespace velmora;
using namespace velmora::test;

namespace {

using Fixture = PageFixture<TForm8>;

QList<int> ticked(const Fixture& f)
{
    QList<int> numbers;
    for (int number = 1; number <= 40; ++number) {
        if (f.box(number)->isChecked()) {
            numbers << number;
        }
    }
    return numbers;
}

} // namespace

class RemoteControlsPageTest : public QObject {
    Q_OBJECT

private slots:
    void textsAsShown()
    {
        Fixture f;
        const QString compose = QStringLiteral("Treść SMS");
        expectShown(
            &f.page,
            {{QStringLiteral("TForm8"), QStringLiteral("DEFINIOWANIE PILOTÓW I KLAWIATUR DO SYSTEMU")},
             {QStringLiteral("Label1"), QStringLiteral("Indywidualne definiowanie pilotów do systemu")},
             {QStringLiteral("Label12"), QStringLiteral("Grupowe programowanie pilotów do systemu")},
             {QStringLiteral("Label15"), QStringLiteral("Usuwanie pilotów z systemu")},
             {QStringLiteral("Label13"), QStringLiteral("Indywidualne programowanie kodów klawiatur do systemu")},
             {QStringLiteral("Label14"), QStringLiteral("Grupowe programowanie kodów klawiatur ")},
             {QStringLiteral("Label49"), QStringLiteral("do systemu")},
             {QStringLiteral("Label16"), QStringLiteral("Usuwanie kodów klawiatur z systemu")},
             {QStringLiteral("Label52"), QStringLiteral("Wprogramowanie modułu drzwi do systemu")},
             {QStringLiteral("Label53"), QStringLiteral("Usunięcie modułu drzwi z systemu")},
             {QStringLiteral("Label50"), QStringLiteral("Wstecz")},
             {QStringLiteral("Label2"), QStringLiteral("P1")},
             {QStringLiteral("Label11"), QStringLiteral("P10")},
             {QStringLiteral("Label17"), QStringLiteral("P1")},
             {QStringLiteral("Label26"), QStringLiteral("P10")},
             {QStringLiteral("Label27"), QStringLiteral("K1")},
             {QStringLiteral("Label36"), QStringLiteral("K10")},
             {QStringLiteral("Label37"), QStringLiteral("K1")},
             {QStringLiteral("Label46"), QStringLiteral("K10")},
             {QStringLiteral("Button1"), compose,
              QStringLiteral("punkt 12.1.1 Indywidualne wpisywanie pilotów do systemu")},
             {QStringLiteral("Button2"), compose,
              QStringLiteral("punkt 12.2.2. Grupowe wpisywanie pilotów do systemu")},
             {QStringLiteral("Button3"), compose,
              QStringLiteral("punkt 7.4.1 Programowanie grupowe kodów klawiatury do systemu.")},
             {QStringLiteral("Button4"), compose, QStringLiteral("punkt 12.3. Usuwanie pilotów z systemu")},
             {QStringLiteral("Button5"), compose,
              QStringLiteral("punkt 7.4.1  Programowanie indywidualne kodów klawiatury do systemu")},
             {QStringLiteral("Button6"), compose,
              QStringLiteral("punkt 7.5. Usuwanie indywidualnych kodów użytkowników")},
             {QStringLiteral("Button7"), compose, QStringLiteral("punkt 7.2. Wpisywanie modułu klawiatury do systemu")},
             {QStringLiteral("Button8"), compose, QStringLiteral("punkt 7.3. Usuwanie modułu klawiatury z systemu")}});
    }

    // Every row holds ticks, so a button reading another row shows; the IKU code is read at the press.
    void eachButtonReadsItsOwnRow_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("remote") << QStringLiteral("Button1") << QStringLiteral("4321#P#3#")
                                << QStringLiteral("Wprogramowywanie pilota do systemu");
        QTest::newRow("remote removal") << QStringLiteral("Button4") << QStringLiteral("4321#PN#2#10#")
                                        << QStringLiteral("Usuwanie wybranych pilotów z systemu");
        QTest::newRow("keypad code") << QStringLiteral("Button5") << QStringLiteral("4321#A#7#")
                                     << QStringLiteral("Wprogramowywanie kodu klawiatury do systemu");
        QTest::newRow("keypad code removal") << QStringLiteral("Button6") << QStringLiteral("4321#AN#1#5#")
                                             << QStringLiteral("Usuwanie wybranych kodów klawiatur  z systemu");
        QTest::newRow("group remotes") << QStringLiteral("Button2") << QStringLiteral("4321#P#")
                                       << QStringLiteral("Wprogramowywanie grupowe pilotów do systemu");
        QTest::newRow("group codes") << QStringLiteral("Button3") << QStringLiteral("4321#P#")
                                     << QStringLiteral("Wprogramowywanie grupowe klawiatur  do systemu");
        QTest::newRow("door module") << QStringLiteral("Button7") << QStringLiteral("4321#D#")
                                     << QStringLiteral("Wprogramowywanie modułu drzwi do systemu");
        QTest::newRow("door module removal") << QStringLiteral("Button8") << QStringLiteral("4321#DN#")
                                             << QStringLiteral("Usunięcie modułu drzwi z systemu");
    }

    void eachButtonReadsItsOwnRow()
    {
        QFETCH(QString, button);
        QFETCH(QString, message);
        QFETCH(QString, title);
        Fixture f;
        f.click({3, 17, 22, 30, 31, 35});
        f.iku = "4321";
        f.press(button);
        QCOMPARE(f.result->text(), message);
        QCOMPARE(f.band->title()->text(), title);
        QVERIFY(f.errors.reports().empty());
    }

    void oneOfNRowsKeepTheLastTick()
    {
        Fixture f;
        f.click({7, 2, 13, 17, 22, 21});
        QCOMPARE(ticked(f), (QList<int>{2, 17, 21, 22}));
        f.click({2, 3});
        QCOMPARE(ticked(f), (QList<int>{3, 17, 21, 22}));
        f.click({17});
        QCOMPARE(ticked(f), (QList<int>{3, 21, 22}));
    }

    void everyBoxEmptiesTheBand()
    {
        Fixture f;
        QCOMPARE(f.firstBoxThatKeepsTheBand(QStringLiteral("Button2"), boxNumbers(1, 40)), 0);
    }

    void nothingTickedIsRefusedOverAnEmptyBand_data()
    {
        QTest::addColumn<int>("row"); // its boxes are 1 to 10 from 10 * row + 1
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("remote") << 0 << QStringLiteral("Button1") << QStringLiteral("Wybierz jednego uzytkownika");
        QTest::newRow("keypad code") << 1 << QStringLiteral("Button5")
                                     << QStringLiteral("Wybierz jednego użytkownika ");
        QTest::newRow("remote removal") << 2 << QStringLiteral("Button4")
                                        << QStringLiteral("Wybierz co najmniej jednego pilota do usunięcia z systemu");
        QTest::newRow("keypad code removal")
            << 3 << QStringLiteral("Button6")
            << QStringLiteral("Wybierz co najmniej jedn kod klawiatury do usunięcia z systemu");
    }

    // The other rows' ticks stay and are not read.
    void nothingTickedIsRefusedOverAnEmptyBand()
    {
        QFETCH(int, row);
        QFETCH(QString, button);
        QFETCH(QString, message);
        Fixture f;
        for (int other = 0; other < 4; ++other) {
            if (other != row) {
                f.click({1 + 10 * other});
            }
        }
        const QList<int> ticks = ticked(f);
        f.press(QStringLiteral("Button7"));
        f.result->setEnabled(false);
        f.press(button);
        QCOMPARE(f.errors.messages(), QStringList{message});
        QCOMPARE(f.bandAtBox, kEmptyBand);
        QCOMPARE(f.shown(), kEmptyBand);
        QVERIFY(f.result->isEnabled());
        QCOMPARE(ticked(f), ticks);
    }

    void reopeningEmptiesTheBandAndKeepsTheTicks()
    {
        Fixture f;
        f.click({3, 14, 22, 30, 40});
        f.press(QStringLiteral("Button4"));
        f.open();
        QCOMPARE(f.shown(), kEmptyBand);
        QVERIFY(!f.result->isEnabled());
        QCOMPARE(ticked(f), (QList<int>{3, 14, 22, 30, 40}));
    }
};

VELMORA_TEST_MAIN(RemoteControlsPageTest)
#include "remotecontrolspage_test.moc"
