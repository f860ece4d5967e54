#include "modal.h"
#include "recordingerrorbox.h"
#include "testmain.h"
#include "testmessagespage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace velmora;
using velmora::test::ModalWatcher;
using velmora::test::RecordingErrorBox;

namespace {

const QString kIndexDigits = QStringLiteral("Index użytkownika  powinien zawierać tylko cyfry ");
const QString kIndexRange = QStringLiteral("Index uzytkownika powinien zawiera się w przedziale od 1 do 5");
const QString kSmsPeriodDigits = QStringLiteral("Okres wysyłanych SMS powinien zawierać tylko cyfry ");
const QString kSmsPeriodRange = QStringLiteral("Maxymalna wartość okresu wysylanych SMS to 9999 a minimalna 1");
const QString kClipPeriodDigits = QStringLiteral("Okres wysyłanych CLIP powinien zawierać tylko cyfry ");
const QString kClipPeriodRange = QStringLiteral("Maxymalna wartość okresu wysylanych CLIP to 9999 a minimalna 1");
const QString kTextTooLong = QStringLiteral("Treść wiadomości testowej nie może przekraczać 100 znaków");
const QString kTextPolish = QStringLiteral("Treść SMS testowego nie może zawierać polskich znaków");
const QString kSmsEmpty = QStringLiteral("Wypełnij wszystkie pola danych definicji SMS testowego ");
const QString kClipEmpty = QStringLiteral("Wypełnij wszystkie pola danych definicji CLIP testowego ");
const QString kPrompt = QStringLiteral("Wyslij SMS o treści:");

struct Fixture {
    RecordingErrorBox errors;
    Tform11 page{[] { return std::string("0123"); }, errors};
    QLabel* title = page.findChild<QLabel*>(QStringLiteral("Label7"));
    QLabel* prompt = page.findChild<QLabel*>(QStringLiteral("Label8"));
    QLineEdit* result = page.findChild<QLineEdit*>(QStringLiteral("Edit6"));

    QLineEdit* edit(const QString& name) const { return page.findChild<QLineEdit*>(name); }
    QPushButton* button(const QString& name) const { return page.findChild<QPushButton*>(name); }

    void press(const QString& name) { button(name)->click(); }

    void fill(const QString& name, const QString& text)
    {
        edit(name)->setText(text);
        QVERIFY(errors.reports().empty());
    }

    void fillTestSms()
    {
        fill(QStringLiteral("Edit1"), QStringLiteral("2"));
        fill(QStringLiteral("Edit2"), QStringLiteral("30"));
        fill(QStringLiteral("Edit3"), QStringLiteral("Test"));
    }

    void open()
    {
        ModalWatcher watcher;
        page.showModally();
    }

    bool bandEmpty() const { return title->text().isEmpty() && prompt->text().isEmpty() && result->text().isEmpty(); }
};

} // namespace

class TestMessagesPageTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAsNamed()
    {
        Fixture f;
        QCOMPARE(f.page.windowTitle(), QStringLiteral("DEFINIOWANIE WYSYLANIA SMS I CLIP TESTOWEGO"));
        const QList<QPair<QString, QString>> labels = {
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
        };
        for (const auto& [name, text] : labels) {
            auto* label = f.page.findChild<QLabel*>(name);
            QVERIFY2(label, qPrintable(name));
            QCOMPARE(label->text(), text);
        }
        const QString smsHint = QStringLiteral("punkt 17.1 Test działania systemu za pomocą SMS");
        const QString clipHint = QStringLiteral("punkt 17.2 Test działania systemu za pomocą CLIP");
        const QList<QPair<QString, QString>> hints = {{QStringLiteral("Button1"), smsHint},
                                                      {QStringLiteral("Button2"), clipHint},
                                                      {QStringLiteral("Button3"), smsHint},
                                                      {QStringLiteral("Button4"), clipHint}};
        for (const auto& [name, hint] : hints) {
            QVERIFY2(f.button(name), qPrintable(name));
            QCOMPARE(f.button(name)->text(), QStringLiteral("Treść SMS"));
            QCOMPARE(f.button(name)->toolTip(), hint);
        }
        QCOMPARE(f.button(QStringLiteral("Button3"))->palette().color(QPalette::ButtonText), QColor(Qt::red));
        for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"}) {
            QVERIFY2(f.edit(QLatin1String(name)), name);
            QCOMPARE(f.edit(QLatin1String(name))->text(), QString());
        }
        QVERIFY(f.page.findChild<QToolButton*>(QStringLiteral("SpeedButton1")));
        QVERIFY(f.result->isEnabled());
        QVERIFY(f.bandEmpty());
    }

    void composes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("test SMS on") << QStringLiteral("Button1") << QStringLiteral("0123#TS#2#30#Test#")
                                     << QStringLiteral("Definiowanie SMS testowego");
        QTest::newRow("test CLIP on") << QStringLiteral("Button2") << QStringLiteral("0123#TC#5#9999#")
                                      << QStringLiteral("Definiowanie CLIP testowego");
        QTest::newRow("test SMS off") << QStringLiteral("Button3") << QStringLiteral("0123#TS#0#0##")
                                      << QStringLiteral("Dezaktywacja opcji SMS testowego");
        QTest::newRow("test CLIP off") << QStringLiteral("Button4") << QStringLiteral("0123#TC#0#0#")
                                       << QStringLiteral("Dezaktywacja opcji CLIP testowego");
    }

    void composes()
    {
        QFETCH(QString, button);
        QFETCH(QString, message);
        QFETCH(QString, title);
        Fixture f;
        f.fillTestSms();
        f.fill(QStringLiteral("Edit4"), QStringLiteral("5"));
        f.fill(QStringLiteral("Edit5"), QStringLiteral("9999"));
        f.press(button);
        QCOMPARE(f.result->text(), message);
        QCOMPARE(f.title->text(), title);
        QCOMPARE(f.prompt->text(), kPrompt);
        QVERIFY(f.errors.reports().empty());
    }

    void deactivationsNeedNoInput()
    {
        Fixture f;
        f.press(QStringLiteral("Button3"));
        QCOMPARE(f.result->text(), QStringLiteral("0123#TS#0#0##"));
        f.press(QStringLiteral("Button4"));
        QCOMPARE(f.result->text(), QStringLiteral("0123#TC#0#0#"));
        QVERIFY(f.errors.reports().empty());
    }

    void emptyFieldIsRefused_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("filled");
        QTest::addColumn<QString>("message");
        QTest::newRow("SMS without index")
            << QStringLiteral("Button1") << QStringList{QStringLiteral("Edit2"), QStringLiteral("Edit3")} << kSmsEmpty;
        QTest::newRow("SMS without period")
            << QStringLiteral("Button1") << QStringList{QStringLiteral("Edit1"), QStringLiteral("Edit3")} << kSmsEmpty;
        QTest::newRow("SMS without text")
            << QStringLiteral("Button1") << QStringList{QStringLiteral("Edit1"), QStringLiteral("Edit2")} << kSmsEmpty;
        QTest::newRow("SMS with CLIP fields only")
            << QStringLiteral("Button1") << QStringList{QStringLiteral("Edit4"), QStringLiteral("Edit5")} << kSmsEmpty;
        QTest::newRow("CLIP without period")
            << QStringLiteral("Button2") << QStringList{QStringLiteral("Edit4")} << kClipEmpty;
        QTest::newRow("CLIP without index")
            << QStringLiteral("Button2") << QStringList{QStringLiteral("Edit5")} << kClipEmpty;
        QTest::newRow("CLIP with SMS fields only")
            << QStringLiteral("Button2")
            << QStringList{QStringLiteral("Edit1"), QStringLiteral("Edit2"), QStringLiteral("Edit3")} << kClipEmpty;
    }

    // A refused press follows a shown message, so a stale or partial command would be seen.
    void emptyFieldIsRefused()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, filled);
        QFETCH(QString, message);
        Fixture f;
        for (const QString& name : filled) {
            f.fill(name, QStringLiteral("3"));
        }
        f.press(QStringLiteral("Button4"));
        QVERIFY(!f.result->text().isEmpty());
        f.errors.whileShown([&f] { QVERIFY(f.bandEmpty()); });
        f.press(button);
        QCOMPARE(f.errors.messages(), QStringList{message});
        QVERIFY(f.bandEmpty());
        QVERIFY(f.result->isEnabled());
    }

    void numericFieldRules_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("left");
        for (const char* index : {"Edit1", "Edit4"}) {
            const QString field = QLatin1String(index);
            QTest::addRow("%s 0", index) << field << QStringLiteral("0") << QStringList{kIndexRange} << QString();
            QTest::addRow("%s 1", index) << field << QStringLiteral("1") << QStringList{} << QStringLiteral("1");
            QTest::addRow("%s 5", index) << field << QStringLiteral("5") << QStringList{} << QStringLiteral("5");
            QTest::addRow("%s 6", index) << field << QStringLiteral("6") << QStringList{kIndexRange} << QString();
            QTest::addRow("%s letter", index) << field << QStringLiteral("x") << QStringList{kIndexDigits} << QString();
            QTest::addRow("%s sign", index) << field << QStringLiteral("-1") << QStringList{kIndexDigits} << QString();
        }
        const QList<std::tuple<const char*, QString, QString>> periods = {
            {"Edit2", kSmsPeriodDigits, kSmsPeriodRange}, {"Edit5", kClipPeriodDigits, kClipPeriodRange}};
        for (const auto& [period, digits, range] : periods) {
            const QString field = QLatin1String(period);
            const QString one = QStringLiteral("1");
            QTest::addRow("%s 0", period) << field << QStringLiteral("0") << QStringList{range} << one;
            QTest::addRow("%s 1", period) << field << one << QStringList{} << one;
            QTest::addRow("%s 9999", period)
                << field << QStringLiteral("9999") << QStringList{} << QStringLiteral("9999");
            QTest::addRow("%s 10000", period) << field << QStringLiteral("10000") << QStringList{range} << one;
            QTest::addRow("%s 30 digits", period)
                << field << QStringLiteral("9").repeated(30) << QStringList{range} << one;
            QTest::addRow("%s blank", period) << field << QStringLiteral("30 ") << QStringList{digits} << QString();
            QTest::addRow("%s decimal", period) << field << QStringLiteral("1.5") << QStringList{digits} << QString();
        }
    }

    // Entered at once, as a paste would; a repair runs the rule again on the repaired text without a second box.
    void numericFieldRules()
    {
        QFETCH(QString, field);
        QFETCH(QString, entered);
        QFETCH(QStringList, messages);
        QFETCH(QString, left);
        Fixture f;
        f.errors.watch(f.edit(field));
        f.edit(field)->setText(entered);
        QCOMPARE(f.errors.messages(), messages);
        if (!messages.isEmpty()) {
            QCOMPARE(f.errors.reports().front().fieldText, entered); // the box comes before the repair
        }
        QCOMPARE(f.edit(field)->text(), left);
    }

    void typedPeriodOverflowIsSetToOne_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("message");
        QTest::newRow("test SMS") << QStringLiteral("Edit2") << kSmsPeriodRange;
        QTest::newRow("test CLIP") << QStringLiteral("Edit5") << kClipPeriodRange;
    }

    // The nested run on "1" must empty the band once more, so anything shown meanwhile is gone.
    void typedPeriodOverflowIsSetToOne()
    {
        QFETCH(QString, field);
        QFETCH(QString, message);
        Fixture f;
        f.press(QStringLiteral("Button3"));
        QTest::keyClicks(f.edit(field), QStringLiteral("999"));
        QVERIFY(f.bandEmpty());
        f.errors.whileShown([&f] { f.result->setText(QStringLiteral("stale")); });
        QTest::keyClicks(f.edit(field), QStringLiteral("99"));
        QCOMPARE(f.errors.messages(), QStringList{message});
        QCOMPARE(f.edit(field)->text(), QStringLiteral("1"));
        QVERIFY(f.bandEmpty());
    }

    void changeEmptiesTheWholeBand_data()
    {
        QTest::addColumn<QString>("field");
        for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"}) {
            QTest::newRow(name) << QString(QLatin1String(name));
        }
    }

    void changeEmptiesTheWholeBand()
    {
        QFETCH(QString, field);
        Fixture f;
        f.press(QStringLiteral("Button4"));
        QTest::keyClicks(f.edit(field), QStringLiteral("2"));
        QVERIFY(f.bandEmpty());
    }

    void overlongTextIsRestoredBeforeTheBox()
    {
        Fixture f;
        QLineEdit* text = f.edit(QStringLiteral("Edit3"));
        f.errors.watch(text);
        const QString hundred = QStringLiteral("a#").repeated(50);
        text->setText(hundred);
        QVERIFY(f.errors.reports().empty());
        QTest::keyClicks(text, QStringLiteral("b"));
        QCOMPARE(f.errors.messages(), QStringList{kTextTooLong});
        QCOMPARE(f.errors.reports().front().fieldText, hundred);
        QCOMPARE(text->text(), hundred);
    }

    void polishLetterIsRestoredAfterTheBox_data()
    {
        QTest::addColumn<QString>("added");
        QTest::newRow("letter") << QStringLiteral("ł");
        QTest::newRow("tilde") << QStringLiteral("~");
        QTest::newRow("several letters") << QStringLiteral("ąę ść");
    }

    void polishLetterIsRestoredAfterTheBox()
    {
        QFETCH(QString, added);
        Fixture f;
        QLineEdit* text = f.edit(QStringLiteral("Edit3"));
        f.errors.watch(text);
        text->setText(QStringLiteral("Test"));
        text->insert(added);
        QCOMPARE(f.errors.messages(), QStringList{kTextPolish});
        QCOMPARE(f.errors.reports().front().fieldText, QStringLiteral("Test") + added);
        QCOMPARE(text->text(), QStringLiteral("Test"));
    }

    void hashIsCopiedIntoTheMessage()
    {
        Fixture f;
        f.fillTestSms();
        QTest::keyClicks(f.edit(QStringLiteral("Edit3")), QStringLiteral(" #1 {|}"));
        QVERIFY(f.errors.reports().empty());
        f.press(QStringLiteral("Button1"));
        QCOMPARE(f.result->text(), QStringLiteral("0123#TS#2#30#Test #1 {|}#"));
    }

    void reopeningKeepsEverything()
    {
        Fixture f;
        f.open();
        f.fillTestSms();
        f.fill(QStringLiteral("Edit4"), QStringLiteral("4"));
        f.fill(QStringLiteral("Edit5"), QStringLiteral("60"));
        f.press(QStringLiteral("Button1"));
        f.page.close();
        f.open();
        QCOMPARE(f.result->text(), QStringLiteral("0123#TS#2#30#Test#"));
        QCOMPARE(f.title->text(), QStringLiteral("Definiowanie SMS testowego"));
        QCOMPARE(f.prompt->text(), kPrompt);
        QVERIFY(f.result->isEnabled());
        QCOMPARE(f.edit(QStringLiteral("Edit4"))->text(), QStringLiteral("4"));
        QCOMPARE(f.edit(QStringLiteral("Edit5"))->text(), QStringLiteral("60"));
        QLineEdit* text = f.edit(QStringLiteral("Edit3"));
        text->insert(QStringLiteral("ż"));
        QCOMPARE(text->text(), QStringLiteral("Test")); // the last accepted text survived too
    }
};

VELMORA_TEST_MAIN(TestMessagesPageTest)
#include "testmessagespage_test.moc"
