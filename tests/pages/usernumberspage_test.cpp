#include "modal.h"
#include "recordingerrorbox.h"
#include "testmain.h"
#include "usernumberspage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace velmora;
using velmora::test::ModalWatcher;
using velmora::test::RecordingErrorBox;

namespace {

const QString kPrompt = QStringLiteral("Wyślij do urządzenia SMS o treści:");
const QString kWithoutSie =
    QStringLiteral("Numer telefonu musi rozpoczynać od przedrostka \"48\". Na przykład jeśli numer telefonu ma postać: "
                   "601123456 to należy wpisać: 48601123456");
const QString kWithSie =
    QStringLiteral("Numer telefonu musi rozpoczynać się od przedrostka \"48\". Na przykład jeśli numer telefonu ma "
                   "postać: 601123456 to należy wpisać: 48601123456");
const QString kDigits = QStringLiteral("Numer Użytkownika powinien zawierać tylko cyfry");
const QString kLength = QStringLiteral("Za duża ilość cyfr w definicji numeru użytkownika");

// What the SMS mask button shows right after opening; tests compose it first to see whether the band is kept.
const QString kSmsMaskMessage = QStringLiteral("0123#SM#11111#");

struct Fixture {
    RecordingErrorBox errors;
    TForm3 page{[] { return std::string("0123"); }, errors};
    QLabel* title = page.findChild<QLabel*>(QStringLiteral("Label14"));
    QLabel* prompt = page.findChild<QLabel*>(QStringLiteral("Label27"));
    QLineEdit* result = page.findChild<QLineEdit*>(QStringLiteral("Edit6"));

    // Opens the page as the advanced configuration page does; it is closed again at once.
    void open()
    {
        ModalWatcher watcher;
        page.showModally();
    }

    QLineEdit* number(int user) const { return page.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(user)); }
    QCheckBox* box(int n) const { return page.findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n)); }
    void press(int button) const { page.findChild<QPushButton*>(QStringLiteral("Button%1").arg(button))->click(); }

    void setNumbers(const QStringList& numbers) const
    {
        for (int user = 1; user <= 5; ++user) {
            number(user)->setText(numbers.value(user - 1));
        }
    }

    QStringList numbers() const
    {
        QStringList texts;
        for (int user = 1; user <= 5; ++user) {
            texts << number(user)->text();
        }
        return texts;
    }

    QStringList band() const { return {title->text(), prompt->text(), result->text()}; }
    bool bandEmpty() const { return band() == QStringList{QString(), QString(), QString()}; }
};

QStringList smsMaskBand()
{
    return {QStringLiteral("Definiowanie maski SMS"), kPrompt, kSmsMaskMessage};
}

} // namespace

