#include "detectorspage.h"
#include "modal.h"
#include "recordingerrorbox.h"
#include "testmain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

using namespace velmora;
using velmora::test::ModalWatcher;
using velmora::test::RecordingErrorBox;

namespace {

const QString kPrompt = QStringLiteral("Wyślij do urządzenia SMS o treści:");

// The numbers of the page's 46 check boxes, group by group.
QList<int> allBoxNumbers()
{
    QList<int> numbers;
    for (int first : {1, 11, 21, 31, 41}) {
        for (int i = 0; i < 8; ++i) {
            numbers << first + i;
        }
    }
    return numbers << 9 << 10 << 19 << 20 << 29 << 30;
}

struct Fixture {
    RecordingErrorBox errors;
    TForm4 page{[] { return std::string("0123"); }, errors};
    QLabel* title = page.findChild<QLabel*>(QStringLiteral("Label24"));
    QLabel* prompt = page.findChild<QLabel*>(QStringLiteral("Label23"));
    QLineEdit* result = page.findChild<QLineEdit*>(QStringLiteral("Edit1"));

    Fixture() { errors.watch(result); }

    QCheckBox* box(int number) const { return page.findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(number)); }
    QPushButton* button(int number) const
    {
        return page.findChild<QPushButton*>(QStringLiteral("Button%1").arg(number));
    }

    // Opens the page as the advanced configuration page does; it is closed again at once.
    void open()
    {
        ModalWatcher watcher;
        page.showModally();
    }

    void click(const QList<int>& boxes)
    {
        for (int number : boxes) {
            box(number)->click();
        }
    }
    void press(int number) { button(number)->click(); }

    QList<int> ticked() const
    {
        QList<int> numbers;
        for (int number : allBoxNumbers()) {
            if (box(number)->isChecked()) {
                numbers << number;
            }
        }
        return numbers;
    }

    // Title, prompt and result, as the user reads them.
    QStringList band() const { return {title->text(), prompt->text(), result->text()}; }
};

const QStringList kEmptyBand{QString(), QString(), QString()};

} // namespace

