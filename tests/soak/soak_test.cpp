#include "fieldrules.h"
#include "mainpage.h"
#include "monkey.h"
#include "pageset.h"
#include "recordingerrorbox.h"
#include "testmain.h"

#include <QRandomGenerator>

using namespace velmora;
using velmora::soak::Monkey;
using velmora::test::RecordingErrorBox;

namespace {

constexpr int kDefaultActions = 50000;

quint64 soakSeed()
{
    bool given = false;
    const quint64 seed = qEnvironmentVariable("VELMORA_SOAK_SEED").toULongLong(&given);
    return given ? seed : QRandomGenerator::system()->generate64();
}

int soakActions()
{
    bool given = false;
    const int actions = qEnvironmentVariableIntValue("VELMORA_SOAK_ACTIONS", &given);
    return given ? actions : kDefaultActions;
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    // The soak's own judge of result fields, so that a broken command cannot pass it.
    void resultFieldsHoldNothingOrAWholeCommand_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("whole");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("sms centre") << QStringLiteral("1234#0#48501200777#") << true;
        QTest::newRow("no arguments") << QStringLiteral("0000#S#") << true;
        QTest::newRow("empty item") << QStringLiteral("1234#G#48601##") << true;
        QTest::newRow("balance check") << QStringLiteral("1234#K*101#") << true;
        QTest::newRow("balance check, code page letter") << QStringLiteral("1234#Kąę") << true;
        QTest::newRow("open end") << QStringLiteral("1234#0#48501") << false;
        QTest::newRow("short code") << QStringLiteral("123#0#4#") << false;
        QTest::newRow("letter in code") << QStringLiteral("12a4#0#4#") << false;
        QTest::newRow("no operation") << QStringLiteral("1234##") << false;
        QTest::newRow("Polish letter") << QStringLiteral("1234#N#Zażółć#") << false;
        QTest::newRow("tilde") << QStringLiteral("1234#N#a~b#") << false;
        QTest::newRow("balance check, nothing") << QStringLiteral("1234#K") << false;
        QTest::newRow("balance check, emoji") << QStringLiteral("1234#K😀") << false;
        QTest::newRow("lone surrogate") << QStringLiteral("1234#N#a") + QChar(0xD800) + QStringLiteral("#") << false;
    }

    void resultFieldsHoldNothingOrAWholeCommand()
    {
        QFETCH(QString, text);
        QFETCH(bool, whole);
        QCOMPARE(soak::isEmptyOrCompleteCommand(text), whole);
    }

    void everyGuardedFieldHasItsRule()
    {
        RecordingErrorBox errors;
        PageSet pages(errors);
        const Monkey monkey(&pages.mainPage(), errors, 0);
        QVERIFY2(monkey.unmappedFields().isEmpty(), qPrintable(monkey.unmappedFields().join(QLatin1Char('\n'))));
    }

    // A long random stream of user actions over every page. Replay a failure with the seed it prints:
    // VELMORA_SOAK_SEED=<seed> (and VELMORA_SOAK_ACTIONS=<n> for a longer or shorter run).
    void monkeyKeepsEveryFieldAndCommandWellFormed()
    {
        const quint64 seed = soakSeed();
        const int actions = soakActions();
        qInfo("Soak: %d actions from seed %llu (replay with VELMORA_SOAK_SEED=%llu)", actions, seed, seed);

        RecordingErrorBox errors;
        PageSet pages(errors);
        pages.mainPage().show();
        Monkey monkey(&pages.mainPage(), errors, seed);
        monkey.run(actions);

        QVERIFY2(monkey.fault().isEmpty(), qPrintable(QStringLiteral("seed %1, %2").arg(seed).arg(monkey.fault())));
        QCOMPARE(monkey.actionsDone(), actions);
        QStringList visited = monkey.windowsVisited().values();
        visited.sort();
        if (actions >= kDefaultActions) {
            // A full run reaches every page and the QR window, or it proves little.
            QCOMPARE(visited,
                     (QStringList{QStringLiteral("QrWindow"), QStringLiteral("TForm12"), QStringLiteral("TForm13"),
                                  QStringLiteral("TForm2"), QStringLiteral("TForm3"), QStringLiteral("TForm4"),
                                  QStringLiteral("TForm5"), QStringLiteral("TForm6"), QStringLiteral("TForm7"),
                                  QStringLiteral("TForm8"), QStringLiteral("Tform11")}));
        }
    }
};

VELMORA_TEST_MAIN(SoakTest)
#include "soak_test.moc"
