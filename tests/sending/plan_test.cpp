#include "fakeroutes.h"
#include "plan.h"
#include "testmain.h"

#include <QSignalSpy>
#include <functional>

using namespace velmora;
using namespace velmora::test;
using namespace std::chrono_literals;

namespace {

using Stage = SendProgress::Stage;

const QString kNumber = QStringLiteral("+48601123456");
const QDateTime kNoon(QDate(2026, 12, 8), QTime(12, 0, 0));

SendProgress at(Stage stage, int seconds, QString detail = {})
{
    SendProgress progress(stage, std::move(detail));
    progress.at = kNoon.addSecs(seconds);
    return progress;
}

SendProgress sentWithReport(const QString& key)
{
    SendProgress progress = at(Stage::Sent, 1);
    progress.followUpKey = key;
    return progress;
}

struct Fixture {
    Fixture()
    {
        outbox.start();
        for (const char* code : {"S", "F", "E#1", "L#10"}) {
            plan.add(QStringLiteral("Operacja %1").arg(QLatin1String(code)),
                     QStringLiteral("1234#%1#").arg(QLatin1String(code)));
        }
    }

    FakeFinder finder;
    Outbox outbox{finder};
    Plan plan{outbox, 200ms};
    FakeRoute modem{QStringLiteral("Modem: A")};

    QStringList column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < plan.rowCount(); ++row) {
            texts << plan.index(row, column).data().toString();
        }
        return texts;
    }
    QStringList states() const { return column(Plan::State); }
    QStringList handed() const
    {
        QStringList texts;
        for (const FakeRoute::Handed& handed : modem.handed()) {
            texts << handed.sms.text;
        }
        return texts;
    }
    void send(bool wait) { plan.send(&modem, kNumber, wait, false); }
    // Waits until the route holds `count` messages: the outbox hands them on from the event loop.
    bool handedCount(int count)
    {
        return QTest::qWaitFor([&] { return static_cast<int>(modem.handed().size()) >= count; }, 1000) &&
               static_cast<int>(modem.handed().size()) == count;
    }
    void reply(const QString& text, const QString& from = kNumber) { finder.deliver({from, text, kNoon.addSecs(30)}); }
};

} // namespace

class PlanTest : public QObject {
    Q_OBJECT

private slots:
    void rowsMoveAndGoOutInTheirNewOrder()
    {
        struct Case {
            const char* what;
            std::function<bool(Plan&)> change;
            bool changed;
            QStringList order;
        };
        const Case cases[] = {
            {"up", [](Plan& p) { return p.moveUp(2); }, true, {"S", "E#1", "F", "L#10"}},
            {"down", [](Plan& p) { return p.moveDown(0); }, true, {"F", "S", "E#1", "L#10"}},
            {"first up", [](Plan& p) { return p.moveUp(0); }, false, {"S", "F", "E#1", "L#10"}},
            {"last down", [](Plan& p) { return p.moveDown(3); }, false, {"S", "F", "E#1", "L#10"}},
            {"removed", [](Plan& p) { return p.remove(1); }, true, {"S", "E#1", "L#10"}},
            {"removed last", [](Plan& p) { return p.remove(3); }, true, {"S", "F", "E#1"}},
            {"out of range", [](Plan& p) { return p.remove(4) || p.moveDown(-1); }, false, {"S", "F", "E#1", "L#10"}},
        };
        for (const Case& c : cases) {
            Fixture f;
            QCOMPARE(c.change(f.plan), c.changed);
            QStringList titles, commands, positions;
            for (int i = 0; i < c.order.size(); ++i) {
                titles << QStringLiteral("Operacja ") + c.order[i];
                commands << QStringLiteral("1234#%1#").arg(c.order[i]);
                positions << QString::number(i + 1);
            }
            QCOMPARE(f.column(Plan::Title), titles);
            QCOMPARE(f.column(Plan::Position), positions);
            QCOMPARE(f.column(Plan::Command), commands);

            f.send(false);
            for (int i = 0; i < c.order.size(); ++i) {
                QVERIFY2(f.handedCount(i + 1), c.what);
                f.modem.finish({Stage::Sent});
            }
            QCOMPARE(f.handed(), commands);
        }
    }

