#include "detectorspage.h"
#include "pagetest.h"
#include "testmain.h"

#include <QToolButton>

using namespace velmora;
using namespace velmora::test;

namespace {

const QString kPrompt = QStringLiteral("Wyślij do urządzenia SMS o treści:");

// The page's 46 check boxes: five detector rows of eight from 1, 11, 21, 31 and 41, and the sirens.
QList<int> allBoxNumbers()
{
    QList<int> numbers{9, 10, 19, 20, 29, 30};
    for (const int first : {1, 11, 21, 31, 41}) {
        for (int i = 0; i < 8; ++i) {
            numbers << first + i;
        }
    }
    return numbers;
}

using Fixture = PageFixture<TForm4>;

QString button(int number)
{
    return QStringLiteral("Button%1").arg(number);
}

} // namespace

class DetectorsPageTest : public QObject {
    Q_OBJECT

private slots:
    void textsAsShown()
    {
        Fixture f;
        const QString compose = QStringLiteral("Treść SMS");
        expectShown(
            &f.page,
            {{QStringLiteral("TForm4"), QStringLiteral("WPROGRAMOWYWANIE CZUJEK I SYREN  DO SYSTEMU")},
             {QStringLiteral("Label12"), QStringLiteral("Programowanie i usuwanie  czujek do systemu")},
             {QStringLiteral("Label21"), QStringLiteral("Definiowanie masek czujek")},
             {QStringLiteral("Label22"), QStringLiteral("Programowanie i usuwanie syren w  systemu")},
             {QStringLiteral("Label1"), QStringLiteral("Programowanie czujek do systemu")},
             {QStringLiteral("Label2"), QStringLiteral("Usuwanie czujek z systemu")},
             {QStringLiteral("Label36"), QStringLiteral("Globalna maska czujek systemu")},
             {QStringLiteral("Label37"), QStringLiteral("Maska czujek ze zwłoką")},
             {QStringLiteral("Label47"), QStringLiteral("Maska czujek strefowa ")},
             {QStringLiteral("Label11"), QStringLiteral("Uzbrojenie od wewnątrz")},
             {QStringLiteral("Label33"), QStringLiteral("Programowanie syren do systemu")},
             {QStringLiteral("Label34"), QStringLiteral("Usuwanie syren z systemu")},
             {QStringLiteral("Label45"), QStringLiteral("Definiowanie maski syren ")},
             {QStringLiteral("Label59"), QStringLiteral("Wstecz")},
             {QStringLiteral("Label3"), QStringLiteral("C1")},
             {QStringLiteral("Label10"), QStringLiteral("C8")},
             {QStringLiteral("Label13"), QStringLiteral("C1")},
             {QStringLiteral("Label20"), QStringLiteral("C8")},
             {QStringLiteral("Label25"), QStringLiteral("C1")},
             {QStringLiteral("Label32"), QStringLiteral("C8")},
             {QStringLiteral("Label35"), QStringLiteral("C1")},
             {QStringLiteral("Label44"), QStringLiteral("C8")},
             {QStringLiteral("Label48"), QStringLiteral("C1")},
             {QStringLiteral("Label55"), QStringLiteral("C8")},
             {QStringLiteral("Label46"), QStringLiteral("S1")},
             {QStringLiteral("Label56"), QStringLiteral("S2")},
             {QStringLiteral("Label57"), QStringLiteral("S1")},
             {QStringLiteral("Label60"), QStringLiteral("S2")},
             {QStringLiteral("Label61"), QStringLiteral("S1")},
             {QStringLiteral("Label62"), QStringLiteral("S2")},
             {button(1), compose, QStringLiteral("punkt 8.2. Wpisywanie czujek do systemu")},
             {button(2), compose, QStringLiteral("punkt 8.3. Usuwanie czujek z systemu")},
             {button(3), compose,
              QStringLiteral("punkt 9.1. Ustawienie czujek analizowanych przez system - Globalna Maska Czujek")},
             {button(4), compose, QStringLiteral("punkt 9.2.1. Czujki działające ze zwłoką czasową")},
             {button(5), compose, QStringLiteral("punkt 9.2.2. Ustalenie czujek strefowych")},
             {button(6), compose, QStringLiteral("11.1. Wpisywanie syren do systemu")},
             {button(7), compose, QStringLiteral("punkt 11.2. Usuwanie syren z systemu")},
             {button(8), compose, QStringLiteral("punkt 11.3. Ustawianie działania syren")}});
    }

