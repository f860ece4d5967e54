#include "combinedfinder.h"
#include "fakeroutes.h"
#include "outbox.h"
#include "testmain.h"

#include <QSignalSpy>

using namespace velmora;
using namespace velmora::test;

namespace {

using Stage = SendProgress::Stage;

const OutgoingSms kFirst{QStringLiteral("+48601123456"), QStringLiteral("1234#S#")};
const OutgoingSms kSecond{QStringLiteral("+48601123456"), QStringLiteral("1234#F#")};

// The stages reported for one ticket, in order.
QList<Stage> stagesOf(const QSignalSpy& spy, int ticket)
{
    QList<Stage> stages;
    for (const QList<QVariant>& report : spy) {
        if (report.at(0).toInt() == ticket) {
            stages << report.at(1).value<SendProgress>().stage;
        }
    }
    return stages;
}

// A final stage that the route will follow up under `key`.
SendProgress withKey(Stage stage, const QString& key)
{
    SendProgress progress(stage);
    progress.followUpKey = key;
    return progress;
}

struct Fixture {
    FakeFinder finder;
    Outbox outbox{finder};
    QSignalSpy reports{&outbox, &Outbox::progressed};
    SmsLog& log = outbox.log();

    QString logged(int row, int column) const { return log.index(row, column).data().toString(); }
};

} // namespace

class OutboxTest : public QObject {
    Q_OBJECT

private slots:
    void messagesGoOutOneAtATimeInTheOrderPressed()
    {
        Fixture f;
        FakeRoute modem(QStringLiteral("Modem: A"));
        FakeRoute phone(QStringLiteral("Telefon: B"));
        const int first = f.outbox.send(&modem, kFirst, false);
        const int second = f.outbox.send(&phone, kSecond, false);
        QTRY_COMPARE(modem.handed().size(), std::size_t(1));
        QCOMPARE(modem.handed().front().sms.text, kFirst.text);
        QVERIFY(phone.handed().empty());
        QCOMPARE(stagesOf(f.reports, second), QList<Stage>{Stage::Waiting});

        modem.finish({Stage::Sent});
        QCOMPARE(phone.handed().size(), std::size_t(1));
        QCOMPARE(phone.handed().front().sms.text, kSecond.text);
        phone.finish({Stage::HandedOver, QStringLiteral("B")});
        QCOMPARE(stagesOf(f.reports, first), (QList<Stage>{Stage::Sending, Stage::Sent}));
        QCOMPARE(stagesOf(f.reports, second), (QList<Stage>{Stage::Waiting, Stage::Sending, Stage::HandedOver}));
        QCOMPARE(modem.handed().size(), std::size_t(1));
    }

    // Nothing is reported before the caller holds its ticket, even when the route refuses at once.
    void theTicketComesBeforeAnyReport()
    {
        Fixture f;
        FakeRoute locked(QStringLiteral("Modem: A"));
        locked.answerAtOnce(SendProgress::failed(QStringLiteral("PIN")));
        const int ticket = f.outbox.send(&locked, kFirst, false);
        QVERIFY(f.reports.isEmpty());
        QCOMPARE(f.logged(ticket, SmsLog::State), QStringLiteral("w kolejce"));
        QTRY_COMPARE(stagesOf(f.reports, ticket), (QList<Stage>{Stage::Sending, Stage::Failed}));
    }

    // A route that ends a message inside send() must not stall or reorder the queue.
    void aRouteThatRefusesAtOnceLetsTheNextGo()
    {
        Fixture f;
        FakeRoute locked(QStringLiteral("Modem: A"));
        locked.answerAtOnce(SendProgress::failed(QStringLiteral("PIN")));
        FakeRoute modem(QStringLiteral("Modem: B"));
        const int first = f.outbox.send(&locked, kFirst, false);
        const int second = f.outbox.send(&modem, kSecond, false);
        QTRY_COMPARE(modem.handed().size(), std::size_t(1));
        QCOMPARE(stagesOf(f.reports, first), (QList<Stage>{Stage::Sending, Stage::Failed}));
        QCOMPARE(stagesOf(f.reports, second), QList<Stage>{Stage::Sending});
    }

    void aRouteThatVanishesFailsItsMessagesAndTheQueueGoesOn()
    {
        Fixture f;
        auto* unplugged = new FakeRoute(QStringLiteral("Modem: A"));
        auto* queued = new FakeRoute(QStringLiteral("Modem: B"));
        FakeRoute phone(QStringLiteral("Telefon: C"));
        const int sending = f.outbox.send(unplugged, kFirst, false);
        const int waiting = f.outbox.send(queued, kSecond, false);
        const int last = f.outbox.send(&phone, kSecond, false);
        QTRY_COMPARE(unplugged->handed().size(), std::size_t(1));
        delete queued;
        delete unplugged;
        QCOMPARE(stagesOf(f.reports, sending).last(), Stage::Failed);
        QCOMPARE(stagesOf(f.reports, waiting).last(), Stage::Failed);
        QCOMPARE(phone.handed().size(), std::size_t(1));
        QCOMPARE(stagesOf(f.reports, last).last(), Stage::Sending);
        QVERIFY(f.logged(sending, SmsLog::State).startsWith(QStringLiteral("błąd: ")));
    }

