#include "firststartpage.h"
#include "pagetest.h"
#include "radiogroup.h"
#include "testmain.h"

#include <QRadioButton>

using namespace velmora;
using namespace velmora::test;

namespace {

const QString kIkuMissing = QStringLiteral("Wpisz kod IKU  zawierający cztery cyfry");
const QString kCentreTitle = QStringLiteral("Definiowanie Centrum SMS");
const QString kPrompt = QStringLiteral("Wyślij do urządzenia SMS o treści:");
const QStringList kInstructions = {
    QStringLiteral("Po otrzymaniu SMS od urządzenia wciśnij kod z klawiatury modułu drzwi."),
    QStringLiteral("Po jednokrotnym sygnale beepera w centralce wciśnij ponownie kod z klawiatury."),
    QStringLiteral("Dwukrotny dźwięk beepera oznacza prawidłowe wprogramowanie kodu klawiatury."),
};
const QStringList kNoInstructions = {QString(), QString(), QString()};

struct Fixture : PageFixture<TForm13> {
    QLineEdit* ikuField = edit(QStringLiteral("Edit3"));
    QLineEdit* centre = edit(QStringLiteral("Edit1"));
    RadioGroup* operators = get<RadioGroup>(QStringLiteral("RadioGroup1"));

    QLineEdit* user(int n) const { return edit(QStringLiteral("Edit%1").arg(3 + n)); }
    QStringList instructions() const
    {
        return {get<QLabel>(QStringLiteral("Label3"))->text(), get<QLabel>(QStringLiteral("Label10"))->text(),
                get<QLabel>(QStringLiteral("Label11"))->text()};
    }
    void openWithIku(const QString& code = QStringLiteral("0123"))
    {
        ikuField->setText(code);
        open();
    }
    void choose(int index) { child<QRadioButton>(operators, QStringLiteral("Item%1").arg(index))->click(); }
    void composeKeypadCodeFor(int number)
    {
        click({number});
        press(QStringLiteral("Button5"));
    }
};

} // namespace

class FirstStartPageTest : public QObject {
    Q_OBJECT

private slots:
    void textsAsShown()
    {
        Fixture f;
        expectShown(
            &f.page,
            {{QStringLiteral("TForm13"), QStringLiteral("NIEZBĘDNE KROKI PPRZY PIERWSZYM URUCHOMIENIU SYSTEMU")},
             {QStringLiteral("Button1"), QStringLiteral("Treść SMS"),
              QStringLiteral("punkt 7.  Programowanie systemu za pomocą telefonu komórkowego - krok 10. "
                             "Instrukcja skrócona")},
             {QStringLiteral("Button2"), QStringLiteral("Treść SMS"),
              QStringLiteral("punkt 7. Programowanie Systemu za pomocą telefonu komórkowego - krok 11. "
                             "Instrukcja podstawowa.")},
             {QStringLiteral("Button5"), QStringLiteral("Treść SMS"),
              QStringLiteral("punkt 9. Zmiana kodu klawiatury - krok 14. Instrukcja skrócona.")},
             {QStringLiteral("Item4"), QStringLiteral("INNY")}});
        QCOMPARE(f.operators->title(), QStringLiteral("Wybierz Centrum SMS"));
        QCOMPARE(f.result->font().pixelSize(), 19);
        QCOMPARE(f.instructions(), kNoInstructions);
        // These labels carry no names.
        QStringList texts;
        for (const QLabel* label : f.page.findChildren<QLabel*>()) {
            texts << label->text();
        }
        for (const QString& text :
             {QStringLiteral("WSTECZ"), QStringLiteral("Numer uzytkownika 2"), QStringLiteral("Numer użytkownika 5"),
              QStringLiteral("K1"), QStringLiteral("K10"), QStringLiteral("KOD IKU"),
              QStringLiteral("Wpisz czterocyfrowy Kod IKU, który trzymałeś  w "),
              QStringLiteral("Wybierz użytkownika,  któremu chcesz przypisać  kod klawiatury")}) {
            QVERIFY2(texts.contains(text), qPrintable(text));
        }
    }

