#include "fieldguard.h"
#include "recordingerrorbox.h"
#include "testmain.h"

#include <QLineEdit>
#include <QSignalSpy>

using namespace velmora;
using velmora::test::RecordingErrorBox;

class FieldGuardTest : public QObject {
    Q_OBJECT

private slots:
    void rejectedDigitEmptiesTheFieldAfterTheBox()
    {
        QLineEdit field;
        RecordingErrorBox errors;
        errors.watch(&field);
        int changes = 0;
        FieldGuard guard(&field, DigitsAndLength{"digits", 4, "length"}, errors, [&] { ++changes; });

        QTest::keyClicks(&field, "12a");
        QCOMPARE(errors.messages(), QStringList{QStringLiteral("digits")});
        // The box is shown over the rejected text; the field is emptied when it closes.
        QCOMPARE(errors.reports().front().fieldText, QStringLiteral("12a"));
        QCOMPARE(field.text(), QString());
        // Three keys, then the nested run caused by emptying the field.
        QCOMPARE(changes, 4);
    }

    void lengthRefusalRestoresBeforeTheBoxAndPlainTextAfterIt()
    {
        QLineEdit field;
        RecordingErrorBox errors;
        errors.watch(&field);
        FieldGuard guard(&field, TextAndLength{5, "too long", "forbidden", true}, errors);

        field.setText(QStringLiteral("abcde"));
        field.setText(QStringLiteral("abcdef"));
        field.setText(QStringLiteral("abcdł"));
        QCOMPARE(errors.messages(), (QStringList{QStringLiteral("too long"), QStringLiteral("forbidden")}));
        QCOMPARE(errors.reports()[0].fieldText, QStringLiteral("abcde"));
        QCOMPARE(errors.reports()[1].fieldText, QStringLiteral("abcdł"));
        QCOMPARE(field.text(), QStringLiteral("abcde"));
        QCOMPARE(guard.lastAccepted(), QStringLiteral("abcde"));
    }

    void firstRejectedTextRestoresTheEmptyText()
    {
        QLineEdit field;
        RecordingErrorBox errors;
        FieldGuard guard(&field, TextAndLength{20, "too long", "forbidden", true}, errors);
        QTest::keyClicks(&field, "#");
        QCOMPARE(field.text(), QString());
        QCOMPARE(errors.messages().size(), 1);
    }

    void pasteWithSeveralForbiddenCharactersShowsOneBox()
    {
        QLineEdit field;
        RecordingErrorBox errors;
        FieldGuard guard(&field, TextAndLength{100, "too long", "forbidden", true}, errors);
        field.setText(QStringLiteral("Kot"));
        field.setText(QStringLiteral("Kot ąę#~ łódź"));
        QCOMPARE(errors.messages(), QStringList{QStringLiteral("forbidden")});
        QCOMPARE(field.text(), QStringLiteral("Kot"));
    }

    void valueAboveTheMaximumIsClampedAndTheClampRunsTheRuleAgain()
    {
        QLineEdit field;
        RecordingErrorBox errors;
        errors.watch(&field);
        QStringList seen;
        FieldGuard guard(&field, DigitsAndValue{"digits", 0, 9999, "max", Refusal::Repair::SetTo, "9999"}, errors,
                         [&] { seen << field.text(); });
        field.setText(QStringLiteral("123456789012"));
        QCOMPARE(errors.messages(), QStringList{QStringLiteral("max")});
        QCOMPARE(errors.reports().front().fieldText, QStringLiteral("123456789012"));
        QCOMPARE(field.text(), QStringLiteral("9999"));
        QCOMPARE(seen, (QStringList{QStringLiteral("123456789012"), QStringLiteral("9999")}));
    }

    void settingTheSameTextIsNoChange()
    {
        QLineEdit field;
        RecordingErrorBox errors;
        int changes = 0;
        FieldGuard guard(&field, DigitsAndLength{"digits", 17, "length"}, errors, [&] { ++changes; });
        field.setText(QStringLiteral("48"));
        field.setText(QStringLiteral("48"));
        QCOMPARE(changes, 1);
    }
};

VELMORA_TEST_MAIN(FieldGuardTest)
#include "fieldguard_test.moc"
