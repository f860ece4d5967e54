#include "runfixture.h"

#include <QSignalSpy>

using namespace velmora;
using namespace velmora::test;
using namespace std::chrono_literals;
using Stage = SendProgress::Stage;

Q_DECLARE_METATYPE(velmora::KeyringReply::Status)

class UnitsRunTest : public QObject {
    Q_OBJECT

private slots:
    // Without waiting, each unit hands over its next row once its last went: the queue takes them in turn.
    void eachUnitsRowsGoInOrderAndTheUnitsTakeTurns()
    {
        Fixture f(2);
        QCOMPARE(f.states(), (QStringList{"czeka", "czeka"}));
        QVERIFY(f.send(false));
        for (int count = 1; count <= 6; ++count) {
            QVERIFY(f.handedCount(count));
            f.finish(sent());
        }
        QVERIFY(f.ended());
        QCOMPARE(f.handed(), (QStringList{"A1", "B1", "A2", "B2", "A3", "B3"}));
        QCOMPARE(f.states(), (QStringList{"gotowe: 3 wysłano", "gotowe: 3 wysłano"}));
        QCOMPARE(f.cell(1, UnitsRun::Progress), QStringLiteral("3 z 3"));
        QCOMPARE(f.run().unfinishedNotice(), QString());
        QVERIFY(!f.p().units.runs().unfinished());
    }

    // While one unit waits for its confirmation, the other's next row goes.
    void aUnitWaitingForItsConfirmationLetsTheOthersGoOn()
    {
        Fixture f(2);
        QVERIFY(f.send(true));
        QVERIFY(f.handedCount(1));
        QCOMPARE(f.states(), (QStringList{"wysyłanie 1 z 3", "wysyłanie 1 z 3"}));
        f.finish(sent(QStringLiteral("a1")));
        QVERIFY(f.handedCount(2));
        f.finish(sent(QStringLiteral("b1")));
        QCOMPARE(f.cell(0, UnitsRun::Progress), QStringLiteral("1 z 3"));
        f.reply(1, QStringLiteral("OK"));
        QVERIFY(f.handedCount(3));
        f.finish(sent(QStringLiteral("b2")));
        f.p().modem.followUp(QStringLiteral("a1"), SendProgress(Stage::Delivered));
        QVERIFY(f.handedCount(4));
        QCOMPARE(f.handed(), (QStringList{"A1", "B1", "B2", "A2"}));
        QCOMPARE(f.states(), (QStringList{"wysyłanie 2 z 3", "wysyłanie 2 z 3"}));
        QCOMPARE(f.rows(0), (QStringList{"doręczono", "wysyłanie", "czeka"}));
        QCOMPARE(f.rows(1), (QStringList{"odpowiedź", "wysłano", "czeka"}));
    }

    void oneUnitsEndLeavesTheOthersGoing_data()
    {
        QTest::addColumn<bool>("wait");
        QTest::addColumn<SendProgress>("outcome");
        QTest::addColumn<QString>("state");
        QTest::newRow("refused") << false << SendProgress::failed(QStringLiteral("Sieć odrzuciła wiadomość."))
                                 << QStringLiteral("zatrzymano przy 1: Sieć odrzuciła wiadomość.");
        QTest::newRow("not delivered") << true
                                       << SendProgress(Stage::NotDelivered, QStringLiteral("numer nieosiągalny"))
                                       << QStringLiteral("zatrzymano przy 1: nie doręczono: numer nieosiągalny");
        QTest::newRow("unconfirmed") << true << SendProgress()
                                     << QStringLiteral("zatrzymano przy 1: brak potwierdzenia w ciągu 1 min");
    }

