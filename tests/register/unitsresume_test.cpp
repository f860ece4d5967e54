#include "runfixture.h"
#include "runwords.h"

using namespace velmora;
using namespace velmora::test;

namespace {

using Steps = std::function<void(Fixture&)>;

// Each unit's rows went in order and none more than once, every one of them but those the user took as sent, which
// may have gone before the program ended.
bool eachRowOnceInOrder(const QStringList& handed, int units, const QStringList& takenAsSent)
{
    for (int unit = 0; unit < units; ++unit) {
        const QString letter = QChar(u'A' + unit);
        QStringList expected;
        for (int row = 1; row <= 3; ++row) {
            const QString label = letter + QString::number(row);
            if (!takenAsSent.contains(label) || handed.contains(label)) {
                expected << label;
            }
        }
        if (handed.filter(letter) != expected) {
            return false;
        }
    }
    return true;
}

// The rest of the run after a start, without waiting: every message handed goes out.
void finishTheRun(Fixture& f)
{
    std::size_t count = 0;
    const auto& handed = f.p().modem.handed();
    while (f.run().isSending()) {
        QVERIFY(QTest::qWaitFor([&] { return handed.size() > count || !f.run().isSending(); }, 2000));
        if (handed.size() > count) {
            ++count;
            f.finish(sent());
        }
    }
}

} // namespace

Q_DECLARE_METATYPE(Steps)