    void theLogShowsEachMessageWithItsState_data()
    {
        QTest::addColumn<SendProgress>("progress");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("delivery");
        QTest::newRow("sent, a report to come") << withKey(Stage::Sent, QStringLiteral("1"))
                                                << QStringLiteral("wysłano") << QStringLiteral("Czeka na raport");
        QTest::newRow("sent, no report to come")
            << SendProgress(Stage::Sent) << QStringLiteral("wysłano") << QStringLiteral("Bez raportu");
        QTest::newRow("handed over") << SendProgress(Stage::HandedOver, QStringLiteral("Pixel"))
                                     << QStringLiteral("przekazano do telefonu Pixel")
                                     << QStringLiteral("Nieznane (telefon nie zgłasza)");
        QTest::newRow("failed") << SendProgress::failed(QStringLiteral("modem jest wyłączony."), QStringLiteral("raw"))
                                << QStringLiteral("błąd: modem jest wyłączony.") << QString();
    }

    void theLogShowsEachMessageWithItsState()
    {
        QFETCH(SendProgress, progress);
        QFETCH(QString, state);
        QFETCH(QString, delivery);
        Fixture f;
        FakeRoute modem(QStringLiteral("Modem: A"));
        const int row = f.outbox.send(&modem, kFirst, false);
        QTRY_COMPARE(f.logged(row, SmsLog::State), QStringLiteral("wysyłanie"));
        modem.finish(progress);
        QCOMPARE(f.log.rowCount(), 1);
        QCOMPARE(f.logged(row, SmsLog::Direction), QStringLiteral("wysłany"));
        QCOMPARE(f.logged(row, SmsLog::Number), kFirst.number);
        QCOMPARE(f.logged(row, SmsLog::Text), kFirst.text);
        QCOMPARE(f.logged(row, SmsLog::State), state);
        QCOMPARE(f.log.index(row, SmsLog::State).data(Qt::ToolTipRole).toString(), progress.technical);
        QCOMPARE(f.logged(row, SmsLog::Delivery), delivery);
    }

