#include "controls.h"
#include "pagetest.h"
#include "testmain.h"
#include "testmessagespage.h"

using namespace velmora;
using namespace velmora::test;

namespace {

const QString kSmsPeriodRange = QStringLiteral("Maxymalna wartość okresu wysylanych SMS to 9999 a minimalna 1");
const QString kClipPeriodRange = QStringLiteral("Maxymalna wartość okresu wysylanych CLIP to 9999 a minimalna 1");
const QString kPrompt = QStringLiteral("Wyslij SMS o treści:");

struct Fixture : PageFixture<Tform11> {
    void fill(const QStringList& texts) const
    {
        for (int field = 1; field <= 5; ++field) {
            edit(QStringLiteral("Edit%1").arg(field))->setText(texts.value(field - 1));
        }
    }
};

} // namespace

class TestMessagesPageTest : public QObject {
    Q_OBJECT

private slots:
    void textsAsShown()
    {
        Fixture f;
        const QString compose = QStringLiteral("Treść SMS");
        const QString smsHint = QStringLiteral("punkt 17.1 Test działania systemu za pomocą SMS");
        const QString clipHint = QStringLiteral("punkt 17.2 Test działania systemu za pomocą CLIP");
        expectShown(&f.page,
                    {{QStringLiteral("Tform11"), QStringLiteral("DEFINIOWANIE WYSYLANIA SMS I CLIP TESTOWEGO")},
                     {QStringLiteral("Label1"), QStringLiteral("Aktywacja wysylania SMS testowego")},
                     {QStringLiteral("Label2"), QStringLiteral("Index użytkownika(1..5)")},
                     {QStringLiteral("Label3"), QStringLiteral("Okres wysylania SMS")},
                     {QStringLiteral("Label4"), QStringLiteral("Treść wiadomości testowej")},
                     {QStringLiteral("Label11"), QStringLiteral("Aktywacja wysyłania CLIP testowego")},
                     {QStringLiteral("Label5"), QStringLiteral("Index użytkownika(1..5)")},
                     {QStringLiteral("Label6"), QStringLiteral("Okres wysylania CLIP")},
                     {QStringLiteral("Label9"), QStringLiteral("Dezaktywacja opcji wysylania SMS testowego")},
                     {QStringLiteral("Label10"), QStringLiteral("Dezaktywacja opcji wysylania CLIP testowego")},
                     {QStringLiteral("Label12"), QStringLiteral("Wstecz")},
                     {QStringLiteral("Button1"), compose, smsHint},
                     {QStringLiteral("Button2"), compose, clipHint},
                     {QStringLiteral("Button3"), compose, smsHint},
                     {QStringLiteral("Button4"), compose, clipHint}});
        QCOMPARE(f.get(QStringLiteral("Button3"))->palette().color(QPalette::ButtonText), QColor(kRed));
    }