    // Each row holds other ticks, so a button reading another row, or a mask row that unticks, shows.
    void eachButtonReadsItsOwnRow_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("program") << 1 << QStringLiteral("0123#C#1#")
                                 << QStringLiteral("Wprogramowywanie czujki do systemu");
        QTest::newRow("remove") << 2 << QStringLiteral("0123#CN#2#8#") << QStringLiteral("Usuwanie czujek z systemu");
        QTest::newRow("global") << 3 << QStringLiteral("0123#CM#00100001#")
                                << QStringLiteral("Definiowanie Globalnej maski czujek");
        QTest::newRow("delayed") << 4 << QStringLiteral("0123#CMZ#00010010#")
                                 << QStringLiteral("Definiowanie maski czujek ze zwłoką");
        QTest::newRow("zone") << 5 << QStringLiteral("0123#CMW#00001100#")
                              << QStringLiteral("Definiowanie maski czujek strefowych");
        QTest::newRow("program siren") << 6 << QStringLiteral("0123#o#1#")
                                       << QStringLiteral("Wprogramowywanie syreny do systemu");
        QTest::newRow("remove siren") << 7 << QStringLiteral("0123#ON#2#")
                                      << QStringLiteral("Usuwanie syren z systemu");
        QTest::newRow("siren mask") << 8 << QStringLiteral("0123#CM#11#") << QStringLiteral("Definiowanie maski syren");
    }

    void eachButtonReadsItsOwnRow()
    {
        QFETCH(int, button);
        QFETCH(QString, message);
        QFETCH(QString, title);
        Fixture f;
        f.click({1, 12, 18, 23, 28, 34, 37, 45, 46, 9, 20, 29, 30});
        f.press(::button(button));
        QCOMPARE(f.shown(), (QStringList{title, kPrompt, message}));
        QVERIFY(f.errors.reports().empty());
    }

    void oneOfNRows_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("detector programming") << 1 << 8 << 1 << QStringLiteral("Wybierz  czujkę do wprogramowania");
        QTest::newRow("siren programming") << 9 << 10 << 6 << QStringLiteral("Wybierz syrenę do wprogramowania");
        QTest::newRow("siren removal") << 19 << 20 << 7
                                       << QStringLiteral("Wybierz co najmniej jedną syrenę do usunięcia z systemu");
    }

    // Ticking a box unticks the other; clicking the ticked one leaves none, which the button refuses.
    void oneOfNRows()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, button);
        QFETCH(QString, refusal);
        Fixture f;
        f.click({first, last});
        QVERIFY(!f.box(first)->isChecked());
        f.click({last});
        QVERIFY(!f.box(last)->isChecked());
        f.press(::button(button));
        QCOMPARE(f.errors.messages(), QStringList{refusal});
    }

    void everyBoxEmptiesTheBand()
    {
        Fixture f;
        QCOMPARE(f.firstBoxThatKeepsTheBand(button(3), allBoxNumbers()), 0);
    }

    void refusals_data()
    {
        QTest::addColumn<int>("composed");
        QTest::addColumn<int>("refusing");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("bandKept");
        QTest::newRow("detector programming") << 3 << 1 << QStringLiteral("Wybierz  czujkę do wprogramowania") << true;
        QTest::newRow("detector removal")
            << 5 << 2 << QStringLiteral("Wybierz co najmniej jedną czujkę do usunięcia z systemu") << true;
        QTest::newRow("siren programming") << 8 << 6 << QStringLiteral("Wybierz syrenę do wprogramowania") << false;
        QTest::newRow("siren removal") << 4 << 7
                                       << QStringLiteral("Wybierz co najmniej jedną syrenę do usunięcia z systemu")
                                       << false;
    }

    // The detector buttons leave the band as it was when they refuse; the siren buttons empty it first.
    void refusals()
    {
        QFETCH(int, composed);
        QFETCH(int, refusing);
        QFETCH(QString, message);
        QFETCH(bool, bandKept);
        Fixture f;
        f.press(button(composed));
        const QStringList expected = bandKept ? f.shown() : kEmptyBand;
        f.result->setEnabled(false);
        f.press(button(refusing));
        QCOMPARE(f.errors.messages(), QStringList{message});
        QCOMPARE(f.bandAtBox, expected);
        QCOMPARE(f.shown(), expected);
        QVERIFY(f.result->isEnabled());
    }

    void reopeningKeepsTicksAndResetsTheBand()
    {
        Fixture f;
        f.click({3, 12, 22, 33, 44, 10, 20, 29});
        f.press(button(2));
        f.page.show();
        child<QToolButton>(&f.page, QStringLiteral("SpeedButton2"))->click();
        QVERIFY(f.page.isHidden());
        f.open();
        QCOMPARE(f.shown(), kEmptyBand);
        QVERIFY(!f.result->isEnabled());
        for (const int number : allBoxNumbers()) {
            QCOMPARE(f.box(number)->isChecked(), QList<int>({3, 12, 22, 33, 44, 10, 20, 29}).contains(number));
        }
        f.click({4});
        QVERIFY(!f.result->isEnabled());
        f.press(button(1));
        QCOMPARE(f.result->text(), QStringLiteral("0123#C#4#"));
        QVERIFY(f.result->isEnabled());
    }
};

VELMORA_TEST_MAIN(DetectorsPageTest)
#include "detectorspage_test.moc"
