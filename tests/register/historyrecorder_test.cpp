#include "fakeroutes.h"
#include "historyrecorder.h"
#include "testhome.h"

#include <QTest>

using namespace velmora;
using namespace velmora::test;

namespace {

using Stage = SendProgress::Stage;

const QString kUnitNumber = QStringLiteral("48601123456");
const OutgoingSms kCommand{QLatin1Char('+') + kUnitNumber, QStringLiteral("7395#0#48601000310#"),
                           QStringLiteral("Definiowanie Centrum SMS")};

SendProgress withKey(Stage stage, const QString& key)
{
    SendProgress progress(stage);
    progress.followUpKey = key;
    return progress;
}

// The program's parts the recorder sits between, on a register in the test's own home.
struct Fixture {
    TestHome home;
    QString path = home.filePath(QStringLiteral("data/centrale.sqlite"));
    FakeFinder finder;
    Outbox outbox{finder};
    UnitRegister units{path};
    HistoryRecorder recorder{outbox, units};
    FakeRoute modem{QStringLiteral("Modem: A")};

    qint64 addUnit()
    {
        const auto added = units.add({QStringLiteral("Dom"), kUnitNumber, {}});
        return std::holds_alternative<Unit>(added) ? std::get<Unit>(added).id : 0;
    }

    // Sends a message through the outbox and waits until the route has it.
    void send(const OutgoingSms& sms)
    {
        const std::size_t before = modem.handed().size();
        outbox.send(&modem, sms, false);
        QTRY_COMPARE(modem.handed().size(), before + 1);
    }

    std::optional<RecordedMessage> latest(qint64 unit)
    {
        const std::vector<RecordedMessage> history = units.history(unit);
        return history.empty() ? std::nullopt : std::optional(history.front());
    }
};

} // namespace

class HistoryRecorderTest : public QObject {
    Q_OBJECT

private slots:
    void aMessageToAUnitIsRecordedStageByStage()
    {
        Fixture f;
        const qint64 unit = f.addUnit();
        f.send(kCommand);
        QCOMPARE(f.latest(unit)->title, QStringLiteral("Definiowanie Centrum SMS"));
        QCOMPARE(f.latest(unit)->text, QStringLiteral("#0#48601000310#"));
        QCOMPARE(f.latest(unit)->stage->stage, Stage::Sending);

        f.modem.finish(withKey(Stage::Sent, QStringLiteral("sms-1")));
        QCOMPARE(f.latest(unit)->stage->stage, Stage::Sent);
        QVERIFY(!f.latest(unit)->delivery);

        f.modem.followUp(QStringLiteral("sms-1"), {Stage::DeliveryPending});
        QCOMPARE(f.latest(unit)->delivery->stage, Stage::DeliveryPending);
        f.modem.followUp(QStringLiteral("sms-1"), {Stage::NotDelivered, QStringLiteral("ważność wiadomości minęła")});
        QCOMPARE(f.latest(unit)->delivery->stage, Stage::NotDelivered);
        QCOMPARE(f.latest(unit)->delivery->detail, QStringLiteral("ważność wiadomości minęła"));
        QCOMPARE(f.latest(unit)->stage->stage, Stage::Sent);
        QCOMPARE(f.units.history(unit).size(), std::size_t(1));
        QCOMPARE(f.home.filesHolding(QStringLiteral("7395")), QStringList());
    }

    // A message recorded by an earlier run, still waiting there, is not taken for one of this run's.
    void onlyThisRunsMessagesAreFollowed()
    {
        Fixture f;
        const qint64 unit = f.addUnit();
        const std::optional<HistoryKey> earlier = f.units.recordSent(kCommand);
        QVERIFY(earlier);
        f.send(kCommand);
        const std::optional<RecordedMessage> sent = f.latest(unit);
        QVERIFY(sent && sent->id != earlier->message);
        QVERIFY(f.recorder.follows(sent->id));
        QVERIFY(!f.recorder.follows(earlier->message));
        HistoryRecorder again(f.outbox, f.units);
        QVERIFY(!again.follows(sent->id));
    }

    void aMessageWaitingBehindAnotherIsRecordedWaiting()
    {
        Fixture f;
        const qint64 unit = f.addUnit();
        f.send({QStringLiteral("+48700000001"), QStringLiteral("1234#S#"), QStringLiteral("Inna centrala")});
        f.outbox.send(&f.modem, kCommand, false);
        QTRY_COMPARE(f.units.history(unit).size(), std::size_t(1));
        QTRY_COMPARE(f.latest(unit)->stage->stage, Stage::Waiting);
        f.modem.finish({Stage::Failed, QStringLiteral("Brak zasięgu.")});
        QTRY_COMPARE(f.latest(unit)->stage->stage, Stage::Sending);
        f.modem.finish({Stage::Failed, QStringLiteral("Brak zasięgu."), QStringLiteral("CMS 331")});
        QCOMPARE(f.latest(unit)->stage->stage, Stage::Failed);
        QCOMPARE(f.latest(unit)->stage->technical, QStringLiteral("CMS 331"));
    }

    void messagesOfOtherNumbersAreNotRecorded()
    {
        Fixture f;
        const qint64 unit = f.addUnit();
        f.send({QStringLiteral("+48700000001"), QStringLiteral("1234#S#"), QStringLiteral("Inna centrala")});
        f.modem.finish({Stage::Sent});
        f.finder.deliver({QStringLiteral("+48700000001"), QStringLiteral("OK"), QDateTime::currentDateTime()});
        QVERIFY(f.units.history(unit).empty());
        QCOMPARE(f.home.filesHolding(QStringLiteral("700000001")), QStringList());
    }

    // The outbox passes on only replies to this run's commands; the history takes whatever the unit sends.
    void everyTextFromAUnitsNumberIsRecorded()
    {
        Fixture f;
        const qint64 unit = f.addUnit();
        const QDateTime received(QDate(2026, 3, 2), QTime(8, 0));
        f.finder.deliver({QStringLiteral("601123456"), QStringLiteral("Alarm: strefa 2"), received});
        const std::optional<RecordedMessage> message = f.latest(unit);
        QVERIFY(message);
        QCOMPARE(message->direction, RecordedMessage::Direction::Received);
        QCOMPARE(message->text, QStringLiteral("Alarm: strefa 2"));
        QCOMPARE(message->at, received);
    }

    void withoutARegisterNothingIsWritten()
    {
        Fixture f;
        f.send(kCommand);
        f.modem.finish(withKey(Stage::Sent, QStringLiteral("sms-1")));
        f.modem.followUp(QStringLiteral("sms-1"), {Stage::Delivered});
        f.finder.deliver({kCommand.number, QStringLiteral("OK"), QDateTime::currentDateTime()});
        QCOMPARE(f.home.files(), QStringList());
    }
};

QTEST_GUILESS_MAIN(HistoryRecorderTest)
#include "historyrecorder_test.moc"
