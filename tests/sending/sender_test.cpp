#include "fakeroutes.h"
#include "sender.h"
#include "testmain.h"

#include <QSignalSpy>

using namespace velmora;
using namespace velmora::test;
using namespace std::chrono_literals;

namespace {

using Stage = SendProgress::Stage;
using Why = Sender::End::Why;

const QString kFirstUnit = QStringLiteral("+48601000001");
const QString kSecondUnit = QStringLiteral("+48601000002");

SendProgress sentWithReport(const QString& key)
{
    SendProgress progress(Stage::Sent);
    progress.followUpKey = key;
    return progress;
}

// One unit's sender with what it told its owner.
struct Unit {
    Unit(Outbox& outbox, QString code, QString number, std::chrono::milliseconds timeout = 1min)
        : sender(outbox, timeout), code(std::move(code)), number(std::move(number))
    {
        QObject::connect(&sender, &Sender::finished, &sender, [this](const Sender::End& end) { ends.push_back(end); });
    }

    // Three commands under the ids 0, 1 and 2, with the unit's own code.
    std::vector<Sender::Message> messages() const
    {
        return {
            {0, code + QStringLiteral("#S#")}, {1, code + QStringLiteral("#F#")}, {2, code + QStringLiteral("#E#1#")}};
    }
    void send(Route& route, bool wait) { sender.send(messages(), &route, number, wait, false); }
    Stage stage(int id) const { return sender.state(id).progress.stage; }

    Sender sender;
    QString code;
    QString number;
    std::vector<Sender::End> ends;
};

struct Fixture {
    Fixture() { outbox.start(); }

    FakeFinder finder;
    Outbox outbox{finder};
    FakeRoute modem{QStringLiteral("Modem: A")};

    QStringList handed() const
    {
        QStringList texts;
        for (const FakeRoute::Handed& handed : modem.handed()) {
            texts << handed.sms.number + QLatin1Char(':') + handed.sms.text;
        }
        return texts;
    }
    // Waits until the route holds `count` messages: the outbox hands them on from the event loop.
    bool handedCount(int count)
    {
        return QTest::qWaitFor([&] { return static_cast<int>(modem.handed().size()) >= count; }, 1000) &&
               static_cast<int>(modem.handed().size()) == count;
    }
    void reply(const QString& from, const QString& text) { finder.deliver({from, text, QDateTime::currentDateTime()}); }
};

} // namespace

class SenderTest : public QObject {
    Q_OBJECT

private slots:
    // While one unit waits for its confirmation, the other's commands go out; each follows only its own.
    void twoUnitsShareTheRouteAndKeepTheirOwnProgressAndReplies()
    {
        Fixture f;
        Unit first(f.outbox, QStringLiteral("1111"), kFirstUnit);
        Unit second(f.outbox, QStringLiteral("2222"), kSecondUnit);
        first.send(f.modem, true);
        second.send(f.modem, true);
        QVERIFY(f.handedCount(1));
        f.modem.finish(sentWithReport(QStringLiteral("r1")));
        QVERIFY(f.handedCount(2));
        QCOMPARE(first.stage(0), Stage::Sent);
        QCOMPARE(second.stage(0), Stage::Sending);
        f.modem.finish(SendProgress(Stage::Sent));

        // The second unit answers: only its row is answered, and only its next command goes.
        f.reply(QStringLiteral("601000002"), QStringLiteral("OK 2"));
        QVERIFY(f.handedCount(3));
        QCOMPARE(second.sender.state(0).reply->text, QStringLiteral("OK 2"));
        QVERIFY(!first.sender.state(0).reply);
        QCOMPARE(first.stage(1), Stage::Waiting);

        // The first unit's report confirms its own row, not the second unit's row now with the route.
        f.modem.followUp(QStringLiteral("r1"), SendProgress(Stage::Delivered));
        QCOMPARE(first.stage(0), Stage::Delivered);
        QCOMPARE(second.stage(1), Stage::Sending);
        f.modem.finish(SendProgress(Stage::Sent));
        QVERIFY(f.handedCount(4));
        QCOMPARE(f.handed(), (QStringList{"+48601000001:1111#S#", "+48601000002:2222#S#", "+48601000002:2222#F#",
                                          "+48601000001:1111#F#"}));
        QCOMPARE(first.stage(1), Stage::Sending);
        QCOMPARE(second.stage(1), Stage::Sent);
        // The first unit's text answers its own last row out, not the row the second unit awaits.
        f.reply(kFirstUnit, QStringLiteral("OK 1"));
        QCOMPARE(first.sender.state(0).reply->text, QStringLiteral("OK 1"));
        QVERIFY(!second.sender.state(1).reply);
        QVERIFY(f.handedCount(4));
    }

