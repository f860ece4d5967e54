#include "pagetest.h"
#include "testmain.h"
#include "usernumberspage.h"

using namespace velmora;
using namespace velmora::test;

namespace {

const QString kPrompt = QStringLiteral("Wyślij do urządzenia SMS o treści:");
const QString kDigits = QStringLiteral("Numer Użytkownika powinien zawierać tylko cyfry");

struct Fixture : PageFixture<TForm3> {
    QLineEdit* number(int user) const { return edit(QStringLiteral("Edit%1").arg(user)); }
    void setNumbers(const QStringList& numbers) const
    {
        for (int user = 1; user <= 5; ++user) {
            number(user)->setText(numbers.value(user - 1));
        }
    }
    // The SMS mask as opened, so that keeping or emptying the band shows.
    QStringList smsMaskShown()
    {
        press(QStringLiteral("Button3"));
        return shown();
    }
};

} // namespace

class UserNumbersPageTest : public QObject {
    Q_OBJECT

private slots:
    void textsAsShown()
    {
        Fixture f;
        const QString compose = QStringLiteral("Treść SMS");
        expectShown(
            &f.page,
            {{QStringLiteral("TForm3"), QStringLiteral("WPROGRAMOWYWANIE USUWANIE NUMERÓW TELEFONÓW UŻYTKOWNIKÓW "
                                                       "SYSTEMU DEFINIOWANIE MASKI SMS I RING")},
             {QStringLiteral("Label1"), QStringLiteral("Wprogramowywanie numerów telofonów użytkowników")},
             {QStringLiteral("Label9"), QStringLiteral("Pamiętaj, że numer telefonu powinien zawierać przedrostek ")},
             {QStringLiteral("Label10"), QStringLiteral("międzynarodowy. Dla Polski jest to 48. Np. 48501123456")},
             {QStringLiteral("Label8"), QStringLiteral("Usuwanie numerów użytkowników z systemu")},
             {QStringLiteral("Label25"), QStringLiteral("Definiowanie maski SMS")},
             {QStringLiteral("Label12"), QStringLiteral("Maska SMS ustala do kogo mają być przesyłane SMS alarmowe")},
             {QStringLiteral("Label26"), QStringLiteral("Definiowanie maski RING")},
             {QStringLiteral("Label28"), QStringLiteral("Maska RING ustala do kogo ma być wykonywane dzwonienie")},
             {QStringLiteral("Label29"), QStringLiteral("po wystąpieniu alarmu")},
             {QStringLiteral("Label13"), QStringLiteral("Wstecz")},
             {QStringLiteral("Label2"), QStringLiteral("Numer użytkownika 1")},
             {QStringLiteral("Label6"), QStringLiteral("Numer użytkownika 5")},
             {QStringLiteral("Label15"), QStringLiteral("U1")},
             {QStringLiteral("Label19"), QStringLiteral("U5")},
             {QStringLiteral("Label20"), QStringLiteral("U1")},
             {QStringLiteral("Label24"), QStringLiteral("U5")},
             {QStringLiteral("CheckBox1"), QStringLiteral("Usuń numer użytkownika 1")},
             {QStringLiteral("CheckBox5"), QStringLiteral("Usuń numer użytkownika 5")},
             {QStringLiteral("CheckBox6"), QString()},
             {QStringLiteral("Button1"), compose,
              QStringLiteral("punkt 6.1. Wprowadzanie danych użytkowników systemu.")},
             {QStringLiteral("Button2"), compose,
              QStringLiteral("punkt 6.2. Usuwanie numerów telefonów użytkowników.")},
             {QStringLiteral("Button3"), compose, QStringLiteral("punkt 13.1. Ustawienie MASKI wysyłanych SMS")},
             {QStringLiteral("Button4"), compose,
              QStringLiteral("punkt 13.2. Ustawienie Maski Głośnego Powiadomienia (RING)")}});
    }

