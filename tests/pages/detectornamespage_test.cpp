#include "detectornamespage.h"
#include "pagetest.h"
#include "testmain.h"

#include <functional>

using namespace velmora;
using namespace velmora::test;

namespace {

const QString kPlainText = QStringLiteral("Treść nazwy czujki nie może zawierać polskich znaków i znaku:#");
const QString kNameTooLong = QStringLiteral("Definicja nazwy czujki nie może przekraczać 100 znaków");
const QString kHeaderTooLong = QStringLiteral("Definicja nazwy nagłówka komunikatu nie może przekraczać 50 znakow");
const QString kUnitPrompt = QStringLiteral("Wyślij do urządzenia SMS o treści:");
// The name buttons in detector order.
const QStringList kNameButtons{QStringLiteral("Button1"), QStringLiteral("Button4"), QStringLiteral("Button5"),
                               QStringLiteral("Button6"), QStringLiteral("Button7"), QStringLiteral("Button8"),
                               QStringLiteral("Button9"), QStringLiteral("Button10")};

struct Fixture : PageFixture<TForm5> {
    // A full band, so that emptying it shows.
    void composeHeader(const QString& header)
    {
        edit(QStringLiteral("Edit11"))->setText(header);
        press(QStringLiteral("Button3"));
    }
};

using Action = std::function<void(Fixture&)>;

} // namespace

Q_DECLARE_METATYPE(Action)

class DetectorNamesPageTest : public QObject {
    Q_OBJECT

private slots:
    void textsAsShown()
    {
        Fixture f;
        const QString nameHint = QStringLiteral("punkt 8.4.1. Nadawanie opisów czujek");
        expectShown(&f.page,
                    {{QStringLiteral("TForm5"), QStringLiteral("DEFINIOWANIE NAZW CZUJEK I NAGŁÓWKA KOMUNIKATU")},
                     {QStringLiteral("Label1"), QStringLiteral("Definiowanie nazw czujek")},
                     {QStringLiteral("Label17"), QStringLiteral("Usuwanie nazw czujek z systemu")},
                     {QStringLiteral("Label12"), QStringLiteral("Definiowanie nagłówka komunikatów")},
                     {QStringLiteral("Label15"), QStringLiteral("Wstecz")},
                     {QStringLiteral("Label2"), QStringLiteral("C1")},
                     {QStringLiteral("Label8"), QStringLiteral("C8")},
                     {QStringLiteral("Label10"), QStringLiteral("C1")},
                     {QStringLiteral("Label22"), QStringLiteral("C8")},
                     {QStringLiteral("Button1"), QStringLiteral("Treść SMS"), nameHint},
                     {QStringLiteral("Button10"), QStringLiteral("Treść SMS"), nameHint},
                     {QStringLiteral("Button13"), QStringLiteral("Treść SMS"),
                      QStringLiteral("punkt 8.4.2 Usuwanie opisów czujek")},
                     {QStringLiteral("Button3"), QStringLiteral("Treść SMS"),
                      QStringLiteral("punkt 15.1. Definiowanie nagłówka komunikatów SMS")}});
    }

    // Every field holds a name, so a button reading another row's field shows.
    void eachButtonComposesItsOwnRow()
    {
        Fixture f;
        for (int detector = 1; detector <= 8; ++detector) {
            f.edit(QStringLiteral("Edit%1").arg(detector))->setText(QStringLiteral(" N%1 ").arg(detector));
        }
        f.iku = "9876";
        for (int detector = 1; detector <= 8; ++detector) {
            f.press(kNameButtons[detector - 1]);
            QCOMPARE(f.result->text(), QStringLiteral("9876#MCI#%1# N%1 #").arg(detector));
        }
        QCOMPARE(f.shown().mid(0, 2), (QStringList{QStringLiteral("Definiowanie nazwy czujki"), kUnitPrompt}));
        QVERIFY(f.errors.reports().empty());
    }

    void anEmptyRowEmptiesTheBandSilently()
    {
        Fixture f;
        f.composeHeader(QStringLiteral("Dom"));
        f.result->setEnabled(false);
        f.press(QStringLiteral("Button4"));
        QCOMPARE(f.shown(), kEmptyBand);
        QVERIFY(f.result->isEnabled());
        QVERIFY(f.errors.reports().empty());
    }

    // A forbidden character is shown in the field under the box and taken back after it; too long a text is
    // taken back before the box.
    void fieldRules_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shownOver");
        const QString hol = QStringLiteral("Hol");
        const QString a100(100, QLatin1Char('a'));
        const QString a50(50, QLatin1Char('a'));
        QTest::newRow("name ą") << QStringLiteral("Edit5") << hol << QStringLiteral("ą") << kPlainText
                                << QStringLiteral("Holą");
        QTest::newRow("name 101") << QStringLiteral("Edit8") << a100 << QStringLiteral("b") << kNameTooLong << a100;
        QTest::newRow("header #") << QStringLiteral("Edit11") << hol << QStringLiteral("#") << kPlainText
                                  << QStringLiteral("Hol#");
        QTest::newRow("header 51") << QStringLiteral("Edit11") << a50 << QStringLiteral("b") << kHeaderTooLong << a50;
    }

    void fieldRules()
    {
        QFETCH(QString, field);
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, shownOver);
        Fixture f;
        QLineEdit* edit = f.edit(field);
        edit->setText(before);
        f.composeHeader(f.edit(QStringLiteral("Edit11"))->text());
        f.errors.watch(edit);
        typeText(edit, typed);
        QCOMPARE(f.errors.messages(), QStringList{message});
        QCOMPARE(f.errors.reports().front().fieldText, shownOver);
        QCOMPARE(f.bandAtBox, kEmptyBand);
        QCOMPARE(edit->text(), before);
    }

    void nameRemoval()
    {
        Fixture f;
        f.composeHeader(QStringLiteral("Dom"));
        f.press(QStringLiteral("Button13"));
        QCOMPARE(f.errors.messages(),
                 QStringList{QStringLiteral("Wybierz co najmniej jedną nazwę czujki do usunięcia z systemu")});
        QCOMPARE(f.bandAtBox, kEmptyBand);
        f.click({5, 2});
        f.press(QStringLiteral("Button13"));
        QCOMPARE(f.shown(),
                 (QStringList{QStringLiteral("Usuwanie nazw czujek"), kUnitPrompt, QStringLiteral("0123#CIN#2#5#")}));
    }

    void actionsThatEmptyTheBand_data()
    {
        QTest::addColumn<Action>("action");
        QTest::newRow("typing a name") << Action([](Fixture& f) { typeText(f.edit(QStringLiteral("Edit3")), "K"); });
        QTest::newRow("typing the last name")
            << Action([](Fixture& f) { typeText(f.edit(QStringLiteral("Edit8")), "K"); });
        QTest::newRow("typing the header")
            << Action([](Fixture& f) { typeText(f.edit(QStringLiteral("Edit11")), "K"); });
        QTest::newRow("ticking a box") << Action([](Fixture& f) { f.click({2}); });
        QTest::newRow("unticking a box") << Action([](Fixture& f) { f.click({6}); });
        QTest::newRow("reopening") << Action([](Fixture& f) { f.open(); });
    }

    void actionsThatEmptyTheBand()
    {
        QFETCH(Action, action);
        Fixture f;
        f.click({6});
        f.composeHeader(QStringLiteral("Dom"));
        action(f);
        QCOMPARE(f.shown(), kEmptyBand);
        QVERIFY(f.errors.reports().empty());
    }
};

VELMORA_TEST_MAIN(DetectorNamesPageTest)
#include "detectornamespage_test.moc"