    // A unit's failure, report of no delivery or missing confirmation stops that unit at its row alone.
    void oneUnitsEndLeavesTheOthersGoing()
    {
        QFETCH(bool, wait);
        QFETCH(SendProgress, outcome);
        QFETCH(QString, state);
        Fixture f(2, 100ms);
        QVERIFY(f.send(wait));
        QVERIFY(f.handedCount(1));
        f.finish(outcome.stage == Stage::Failed ? outcome : sent(QStringLiteral("a1")));
        if (outcome.stage == Stage::NotDelivered) {
            f.p().modem.followUp(QStringLiteral("a1"), outcome);
        }
        // B's rows each confirmed at once, before A's limit runs out.
        for (int count = 2; count <= 4; ++count) {
            QVERIFY(f.handedCount(count));
            f.finish(sent());
            f.reply(1, QStringLiteral("OK"));
        }
        QVERIFY(f.ended());
        QCOMPARE(f.handed(), (QStringList{"A1", "B1", "B2", "B3"}));
        QCOMPARE(f.states(), (QStringList{state, "gotowe: 3 z odpowiedzią"}));
        // The run is kept for a later start: A has rows to go.
        QVERIFY(f.p().units.runs().unfinished());
    }

    // What is with the route finishes; nothing else goes, and the next send goes on.
    void stopLetsTheMessagesInFlightFinish()
    {
        Fixture f(2);
        QVERIFY(f.send(false));
        QVERIFY(f.handedCount(1));
        f.run().stop();
        QVERIFY(f.run().isSending());
        f.finish(sent());
        QVERIFY(f.handedCount(2));
        f.finish(sent());
        QVERIFY(f.ended());
        QVERIFY(f.handedStill(2));
        QCOMPARE(f.states(), (QStringList{"zatrzymano przy 2: na żądanie", "zatrzymano przy 2: na żądanie"}));

        QVERIFY(f.send(false));
        for (int count = 3; count <= 6; ++count) {
            QVERIFY(f.handedCount(count));
            f.finish(sent());
        }
        QVERIFY(f.ended());
        QCOMPARE(f.handed(), (QStringList{"A1", "B1", "A2", "B2", "A3", "B3"}));
    }

    void aUnitWithoutItsCodeIsSkipped_data()
    {
        QTest::addColumn<KeyringReply::Status>("keyring");
        QTest::addColumn<QString>("state");
        QTest::newRow("no code stored") << KeyringReply::Status::Done << QStringLiteral("brak kodu IKU");
        QTest::newRow("keyring locked") << KeyringReply::Status::Locked
                                        << QStringLiteral("brak kodu IKU: brak dostępu do magazynu haseł systemu");
    }

    void aUnitWithoutItsCodeIsSkipped()
    {
        QFETCH(KeyringReply::Status, keyring);
        QFETCH(QString, state);
        Fixture f(3);
        f.keyring.answerWith(keyring);
        QVERIFY(f.send(false));
        for (int count = 1; keyring == KeyringReply::Status::Done && count <= 6; ++count) {
            QVERIFY(f.handedCount(count));
            f.finish(sent());
        }
        QVERIFY(f.ended());
        if (keyring == KeyringReply::Status::Done) {
            QCOMPARE(f.states(), (QStringList{"gotowe: 3 wysłano", "gotowe: 3 wysłano", state}));
        } else {
            QCOMPARE(f.states(), (QStringList{state, state, state}));
        }
        QCOMPARE(f.cell(2, UnitsRun::Progress), QStringLiteral("0 z 3"));
        QCOMPARE(f.handed().filter(QStringLiteral("C")), QStringList());
    }

    // The history of each unit holds the run's messages with their titles, and no file holds a code.
    void eachUnitsHistoryHoldsTheRunAndNoFileACode()
    {
        Fixture f(2);
        QVERIFY(f.send(false));
        for (int count = 1; count <= 6; ++count) {
            QVERIFY(f.handedCount(count));
            f.finish(sent());
        }
        QVERIFY(f.ended());
        for (const qint64 unit : f.ids) {
            QStringList titles;
            for (const RecordedMessage& message : f.p().units.history(unit)) {
                titles.prepend(message.title + QLatin1Char(' ') + message.text);
            }
            QCOMPARE(titles,
                     (QStringList{"Definiowanie Centrum SMS #0#48601000310#", "Test #S#", "Czas testu #L#10#"}));
        }
        QCOMPARE(f.home.filesHolding(QStringLiteral("7395#")), QStringList());
        QCOMPARE(f.home.filesHolding(QStringLiteral("8264#")), QStringList());
    }

