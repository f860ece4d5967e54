#include "modal.h"
#include "recordingerrorbox.h"
#include "testmain.h"
#include "usernamespage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <functional>

using namespace velmora;
using velmora::test::ModalWatcher;
using velmora::test::RecordingErrorBox;

namespace {

const QString kLengthMessage = QStringLiteral("Definicja nazwy użytkownika nie może przekraczać 20 znakow");
const QString kPlainTextMessage = QStringLiteral("Treść nazwy użytkownika nie może zawierać polskich znaków i znaku:#");
const QString kNoneTickedMessage = QStringLiteral("Wybierz co najmniej jedną nazwę użytkownika do usunięcia z systemu");
const QString kNamesTitle = QStringLiteral("Definiowanie nazw użytkowników");
const QString kRemovalTitle = QStringLiteral("Kasowanie nazw użytkowników");
const QString kPrompt = QStringLiteral("Wyślij SMS o treści:");

// The user name fields and their buttons in user order; user 10 has the odd numbers.
const QStringList kNameEdits{QStringLiteral("Edit1"), QStringLiteral("Edit2"), QStringLiteral("Edit3"),
                             QStringLiteral("Edit4"), QStringLiteral("Edit5"), QStringLiteral("Edit6"),
                             QStringLiteral("Edit7"), QStringLiteral("Edit8"), QStringLiteral("Edit9"),
                             QStringLiteral("Edit11")};
const QStringList kNameButtons{QStringLiteral("Button1"), QStringLiteral("Button2"), QStringLiteral("Button3"),
                               QStringLiteral("Button4"), QStringLiteral("Button5"), QStringLiteral("Button6"),
                               QStringLiteral("Button7"), QStringLiteral("Button8"), QStringLiteral("Button9"),
                               QStringLiteral("Button11")};

struct Fixture {
    RecordingErrorBox errors;
    TForm7 page{[] { return std::string("0123"); }, errors};
    QLabel* title = page.findChild<QLabel*>(QStringLiteral("Label21"));
    QLabel* prompt = page.findChild<QLabel*>(QStringLiteral("Label22"));
    QLineEdit* result = page.findChild<QLineEdit*>(QStringLiteral("Edit10"));
    QPushButton* remove = page.findChild<QPushButton*>(QStringLiteral("Button10"));

    QLineEdit* edit(int user) const { return page.findChild<QLineEdit*>(kNameEdits[user - 1]); }
    QPushButton* button(int user) const { return page.findChild<QPushButton*>(kNameButtons[user - 1]); }
    QCheckBox* box(int user) const { return page.findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(user)); }

    void compose(int user, const QString& name)
    {
        edit(user)->setText(name);
        button(user)->click();
    }

    void open()
    {
        ModalWatcher watcher;
        page.showModally();
    }

    bool bandEmpty() const { return result->text().isEmpty() && title->text().isEmpty() && prompt->text().isEmpty(); }

    void expectBand(const QString& message, const QString& operation) const
    {
        QCOMPARE(result->text(), message);
        QCOMPARE(title->text(), operation);
        QCOMPARE(prompt->text(), kPrompt);
    }
};

// Types one character after another, as the keyboard would, Polish letters included.
void type(QLineEdit* edit, const QString& text)
{
    for (const QChar character : text) {
        edit->insert(QString(character));
    }
}

// Something the user does after a name was composed.
using Action = std::function<void(Fixture&)>;

} // namespace

Q_DECLARE_METATYPE(Action)

class UserNamesPageTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAsNamed()
    {
        Fixture f;
        QCOMPARE(f.page.objectName(), QStringLiteral("TForm7"));
        QCOMPARE(f.page.windowTitle(), QStringLiteral("DEFINIOWANIE NAZW UŻYTKOWNIKÓW SYSTEMU"));
        const QStringList rowLabels{QStringLiteral("Label2"), QStringLiteral("Label3"), QStringLiteral("Label4"),
                                    QStringLiteral("Label5"), QStringLiteral("Label6"), QStringLiteral("Label7"),
                                    QStringLiteral("Label8"), QStringLiteral("Label9"), QStringLiteral("Label10"),
                                    QStringLiteral("Label23")};
        for (int user = 1; user <= 10; ++user) {
            auto* label = f.page.findChild<QLabel*>(rowLabels[user - 1]);
            QVERIFY(label && f.edit(user) && f.button(user) && f.box(user));
            QCOMPARE(label->text(), QStringLiteral("Użytkownik nr %1").arg(user));
            QCOMPARE(f.button(user)->text(), user == 1 ? QStringLiteral("Teść SMS") : QStringLiteral("Treść SMS"));
            QCOMPARE(f.button(user)->toolTip(), QStringLiteral("punkt 6.3.1 Nadawanie nazw użytkowników"));
            QCOMPARE(f.box(user)->text(), QString());
            QVERIFY(!f.box(user)->isChecked());
            auto* number = f.page.findChild<QLabel*>(QStringLiteral("Label%1").arg(user + 10));
            QVERIFY(number);
            QCOMPARE(number->text(), QStringLiteral("U%1").arg(user));
        }
        QVERIFY(f.remove && f.title && f.prompt && f.result);
        QCOMPARE(f.remove->text(), QStringLiteral("Treść SMS"));
        QCOMPARE(f.remove->toolTip(), QStringLiteral("punkt 6.3.2. Usuwanie nazw użytkowników."));
        QCOMPARE(f.page.findChild<QLabel*>(QStringLiteral("Label1"))->text(), kNamesTitle);
        QCOMPARE(f.page.findChild<QLabel*>(QStringLiteral("Label26"))->text(),
                 QStringLiteral("Kasowanie nazw użytkowników systemu"));
        QCOMPARE(f.page.findChild<QLabel*>(QStringLiteral("Label25"))->text(), QStringLiteral("Wstecz"));
        QVERIFY(f.page.findChild<QToolButton*>(QStringLiteral("SpeedButton1")));
        QVERIFY(f.bandEmpty());
        QVERIFY(f.result->isEnabled());
    }

    void eachButtonComposesItsOwnUsersName_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("user 1") << 1 << QStringLiteral("Jan") << QStringLiteral("0123#RI#1#Jan#");
        QTest::newRow("user 5") << 5 << QStringLiteral("Ewa {}|") << QStringLiteral("0123#RI#5#Ewa {}|#");
        QTest::newRow("user 9") << 9 << QStringLiteral("Marek") << QStringLiteral("0123#RI#9#Marek#");
        QTest::newRow("user 10 reads Edit11") << 10 << QStringLiteral("Piotr") << QStringLiteral("0123#RI#10#Piotr#");
        QTest::newRow("blanks only") << 3 << QStringLiteral("   ") << QStringLiteral("0123#RI#3#   #");
        QTest::newRow("20 characters") << 2 << QStringLiteral("ABCDEFGHIJKLMNOPQRST")
                                       << QStringLiteral("0123#RI#2#ABCDEFGHIJKLMNOPQRST#");
    }

    void eachButtonComposesItsOwnUsersName()
    {
        QFETCH(int, user);
        QFETCH(QString, name);
        QFETCH(QString, message);
        Fixture f;
        // Every other field holds a name too, so a button reading the wrong field shows.
        for (int other = 1; other <= 10; ++other) {
            f.edit(other)->setText(QStringLiteral("U%1").arg(other));
        }
        f.result->setEnabled(false);
        f.compose(user, name);
        f.expectBand(message, kNamesTitle);
        QVERIFY(f.result->isEnabled());
        QVERIFY(f.errors.reports().empty());
    }

    void anEmptyNameEmptiesTheBandSilently()
    {
        Fixture f;
        f.compose(4, QStringLiteral("Ola"));
        f.result->setEnabled(false);
        f.compose(7, QString());
        QVERIFY(f.bandEmpty());
        QVERIFY(f.result->isEnabled());
        QVERIFY(f.errors.reports().empty());
    }

    void nameRule_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("shownOver"); // the field's text while the box is open
        QTest::addColumn<QString>("after");

        const QString twenty = QStringLiteral("abcdefghijklmnopqrst");
        QTest::newRow("ą") << 1 << QStringLiteral("Ab") << QStringLiteral("ą") << false
                           << QStringList{kPlainTextMessage} << QStringLiteral("Abą") << QStringLiteral("Ab");
        QTest::newRow("~") << 2 << QStringLiteral("Ab") << QStringLiteral("~") << false
                           << QStringList{kPlainTextMessage} << QStringLiteral("Ab~") << QStringLiteral("Ab");
        QTest::newRow("#") << 10 << QStringLiteral("Ab") << QStringLiteral("#") << false
                           << QStringList{kPlainTextMessage} << QStringLiteral("Ab#") << QStringLiteral("Ab");
        QTest::newRow("} is code 125") << 3 << QStringLiteral("Ab") << QStringLiteral("}") << false << QStringList{}
                                       << QString() << QStringLiteral("Ab}");
        QTest::newRow("exactly 20") << 4 << twenty.left(19) << QStringLiteral("t") << false << QStringList{}
                                    << QString() << twenty;
        QTest::newRow("21st character") << 5 << twenty << QStringLiteral("u") << false << QStringList{kLengthMessage}
                                        << twenty << twenty;
        QTest::newRow("long paste with Polish letters")
            << 6 << QStringLiteral("Ab") << QStringLiteral("Zażółć gęślą jaźń, ŁÓDŹ") << true
            << QStringList{kLengthMessage} << QStringLiteral("Ab") << QStringLiteral("Ab");
        QTest::newRow("paste with several Polish letters")
            << 7 << QString() << QStringLiteral("ąęł~#") << true << QStringList{kPlainTextMessage}
            << QStringLiteral("ąęł~#") << QString();
        QTest::newRow("first rejected text restores empty")
            << 8 << QString() << QStringLiteral("ł") << false << QStringList{kPlainTextMessage} << QStringLiteral("ł")
            << QString();
        QTest::newRow("user 10 length") << 10 << twenty << QStringLiteral("!") << false << QStringList{kLengthMessage}
                                        << twenty << twenty;
    }

    void nameRule()
    {
        QFETCH(int, user);
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        QFETCH(QStringList, messages);
        QFETCH(QString, shownOver);
        QFETCH(QString, after);
        Fixture f;
        QLineEdit* edit = f.edit(user);
        type(edit, before);
        QVERIFY(f.errors.reports().empty());
        // Another user's message is in view, so the band must be emptied by the edit itself.
        f.compose(user == 1 ? 2 : 1, QStringLiteral("x"));
        f.errors.watch(edit);
        bool bandEmptyWhileShown = false;
        f.errors.whileShown([&] { bandEmptyWhileShown = f.bandEmpty(); });

        if (pasted) {
            edit->insert(typed);
        } else {
            type(edit, typed);
        }
        QCOMPARE(f.errors.messages(), messages);
        if (!messages.isEmpty()) {
            QCOMPARE(f.errors.reports().front().fieldText, shownOver);
            QVERIFY(bandEmptyWhileShown);
        }
        QCOMPARE(edit->text(), after);
        QVERIFY(f.bandEmpty());

        // The restored text is accepted and is what a later rejection gives back.
        f.errors.clear();
        edit->setText(QStringLiteral("ś"));
        QCOMPARE(f.errors.messages(), QStringList{kPlainTextMessage});
        QCOMPARE(edit->text(), after);
    }

    void everyFieldHasItsOwnLastAcceptedText()
    {
        Fixture f;
        for (int user = 1; user <= 10; ++user) {
            type(f.edit(user), QStringLiteral("N%1").arg(user));
        }
        for (int user = 1; user <= 10; ++user) {
            f.edit(user)->insert(QStringLiteral("ż"));
            QCOMPARE(f.edit(user)->text(), QStringLiteral("N%1").arg(user));
            f.edit(user)->insert(QStringLiteral("0123456789012345678"));
            QCOMPARE(f.edit(user)->text(), QStringLiteral("N%1").arg(user));
        }
        QCOMPARE(f.errors.messages().count(kPlainTextMessage), 10);
        QCOMPARE(f.errors.messages().count(kLengthMessage), 10);
        QCOMPARE(f.errors.reports().size(), 20U);
    }

    void removal_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QString>("message");
        QTest::newRow("U2 and U10") << QList<int>{10, 2} << QStringLiteral("0123#RIN#2#10#");
        QTest::newRow("U1") << QList<int>{1} << QStringLiteral("0123#RIN#1#");
        QTest::newRow("nine of ten") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}
                                     << QStringLiteral("0123#RIN#1#2#3#4#5#6#7#8#9#");
        QTest::newRow("all ten") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QStringLiteral("0123#RN#");
    }

    void removal()
    {
        QFETCH(QList<int>, ticked);
        QFETCH(QString, message);
        Fixture f;
        for (const int user : ticked) {
            f.box(user)->click();
        }
        f.result->setEnabled(false);
        f.remove->click();
        f.expectBand(message, kRemovalTitle);
        QVERIFY(f.result->isEnabled());
        QVERIFY(f.errors.reports().empty());
    }

    void removalWithNoneTickedKeepsTheBand()
    {
        Fixture f;
        f.compose(3, QStringLiteral("Ala"));
        f.result->setEnabled(false);
        f.remove->click();
        QCOMPARE(f.errors.messages(), QStringList{kNoneTickedMessage});
        f.expectBand(QStringLiteral("0123#RI#3#Ala#"), kNamesTitle);
        QVERIFY(f.result->isEnabled());
        for (int user = 1; user <= 10; ++user) {
            QVERIFY(!f.box(user)->isChecked());
        }
    }

    void actionsThatEmptyTheBand_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("empties");
        QTest::newRow("typing a name") << Action([](Fixture& f) { type(f.edit(1), QStringLiteral("a")); }) << true;
        QTest::newRow("emptying user 10 by code") << Action([](Fixture& f) { f.edit(10)->clear(); }) << true;
        QTest::newRow("a rejected character")
            << Action([](Fixture& f) { type(f.edit(2), QStringLiteral("ę")); }) << true;
        QTest::newRow("ticking U1") << Action([](Fixture& f) { f.box(1)->click(); }) << true;
        QTest::newRow("unticking U10") << Action([](Fixture& f) { f.box(10)->click(); }) << true;
        QTest::newRow("another empty name button") << Action([](Fixture& f) { f.button(5)->click(); }) << true;
        QTest::newRow("reopening the page") << Action([](Fixture& f) { f.open(); }) << false;
        QTest::newRow("clicking the same name button again")
            << Action([](Fixture& f) { f.button(10)->click(); }) << false;
    }

    void actionsThatEmptyTheBand()
    {
        QFETCH(Action, action);
        QFETCH(bool, empties);
        Fixture f;
        f.box(10)->setChecked(true);
        f.compose(10, QStringLiteral("Zenon"));
        action(f);
        if (empties) {
            QVERIFY(f.bandEmpty());
        } else {
            f.expectBand(QStringLiteral("0123#RI#10#Zenon#"), kNamesTitle);
        }
    }

    void reopeningShowsWhatItShowed()
    {
        Fixture f;
        f.open();
        type(f.edit(2), QStringLiteral("Basia"));
        f.box(4)->click();
        f.box(7)->click();
        f.remove->click();
        f.page.findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
        QVERIFY(!f.page.isVisible());
        f.open();
        QCOMPARE(f.edit(2)->text(), QStringLiteral("Basia"));
        QVERIFY(f.box(4)->isChecked() && f.box(7)->isChecked() && !f.box(1)->isChecked());
        f.expectBand(QStringLiteral("0123#RIN#4#7#"), kRemovalTitle);
        QVERIFY(f.result->isEnabled());
    }
};

VELMORA_TEST_MAIN(UserNamesPageTest)
#include "usernamespage_test.moc"