class DetectorsPageTest : public QObject {
    Q_OBJECT

private slots:
    void labels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const auto row = [](const QString& name, const QString& text) {
            QTest::newRow(qPrintable(name)) << name << text;
        };
        row(QStringLiteral("Label12"), QStringLiteral("Programowanie i usuwanie  czujek do systemu"));
        row(QStringLiteral("Label21"), QStringLiteral("Definiowanie masek czujek"));
        row(QStringLiteral("Label22"), QStringLiteral("Programowanie i usuwanie syren w  systemu"));
        row(QStringLiteral("Label1"), QStringLiteral("Programowanie czujek do systemu"));
        row(QStringLiteral("Label2"), QStringLiteral("Usuwanie czujek z systemu"));
        row(QStringLiteral("Label36"), QStringLiteral("Globalna maska czujek systemu"));
        row(QStringLiteral("Label37"), QStringLiteral("Maska czujek ze zwłoką"));
        row(QStringLiteral("Label47"), QStringLiteral("Maska czujek strefowa "));
        row(QStringLiteral("Label11"), QStringLiteral("Uzbrojenie od wewnątrz"));
        row(QStringLiteral("Label33"), QStringLiteral("Programowanie syren do systemu"));
        row(QStringLiteral("Label34"), QStringLiteral("Usuwanie syren z systemu"));
        row(QStringLiteral("Label45"), QStringLiteral("Definiowanie maski syren "));
        row(QStringLiteral("Label59"), QStringLiteral("Wstecz"));
        const QList<QList<int>> detectorLabels{{3, 4, 5, 6, 7, 8, 9, 10},
                                               {13, 14, 15, 16, 17, 18, 19, 20},
                                               {25, 26, 27, 28, 29, 30, 31, 32},
                                               {35, 38, 39, 40, 41, 42, 43, 44},
                                               {48, 49, 50, 51, 52, 53, 54, 55}};
        for (const QList<int>& labels : detectorLabels) {
            for (int i = 0; i < labels.size(); ++i) {
                row(QStringLiteral("Label%1").arg(labels[i]), QStringLiteral("C%1").arg(i + 1));
            }
        }
        for (const QList<int>& labels : QList<QList<int>>{{46, 56}, {57, 60}, {61, 62}}) {
            row(QStringLiteral("Label%1").arg(labels[0]), QStringLiteral("S1"));
            row(QStringLiteral("Label%1").arg(labels[1]), QStringLiteral("S2"));
        }
    }

    void labels()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        Fixture f;
        auto* label = f.page.findChild<QLabel*>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
    }

    void buttons_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("hint");
        QTest::newRow("1") << 1 << QStringLiteral("punkt 8.2. Wpisywanie czujek do systemu");
        QTest::newRow("2") << 2 << QStringLiteral("punkt 8.3. Usuwanie czujek z systemu");
        QTest::newRow("3") << 3
                           << QStringLiteral(
                                  "punkt 9.1. Ustawienie czujek analizowanych przez system - Globalna Maska Czujek");
        QTest::newRow("4") << 4 << QStringLiteral("punkt 9.2.1. Czujki działające ze zwłoką czasową");
        QTest::newRow("5") << 5 << QStringLiteral("punkt 9.2.2. Ustalenie czujek strefowych");
        QTest::newRow("6") << 6 << QStringLiteral("11.1. Wpisywanie syren do systemu");
        QTest::newRow("7") << 7 << QStringLiteral("punkt 11.2. Usuwanie syren z systemu");
        QTest::newRow("8") << 8 << QStringLiteral("punkt 11.3. Ustawianie działania syren");
    }

    void buttons()
    {
        QFETCH(int, number);
        QFETCH(QString, hint);
        Fixture f;
        QVERIFY(f.button(number));
        QCOMPARE(f.button(number)->text(), QStringLiteral("Treść SMS"));
        QCOMPARE(f.button(number)->toolTip(), hint);
    }

    void pageAsNamed()
    {
        Fixture f;
        QCOMPARE(f.page.windowTitle(), QStringLiteral("WPROGRAMOWYWANIE CZUJEK I SYREN  DO SYSTEMU"));
        QVERIFY(f.title && f.prompt && f.result);
        QVERIFY(f.page.findChild<QToolButton*>(QStringLiteral("SpeedButton2")));
        QCOMPARE(f.page.findChildren<QCheckBox*>().size(), 46);
        for (int number : allBoxNumbers()) {
            QVERIFY2(f.box(number), qPrintable(QString::number(number)));
        }
        QVERIFY(f.ticked().isEmpty());
    }

    void composes_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        const QString program = QStringLiteral("Wprogramowywanie czujki do systemu");
        const QString remove = QStringLiteral("Usuwanie czujek z systemu");
        QTest::newRow("C5 then C3") << QList<int>{5, 3} << 1 << QStringLiteral("0123#C#3#") << program;
        QTest::newRow("remove C1 C3 C8") << QList<int>{11, 13, 18} << 2 << QStringLiteral("0123#CN#1#3#8#") << remove;
        QTest::newRow("remove all") << QList<int>{11, 12, 13, 14, 15, 16, 17, 18} << 2 << QStringLiteral("0123#CN#W#")
                                    << remove;
        QTest::newRow("remove all, then not C4") << QList<int>{11, 12, 13, 14, 15, 16, 17, 18, 14} << 2
                                                 << QStringLiteral("0123#CN#1#2#3#5#6#7#8#") << remove;
        // One tick in each detector mask: each mask reads only its own row.
        const QList<int> oneTickPerMask{21, 32, 48};
        QTest::newRow("global") << oneTickPerMask << 3 << QStringLiteral("0123#CM#10000000#")
                                << QStringLiteral("Definiowanie Globalnej maski czujek");
        QTest::newRow("delayed") << oneTickPerMask << 4 << QStringLiteral("0123#CMZ#01000000#")
                                 << QStringLiteral("Definiowanie maski czujek ze zwłoką");
        QTest::newRow("zone") << oneTickPerMask << 5 << QStringLiteral("0123#CMW#00000001#")
                              << QStringLiteral("Definiowanie maski czujek strefowych");
        QTest::newRow("global none") << QList<int>{} << 3 << QStringLiteral("0123#CM#00000000#")
                                     << QStringLiteral("Definiowanie Globalnej maski czujek");
        QTest::newRow("program S2") << QList<int>{9, 10} << 6 << QStringLiteral("0123#o#2#")
                                    << QStringLiteral("Wprogramowywanie syreny do systemu");
        QTest::newRow("remove S1 then S2")
            << QList<int>{19, 20} << 7 << QStringLiteral("0123#ON#2#") << QStringLiteral("Usuwanie syren z systemu");
        QTest::newRow("siren mask S2") << QList<int>{30} << 8 << QStringLiteral("0123#CM#01#")
                                       << QStringLiteral("Definiowanie maski syren");
        QTest::newRow("siren mask none") << QList<int>{} << 8 << QStringLiteral("0123#CM#00#")
                                         << QStringLiteral("Definiowanie maski syren");
    }

    void composes()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(int, button);
        QFETCH(QString, message);
        QFETCH(QString, title);
        Fixture f;
        f.open();
        f.click(clicks);
        f.press(button);
        QCOMPARE(f.band(), (QStringList{title, kPrompt, message}));
        QVERIFY(f.result->isEnabled());
        QVERIFY(f.errors.reports().empty());
    }

    void oneOfN_data()
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

    void oneOfN()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, button);
        QFETCH(QString, refusal);
        Fixture f;
        f.open();
        f.click({first, last});
        QCOMPARE(f.ticked(), QList<int>{last});
        f.click({last});
        QVERIFY(f.ticked().isEmpty());
        f.press(button);
        QCOMPARE(f.errors.messages(), QStringList{refusal});
    }

    void anyNumberKeepsEveryTick()
    {
        Fixture f;
        f.open();
        const QList<int> ticks{11, 12, 18, 21, 28, 31, 38, 41, 48, 29, 30};
        f.click(ticks);
        QList<int> expected = ticks;
        std::sort(expected.begin(), expected.end());
        QList<int> ticked = f.ticked();
        std::sort(ticked.begin(), ticked.end());
        QCOMPARE(ticked, expected);
    }

    void everyClickEmptiesTheBand_data()
    {
        QTest::addColumn<int>("number");
        for (int number : allBoxNumbers()) {
            QTest::newRow(qPrintable(QStringLiteral("CheckBox%1").arg(number))) << number;
        }
    }

    void everyClickEmptiesTheBand()
    {
        QFETCH(int, number);
        Fixture f;
        f.open();
        f.press(3);
        f.click({number});
        QCOMPARE(f.band(), kEmptyBand);
        QVERIFY(f.result->isEnabled());
        f.press(3);
        f.click({number});
        QCOMPARE(f.band(), kEmptyBand);
    }

    void refusals_data()
    {
        QTest::addColumn<int>("composed");
        QTest::addColumn<int>("refusing");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("bandKept");
        QTest::newRow("detector programming after a mask")
            << 3 << 1 << QStringLiteral("Wybierz  czujkę do wprogramowania") << true;
        QTest::newRow("detector removal after a mask")
            << 5 << 2 << QStringLiteral("Wybierz co najmniej jedną czujkę do usunięcia z systemu") << true;
        QTest::newRow("siren programming after the siren mask")
            << 8 << 6 << QStringLiteral("Wybierz syrenę do wprogramowania") << false;
        QTest::newRow("siren removal after a mask")
            << 4 << 7 << QStringLiteral("Wybierz co najmniej jedną syrenę do usunięcia z systemu") << false;
    }

    void refusals()
    {
        QFETCH(int, composed);
        QFETCH(int, refusing);
        QFETCH(QString, message);
        QFETCH(bool, bandKept);
        Fixture f;
        f.open();
        f.press(composed);
        const QStringList shown = f.band();
        QStringList bandWhileShown;
        f.errors.whileShown([&] { bandWhileShown = f.band(); });
        f.press(refusing);
        QCOMPARE(f.errors.messages(), QStringList{message});
        const QStringList expected = bandKept ? shown : kEmptyBand;
        QCOMPARE(bandWhileShown, expected);
        QCOMPARE(f.band(), expected);
        QVERIFY(f.result->isEnabled());
    }

    void aRefusalEnablesTheResult_data()
    {
        QTest::addColumn<int>("button");
        for (int button : {1, 2, 6, 7}) {
            QTest::newRow(qPrintable(QStringLiteral("Button%1").arg(button))) << button;
        }
    }

    void aRefusalEnablesTheResult()
    {
        QFETCH(int, button);
        Fixture f;
        f.open();
        QVERIFY(!f.result->isEnabled());
        f.press(button);
        QCOMPARE(f.errors.reports().size(), std::size_t{1});
        QVERIFY(f.result->isEnabled());
    }

    void reopeningKeepsTicksAndResetsTheBand()
    {
        Fixture f;
        f.open();
        f.click({3, 12, 22, 33, 44, 10, 20, 29});
        f.press(2);
        f.page.close();
        f.open();
        QCOMPARE(f.band(), kEmptyBand);
        QVERIFY(!f.result->isEnabled());
        QCOMPARE(f.ticked(), (QList<int>{3, 12, 22, 33, 44, 10, 20, 29}));
        f.click({4});
        QVERIFY(!f.result->isEnabled());
        f.press(1);
        QVERIFY(f.result->isEnabled());
        QCOMPARE(f.result->text(), QStringLiteral("0123#C#4#"));
    }

    void backButtonClosesThePage()
    {
        Fixture f;
        f.page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.page));
        f.page.findChild<QToolButton*>(QStringLiteral("SpeedButton2"))->click();
        QVERIFY(!f.page.isVisible());
    }
};

VELMORA_TEST_MAIN(DetectorsPageTest)
#include "detectorspage_test.moc"