    void openingResetsTheOperatorAndTheDisplayButKeepsTheInputs()
    {
        Fixture f;
        f.openWithIku();
        f.choose(4);
        f.centre->setText(QStringLiteral("48600"));
        f.composeKeypadCodeFor(2);
        QCOMPARE(f.instructions(), kInstructions);
        f.open();
        QCOMPARE(f.operators->itemIndex(), 0);
        QCOMPARE(f.centre->text(), QStringLiteral("48501200777"));
        QVERIFY(!f.centre->isEnabled());
        QVERIFY(!f.result->isEnabled());
        QCOMPARE(f.shown(), kEmptyBand);
        QCOMPARE(f.instructions(), kNoInstructions);
        QCOMPARE(f.ikuField->text(), QStringLiteral("0123"));
        QVERIFY(f.box(2)->isChecked());
    }

    // Each step reads the page's own IKU field and its own inputs.
    void eachStepComposesFromItsOwnFields()
    {
        Fixture f;
        f.openWithIku(QStringLiteral("4321"));
        f.choose(4);
        typeText(f.centre, QStringLiteral("48123"));
        for (int n = 1; n <= 5; ++n) {
            f.user(n)->setText(n == 3 ? QString() : QStringLiteral("48%1").arg(n));
        }
        f.press(QStringLiteral("Button1"));
        QCOMPARE(f.shown(), (QStringList{kCentreTitle, kPrompt, QStringLiteral("4321#0#48123#")}));
        QVERIFY(f.result->isEnabled());
        f.press(QStringLiteral("Button2"));
        QCOMPARE(f.shown(), (QStringList{QStringLiteral("Definiowanie numerów użytkowników"), kPrompt,
                                         QStringLiteral("4321#G#481#482##484#485#")}));
        QVERIFY(f.errors.reports().empty());
    }