class UserNumbersPageTest : public QObject {
    Q_OBJECT

private slots:
    void textsAsNamed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const auto row = [](const QString& name, const QString& text) {
            QTest::newRow(name.toLatin1().constData()) << name << text;
        };
        row(QStringLiteral("Label1"), QStringLiteral("Wprogramowywanie numerów telofonów użytkowników"));
        row(QStringLiteral("Label9"), QStringLiteral("Pamiętaj, że numer telefonu powinien zawierać przedrostek "));
        row(QStringLiteral("Label10"), QStringLiteral("międzynarodowy. Dla Polski jest to 48. Np. 48501123456"));
        row(QStringLiteral("Label8"), QStringLiteral("Usuwanie numerów użytkowników z systemu"));
        row(QStringLiteral("Label25"), QStringLiteral("Definiowanie maski SMS"));
        row(QStringLiteral("Label12"), QStringLiteral("Maska SMS ustala do kogo mają być przesyłane SMS alarmowe"));
        row(QStringLiteral("Label26"), QStringLiteral("Definiowanie maski RING"));
        row(QStringLiteral("Label28"), QStringLiteral("Maska RING ustala do kogo ma być wykonywane dzwonienie"));
        row(QStringLiteral("Label29"), QStringLiteral("po wystąpieniu alarmu"));
        row(QStringLiteral("Label13"), QStringLiteral("Wstecz"));
        for (int user = 1; user <= 5; ++user) {
            row(QStringLiteral("Label%1").arg(user + 1), QStringLiteral("Numer użytkownika %1").arg(user));
            row(QStringLiteral("Label%1").arg(user + 14), QStringLiteral("U%1").arg(user));
            row(QStringLiteral("Label%1").arg(user + 19), QStringLiteral("U%1").arg(user));
        }
    }

    void textsAsNamed()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        Fixture f;
        auto* label = f.page.findChild<QLabel*>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
    }

    void controlsAsNamed()
    {
        Fixture f;
        QCOMPARE(f.page.windowTitle(),
                 QStringLiteral("WPROGRAMOWYWANIE USUWANIE NUMERÓW TELEFONÓW UŻYTKOWNIKÓW SYSTEMU "
                                "DEFINIOWANIE MASKI SMS I RING"));
        const QStringList hints{QStringLiteral("punkt 6.1. Wprowadzanie danych użytkowników systemu."),
                                QStringLiteral("punkt 6.2. Usuwanie numerów telefonów użytkowników."),
                                QStringLiteral("punkt 13.1. Ustawienie MASKI wysyłanych SMS"),
                                QStringLiteral("punkt 13.2. Ustawienie Maski Głośnego Powiadomienia (RING)")};
        for (int button = 1; button <= 4; ++button) {
            auto* compose = f.page.findChild<QPushButton*>(QStringLiteral("Button%1").arg(button));
            QVERIFY(compose);
            QCOMPARE(compose->text(), QStringLiteral("Treść SMS"));
            QCOMPARE(compose->toolTip(), hints[button - 1]);
        }
        for (int n = 1; n <= 15; ++n) {
            QVERIFY(f.box(n));
            QCOMPARE(f.box(n)->text(), n <= 5 ? QStringLiteral("Usuń numer użytkownika %1").arg(n) : QString());
            QVERIFY(!f.box(n)->isChecked());
        }
        for (int user = 1; user <= 5; ++user) {
            QVERIFY(f.number(user));
        }
        QVERIFY(f.page.findChild<QToolButton*>(QStringLiteral("SpeedButton1")));
        QVERIFY(f.title && f.prompt && f.result);
        QVERIFY(f.result->isEnabled());
    }

    void typedNumberRules_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("shownOver"); // the field's text while the box is shown
        QTest::addColumn<QString>("left");
        QTest::newRow("blank") << 1 << QStringLiteral("48 ") << QStringList{kDigits} << QStringLiteral("48 ")
                               << QString();
        QTest::newRow("letter") << 3 << QStringLiteral("48a") << QStringList{kDigits} << QStringLiteral("48a")
                                << QString();
        QTest::newRow("plus") << 5 << QStringLiteral("+") << QStringList{kDigits} << QStringLiteral("+") << QString();
        QTest::newRow("17 digits") << 2 << QStringLiteral("48601234567890123") << QStringList{} << QString()
                                   << QStringLiteral("48601234567890123");
        QTest::newRow("18 digits") << 4 << QStringLiteral("486012345678901234") << QStringList{kLength}
                                   << QStringLiteral("486012345678901234") << QString();
        QTest::newRow("leading zero") << 2 << QStringLiteral("0601") << QStringList{} << QString()
                                      << QStringLiteral("0601");
        QTest::newRow("no prefix yet") << 1 << QStringLiteral("601123456") << QStringList{} << QString()
                                       << QStringLiteral("601123456");
    }

    void typedNumberRules()
    {
        QFETCH(int, user);
        QFETCH(QString, typed);
        QFETCH(QStringList, messages);
        QFETCH(QString, shownOver);
        QFETCH(QString, left);
        Fixture f;
        f.open();
        f.errors.watch(f.number(user));
        QTest::keyClicks(f.number(user), typed);
        QCOMPARE(f.errors.messages(), messages);
        if (!messages.isEmpty()) {
            QCOMPARE(f.errors.reports().front().fieldText, shownOver);
        }
        QCOMPARE(f.number(user)->text(), left);
    }

    void aRefusedEditEmptiesTheWholeBand()
    {
        Fixture f;
        f.open();
        f.press(3);
        QCOMPARE(f.band(), smsMaskBand());
        f.number(2)->setText(QStringLiteral("48x"));
        QCOMPARE(f.errors.messages(), QStringList{kDigits});
        QVERIFY(f.bandEmpty());
    }

    void anAcceptedEditEmptiesTheWholeBand()
    {
        Fixture f;
        f.open();
        f.press(3);
        QTest::keyClicks(f.number(5), QStringLiteral("4"));
        QVERIFY(f.bandEmpty());
        QVERIFY(f.errors.reports().empty());
    }

    void numbersCommand_data()
    {
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("command"); // empty when nothing is composed
        const QString number = QStringLiteral("48601123456");
        QTest::newRow("only U2") << QStringList{{}, number} << QStringList{}
                                 << QStringLiteral("0123#G##48601123456####");
        QTest::newRow("none") << QStringList{}
                              << QStringList{QStringLiteral("Podaj numer telefonu dla co najmniej jednego użytkownika")}
                              << QString();
        QTest::newRow("U1 without 48") << QStringList{QStringLiteral("601123456")} << QStringList{kWithSie}
                                       << QString();
        QTest::newRow("U2 and U4") << QStringList{number, QStringLiteral("601"), number, QStringLiteral("8")}
                                   << QStringList{kWithoutSie, kWithoutSie} << QString();
        QTest::newRow("U1 and U5") << QStringList{QStringLiteral("84"), number, {}, {}, QStringLiteral("5")}
                                   << QStringList{kWithSie, kWithoutSie} << QString();
    }

    // A refused press shows one box per failing field, keeps the fields and leaves the band as it was.
    void numbersCommand()
    {
        QFETCH(QStringList, numbers);
        QFETCH(QStringList, messages);
        QFETCH(QString, command);
        Fixture f;
        f.open();
        f.setNumbers(numbers);
        const QStringList typed = f.numbers();
        f.press(3);
        f.press(1);
        QCOMPARE(f.errors.messages(), messages);
        QCOMPARE(f.numbers(), typed);
        if (command.isEmpty()) {
            QCOMPARE(f.band(), smsMaskBand());
        } else {
            QCOMPARE(f.band(), (QStringList{QStringLiteral("Definiowanie numerów użytkowników"), kPrompt, command}));
        }
    }

    void removalCommand_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QString>("command"); // empty when refused
        QTest::newRow("all five") << QList<int>{1, 2, 3, 4, 5} << QStringLiteral("0123#GN#W#");
        QTest::newRow("four") << QList<int>{1, 2, 3, 4} << QStringLiteral("0123#GN#1#2#3#4#");
        QTest::newRow("2 and 4") << QList<int>{4, 2} << QStringLiteral("0123#GN#2#4#");
        QTest::newRow("none") << QList<int>{} << QString();
    }

    void removalCommand()
    {
        QFETCH(QList<int>, ticked);
        QFETCH(QString, command);
        Fixture f;
        f.open();
        for (const int n : ticked) {
            f.box(n)->setChecked(true);
        }
        f.press(3);
        f.press(2);
        if (command.isEmpty()) {
            QCOMPARE(f.errors.messages(),
                     QStringList{QStringLiteral("Podaj co najmniej jednego użytkownika do usunięcia z systemu")});
            QCOMPARE(f.band(), smsMaskBand());
        } else {
            QVERIFY(f.errors.reports().empty());
            QCOMPARE(f.band(), (QStringList{QStringLiteral("Usuwanie wybranych numerów z systemu"), kPrompt, command}));
        }
    }

    void maskCommands_data()
    {
        QTest::addColumn<QList<int>>("unticked");
        QTest::addColumn<QString>("smsMask");
        QTest::addColumn<QString>("ringMask");
        QTest::newRow("as opened") << QList<int>{} << QStringLiteral("0123#SM#11111#")
                                   << QStringLiteral("0123#RM#11111#");
        QTest::newRow("U2 and U4 off") << QList<int>{7, 9, 12, 14} << QStringLiteral("0123#SM#10101#")
                                       << QStringLiteral("0123#RM#10101#");
        QTest::newRow("rows apart") << QList<int>{6, 7, 8, 9, 10, 15} << QStringLiteral("0123#SM#00000#")
                                    << QStringLiteral("0123#RM#11110#");
    }

    void maskCommands()
    {
        QFETCH(QList<int>, unticked);
        QFETCH(QString, smsMask);
        QFETCH(QString, ringMask);
        Fixture f;
        f.open();
        for (const int n : unticked) {
            f.box(n)->setChecked(false);
        }
        f.press(3);
        QCOMPARE(f.band(), (QStringList{QStringLiteral("Definiowanie maski SMS"), kPrompt, smsMask}));
        f.press(4);
        QCOMPARE(f.band(), (QStringList{QStringLiteral("Definiowanie maski RING"), kPrompt, ringMask}));
        QVERIFY(f.errors.reports().empty());
    }

    void anyBoxChangeEmptiesTheBand_data()
    {
        QTest::addColumn<int>("box");
        for (int n = 1; n <= 15; ++n) {
            QTest::newRow(qPrintable(QStringLiteral("CheckBox%1").arg(n))) << n;
        }
    }

    void anyBoxChangeEmptiesTheBand()
    {
        QFETCH(int, box);
        Fixture f;
        f.open();
        f.press(4);
        QTest::mouseClick(f.box(box), Qt::LeftButton);
        QVERIFY(f.bandEmpty());
        f.press(4);
        QTest::mouseClick(f.box(box), Qt::LeftButton);
        QVERIFY(f.bandEmpty());
    }

    void openingTicksTheMasksAgainAndKeepsTheRest()
    {
        Fixture f;
        f.open();
        f.box(7)->setChecked(false);
        f.box(15)->setChecked(false);
        f.box(2)->setChecked(true);
        f.box(5)->setChecked(true);
        f.number(3)->setText(QStringLiteral("48601123456"));
        f.press(1);
        QCOMPARE(f.result->text(), QStringLiteral("0123#G###48601123456###"));
        f.open();
        for (int n = 6; n <= 15; ++n) {
            QVERIFY(f.box(n)->isChecked());
        }
        for (int n = 1; n <= 5; ++n) {
            QCOMPARE(f.box(n)->isChecked(), n == 2 || n == 5);
        }
        QCOMPARE(f.numbers(), (QStringList{{}, {}, QStringLiteral("48601123456"), {}, {}}));
        QVERIFY(f.bandEmpty());
        QVERIFY(f.result->isEnabled());
        f.press(4);
        QCOMPARE(f.result->text(), QStringLiteral("0123#RM#11111#"));
    }

    void backButtonClosesThePage()
    {
        Fixture f;
        f.page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.page));
        f.page.findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
        QVERIFY(!f.page.isVisible());
    }
};

VELMORA_TEST_MAIN(UserNumbersPageTest)
#include "usernumberspage_test.moc"
