#include "checkboxrow.h"
#include "firststartpage.h"
#include "modal.h"
#include "radiogroup.h"
#include "recordingerrorbox.h"
#include "testmain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace velmora;
using velmora::test::ModalWatcher;
using velmora::test::RecordingErrorBox;

namespace {

const QString kIkuMissing = QStringLiteral("Wpisz kod IKU  zawierający cztery cyfry");
const QString kNoUser =
    QStringLiteral("Podaj numer telefonu dla co najmniej jednego użytkownika. Numer musi zaczynać się od cyfr: 48");
const QString kUserPrefix = QStringLiteral("Numer telefonu musi rozpoczynać od przedrostka \"48\". Na przykład jeśli "
                                           "numer telefonu ma postać: 601123456 to należy wpisać: 48601123456");
const QString kPrompt = QStringLiteral("Wyślij do urządzenia SMS o treści:");
const QStringList kInstructions = {
    QStringLiteral("Po otrzymaniu SMS od urządzenia wciśnij kod z klawiatury modułu drzwi."),
    QStringLiteral("Po jednokrotnym sygnale beepera w centralce wciśnij ponownie kod z klawiatury."),
    QStringLiteral("Dwukrotny dźwięk beepera oznacza prawidłowe wprogramowanie kodu klawiatury."),
};

struct Fixture {
    RecordingErrorBox errors;
    TForm13 page{errors};

    template <typename T> T* find(const QString& name) const { return page.findChild<T*>(name); }
    QLineEdit* edit(int number) const { return find<QLineEdit>(QStringLiteral("Edit%1").arg(number)); }
    QPushButton* button(int number) const { return find<QPushButton>(QStringLiteral("Button%1").arg(number)); }
    QCheckBox* keypadBox(int number) const { return find<QCheckBox>(QStringLiteral("CheckBox%1").arg(number)); }
    QLabel* label(int number) const { return find<QLabel>(QStringLiteral("Label%1").arg(number)); }

    QLineEdit* iku() const { return edit(3); }
    QLineEdit* centre() const { return edit(1); }
    QLineEdit* result() const { return edit(2); }
    QLineEdit* user(int n) const { return edit(3 + n); }
    QLabel* title() const { return label(15); }
    QLabel* prompt() const { return label(21); }
    RadioGroup* operators() const { return find<RadioGroup>(QStringLiteral("RadioGroup1")); }

    QStringList instructions() const { return {label(3)->text(), label(10)->text(), label(11)->text()}; }
    bool bandEmpty() const
    {
        return title()->text().isEmpty() && prompt()->text().isEmpty() && result()->text().isEmpty();
    }

    // Opens the page as the main page does; it is closed again at once.
    void open()
    {
        ModalWatcher watcher;
        page.showModally();
    }

    void openWithIku(const QString& code = QStringLiteral("0123"))
    {
        iku()->setText(code);
        open();
    }

    void choose(int index) { operators()->findChild<QRadioButton*>(QStringLiteral("Item%1").arg(index))->click(); }

    void composeKeypadCodeFor(int number)
    {
        keypadBox(number)->click();
        button(5)->click();
    }
};

const QStringList kNoInstructions = {QString(), QString(), QString()};

} // namespace

class FirstStartPageTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAsNamed()
    {
        Fixture f;
        QCOMPARE(f.page.windowTitle(), QStringLiteral("NIEZBĘDNE KROKI PPRZY PIERWSZYM URUCHOMIENIU SYSTEMU"));
        QCOMPARE(f.button(1)->toolTip(), QStringLiteral("punkt 7.  Programowanie systemu za pomocą telefonu "
                                                        "komórkowego - krok 10. Instrukcja skrócona"));
        QCOMPARE(f.button(2)->toolTip(), QStringLiteral("punkt 7. Programowanie Systemu za pomocą telefonu "
                                                        "komórkowego - krok 11. Instrukcja podstawowa."));
        QCOMPARE(f.button(5)->toolTip(),
                 QStringLiteral("punkt 9. Zmiana kodu klawiatury - krok 14. Instrukcja skrócona."));
        for (int number : {1, 2, 5}) {
            QCOMPARE(f.button(number)->text(), QStringLiteral("Treść SMS"));
        }
        QCOMPARE(f.operators()->title(), QStringLiteral("Wybierz Centrum SMS"));
        QCOMPARE(f.operators()->findChild<QRadioButton*>(QStringLiteral("Item4"))->text(), QStringLiteral("INNY"));
        QVERIFY(f.find<QToolButton>(QStringLiteral("SpeedButton1")));
        QCOMPARE(f.result()->font().pixelSize(), 19);
        QCOMPARE(f.iku()->text(), QString());
        QCOMPARE(f.centre()->text(), QString());
        QCOMPARE(f.instructions(), kNoInstructions);

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

    void openingResetsTheOperatorAndTheDisplay()
    {
        Fixture f;
        f.openWithIku();
        f.choose(4);
        f.centre()->setText(QStringLiteral("48600"));
        f.composeKeypadCodeFor(2);
        QCOMPARE(f.instructions(), kInstructions);
        f.page.close();

        f.open();
        QCOMPARE(f.operators()->itemIndex(), 0);
        QCOMPARE(f.centre()->text(), QStringLiteral("48501200777"));
        QVERIFY(!f.centre()->isEnabled());
        QVERIFY(!f.result()->isEnabled());
        QVERIFY(f.bandEmpty());
        QCOMPARE(f.instructions(), kNoInstructions);
        // What the user typed and ticked survives the visit.
        QCOMPARE(f.iku()->text(), QStringLiteral("0123"));
        QVERIFY(f.keypadBox(2)->isChecked());
    }

    void reopeningOnOrangeStillEmptiesTheDisplay()
    {
        Fixture f;
        f.openWithIku();
        f.button(1)->click();
        QCOMPARE(f.result()->text(), QStringLiteral("0123#0#48501200777#"));
        f.open();
        QVERIFY(f.bandEmpty());
        QVERIFY(!f.result()->isEnabled());
    }

    void smsCentre_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("ORANGE") << 0 << QString() << QStringLiteral("0123#0#48501200777#") << QString();
        QTest::newRow("INNY typed") << 4 << QStringLiteral("48123") << QStringLiteral("0123#0#48123#") << QString();
        QTest::newRow("INNY empty") << 4 << QString() << QString() << QStringLiteral("Podaj numer Centrum SMS");
        QTest::newRow("INNY without 48") << 4 << QStringLiteral("601000310") << QString()
                                         << QStringLiteral("Numer Centrum SMS musi rozpoczynać się od przedrostka "
                                                           "\"48\". ");
    }

    void smsCentre()
    {
        QFETCH(int, choice);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, refusal);
        Fixture f;
        f.openWithIku();
        f.choose(choice);
        QCOMPARE(f.centre()->isEnabled(), choice == 4);
        QTest::keyClicks(f.centre(), typed);
        QVERIFY(f.errors.reports().empty());
        f.errors.whileShown([&f] { QVERIFY(!f.result()->isEnabled()); });

        f.button(1)->click();
        QCOMPARE(f.errors.messages(), refusal.isEmpty() ? QStringList{} : QStringList{refusal});
        QCOMPARE(f.result()->text(), message);
        QCOMPARE(f.title()->text(), message.isEmpty() ? QString() : QStringLiteral("Definiowanie Centrum SMS"));
        QCOMPARE(f.prompt()->text(), message.isEmpty() ? QString() : kPrompt);
        QVERIFY(f.result()->isEnabled());
    }

    void everyStepChecksTheIkuFirst_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("step 10") << 1;
        QTest::newRow("step 11") << 2;
        QTest::newRow("step 14") << 5;
    }

    void everyStepChecksTheIkuFirst()
    {
        QFETCH(int, button);
        Fixture f;
        f.openWithIku(QStringLiteral("012"));
        f.user(1)->setText(QStringLiteral("48601"));
        f.keypadBox(1)->click();
        f.errors.whileShown([&f] { QVERIFY(!f.result()->isEnabled()); });
        f.button(button)->click();
        QCOMPARE(f.errors.messages(), QStringList{kIkuMissing});
        QVERIFY(f.bandEmpty());
        QVERIFY(f.result()->isEnabled());
        QCOMPARE(f.instructions(), kNoInstructions);
    }

    void userNumbers_data()
    {
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QStringList>("refusals");
        QTest::addColumn<QString>("message");
        QTest::newRow("user 3 only") << QStringList{{}, {}, QStringLiteral("48601123456"), {}, {}} << QStringList{}
                                     << QStringLiteral("0123#G###48601123456###");
        QTest::newRow("single digit in user 1")
            << QStringList{QStringLiteral("4"), {}, {}, {}, {}} << QStringList{kNoUser} << QString();
        QTest::newRow("single digits in users 2 and 3")
            << QStringList{{}, QStringLiteral("4"), QStringLiteral("8"), {}, {}}
            << QStringList{kNoUser, kUserPrefix, kUserPrefix} << QString();
        QTest::newRow("wrong prefixes")
            << QStringList{QStringLiteral("601"), {}, QStringLiteral("48601"), {}, QStringLiteral("4")}
            << QStringList{kUserPrefix, kUserPrefix} << QString();
    }

    void userNumbers()
    {
        QFETCH(QStringList, numbers);
        QFETCH(QStringList, refusals);
        QFETCH(QString, message);
        Fixture f;
        f.openWithIku();
        for (int n = 1; n <= 5; ++n) {
            QTest::keyClicks(f.user(n), numbers[n - 1]);
        }
        QVERIFY(f.errors.reports().empty());
        f.errors.whileShown([&f] { QVERIFY(!f.result()->isEnabled()); });

        f.button(2)->click();
        QCOMPARE(f.errors.messages(), refusals);
        QCOMPARE(f.result()->text(), message);
        QCOMPARE(f.title()->text(),
                 message.isEmpty() ? QString() : QStringLiteral("Definiowanie numerów użytkowników"));
        QCOMPARE(f.prompt()->text(), message.isEmpty() ? QString() : kPrompt);
        QVERIFY(f.result()->isEnabled());
    }

    void fieldRules_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("left");
        const QString userDigits = QStringLiteral("Numer Użytkownika powinien zawierać tylko cyfry");
        QTest::newRow("IKU letter") << 3 << QStringLiteral("01a")
                                    << QStringLiteral("Kod IKU powinien zawierać tylko cyfry") << QString();
        QTest::newRow("IKU fifth digit") << 3 << QStringLiteral("01234")
                                         << QStringLiteral("Kod IKU powinien zawierać cztery cyfry") << QString();
        QTest::newRow("centre blank") << 1 << QStringLiteral("48 ")
                                      << QStringLiteral("Numer Centrum powinien zawierać tylko cyfry") << QString();
        QTest::newRow("centre 18 digits") << 1 << QStringLiteral("123456789012345678")
                                          << QStringLiteral("Za duża ilość cyfr w definicji Centrum SMS") << QString();
        QTest::newRow("centre 17 digits")
            << 1 << QStringLiteral("12345678901234567") << QString() << QStringLiteral("12345678901234567");
        QTest::newRow("user 1 trailing plus") << 4 << QStringLiteral("48+") << userDigits << QString();
        QTest::newRow("user 3 18 digits")
            << 6 << QStringLiteral("481234567890123456")
            << QStringLiteral("Za duża ilość cyfr w definicji numeru użytkownika") << QString();
    }

    void fieldRules()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        QFETCH(QString, left);
        Fixture f;
        f.open();
        f.choose(4);
        for (int other : {1, 3, 4, 5, 6, 7, 8}) {
            f.edit(other)->setText(QStringLiteral("48"));
        }
        f.edit(field)->clear();
        f.errors.watch(f.edit(field));

        QTest::keyClicks(f.edit(field), typed);
        QCOMPARE(f.errors.messages(), refusal.isEmpty() ? QStringList{} : QStringList{refusal});
        if (!refusal.isEmpty()) {
            // The box is shown over the offending text; the field is emptied after it.
            QCOMPARE(f.errors.reports().front().fieldText, typed);
        }
        QCOMPARE(f.edit(field)->text(), left);
        for (int other : {1, 3, 4, 5, 6, 7, 8}) {
            if (other != field) {
                QCOMPARE(f.edit(other)->text(), QStringLiteral("48"));
            }
        }
    }

    void eachChangeEmptiesItsOwnPartOfTheDisplay()
    {
        Fixture f;
        f.openWithIku();
        f.choose(4);
        f.centre()->setText(QStringLiteral("48600"));
        f.button(1)->click();
        const QString centreMessage = QStringLiteral("0123#0#48600#");
        QCOMPARE(f.result()->text(), centreMessage);

        // The IKU field empties nothing.
        QTest::keyClicks(f.iku(), QStringLiteral("4"));
        QCOMPARE(f.result()->text(), centreMessage);

        // The SMS centre number empties only the result field.
        QTest::keyClicks(f.centre(), QStringLiteral("1"));
        QCOMPARE(f.result()->text(), QString());
        QCOMPARE(f.title()->text(), QStringLiteral("Definiowanie Centrum SMS"));
        QCOMPARE(f.prompt()->text(), kPrompt);

        // A user number empties the band but leaves the keypad instructions.
        f.iku()->setText(QStringLiteral("0123"));
        f.composeKeypadCodeFor(4);
        QTest::keyClicks(f.user(2), QStringLiteral("4"));
        QVERIFY(f.bandEmpty());
        QCOMPARE(f.instructions(), kInstructions);
    }

    void operatorChoiceEmptiesTheDisplayAndTheInstructions()
    {
        Fixture f;
        f.openWithIku();
        f.composeKeypadCodeFor(1);
        f.choose(2);
        QVERIFY(f.bandEmpty());
        QCOMPARE(f.instructions(), kNoInstructions);
        QCOMPARE(f.centre()->text(), QStringLiteral("48601000310"));
        QVERIFY(!f.centre()->isEnabled());
        f.choose(4);
        QCOMPARE(f.centre()->text(), QString());
        QVERIFY(f.centre()->isEnabled());
    }

    void keypadUserIsOneOfTen()
    {
        Fixture f;
        f.openWithIku();
        f.keypadBox(3)->click();
        f.keypadBox(7)->click();
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(f.keypadBox(n)->isChecked(), n == 7);
        }
        f.button(5)->click();
        QVERIFY(f.errors.reports().empty());
        QCOMPARE(f.result()->text(), QStringLiteral("0123#A#7#"));
        QCOMPARE(f.title()->text(), QStringLiteral("Wprogramowywanie kodu klawiatury do systemu"));
        QCOMPARE(f.prompt()->text(), kPrompt);
        QCOMPARE(f.instructions(), kInstructions);
        QVERIFY(f.result()->isEnabled());

        // Unticking the chosen box empties everything and leaves none ticked.
        f.keypadBox(7)->click();
        QVERIFY(f.bandEmpty());
        QCOMPARE(f.instructions(), kNoInstructions);
        for (int n = 1; n <= 10; ++n) {
            QVERIFY(!f.keypadBox(n)->isChecked());
        }
    }

    void keypadWithoutUserShowsNothing()
    {
        Fixture f;
        f.openWithIku();
        f.button(5)->click();
        QVERIFY(f.errors.reports().empty());
        QVERIFY(f.bandEmpty());
        QVERIFY(f.result()->isEnabled());
    }

    void keypadPressKeepsEarlierInstructions()
    {
        Fixture f;
        f.openWithIku();
        f.composeKeypadCodeFor(5);
        f.iku()->setText(QStringLiteral("01"));
        f.button(5)->click();
        QCOMPARE(f.errors.messages(), QStringList{kIkuMissing});
        QVERIFY(f.bandEmpty());
        QCOMPARE(f.instructions(), kInstructions);

        // The other steps empty them.
        f.iku()->setText(QStringLiteral("0123"));
        f.user(1)->setText(QStringLiteral("48601"));
        f.button(2)->click();
        QCOMPARE(f.result()->text(), QStringLiteral("0123#G#48601#####"));
        QCOMPARE(f.instructions(), kNoInstructions);
    }
};

VELMORA_TEST_MAIN(FirstStartPageTest)
#include "firststartpage_test.moc"