    // The box shows over an empty band, with the result field still disabled; it is enabled after.
    void everyStepChecksTheIkuFirst_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("step 10") << QStringLiteral("Button1");
        QTest::newRow("step 11") << QStringLiteral("Button2");
        QTest::newRow("step 14") << QStringLiteral("Button5");
    }

    void everyStepChecksTheIkuFirst()
    {
        QFETCH(QString, button);
        Fixture f;
        f.openWithIku(QStringLiteral("012"));
        f.user(1)->setText(QStringLiteral("48601"));
        f.click({1});
        bool enabledAtBox = true;
        f.errors.whileShown([&f, &enabledAtBox] {
            f.bandAtBox = f.shown();
            enabledAtBox = f.result->isEnabled();
        });
        f.press(button);
        QCOMPARE(f.errors.messages(), QStringList{kIkuMissing});
        QCOMPARE(f.bandAtBox, kEmptyBand);
        QVERIFY(!enabledAtBox);
        QVERIFY(f.result->isEnabled());
        QCOMPARE(f.instructions(), kNoInstructions);
    }

    // Shown over the offending text, which is emptied after the box; the other fields stay.
    void fieldRules_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("IKU") << QStringLiteral("Edit3") << QStringLiteral("01a")
                             << QStringLiteral("Kod IKU powinien zawierać tylko cyfry");
        QTest::newRow("centre") << QStringLiteral("Edit1") << QStringLiteral("48 ")
                                << QStringLiteral("Numer Centrum powinien zawierać tylko cyfry");
        QTest::newRow("user 1") << QStringLiteral("Edit4") << QStringLiteral("48+")
                                << QStringLiteral("Numer Użytkownika powinien zawierać tylko cyfry");
        QTest::newRow("user 5") << QStringLiteral("Edit8") << QStringLiteral("481234567890123456")
                                << QStringLiteral("Za duża ilość cyfr w definicji numeru użytkownika");
    }

    void fieldRules()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        Fixture f;
        f.choose(4);
        const QStringList all{QStringLiteral("Edit1"), QStringLiteral("Edit3"), QStringLiteral("Edit4"),
                              QStringLiteral("Edit8")};
        for (const QString& other : all) {
            f.edit(other)->setText(other == field ? QString() : QStringLiteral("48"));
        }
        f.errors.watch(f.edit(field));
        typeText(f.edit(field), typed);
        QCOMPARE(f.errors.messages(), QStringList{refusal});
        QCOMPARE(f.errors.reports().front().fieldText, typed);
        for (const QString& other : all) {
            QCOMPARE(f.edit(other)->text(), other == field ? QString() : QStringLiteral("48"));
        }
    }

    void eachChangeEmptiesItsOwnPartOfTheDisplay()
    {
        Fixture f;
        f.openWithIku();
        f.choose(4);
        f.centre->setText(QStringLiteral("48600"));
        f.press(QStringLiteral("Button1"));
        const QStringList centreShown{kCentreTitle, kPrompt, QStringLiteral("0123#0#48600#")};
        // The IKU field empties nothing.
        typeText(f.ikuField, QStringLiteral("4"));
        QCOMPARE(f.shown(), centreShown);
        // The SMS centre number empties only the result field.
        typeText(f.centre, QStringLiteral("1"));
        QCOMPARE(f.shown(), (QStringList{kCentreTitle, kPrompt, QString()}));
        // A user number empties the band but leaves the keypad instructions.
        f.ikuField->setText(QStringLiteral("0123"));
        f.composeKeypadCodeFor(4);
        typeText(f.user(2), QStringLiteral("4"));
        QCOMPARE(f.shown(), kEmptyBand);
        QCOMPARE(f.instructions(), kInstructions);
    }

    void operatorChoiceEmptiesTheDisplayAndTheInstructions()
    {
        Fixture f;
        f.openWithIku();
        f.composeKeypadCodeFor(1);
        f.choose(2);
        QCOMPARE(f.shown(), kEmptyBand);
        QCOMPARE(f.instructions(), kNoInstructions);
        QCOMPARE(f.centre->text(), QStringLiteral("48601000310"));
        QVERIFY(!f.centre->isEnabled());
        f.choose(4);
        QCOMPARE(f.centre->text(), QString());
        QVERIFY(f.centre->isEnabled());
    }

    void keypadUserIsOneOfTen()
    {
        Fixture f;
        f.openWithIku();
        f.press(QStringLiteral("Button5"));
        QVERIFY(f.errors.reports().empty());
        QCOMPARE(f.shown(), kEmptyBand);
        QVERIFY(f.result->isEnabled());
        f.click({3});
        f.composeKeypadCodeFor(7);
        QVERIFY(!f.box(3)->isChecked());
        QCOMPARE(f.shown(), (QStringList{QStringLiteral("Wprogramowywanie kodu klawiatury do systemu"), kPrompt,
                                         QStringLiteral("0123#A#7#")}));
        QCOMPARE(f.instructions(), kInstructions);
        // Unticking the chosen box empties everything and leaves none ticked.
        f.click({7});
        QCOMPARE(f.shown(), kEmptyBand);
        QCOMPARE(f.instructions(), kNoInstructions);
        QVERIFY(!f.box(7)->isChecked());
    }

    void keypadPressKeepsEarlierInstructions()
    {
        Fixture f;
        f.openWithIku();
        f.composeKeypadCodeFor(5);
        f.ikuField->setText(QStringLiteral("01"));
        f.press(QStringLiteral("Button5"));
        QCOMPARE(f.errors.messages(), QStringList{kIkuMissing});
        QCOMPARE(f.shown(), kEmptyBand);
        QCOMPARE(f.instructions(), kInstructions);
        // The other steps empty them.
        f.ikuField->setText(QStringLiteral("0123"));
        f.user(1)->setText(QStringLiteral("48601"));
        f.press(QStringLiteral("Button2"));
        QCOMPARE(f.result->text(), QStringLiteral("0123#G#48601#####"));
        QCOMPARE(f.instructions(), kNoInstructions);
    }
};

VELMORA_TEST_MAIN(FirstStartPageTest)
#include "firststartpage_test.moc"
