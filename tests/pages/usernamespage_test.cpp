#include "pagetest.h"
#include "testmain.h"
#include "usernamespage.h"

#include <functional>

using namespace velmora;
using namespace velmora::test;

namespace {

const QString kLengthMessage = QStringLiteral("Definicja nazwy użytkownika nie może przekraczać 20 znakow");
const QString kPlainTextMessage = QStringLiteral("Treść nazwy użytkownika nie może zawierać polskich znaków i znaku:#");
const QString kNamesTitle = QStringLiteral("Definiowanie nazw użytkowników");
const QString kPrompt = QStringLiteral("Wyślij SMS o treści:");

// User 10's field and button have the odd numbers 11.
QString numbered(const char* stem, int user)
{
    return QLatin1String(stem) + QString::number(user == 10 ? 11 : user);
}

struct Fixture : PageFixture<TForm7> {
    QLineEdit* name(int user) const { return edit(numbered("Edit", user)); }
    void compose(int user, const QString& text)
    {
        name(user)->setText(text);
        press(numbered("Button", user));
    }
};

using Action = std::function<void(Fixture&)>;

} // namespace

Q_DECLARE_METATYPE(Action)

class UserNamesPageTest : public QObject {
    Q_OBJECT

private slots:
    void textsAsShown()
    {
        Fixture f;
        const QString hint = QStringLiteral("punkt 6.3.1 Nadawanie nazw użytkowników");
        expectShown(&f.page, {{QStringLiteral("TForm7"), QStringLiteral("DEFINIOWANIE NAZW UŻYTKOWNIKÓW SYSTEMU")},
                              {QStringLiteral("Label1"), kNamesTitle},
                              {QStringLiteral("Label26"), QStringLiteral("Kasowanie nazw użytkowników systemu")},
                              {QStringLiteral("Label25"), QStringLiteral("Wstecz")},
                              {QStringLiteral("Label2"), QStringLiteral("Użytkownik nr 1")},
                              {QStringLiteral("Label10"), QStringLiteral("Użytkownik nr 9")},
                              {QStringLiteral("Label23"), QStringLiteral("Użytkownik nr 10")},
                              {QStringLiteral("Label11"), QStringLiteral("U1")},
                              {QStringLiteral("Label20"), QStringLiteral("U10")},
                              {QStringLiteral("CheckBox10"), QString()},
                              {QStringLiteral("Button1"), QStringLiteral("Teść SMS"), hint},
                              {QStringLiteral("Button2"), QStringLiteral("Treść SMS"), hint},
                              {QStringLiteral("Button11"), QStringLiteral("Treść SMS"), hint},
                              {QStringLiteral("Button10"), QStringLiteral("Treść SMS"),
                               QStringLiteral("punkt 6.3.2. Usuwanie nazw użytkowników.")}});
    }

    // Every field holds a name, so a button reading another user's field shows.
    void eachButtonComposesItsOwnUsersName()
    {
        Fixture f;
        for (int user = 1; user <= 10; ++user) {
            f.name(user)->setText(QStringLiteral("N%1").arg(user));
        }
        for (int user = 1; user <= 10; ++user) {
            f.result->setEnabled(false);
            f.press(numbered("Button", user));
            QCOMPARE(f.shown(), (QStringList{kNamesTitle, kPrompt, QStringLiteral("0123#RI#%1#N%1#").arg(user)}));
            QVERIFY(f.result->isEnabled());
        }
        QVERIFY(f.errors.reports().empty());
    }

