#include "fakeroutes.h"
#include "plan.h"
#include "stagewords.h"
#include "testmain.h"

#include <QTimeZone>
#include <ctime>

using namespace velmora;
using namespace velmora::test;

namespace {

using Stage = SendProgress::Stage;

// Central European time, as a rule of its own, so that it holds on a machine without the zone database.
constexpr const char* kZone = "CET-1CEST,M3.5.0,M10.5.0/3";

QDateTime utc(int month, int hours, int minutes, int seconds)
{
    return QDateTime(QDate(2026, month, 8), QTime(hours, minutes, seconds), QTimeZone::utc());
}

SendProgress stage(Stage stage, QString detail, const QDateTime& at)
{
    SendProgress progress(stage, std::move(detail));
    progress.at = at;
    return progress;
}

} // namespace

class StageWordsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(utc(12, 8, 0, 0).toLocalTime().offsetFromUtc() == 3600, "the test runs in Central European time");
    }

    // Each place's words, letter for letter; a time in UTC shows on the computer's clock.
    void eachPlaceWordsEachStageItsOwnWay_data()
    {
        QTest::addColumn<SendProgress>("progress");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("plan");
        const QDateTime at = utc(12, 8, 6, 40);
        QTest::newRow("waiting") << stage(Stage::Waiting, {}, at)
                                 << QStringLiteral("W kolejce: najpierw zostaną wysłane wcześniejsze wiadomości.")
                                 << QStringLiteral("w kolejce") << QStringLiteral("czeka");
        QTest::newRow("sending") << stage(Stage::Sending, {}, at) << QStringLiteral("Wysyłanie…")
                                 << QStringLiteral("wysyłanie") << QStringLiteral("wysyłanie");
        QTest::newRow("sent") << stage(Stage::Sent, {}, at) << QStringLiteral("Wysłano 09:06:40")
                              << QStringLiteral("wysłano") << QStringLiteral("wysłano 09:06:40");
        QTest::newRow("handed over") << stage(Stage::HandedOver, QStringLiteral("Pixel 7"), at)
                                     << QStringLiteral("Przekazano do telefonu Pixel 7 (09:06:40)")
                                     << QStringLiteral("przekazano do telefonu Pixel 7")
                                     << QStringLiteral("przekazano do telefonu 09:06:40");
        QTest::newRow("failed") << stage(Stage::Failed, QStringLiteral("modem został odłączony."), at)
                                << QStringLiteral("Nie wysłano: modem został odłączony.")
                                << QStringLiteral("błąd: modem został odłączony.")
                                << QStringLiteral("błąd: modem został odłączony.");
        QTest::newRow("pending") << stage(Stage::DeliveryPending, {}, at) << QStringLiteral("Doręczenie w toku")
                                 << QStringLiteral("Doręczenie w toku") << QString();
        QTest::newRow("delivered") << stage(Stage::Delivered, {}, at) << QStringLiteral("Doręczono 09:06:40")
                                   << QStringLiteral("Doręczono 09:06:40") << QStringLiteral("doręczono 09:06:40");
        QTest::newRow("delivered in summer")
            << stage(Stage::Delivered, {}, utc(7, 8, 6, 40)) << QStringLiteral("Doręczono 10:06:40")
            << QStringLiteral("Doręczono 10:06:40") << QStringLiteral("doręczono 10:06:40");
        QTest::newRow("not delivered") << stage(Stage::NotDelivered, QStringLiteral("numer nieosiągalny"), at)
                                       << QStringLiteral("Nie doręczono: numer nieosiągalny")
                                       << QStringLiteral("Nie doręczono: numer nieosiągalny")
                                       << QStringLiteral("nie doręczono: numer nieosiągalny");
        QTest::newRow("a reason like a placeholder")
            << stage(Stage::Failed, QStringLiteral("{time} %1"), at) << QStringLiteral("Nie wysłano: {time} %1")
            << QStringLiteral("błąd: {time} %1") << QStringLiteral("błąd: {time} %1");
    }

    void eachPlaceWordsEachStageItsOwnWay()
    {
        QFETCH(SendProgress, progress);
        QFETCH(QString, window);
        QFETCH(QString, log);
        QFETCH(QString, plan);
        QCOMPARE(describe(progress, StagePlace::Window), window);
        QCOMPARE(describe(progress, StagePlace::Log), log);
        QCOMPARE(describe(progress, StagePlace::Plan), plan);
    }

    void aReplyIsWordedAtEachPlace()
    {
        const IncomingSms sms{QStringLiteral("+48601123456"), QStringLiteral("Nazwa zapisana"), utc(12, 8, 7, 5)};
        QCOMPARE(describeReply(sms, StagePlace::Window), QStringLiteral("Nowa odpowiedź centrali (09:07:05): Nazwa "
                                                                        "zapisana"));
        QCOMPARE(describeReply(sms, StagePlace::Log), QStringLiteral("odebrano"));
        QCOMPARE(describeReply(sms, StagePlace::Plan), QStringLiteral("odpowiedź 09:07:05: Nazwa zapisana"));
    }

    // The network stamps its report in UTC: the plan's row and the log show it alike, on the computer's clock.
    void aPlanRowAndTheLogShowADeliveryAtTheSameLocalTime()
    {
        FakeFinder finder;
        Outbox outbox(finder);
        outbox.start();
        Plan plan(outbox);
        plan.add(QStringLiteral("Definiowanie trybu serwisowego"), QStringLiteral("1234#S#"));
        plan.add(QStringLiteral("Definiowanie opcji echo"), QStringLiteral("1234#E#1#"));
        FakeRoute modem(QStringLiteral("Modem: A"));
        plan.send(&modem, QStringLiteral("+48601123456"), true, false);
        QTRY_COMPARE(modem.handed().size(), std::size_t(1));
        SendProgress sent(Stage::Sent);
        sent.followUpKey = QStringLiteral("/sms/1");
        modem.finish(sent);
        modem.followUp(QStringLiteral("/sms/1"), stage(Stage::Delivered, {}, utc(12, 8, 6, 40)));
        QCOMPARE(plan.index(0, Plan::State).data().toString(), QStringLiteral("doręczono 09:06:40"));
        QCOMPARE(outbox.log().index(0, SmsLog::Delivery).data().toString(), QStringLiteral("Doręczono 09:06:40"));

        QTRY_COMPARE(modem.handed().size(), std::size_t(2));
        modem.finish(SendProgress(Stage::Sent));
        finder.deliver({QStringLiteral("+48601123456"), QStringLiteral("Echo włączone"), utc(12, 8, 7, 5)});
        QCOMPARE(plan.index(1, Plan::State).data().toString(), QStringLiteral("odpowiedź 09:07:05: Echo włączone"));
        QCOMPARE(outbox.log().index(2, SmsLog::Time).data().toString(), QStringLiteral("09:07:05"));
    }
};

int main(int argc, char** argv)
{
    qputenv("TZ", kZone);
    tzset();
    velmora::test::prepareHeadless();
    QApplication app(argc, argv);
    StageWordsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "stagewords_test.moc"
