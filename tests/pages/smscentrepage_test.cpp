#include "pagetest.h"
#include "radiogroup.h"
#include "smscentrepage.h"
#include "testmain.h"

#include <QRadioButton>

using namespace velmora;
using namespace velmora::test;

namespace {

const QString kTitle = QStringLiteral("Definiowanie Centrum SMS");
const QString kPrompt = QStringLiteral("Wyślij do urządzenia SMS o treści:");

struct Fixture : PageFixture<TForm2> {
    RadioGroup* operators = get<RadioGroup>(QStringLiteral("RadioGroup1"));
    QLineEdit* number = edit(QStringLiteral("Edit1"));

    void choose(int index) { child<QRadioButton>(operators, QStringLiteral("Item%1").arg(index))->click(); }
};

} // namespace

class SmsCentrePageTest : public QObject {
    Q_OBJECT

private slots:
    void textsAsShown()
    {
        Fixture f;
        expectShown(
            &f.page,
            {{QStringLiteral("TForm2"), QStringLiteral("DEFINIOWANIE CENTRUM SMS DLA  OPERATORA KARTY W URZĄDZENIU")},
             {QStringLiteral("Label4"), QStringLiteral("Wybierz centrum SMS dla  danego operatora sieci")},
             {QStringLiteral("Button1"), QStringLiteral("Treść SMS"),
              QStringLiteral("punkt 5. Programowanie danych operatora Centrum SMS.")}});
    }

    void openingSelectsOrangeAndComposesItsNumber()
    {
        Fixture f;
        f.choose(4);
        typeText(f.number, QStringLiteral("123"));
        f.open();
        QCOMPARE(f.operators->itemIndex(), 0);
        QCOMPARE(f.number->text(), QStringLiteral("48501200777"));
        QVERIFY(!f.number->isEnabled());
        QVERIFY(!f.result->isEnabled());
        f.choose(3);
        f.iku = "4321";
        f.press(QStringLiteral("Button1"));
        QCOMPARE(f.shown(), (QStringList{kTitle, kPrompt, QStringLiteral("4321#0#48790998250#")}));
        QVERIFY(f.result->isEnabled());
    }

    void choosingAnOperatorKeepsOnlyTheTitle()
    {
        Fixture f;
        f.open();
        f.press(QStringLiteral("Button1"));
        f.choose(2);
        QCOMPARE(f.shown(), (QStringList{kTitle, QString(), QString()}));
        QCOMPARE(f.number->text(), QStringLiteral("48601000310"));
    }

    void typingEmptiesOnlyTheResult()
    {
        Fixture f;
        f.choose(4);
        typeText(f.number, QStringLiteral("4850"));
        f.press(QStringLiteral("Button1"));
        typeText(f.number, QStringLiteral("x"));
        QCOMPARE(f.errors.messages(), QStringList{QStringLiteral("Numer Centrum powinien zawierać tylko cyfry")});
        QCOMPARE(f.bandAtBox, (QStringList{kTitle, kPrompt, QString()}));
        QCOMPARE(f.number->text(), QString());
    }

    void otherOperatorWithNoNumberIsRefusedOverAnEmptyBand()
    {
        Fixture f;
        f.open();
        f.press(QStringLiteral("Button1"));
        f.choose(4);
        QVERIFY(f.number->isEnabled());
        f.press(QStringLiteral("Button1"));
        QCOMPARE(f.errors.messages(), QStringList{QStringLiteral("Podaj numer Centrum SMS")});
        QCOMPARE(f.bandAtBox, kEmptyBand);
        QCOMPARE(f.shown(), kEmptyBand);
        QVERIFY(f.result->isEnabled());
    }

    void reopeningKeepsTheMessageButNotThePrompt()
    {
        Fixture f;
        f.open();
        f.press(QStringLiteral("Button1"));
        f.open();
        QCOMPARE(f.shown(), (QStringList{kTitle, QString(), QStringLiteral("0123#0#48501200777#")}));
        QVERIFY(!f.result->isEnabled());
    }
};

VELMORA_TEST_MAIN(SmsCentrePageTest)
#include "smscentrepage_test.moc"