    // Each field holds its own value, so a button reading another field shows.
    void eachButtonReadsItsOwnFields_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("test SMS on") << QStringLiteral("Button1") << QStringLiteral("0123#TS#2#30#Test #1#")
                                     << QStringLiteral("Definiowanie SMS testowego");
        QTest::newRow("test CLIP on") << QStringLiteral("Button2") << QStringLiteral("0123#TC#5#9999#")
                                      << QStringLiteral("Definiowanie CLIP testowego");
        QTest::newRow("test SMS off") << QStringLiteral("Button3") << QStringLiteral("0123#TS#0#0##")
                                      << QStringLiteral("Dezaktywacja opcji SMS testowego");
        QTest::newRow("test CLIP off") << QStringLiteral("Button4") << QStringLiteral("0123#TC#0#0#")
                                       << QStringLiteral("Dezaktywacja opcji CLIP testowego");
    }

    void eachButtonReadsItsOwnFields()
    {
        QFETCH(QString, button);
        QFETCH(QString, message);
        QFETCH(QString, title);
        Fixture f;
        f.fill({QStringLiteral("2"), QStringLiteral("30"), QStringLiteral("Test #1"), QStringLiteral("5"),
                QStringLiteral("9999")});
        f.press(button);
        QCOMPARE(f.shown(), (QStringList{title, kPrompt, message}));
        QVERIFY(f.errors.reports().empty());
    }

    // Only the other operation's fields are filled; the refusal shows over an emptied band.
    void anEmptyFieldIsRefused()
    {
        Fixture f;
        f.fill({QString(), QString(), QString(), QStringLiteral("3"), QStringLiteral("3")});
        f.press(QStringLiteral("Button1"));
        f.fill({QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("3")});
        f.press(QStringLiteral("Button4"));
        f.press(QStringLiteral("Button2"));
        QCOMPARE(f.errors.messages(),
                 (QStringList{QStringLiteral("Wypełnij wszystkie pola danych definicji SMS testowego "),
                              QStringLiteral("Wypełnij wszystkie pola danych definicji CLIP testowego ")}));
        QCOMPARE(f.bandAtBox, kEmptyBand);
        QCOMPARE(f.shown(), kEmptyBand);
    }

    // Entered at once on top of the text without its last character. A digit or letter refusal is shown over
    // the entered text and repaired after it; too long a text is taken back first.
    void fieldRules_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shownOver");
        QTest::addColumn<QString>("left");
        const QString hundred = QStringLiteral("a#").repeated(50);
        QTest::newRow("SMS index") << QStringLiteral("Edit1") << QStringLiteral("6")
                                   << QStringLiteral("Index uzytkownika powinien zawiera się w przedziale od 1 do 5")
                                   << QStringLiteral("6") << QString();
        QTest::newRow("CLIP index") << QStringLiteral("Edit4") << QStringLiteral("x")
                                    << QStringLiteral("Index użytkownika  powinien zawierać tylko cyfry ")
                                    << QStringLiteral("x") << QString();
        QTest::newRow("SMS period") << QStringLiteral("Edit2") << QStringLiteral("10000") << kSmsPeriodRange
                                    << QStringLiteral("10000") << QStringLiteral("1");
        QTest::newRow("CLIP period") << QStringLiteral("Edit5") << QStringLiteral("15 ")
                                     << QStringLiteral("Okres wysyłanych CLIP powinien zawierać tylko cyfry ")
                                     << QStringLiteral("15 ") << QString();
        QTest::newRow("text ł") << QStringLiteral("Edit3") << QStringLiteral("Testł")
                                << QStringLiteral("Treść SMS testowego nie może zawierać polskich znaków")
                                << QStringLiteral("Testł") << QStringLiteral("Test");
        QTest::newRow("text 101") << QStringLiteral("Edit3") << hundred + QLatin1Char('b')
                                  << QStringLiteral("Treść wiadomości testowej nie może przekraczać 100 znaków")
                                  << hundred << hundred;
    }

    void fieldRules()
    {
        QFETCH(QString, field);
        QFETCH(QString, entered);
        QFETCH(QString, message);
        QFETCH(QString, shownOver);
        QFETCH(QString, left);
        Fixture f;
        QLineEdit* edit = f.edit(field);
        edit->setText(entered.chopped(1));
        QVERIFY(f.errors.reports().empty());
        f.press(QStringLiteral("Button4"));
        f.errors.watch(edit);
        edit->setText(entered);
        QCOMPARE(f.errors.messages(), QStringList{message});
        QCOMPARE(f.errors.reports().front().fieldText, shownOver);
        QCOMPARE(f.bandAtBox, kEmptyBand);
        QCOMPARE(edit->text(), left);
    }

    // The nested run on the repaired "1" empties the band once more, so anything shown meanwhile is gone.
    void periodOverflowIsSetToOneAndEmptiesTheBandAgain_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("message");
        QTest::newRow("test SMS") << QStringLiteral("Edit2") << kSmsPeriodRange;
        QTest::newRow("test CLIP") << QStringLiteral("Edit5") << kClipPeriodRange;
    }

    void periodOverflowIsSetToOneAndEmptiesTheBandAgain()
    {
        QFETCH(QString, field);
        QFETCH(QString, message);
        Fixture f;
        typeText(f.edit(field), QStringLiteral("9999"));
        f.press(QStringLiteral("Button3"));
        f.errors.whileShown([&f] { f.result->setText(QStringLiteral("stale")); });
        typeText(f.edit(field), QStringLiteral("9"));
        QCOMPARE(f.errors.messages(), QStringList{message});
        QCOMPARE(f.edit(field)->text(), QStringLiteral("1"));
        QCOMPARE(f.shown(), kEmptyBand);
    }

    void everyFieldEmptiesTheWholeBand()
    {
        Fixture f;
        for (int field = 1; field <= 5; ++field) {
            f.press(QStringLiteral("Button4"));
            typeText(f.edit(QStringLiteral("Edit%1").arg(field)), QStringLiteral("2"));
            QVERIFY2(f.shown() == kEmptyBand, qPrintable(QString::number(field)));
        }
    }

    void reopeningKeepsEverything()
    {
        Fixture f;
        f.fill({QStringLiteral("2"), QStringLiteral("30"), QStringLiteral("Test")});
        f.press(QStringLiteral("Button1"));
        const QStringList shown = f.shown();
        f.open();
        QCOMPARE(f.shown(), shown);
        QVERIFY(f.result->isEnabled());
        QLineEdit* text = f.edit(QStringLiteral("Edit3"));
        text->insert(QStringLiteral("ż"));
        QCOMPARE(text->text(), QStringLiteral("Test")); // the last accepted text survived too
    }
};

VELMORA_TEST_MAIN(TestMessagesPageTest)
#include "testmessagespage_test.moc"