    void nameRule_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shownOver"); // the field's text while the box is open
        const QString twenty = QStringLiteral("abcdefghijklmnopqrst");
        QTest::newRow("ą") << 1 << QStringLiteral("Ab") << QStringLiteral("ą") << kPlainTextMessage
                           << QStringLiteral("Abą");
        QTest::newRow("first text refused")
            << 8 << QString() << QStringLiteral("ł") << kPlainTextMessage << QStringLiteral("ł");
        QTest::newRow("21st character") << 5 << twenty << QStringLiteral("u") << kLengthMessage << twenty;
        QTest::newRow("user 10 #") << 10 << QStringLiteral("Ab") << QStringLiteral("#") << kPlainTextMessage
                                   << QStringLiteral("Ab#");
        QTest::newRow("line break") << 3 << QStringLiteral("A") << QStringLiteral("\n") << kPlainTextMessage
                                    << QStringLiteral("A\n");
    }

    void nameRule()
    {
        QFETCH(int, user);
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, shownOver);
        Fixture f;
        QLineEdit* edit = f.name(user);
        typeText(edit, before);
        f.compose(user == 1 ? 2 : 1, QStringLiteral("x"));
        f.errors.watch(edit);
        typeText(edit, typed);
        QCOMPARE(f.errors.messages(), QStringList{message});
        QCOMPARE(f.errors.reports().front().fieldText, shownOver);
        QCOMPARE(f.bandAtBox, kEmptyBand);
        QCOMPARE(edit->text(), before);
    }

    void everyFieldHasItsOwnLastAcceptedText()
    {
        Fixture f;
        for (int user = 1; user <= 10; ++user) {
            typeText(f.name(user), QStringLiteral("N%1").arg(user));
        }
        for (int user = 1; user <= 10; ++user) {
            f.name(user)->insert(QStringLiteral("ż"));
            QCOMPARE(f.name(user)->text(), QStringLiteral("N%1").arg(user));
        }
        QCOMPARE(f.errors.messages(), QStringList(10, kPlainTextMessage));
    }

    // Unlike the name buttons, the removal keeps the band when it refuses.
    void removal()
    {
        Fixture f;
        f.compose(3, QStringLiteral("Ala"));
        const QStringList shown = f.shown();
        f.result->setEnabled(false);
        f.press(QStringLiteral("Button10"));
        QCOMPARE(f.errors.messages(),
                 QStringList{QStringLiteral("Wybierz co najmniej jedną nazwę użytkownika do usunięcia z systemu")});
        QCOMPARE(f.bandAtBox, shown);
        QCOMPARE(f.shown(), shown);
        QVERIFY(f.result->isEnabled());
        f.click({10, 2});
        f.press(QStringLiteral("Button10"));
        QCOMPARE(f.shown(), (QStringList{QStringLiteral("Kasowanie nazw użytkowników"), kPrompt,
                                         QStringLiteral("0123#RIN#2#10#")}));
    }

    void actionsThatEmptyTheBand_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("empties");
        QTest::newRow("typing a name") << Action([](Fixture& f) { typeText(f.name(1), QStringLiteral("a")); }) << true;
        QTest::newRow("emptying user 10 by code") << Action([](Fixture& f) { f.name(10)->clear(); }) << true;
        QTest::newRow("a refused character")
            << Action([](Fixture& f) { typeText(f.name(2), QStringLiteral("ę")); }) << true;
        QTest::newRow("ticking U1") << Action([](Fixture& f) { f.click({1}); }) << true;
        QTest::newRow("unticking U10") << Action([](Fixture& f) { f.click({10}); }) << true;
        QTest::newRow("an empty name's button")
            << Action([](Fixture& f) { f.press(QStringLiteral("Button5")); }) << true;
        QTest::newRow("reopening the page") << Action([](Fixture& f) { f.open(); }) << false;
        QTest::newRow("the same name button again")
            << Action([](Fixture& f) { f.press(QStringLiteral("Button11")); }) << false;
    }

    void actionsThatEmptyTheBand()
    {
        QFETCH(Action, action);
        QFETCH(bool, empties);
        Fixture f;
        f.click({10});
        f.compose(10, QStringLiteral("Zenon"));
        action(f);
        const QStringList composed{kNamesTitle, kPrompt, QStringLiteral("0123#RI#10#Zenon#")};
        QCOMPARE(f.shown(), empties ? kEmptyBand : composed);
    }
};

VELMORA_TEST_MAIN(UserNamesPageTest)
#include "usernamespage_test.moc"