    // The units' history learns each command's operation from the message itself.
    void eachMessageCarriesItsRowsTitle()
    {
        Fixture f;
        f.send(false);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(f.handedCount(i + 1));
            f.modem.finish({Stage::Sent});
        }
        QStringList titles;
        for (const FakeRoute::Handed& handed : f.modem.handed()) {
            titles << handed.sms.title;
        }
        QCOMPARE(titles, (QStringList{"Operacja S", "Operacja F", "Operacja E#1", "Operacja L#10"}));
    }

    // Closing the program loses rows still to go out that are in no file; a save keeps them until the next change.
    void knowsTheRowsNeitherSentNorSaved()
    {
        Fixture f;
        QVERIFY(f.plan.hasUnsavedRows());
        f.plan.markSaved(QStringLiteral("centrala.plan"));
        QVERIFY(!f.plan.hasUnsavedRows());
        QCOMPARE(f.plan.status(), QStringLiteral("Zapisano plan: centrala.plan"));
        QVERIFY(f.plan.moveDown(0));
        QVERIFY(f.plan.hasUnsavedRows());
        QCOMPARE(f.plan.status(), QString());
        QVERIFY(f.plan.replace({{QStringLiteral("Echo"), QStringLiteral("#E#1#")}}));
        QVERIFY(!f.plan.hasUnsavedRows());
        f.plan.setIku(QStringLiteral("1234"));
        QVERIFY(!f.plan.hasUnsavedRows());
        QCOMPARE(f.plan.add(QStringLiteral("Operacja S"), QStringLiteral("1234#S#")), QString());
        QVERIFY(f.plan.hasUnsavedRows());
        f.send(false);
        for (int i = 0; i < 2; ++i) {
            QVERIFY(f.handedCount(i + 1));
            f.modem.finish({Stage::Sent});
        }
        QVERIFY(!f.plan.isSending());
        QVERIFY(!f.plan.hasUnsavedRows());
    }

    void aCommandWithAnotherCodeIsRefusedAndChangesNothing()
    {
        Fixture f;
        QSignalSpy counts(&f.plan, &Plan::countChanged);
        const QString refusal = f.plan.add(QStringLiteral("Definiowanie trybu serwisowego"), QStringLiteral("9999#S#"));
        QCOMPARE(refusal,
                 QStringLiteral("Polecenie „Definiowanie trybu serwisowego” ma kod IKU 9999, a plan wysyłki ma kod IKU "
                                "1234, więc nie zostało do niego dodane. Zmień kod IKU planu w oknie „Plan wysyłki do "
                                "centrali” albo kod IKU na stronie i dodaj polecenie jeszcze raz. Plan pozostaje bez "
                                "zmian."));
        QCOMPARE(f.plan.rowCount(), 4);
        QCOMPARE(f.plan.iku(), QStringLiteral("1234"));
        QVERIFY(counts.isEmpty());
        QCOMPARE(f.plan.add(QStringLiteral("Echo"), QStringLiteral("1234#E#0#")), QString());
        QCOMPARE(f.column(Plan::Command).last(), QStringLiteral("1234#E#0#"));
    }

    void anotherCodeRewritesEveryRowAndGoesOut()
    {
        Fixture f;
        f.plan.setIku(QStringLiteral("5678"));
        QCOMPARE(f.column(Plan::Command), (QStringList{"5678#S#", "5678#F#", "5678#E#1#", "5678#L#10#"}));
        f.plan.setIku(QStringLiteral("56"));
        QVERIFY(!f.plan.canSend());
        f.plan.setIku(QStringLiteral("0001"));
        f.send(false);
        QVERIFY(f.handedCount(1));
        QCOMPARE(f.handed(), QStringList{"0001#S#"});
        // The code the rows carry stays as sent while the plan goes out.
        f.plan.setIku(QStringLiteral("9999"));
        QCOMPARE(f.plan.iku(), QStringLiteral("0001"));
    }

    void anOpenedPlanHasNoCodeUntilOneIsTyped()
    {
        Fixture f;
        f.send(false);
        QVERIFY(f.handedCount(1));
        f.modem.finish({Stage::Sent});
        QVERIFY(f.handedCount(2));
        f.modem.finish({Stage::Sent});
        f.plan.stop();
        QVERIFY(f.handedCount(3));
        f.modem.finish({Stage::Sent});
        QVERIFY(!f.plan.isSending());
        QVERIFY(f.plan.replace({{QStringLiteral("Tryb serwisowy"), QStringLiteral("#S#")},
                                {QStringLiteral("Echo"), QStringLiteral("#E#1#")}}));
        QCOMPARE(f.states(), (QStringList{"czeka", "czeka"}));
        QCOMPARE(f.column(Plan::Command), (QStringList{"#S#", "#E#1#"}));
        QVERIFY(!f.plan.canSend());
        QCOMPARE(f.plan.add(QStringLiteral("Fabryczne"), QStringLiteral("4321#F#")), QString());
        QCOMPARE(f.column(Plan::Command), (QStringList{"4321#S#", "4321#E#1#", "4321#F#"}));
        QCOMPARE(f.plan.items().back(), (Plan::Item{QStringLiteral("Fabryczne"), QStringLiteral("#F#")}));
    }

    void theNextRowWaitsForItsConfirmation()
    {
        struct Case {
            const char* what;
            bool wait;
            SendProgress finish;
            std::function<void(Fixture&)> confirm;
            bool nextGoes;
            QString state;
        };
        const Case cases[] = {
            {"delivered", true, sentWithReport(QStringLiteral("r1")),
             [](Fixture& f) { f.modem.followUp(QStringLiteral("r1"), at(Stage::Delivered, 9)); }, true,
             QStringLiteral("doręczono 12:00:09")},
            {"still pending", true, sentWithReport(QStringLiteral("r1")),
             [](Fixture& f) { f.modem.followUp(QStringLiteral("r1"), at(Stage::DeliveryPending, 9)); }, false,
             QStringLiteral("wysłano 12:00:01")},
            {"another message's report", true, sentWithReport(QStringLiteral("r1")),
             [](Fixture& f) { f.modem.followUp(QStringLiteral("r0"), at(Stage::Delivered, 9)); }, false,
             QStringLiteral("wysłano 12:00:01")},
            {"answered", true, at(Stage::Sent, 1), [](Fixture& f) { f.reply(QStringLiteral("OK")); }, true,
             QStringLiteral("odpowiedź 12:00:30: OK")},
            {"answered in national form", true, at(Stage::Sent, 1),
             [](Fixture& f) { f.reply(QStringLiteral("OK"), QStringLiteral("601123456")); }, true,
             QStringLiteral("odpowiedź 12:00:30: OK")},
            {"a text from elsewhere", true, at(Stage::Sent, 1),
             [](Fixture& f) { f.reply(QStringLiteral("Promocja"), QStringLiteral("+48500000000")); }, false,
             QStringLiteral("wysłano 12:00:01")},
            {"through a phone, answered", true, at(Stage::HandedOver, 1, QStringLiteral("Pixel")),
             [](Fixture& f) { f.reply(QStringLiteral("OK")); }, true, QStringLiteral("odpowiedź 12:00:30: OK")},
            {"through a phone, unanswered", true, at(Stage::HandedOver, 1, QStringLiteral("Pixel")), [](Fixture&) {},
             false, QStringLiteral("przekazano do telefonu 12:00:01")},
            {"not waiting", false, sentWithReport(QStringLiteral("r1")), [](Fixture&) {}, true,
             QStringLiteral("wysłano 12:00:01")},
        };
        for (const Case& c : cases) {
            Fixture f;
            f.send(c.wait);
            QVERIFY(f.handedCount(1));
            QCOMPARE(f.states().first(), QStringLiteral("wysyłanie"));
            f.modem.finish(c.finish);
            c.confirm(f);
            QVERIFY2(f.handedCount(c.nextGoes ? 2 : 1), c.what);
            QCOMPARE(f.states().first(), c.state);
            QCOMPARE(f.states().at(1), c.nextGoes ? QStringLiteral("wysyłanie") : QStringLiteral("czeka"));
            if (!c.nextGoes) {
                QCOMPARE(f.plan.status(), QStringLiteral("Czekanie na potwierdzenie polecenia 1 przez centralę…"));
            }
        }
    }

    // Without waiting, a late report or reply still lands in its own row.
    void aReplyAnswersTheLastRowOutBeforeTheNext()
    {
        Fixture f;
        f.send(false);
        QVERIFY(f.handedCount(1));
        f.modem.finish(sentWithReport(QStringLiteral("r1")));
        QVERIFY(f.handedCount(2));
        f.reply(QStringLiteral("1 OK")); // the second row is still on its way
        f.modem.finish(at(Stage::Sent, 2));
        QVERIFY(f.handedCount(3));
        f.modem.followUp(QStringLiteral("r1"), at(Stage::Delivered, 40)); // after its reply
        f.modem.finish(at(Stage::Sent, 3));
        f.reply(QStringLiteral("3 OK"));
        f.reply(QStringLiteral("3 raz jeszcze"));
        QCOMPARE(f.states(), (QStringList{"odpowiedź 12:00:30: 1 OK", "wysłano 12:00:02", "odpowiedź 12:00:30: 3 OK",
                                          "wysyłanie"}));
        QCOMPARE(f.outbox.log().rowCount(), 7);
    }

    void noConfirmationInTimeStopsThePlan()
    {
        Fixture f;
        QSignalSpy sending(&f.plan, &Plan::sendingChanged);
        f.send(true);
        QVERIFY(f.handedCount(1));
        f.modem.finish(at(Stage::Sent, 1));
        QTRY_VERIFY(!f.plan.isSending());
        QCOMPARE(f.plan.status(), QStringLiteral("Centrala nie potwierdziła polecenia 1 w ciągu 1 min. Plan "
                                                 "zatrzymany. „Wyślij plan” wyśle dalej od polecenia 2."));
        QCOMPARE(f.states(), (QStringList{"wysłano 12:00:01", "czeka", "czeka", "czeka"}));
        QCOMPARE(sending.size(), 2);

        // A reply after the plan gave up still shows; the next press goes on with the next row.
        f.reply(QStringLiteral("OK"));
        QCOMPARE(f.states().first(), QStringLiteral("odpowiedź 12:00:30: OK"));
        f.send(true);
        QVERIFY(f.handedCount(2));
        QCOMPARE(f.handed(), (QStringList{"1234#S#", "1234#F#"}));
    }

    void aFailureStopsAtItsRowAndTheNextPressResumesThere()
    {
        struct Case {
            const char* what;
            std::function<void(Fixture&)> fail;
            QString state;
            QString status;
            QStringList sentAfter;
        };
        const Case cases[] = {
            {"refused",
             [](Fixture& f) { f.modem.finish(SendProgress::failed(QStringLiteral("Sieć odrzuciła SMS"))); },
             QStringLiteral("błąd: Sieć odrzuciła SMS"),
             QStringLiteral("Polecenie 2 nie zostało wysłane: Sieć odrzuciła SMS. „Wyślij plan” wyśle dalej od "
                            "polecenia 2."),
             {"1234#S#", "1234#F#", "1234#F#", "1234#E#1#", "1234#L#10#"}},
            {"not delivered",
             [](Fixture& f) {
                 f.modem.finish(sentWithReport(QStringLiteral("r2")));
                 f.modem.followUp(QStringLiteral("r2"), at(Stage::NotDelivered, 50, QStringLiteral("numer nieznany")));
             },
             QStringLiteral("nie doręczono: numer nieznany"),
             QStringLiteral("Polecenie 2 nie zostało doręczone: numer nieznany. „Wyślij plan” wyśle dalej od "
                            "polecenia 3."),
             {"1234#S#", "1234#F#", "1234#E#1#", "1234#L#10#"}},
        };
        for (const Case& c : cases) {
            Fixture f;
            f.send(true);
            QVERIFY(f.handedCount(1));
            f.modem.finish(sentWithReport(QStringLiteral("r1")));
            f.modem.followUp(QStringLiteral("r1"), at(Stage::Delivered, 5));
            QVERIFY(f.handedCount(2));
            c.fail(f);
            QVERIFY2(!f.plan.isSending(), c.what);
            QCOMPARE(f.states(), (QStringList{"doręczono 12:00:05", c.state, "czeka", "czeka"}));
            QCOMPARE(f.plan.status(), c.status);

            f.send(false);
            for (int i = 2; i < c.sentAfter.size(); ++i) {
                QVERIFY2(f.handedCount(i + 1), c.what);
                f.modem.finish({Stage::Sent});
            }
            QVERIFY(!f.plan.isSending());
            QCOMPARE(f.plan.status(), QStringLiteral("Plan wysłany w całości."));
            QCOMPARE(f.handed(), c.sentAfter);
            f.send(false);
            QVERIFY(f.handedCount(c.sentAfter.size()));
        }
    }

    void aRouteThatGoesAwayFailsItsRow()
    {
        FakeFinder finder;
        Outbox outbox(finder);
        Plan plan(outbox, 200ms);
        plan.add(QStringLiteral("Tryb serwisowy"), QStringLiteral("1234#S#"));
        auto* modem = new FakeRoute(QStringLiteral("Modem: A"));
        plan.send(modem, kNumber, true, false);
        QTRY_COMPARE(modem->handed().size(), std::size_t(1));
        delete modem;
        QVERIFY(!plan.isSending());
        QCOMPARE(plan.index(0, Plan::State).data().toString(),
                 QStringLiteral("błąd: Urządzenie zniknęło w trakcie wysyłania."));
        QCOMPARE(plan.status(), QStringLiteral("Polecenie 1 nie zostało wysłane: Urządzenie zniknęło w trakcie "
                                               "wysyłania. „Wyślij plan” wyśle dalej od polecenia 1."));
    }

    void stopLetsTheMessageOnItsWayFinish()
    {
        Fixture f;
        f.send(false);
        QVERIFY(f.handedCount(1));
        QVERIFY(!f.plan.moveDown(0));
        QVERIFY(!f.plan.remove(0));
        QVERIFY(!f.plan.replace({}));
        f.plan.stop();
        QVERIFY(f.plan.isSending());
        QCOMPARE(f.plan.status(), QStringLiteral("Plan zatrzyma się po wysłaniu polecenia 1."));
        f.modem.finish(at(Stage::Sent, 1));
        QVERIFY(!f.plan.isSending());
        QCOMPARE(f.plan.status(), QStringLiteral("Plan zatrzymany. „Wyślij plan” wyśle dalej od polecenia 2."));
        QVERIFY(f.handedCount(1));
        QCOMPARE(f.states(), (QStringList{"wysłano 12:00:01", "czeka", "czeka", "czeka"}));
    }

    void stopWhileWaitingForConfirmationStopsAtOnce()
    {
        Fixture f;
        f.send(true);
        QVERIFY(f.handedCount(1));
        f.modem.finish(sentWithReport(QStringLiteral("r1")));
        f.plan.stop();
        QVERIFY(!f.plan.isSending());
        f.modem.followUp(QStringLiteral("r1"), at(Stage::Delivered, 5));
        QVERIFY(f.handedCount(1));
        QCOMPARE(f.states().first(), QStringLiteral("doręczono 12:00:05"));
    }
};

VELMORA_TEST_MAIN(PlanTest)
#include "plan_test.moc"