    // A row goes only once it is recorded as going: a unit removed from the register meanwhile gets nothing more.
    void aRowThatCannotBeRecordedDoesNotGo()
    {
        Fixture f(2);
        QVERIFY(f.send(true));
        QVERIFY(f.handedCount(1));
        f.finish(sent());
        QVERIFY(f.handedCount(2));
        f.finish(sent());
        QCOMPARE(f.p().units.remove(f.ids[0]), QString());
        f.reply(0, QStringLiteral("OK"));
        f.reply(1, QStringLiteral("OK"));
        QVERIFY(f.handedCount(3));
        QVERIFY(f.handedStill(3));
        QCOMPARE(f.handed(), (QStringList{"A1", "B1", "B2"}));
        QCOMPARE(f.cell(0, UnitsRun::State),
                 QStringLiteral("zatrzymano przy 2: tej centrali nie ma już w zapisie wysyłki w rejestrze central"));
        QCOMPARE(f.run().status(), QStringLiteral("tej centrali nie ma już w zapisie wysyłki w rejestrze central"));
    }

    // The chosen units keep their rows' states when the choice changes; the run's record follows, and goes once the
    // units left have had every row.
    void theChoiceOfUnitsChangesOutsideSending()
    {
        Fixture f(3);
        f.keyring.entries[f.p().units.unit(f.ids[2])->codeKey] = QStringLiteral("5120");
        QVERIFY(f.run().setPlanRows(kPlan));
        QCOMPARE(f.cell(0, UnitsRun::Progress), QStringLiteral("0 z 3"));
        QVERIFY(f.send(false));
        QVERIFY(f.handedCount(1));
        f.finish(SendProgress::failed(QStringLiteral("Brak zasięgu.")));
        QVERIFY(!f.run().removeTarget(0));
        QVERIFY(!f.run().setTargets({f.ids[1]}));
        for (int count = 2; count <= 7; ++count) {
            QVERIFY(f.handedCount(count));
            f.finish(sent());
        }
        QVERIFY(f.ended());
        QCOMPARE(f.handed().filter(QStringLiteral("A")), QStringList{"A1"});

        QVERIFY(f.run().setTargets({f.ids[2], f.ids[0]}));
        QCOMPARE(f.run().unitIds(), (std::vector<qint64>{f.ids[2], f.ids[0]}));
        QCOMPARE(f.states(), (QStringList{"gotowe: 3 wysłano", "zatrzymano przy 1: Brak zasięgu."}));
        QCOMPARE(f.p().units.runs().unfinished()->targets.size(), std::size_t(2));
        QVERIFY(f.run().removeTarget(1));
        QVERIFY(!f.p().units.runs().unfinished());
    }

    // The plan's list for the selected unit: its rows with their states, the code hidden.
    void theSelectedUnitsRowsFollowItsStates()
    {
        Fixture f(2);
        TargetRows& rows = f.run().targetRows();
        QCOMPARE(rows.rowCount(), 0);
        QVERIFY(f.send(false));
        rows.showTarget(1);
        QCOMPARE(rows.rowCount(), 3);
        QCOMPARE(rows.index(0, Plan::Command).data().toString(), QStringLiteral("****#0#48601000310#"));
        QCOMPARE(rows.index(2, Plan::Title).data().toString(), QStringLiteral("Czas testu"));
        QVERIFY(f.handedCount(1));
        QCOMPARE(rows.index(0, Plan::State).data().toString(), QStringLiteral("wysyłanie"));
        QSignalSpy changed(&rows, &QAbstractItemModel::dataChanged);
        f.finish(sent());
        QVERIFY(f.handedCount(2));
        f.finish(SendProgress::failed(QStringLiteral("Brak zasięgu.")));
        QVERIFY(!changed.isEmpty());
        QCOMPARE(rows.index(0, Plan::State).data().toString(), QStringLiteral("błąd: Brak zasięgu."));
        QVERIFY(!f.run().removeTarget(0));
        f.run().stop();
        QVERIFY(f.handedCount(3));
        f.finish(sent());
        QVERIFY(f.ended());
        QVERIFY(f.run().removeTarget(0));
        QCOMPARE(rows.target(), 0);
        QCOMPARE(rows.index(0, Plan::State).data().toString(), QStringLiteral("błąd: Brak zasięgu."));
    }
};

QTEST_GUILESS_MAIN(UnitsRunTest)
#include "unitsrun_test.moc"