    // Reports come in any order, each under its own message's ticket; the row keeps when and how it went.
    void deliveryReportsFollowUpTheirMessages()
    {
        Fixture f;
        FakeRoute modem(QStringLiteral("Modem: A"));
        const int first = f.outbox.send(&modem, kFirst, false);
        QTRY_COMPARE(modem.handed().size(), std::size_t(1));
        SendProgress sent = withKey(Stage::Sent, QStringLiteral("/sms/1"));
        sent.at = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7));
        modem.finish(sent);
        const int second = f.outbox.send(&modem, kSecond, false);
        QTRY_COMPARE(modem.handed().size(), std::size_t(2));
        modem.finish(withKey(Stage::Sent, QStringLiteral("/sms/2")));

        SendProgress delivered(Stage::Delivered, {}, QStringLiteral("kod raportu doręczenia 0x00"));
        delivered.at = QDateTime(QDate(2026, 12, 8), QTime(9, 6, 40));
        modem.followUp(QStringLiteral("/sms/2"), delivered);
        modem.followUp(QStringLiteral("/sms/1"), {Stage::DeliveryPending, {}, QStringLiteral("kod 0x21")});
        QCOMPARE(f.logged(first, SmsLog::Delivery), QStringLiteral("Doręczenie w toku"));
        modem.followUp(QStringLiteral("/sms/1"), {Stage::NotDelivered, QStringLiteral("ważność wiadomości minęła"),
                                                  QStringLiteral("kod raportu doręczenia 0x46")});

        QCOMPARE(stagesOf(f.reports, first),
                 (QList<Stage>{Stage::Sending, Stage::Sent, Stage::DeliveryPending, Stage::NotDelivered}));
        QCOMPARE(stagesOf(f.reports, second), (QList<Stage>{Stage::Sending, Stage::Sent, Stage::Delivered}));
        QCOMPARE(f.logged(second, SmsLog::Delivery), QStringLiteral("Doręczono 09:06:40"));
        QCOMPARE(f.logged(first, SmsLog::Delivery), QStringLiteral("Nie doręczono: ważność wiadomości minęła"));
        QCOMPARE(f.log.index(first, SmsLog::Delivery).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("kod raportu doręczenia 0x46"));
        QCOMPARE(f.logged(first, SmsLog::State), QStringLiteral("wysłano"));
        QCOMPARE(f.logged(first, SmsLog::Time), QStringLiteral("09:05:07"));
        QCOMPARE(f.log.rowCount(), 2);
    }

    // A follow-up counts only for a message its route reported sent with that key; keys are each route's own.
    void onlyAMessageSentWithItsKeyIsFollowedUp()
    {
        Fixture f;
        FakeRoute modem(QStringLiteral("Modem: A"));
        FakeRoute other(QStringLiteral("Modem: B"));
        const int failed = f.outbox.send(&modem, kFirst, false);
        QTRY_COMPARE(modem.handed().size(), std::size_t(1));
        modem.finish(SendProgress::failed(QStringLiteral("PIN")));
        const int sent = f.outbox.send(&other, kSecond, false);
        QTRY_COMPARE(other.handed().size(), std::size_t(1));
        other.finish(withKey(Stage::Sent, QStringLiteral("1")));
        const qsizetype before = f.reports.size();

        modem.followUp(QStringLiteral("1"), {Stage::Delivered});
        modem.followUp(QString(), {Stage::Delivered});
        other.followUp(QStringLiteral("2"), {Stage::Delivered});
        other.followUp(QStringLiteral("1"), {Stage::Sent});
        QCOMPARE(f.reports.size(), before);
        other.followUp(QStringLiteral("1"), {Stage::Delivered});
        QCOMPARE(stagesOf(f.reports, sent).last(), Stage::Delivered);
        QCOMPARE(stagesOf(f.reports, failed).last(), Stage::Failed);
        QCOMPARE(f.logged(failed, SmsLog::Delivery), QString());
    }

    // The unit answers from the number its commands went to, in whatever form the network writes it.
    void repliesFromTheUnitAreLoggedAndAnnounced()
    {
        Fixture f;
        QSignalSpy replies(&f.outbox, &Outbox::replyReceived);
        QSignalSpy started(&f.outbox, &Outbox::started);
        f.outbox.start();
        f.outbox.start();
        QCOMPARE(f.finder.starts(), 1);
        QCOMPARE(started.size(), 1);
        FakeRoute modem(QStringLiteral("Modem: A"));
        f.outbox.send(&modem, kFirst, false);
        const QDateTime at(QDate(2026, 12, 8), QTime(12, 30, 5));
        f.finder.deliver({QStringLiteral("+48 500 000 000"), QStringLiteral("spam"), at});
        f.finder.deliver({QStringLiteral("601123456"), QStringLiteral("OK"), at});
        QCOMPARE(replies.size(), 1);
        QCOMPARE(f.log.rowCount(), 2);
        QCOMPARE(f.logged(1, SmsLog::Direction), QStringLiteral("odebrany"));
        QCOMPARE(f.logged(1, SmsLog::Text), QStringLiteral("OK"));
        QCOMPARE(f.logged(1, SmsLog::Time), QStringLiteral("12:30:05"));
        QCOMPARE(f.logged(1, SmsLog::State), QStringLiteral("odebrano"));
    }

    // Modems and phones in one list, in the order of their finders; without any, what each kind needs.
    void finderOfBothKindsListsModemsThenPhones()
    {
        FakeFinder modems;
        FakeFinder phones;
        CombinedFinder both({&modems, &phones});
        QSignalSpy changed(&both, &RouteFinder::routesChanged);
        QSignalSpy received(&both, &RouteFinder::received);
        QCOMPARE(both.absenceReason(), QStringLiteral("Brak drogi. Brak drogi."));
        FakeRoute modem(QStringLiteral("Modem: A"));
        FakeRoute phone(QStringLiteral("Telefon: B"));
        phones.setRoutes({&phone});
        modems.setRoutes({&modem});
        QCOMPARE(both.routes(), (QList<Route*>{&modem, &phone}));
        QCOMPARE(changed.size(), 2);
        phones.deliver({QStringLiteral("+48601123456"), QStringLiteral("OK"), QDateTime::currentDateTime()});
        QCOMPARE(received.size(), 1);
        both.start();
        QCOMPARE(modems.starts(), 1);
        QCOMPARE(phones.starts(), 1);
    }

    void numbersAreComparedByTheirDigits_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("plus") << QStringLiteral("+48601123456") << QStringLiteral("48601123456") << true;
        QTest::newRow("00") << QStringLiteral("0048601123456") << QStringLiteral("+48601123456") << true;
        QTest::newRow("national") << QStringLiteral("601123456") << QStringLiteral("+48601123456") << true;
        QTest::newRow("other") << QStringLiteral("+48601123457") << QStringLiteral("+48601123456") << false;
        QTest::newRow("short tail") << QStringLiteral("123456") << QStringLiteral("+48601123456") << false;
        QTest::newRow("empty") << QString() << QString() << false;
    }

    void numbersAreComparedByTheirDigits()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QCOMPARE(isSameNumber(a, b), same);
        QCOMPARE(isSameNumber(b, a), same);
    }

    void aNumberToSendToHasItsCountryCode_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<bool>("valid");
        QTest::newRow("Polish") << QStringLiteral("48601123456") << true;
        QTest::newRow("national only") << QStringLiteral("60112345") << false;
        QTest::newRow("leading zero") << QStringLiteral("0048601123456") << false;
        QTest::newRow("16 digits") << QStringLiteral("4860112345678901") << false;
        QTest::newRow("15 digits") << QStringLiteral("486011234567890") << true;
        QTest::newRow("plus") << QStringLiteral("+48601123456") << false;
    }

    void aNumberToSendToHasItsCountryCode()
    {
        QFETCH(QString, digits);
        QFETCH(bool, valid);
        QCOMPARE(isInternationalNumber(digits), valid);
    }
};

VELMORA_TEST_MAIN(OutboxTest)
#include "outbox_test.moc"
