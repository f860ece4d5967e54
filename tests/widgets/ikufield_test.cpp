#include "ikufield.h"
#include "recordingerrorbox.h"
#include "testmain.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

using namespace velmora;
using velmora::test::RecordingErrorBox;

namespace {

const QString kRequest =
    QStringLiteral("Wpisz czterocyfrowy Kod IKU, który trzymałeś  w zaklejonej kopercie wraz z urządzeniem");

// The texts of the field's labels, in the order they stand.
QStringList texts(const IkuField& iku)
{
    QStringList all;
    for (const QLabel* label : iku.findChildren<QLabel*>()) {
        all << label->text();
    }
    return all;
}

} // namespace

class IkuFieldTest : public QObject {
    Q_OBJECT

private slots:
    void theRequestStandsOnOneLineOrBreaksAfterW()
    {
        RecordingErrorBox errors;
        const IkuField wide({"Edit1", "Label1", "Label2"}, {16, 13}, IkuField::Request::OneLine, errors);
        QCOMPARE(texts(wide), (QStringList{kRequest, QStringLiteral("KOD IKU")}));
        QCOMPARE(wide.findChild<QLabel*>(QStringLiteral("Label2"))->text(), kRequest);
        QCOMPARE(wide.findChild<QLabel*>(QStringLiteral("Label1"))->buddy(), wide.field());
        QCOMPARE(wide.field()->objectName(), QStringLiteral("Edit1"));

        const IkuField narrow({"Edit3", nullptr, nullptr}, {19, 0}, IkuField::Request::TwoLines, errors);
        const QStringList lines = texts(narrow);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Wpisz czterocyfrowy Kod IKU, który trzymałeś  w "));
        QCOMPARE(lines[0] + lines[1], kRequest);
        QCOMPARE(lines[2], QStringLiteral("KOD IKU"));
    }

    // Set from outside as if typed: the guard and every other handler of the field run once per change.
    void textSetFromOutsideIsGuardedAsTyped()
    {
        RecordingErrorBox errors;
        const IkuField iku({"Edit1", "Label1", "Label2"}, {16, 13}, IkuField::Request::OneLine, errors);
        errors.watch(iku.field());
        QSignalSpy changes(iku.field(), &QLineEdit::textChanged);

        iku.field()->setText(QStringLiteral("1234"));
        QVERIFY(errors.reports().empty());
        QCOMPARE(changes.count(), 1);

        iku.field()->setText(QStringLiteral("12a4"));
        QCOMPARE(errors.messages(), QStringList{QStringLiteral("Kod IKU powinien zawierać tylko cyfry")});
        QCOMPARE(errors.reports().front().fieldText, QStringLiteral("12a4"));
        QCOMPARE(iku.field()->text(), QString());
        // The refused text, then the emptying that repairs it.
        QCOMPARE(changes.count(), 3);
    }

    void aFifthDigitIsRefusedOnce()
    {
        RecordingErrorBox errors;
        const IkuField iku({"Edit3", nullptr, nullptr}, {19, 0}, IkuField::Request::TwoLines, errors);
        QTest::keyClicks(iku.field(), QStringLiteral("12345"));
        QCOMPARE(errors.messages(), QStringList{QStringLiteral("Kod IKU powinien zawierać cztery cyfry")});
        QCOMPARE(iku.field()->text(), QString());
    }
};

VELMORA_TEST_MAIN(IkuFieldTest)
#include "ikufield_test.moc"