class UnitsResumeTest : public QObject {
    Q_OBJECT

private slots:
    void aRestartAtAnyPointSendsOnlyWhatNeverWentOut_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<int>("done");
        QTest::addColumn<QStringList>("rowsOfA");
        QTest::addColumn<QStringList>("rowsOfB");
        QTest::addColumn<QStringList>("states");
        const QString unknown = stoppedWords(1, QStringLiteral("program zamknięto w trakcie wysyłania"));
        QTest::newRow("before the first hand-over")
            << Steps([](Fixture&) {}) << 0 << QStringList{"czeka", "czeka", "czeka"}
            << QStringList{"czeka", "czeka", "czeka"} << QStringList{"czeka", "czeka"};
        QTest::newRow("after a hand-over")
            << Steps([](Fixture& f) { QVERIFY(f.handedCount(1)); }) << 0 << QStringList{"nieznany:", "czeka", "czeka"}
            << QStringList{"nieznany:", "czeka", "czeka"} << QStringList{unknown, unknown};
        QTest::newRow("after the sent stage") << Steps([](Fixture& f) {
            QVERIFY(f.handedCount(1));
            f.finish(sent(QStringLiteral("a1")));
            QVERIFY(f.handedCount(2));
        }) << 0 << QStringList{"wysłano", "czeka", "czeka"}
                                              << QStringList{"nieznany:", "czeka", "czeka"}
                                              << QStringList{"czeka", unknown};
        QTest::newRow("after the report") << Steps([](Fixture& f) {
            QVERIFY(f.handedCount(1));
            f.finish(sent(QStringLiteral("a1")));
            QVERIFY(f.handedCount(2));
            f.p().modem.followUp(QStringLiteral("a1"), SendProgress(Stage::Delivered));
        }) << 0 << QStringList{"doręczono", "nieznany:", "czeka"}
                                          << QStringList{"nieznany:", "czeka", "czeka"}
                                          << QStringList{stoppedWords(2, stoppedUnknown()), unknown};
        QTest::newRow("after a unit finished") << Steps([](Fixture& f) {
            QVERIFY(f.handedCount(1));
            f.finish(sent());
            QVERIFY(f.handedCount(2));
            f.finish(sent());
            for (int count = 3; count <= 4; ++count) {
                f.reply(0, QStringLiteral("OK"));
                QVERIFY(f.handedCount(count));
                f.finish(sent());
            }
        }) << 1 << QStringList{"odpowiedź", "odpowiedź", "wysłano"}
                                               << QStringList{"wysłano", "czeka", "czeka"}
                                               << QStringList{"gotowe: 2 z odpowiedzią, 1 wysłano", "czeka"};
    }

    // The program is killed at a point of the run and started again: the notice, each row as recorded, and the
    // run taken up with every row whose outcome is unknown taken as sent.
    void aRestartAtAnyPointSendsOnlyWhatNeverWentOut()
    {
        QFETCH(Steps, steps);
        QFETCH(int, done);
        QFETCH(QStringList, rowsOfA);
        QFETCH(QStringList, rowsOfB);
        QFETCH(QStringList, states);
        Fixture f(2);
        QVERIFY(f.send(true));
        steps(f);
        f.restart();

        const QDateTime started = f.p().units.runs().unfinished()->started;
        QCOMPARE(f.run().unfinishedNotice(),
                 QStringLiteral("Niedokończona wysyłka z %1: %2 z 2 central gotowe.")
                     .arg(started.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")))
                     .arg(done));
        QCOMPARE(f.run().loadUnfinished(), kPlan);
        QCOMPARE(f.run().unfinishedNotice(), QString());
        QCOMPARE(f.rows(0), rowsOfA);
        QCOMPARE(f.rows(1), rowsOfB);
        QCOMPARE(f.states(), states);
        // A row handed over may not have reached the route before the program ended: if the user takes it as sent,
        // it is not sent at all.
        QStringList takenAsSent;
        for (int target = 0; target < 2; ++target) {
            for (int row = 0; row < 3; ++row) {
                QCOMPARE(f.run().isUnknown(target, row), f.rows(target).at(row) == QStringLiteral("nieznany:"));
                if (f.run().markSent(target, row)) {
                    takenAsSent << QChar(u'A' + target) + QString::number(row + 1);
                }
            }
        }
        QVERIFY(f.send(false));
        finishTheRun(f);
        QVERIFY2(eachRowOnceInOrder(f.handed(), 2, takenAsSent), qPrintable(f.handed().join(u' ')));
        QVERIFY(!f.p().units.runs().unfinished());
    }

    void theUsersWordOnARowWhoseOutcomeIsUnknown_data()
    {
        QTest::addColumn<bool>("again");
        QTest::addColumn<QString>("answered");
        QTest::addColumn<QStringList>("handed");
        QTest::newRow("taken as sent") << false << QStringLiteral("uznano za wysłane") << QStringList{"A1", "A2", "A3"};
        QTest::newRow("sent again") << true << QStringLiteral("czeka") << QStringList{"A1", "A1", "A2", "A3"};
    }

    // The row waits for the user's word, which outlives another restart; sent again only when asked, and once.
    void theUsersWordOnARowWhoseOutcomeIsUnknown()
    {
        QFETCH(bool, again);
        QFETCH(QString, answered);
        QFETCH(QStringList, handed);
        Fixture f(1);
        QVERIFY(f.send(false));
        QVERIFY(f.handedCount(1));
        f.restart();
        f.run().loadUnfinished();
        QVERIFY(!f.send(false) || !f.run().isSending());
        QCOMPARE(f.run().rowState(0, 0), QStringLiteral("nieznany: program zamknięto w trakcie wysyłania"));
        QCOMPARE(f.states(), QStringList{"zatrzymano przy 1: program zamknięto w trakcie wysyłania"});
        QVERIFY(f.handedStill(0));
        QVERIFY(!f.run().markSent(0, 1));
        QVERIFY(again ? f.run().sendAgain(0, 0) : f.run().markSent(0, 0));
        QVERIFY(!f.run().sendAgain(0, 0));
        QVERIFY(!f.run().markSent(0, 0));
        QCOMPARE(f.run().rowState(0, 0), answered);

        f.restart();
        f.run().loadUnfinished();
        QCOMPARE(f.run().rowState(0, 0), answered);
        QVERIFY(f.send(false));
        finishTheRun(f);
        QCOMPARE(f.handed(), handed);
    }

    // Once the user's word is given in a run going on, the unit goes on at once.
    void aUnitGoesOnOnceTheUserHasSpoken()
    {
        Fixture f(2);
        QVERIFY(f.send(false));
        QVERIFY(f.handedCount(1));
        f.restart();
        f.run().loadUnfinished();
        f.run().markSent(1, 0);
        QVERIFY(f.send(false));
        QVERIFY(f.handedCount(1));
        QVERIFY(f.run().isUnknown(0, 0));
        QVERIFY(f.run().sendAgain(0, 0));
        finishTheRun(f);
        // B1 was in the queue, not yet with the route, when the program ended.
        QCOMPARE(f.handed().filter(QStringLiteral("A")), (QStringList{"A1", "A1", "A2", "A3"}));
        QCOMPARE(f.handed().filter(QStringLiteral("B")), (QStringList{"B2", "B3"}));
    }

    void aRunGivenUpIsNotOfferedAgain()
    {
        Fixture f(2);
        QVERIFY(f.send(false));
        QVERIFY(f.handedCount(1));
        f.restart();
        QVERIFY(!f.run().unfinishedNotice().isEmpty());
        f.run().discard();
        QCOMPARE(f.run().unfinishedNotice(), QString());
        f.restart();
        QCOMPARE(f.run().unfinishedNotice(), QString());
        QVERIFY(f.run().loadUnfinished().empty());
    }

    // The program ended after the last row went, before the record was let go: there is nothing to take up.
    void aRunWhoseUnitsAreAllDoneIsNotOffered()
    {
        Fixture f(1);
        RunRowState sentRow;
        sentRow.message.progress = sent();
        const auto begun = f.p().units.runs().begin(
            {0, QDateTime::currentDateTimeUtc(), kPlan, {{f.ids[0], {sentRow, sentRow, sentRow}}}});
        QVERIFY(std::holds_alternative<qint64>(begun));
        QCOMPARE(f.run().unfinishedNotice(), QString());
        sentRow.message.progress = SendProgress(Stage::Sending);
        f.p().units.runs().begin({0, QDateTime::currentDateTimeUtc(), kPlan, {{f.ids[0], {sentRow, {}, {}}}}});
        QVERIFY(f.run().unfinishedNotice().endsWith(QStringLiteral(": 0 z 1 central gotowe.")));
    }
};

QTEST_GUILESS_MAIN(UnitsResumeTest)
#include "unitsresume_test.moc"