    // Shown over the rejected text, which is emptied after the box, over an emptied band.
    void everyNumberFieldIsGuarded()
    {
        Fixture f;
        for (int user = 1; user <= 5; ++user) {
            f.smsMaskShown();
            f.errors.clear();
            f.errors.watch(f.number(user));
            f.number(user)->setText(QStringLiteral("48x"));
            QCOMPARE(f.errors.messages(), QStringList{kDigits});
            QCOMPARE(f.errors.reports().front().fieldText, QStringLiteral("48x"));
            QCOMPARE(f.bandAtBox, kEmptyBand);
            QCOMPARE(f.number(user)->text(), QString());
        }
        typeText(f.number(4), QStringLiteral("486012345678901234"));
        QCOMPARE(f.errors.messages().last(), QStringLiteral("Za duża ilość cyfr w definicji numeru użytkownika"));
        QCOMPARE(f.number(4)->text(), QString());
    }

    void numbersAreComposedInUserOrder()
    {
        Fixture f;
        f.setNumbers(
            {QStringLiteral("481"), QStringLiteral("482"), QString(), QStringLiteral("484"), QStringLiteral("485")});
        f.press(QStringLiteral("Button1"));
        QCOMPARE(f.shown(), (QStringList{QStringLiteral("Definiowanie numerów użytkowników"), kPrompt,
                                         QStringLiteral("0123#G#481#482##484#485#")}));
    }

    // One box per failing field, in order; the fields and the band stay as they were.
    void aRefusedNumbersPressKeepsTheBand()
    {
        Fixture f;
        f.setNumbers({QStringLiteral("84"), QStringLiteral("48601123456"), {}, {}, QStringLiteral("5")});
        const QStringList shown = f.smsMaskShown();
        f.press(QStringLiteral("Button1"));
        const QString example = QStringLiteral("od przedrostka \"48\". Na przykład jeśli numer telefonu ma postać: "
                                               "601123456 to należy wpisać: 48601123456");
        QCOMPARE(f.errors.messages(), (QStringList{QStringLiteral("Numer telefonu musi rozpoczynać się ") + example,
                                                   QStringLiteral("Numer telefonu musi rozpoczynać ") + example}));
        QCOMPARE(f.bandAtBox, shown);
        QCOMPARE(f.shown(), shown);
        QCOMPARE(f.number(1)->text(), QStringLiteral("84"));
    }

    void removal()
    {
        Fixture f;
        const QStringList shown = f.smsMaskShown();
        f.press(QStringLiteral("Button2"));
        QCOMPARE(f.errors.messages(),
                 QStringList{QStringLiteral("Podaj co najmniej jednego użytkownika do usunięcia z systemu")});
        QCOMPARE(f.shown(), shown);
        f.click({4, 2});
        f.press(QStringLiteral("Button2"));
        QCOMPARE(f.shown(), (QStringList{QStringLiteral("Usuwanie wybranych numerów z systemu"), kPrompt,
                                         QStringLiteral("0123#GN#2#4#")}));
    }

    void eachMaskReadsItsOwnRow()
    {
        Fixture f;
        f.open();
        f.click({7, 15});
        f.press(QStringLiteral("Button3"));
        QCOMPARE(f.shown(),
                 (QStringList{QStringLiteral("Definiowanie maski SMS"), kPrompt, QStringLiteral("0123#SM#10111#")}));
        f.press(QStringLiteral("Button4"));
        QCOMPARE(f.shown(),
                 (QStringList{QStringLiteral("Definiowanie maski RING"), kPrompt, QStringLiteral("0123#RM#11110#")}));
    }

    void everyBoxEmptiesTheBand()
    {
        Fixture f;
        QCOMPARE(f.firstBoxThatKeepsTheBand(QStringLiteral("Button4"), boxNumbers(1, 15)), 0);
    }

    void openingTicksTheMasksAgainAndKeepsTheRest()
    {
        Fixture f;
        f.open();
        f.click({7, 15, 2, 5});
        f.number(3)->setText(QStringLiteral("48601123456"));
        f.press(QStringLiteral("Button1"));
        f.open();
        for (int number = 1; number <= 15; ++number) {
            QCOMPARE(f.box(number)->isChecked(), number > 5 || number == 2 || number == 5);
        }
        QCOMPARE(f.number(3)->text(), QStringLiteral("48601123456"));
        QCOMPARE(f.shown(), kEmptyBand);
        QVERIFY(f.result->isEnabled());
    }
};

VELMORA_TEST_MAIN(UserNumbersPageTest)
#include "usernumberspage_test.moc"