    // A failure, a timeout or a stop ends only its own unit's run.
    void oneUnitsEndLeavesTheOtherGoing()
    {
        struct Case {
            const char* what;
            std::function<void(Fixture&, Unit&)> end;
            Why why;
        };
        const Case cases[] = {
            {"failed",
             [](Fixture& f, Unit&) { f.modem.finish(SendProgress::failed(QStringLiteral("Sieć odrzuciła SMS"))); },
             Why::Failed},
            {"unconfirmed",
             [](Fixture& f, Unit& u) {
                 f.modem.finish(SendProgress(Stage::Sent));
                 QTRY_VERIFY(!u.sender.isSending());
             },
             Why::Unconfirmed},
            {"stopped",
             [](Fixture& f, Unit& u) {
                 u.sender.stop();
                 f.modem.finish(SendProgress(Stage::Sent));
             },
             Why::Stopped},
        };
        for (const Case& c : cases) {
            Fixture f;
            Unit first(f.outbox, QStringLiteral("1111"), kFirstUnit, 50ms);
            Unit second(f.outbox, QStringLiteral("2222"), kSecondUnit);
            first.send(f.modem, true);
            second.send(f.modem, true);
            QVERIFY(f.handedCount(1));
            c.end(f, first);
            QVERIFY2(!first.sender.isSending(), c.what);
            QCOMPARE(first.ends.size(), std::size_t(1));
            QCOMPARE(first.ends.front().why, c.why);
            QCOMPARE(first.ends.front().id, c.why == Why::Stopped ? -1 : 0);

            QVERIFY2(f.handedCount(2), c.what);
            f.modem.finish(SendProgress(Stage::Sent));
            f.reply(kSecondUnit, QStringLiteral("OK"));
            QVERIFY2(f.handedCount(3), c.what);
            QVERIFY(second.sender.isSending());
            QVERIFY(second.ends.empty());
            QCOMPARE(second.stage(1), Stage::Sending);
        }
    }

    // Resuming: what went out is never sent again, nor a message handed over whose outcome is not known.
    void startsFromKnownStatesAndSendsOnlyWhatNeverWentOut()
    {
        struct Case {
            const char* what;
            std::vector<Stage> known;
            QStringList sent;
        };
        const Case cases[] = {
            {"nothing known", {}, {"1111#S#", "1111#F#", "1111#E#1#"}},
            {"the first sent", {Stage::Sent}, {"1111#F#", "1111#E#1#"}},
            {"the first delivered, the second failed", {Stage::Delivered, Stage::Failed}, {"1111#F#", "1111#E#1#"}},
            {"the second unknown", {Stage::Sent, Stage::Sending}, {"1111#E#1#"}},
            {"the first handed to a phone", {Stage::HandedOver, Stage::Waiting}, {"1111#F#", "1111#E#1#"}},
            {"all out", {Stage::NotDelivered, Stage::Sent, Stage::Delivered}, {}},
        };
        for (const Case& c : cases) {
            Fixture f;
            Unit unit(f.outbox, QStringLiteral("1111"), kFirstUnit);
            for (std::size_t id = 0; id < c.known.size(); ++id) {
                unit.sender.setState(static_cast<int>(id), {SendProgress(c.known[id]), std::nullopt});
            }
            unit.send(f.modem, false);
            for (int i = 0; i < c.sent.size(); ++i) {
                QVERIFY2(f.handedCount(i + 1), c.what);
                f.modem.finish(SendProgress(Stage::Sent));
            }
            QVERIFY2(f.handedCount(static_cast<int>(c.sent.size())), c.what);
            QVERIFY(!unit.sender.isSending());
            QCOMPARE(unit.ends.back().why, Why::AllSent);
            QStringList texts;
            for (const FakeRoute::Handed& handed : f.modem.handed()) {
                texts << handed.sms.text;
            }
            QCOMPARE(texts, c.sent);
        }
    }

    // The owner hears of each message before the outbox has it, and may keep it back.
    void theOwnerHearsOfAHandOverBeforeItGoes()
    {
        for (const bool keepBack : {false, true}) {
            Fixture f;
            Unit unit(f.outbox, QStringLiteral("1111"), kFirstUnit);
            QList<int> logged;
            QObject::connect(&unit.sender, &Sender::handingOver, &unit.sender, [&](int id) {
                logged << f.outbox.log().rowCount();
                QCOMPARE(unit.stage(id), Stage::Waiting);
                if (keepBack) {
                    unit.sender.stop();
                }
            });
            unit.send(f.modem, false);
            QCOMPARE(logged, QList<int>{0});
            if (keepBack) {
                QVERIFY(!unit.sender.isSending());
                QCOMPARE(unit.ends.back().why, Why::Stopped);
                QCOMPARE(unit.stage(0), Stage::Waiting);
                QCOMPARE(f.outbox.log().rowCount(), 0);
                QVERIFY(f.handedCount(0));
                continue;
            }
            QCOMPARE(unit.stage(0), Stage::Sending);
            QCOMPARE(f.outbox.log().rowCount(), 1);
            QVERIFY(f.handedCount(1));
            f.modem.finish(SendProgress(Stage::Sent));
            QCOMPARE(logged, (QList<int>{0, 1}));
        }
    }

    // Its states stay as they were before the outbox took a message that was then forgotten.
    void aForgottenMessageIgnoresItsLateStagesAndReplies()
    {
        Fixture f;
        Unit unit(f.outbox, QStringLiteral("1111"), kFirstUnit);
        unit.sender.send({{7, QStringLiteral("1111#S#")}}, &f.modem, kFirstUnit, false, false);
        QVERIFY(f.handedCount(1));
        f.modem.finish(sentWithReport(QStringLiteral("r7")));
        QVERIFY(!unit.sender.isSending());
        QSignalSpy changes(&unit.sender, &Sender::stateChanged);
        unit.sender.forget(7);
        f.modem.followUp(QStringLiteral("r7"), SendProgress(Stage::Delivered));
        f.reply(kFirstUnit, QStringLiteral("OK"));
        QVERIFY(changes.isEmpty());
        QCOMPARE(unit.stage(7), Stage::Waiting);
    }
};

VELMORA_TEST_MAIN(SenderTest)
#include "sender_test.moc"
