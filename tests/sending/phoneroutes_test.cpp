#include "kdeconnectmock.h"
#include "phoneroutes.h"
#include "privatebus.h"
#include "testmain.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <memory>

using namespace velmora;
using namespace velmora::test;

namespace {

using Stage = SendProgress::Stage;

const QString kPhone = QStringLiteral("a1b2c3");
const OutgoingSms kCommand{QStringLiteral("+48601123456"), QStringLiteral("1234#MCI#1#Drzwi {A} [B] ~#")};

QStringList labels(const RouteFinder& finder)
{
    QStringList labels;
    for (const Route* route : finder.routes()) {
        labels << route->label();
    }
    return labels;
}

// The last report of a route once it has ended its message, or nothing while it has not.
std::optional<SendProgress> finalReport(const QSignalSpy& reports)
{
    if (reports.isEmpty()) {
        return std::nullopt;
    }
    const auto last = reports.last().at(0).value<SendProgress>();
    return last.isFinal() ? std::optional(last) : std::nullopt;
}

} // namespace

// The phone route against a stand-in of the KDE Connect daemon on a private session bus.
class PhoneRoutesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(directory_.isValid());
        QVERIFY2(bus_.start(), qPrintable(bus_.errorString()));
    }

    void init()
    {
        kdeConnect_ = std::make_unique<KdeConnectMock>(directory_.filePath(
            QStringLiteral("kdeconnect-%1.log").arg(QString::fromLatin1(QTest::currentTestFunction()))));
        QVERIFY2(kdeConnect_->start(bus_.connection()), qPrintable(kdeConnect_->errorString()));
        finder_ = std::make_unique<PhoneFinder>(std::chrono::seconds(1));
    }

    void cleanup()
    {
        if (QTest::currentTestFailed()) {
            qInfo().noquote() << kdeConnect_->log();
        }
        finder_.reset();
        kdeConnect_->stop();
    }

    void offersPairedPhonesInReachWithTheirSmsPlugin()
    {
        QVERIFY(kdeConnect_->addPhone(kPhone, QStringLiteral("Pixel 7")));
        QVERIFY(kdeConnect_->addPhone(QStringLiteral("tablet"), QStringLiteral("Tablet"), /*sms*/ false));
        finder_->start();
        QTRY_COMPARE(labels(*finder_), QStringList{QStringLiteral("Telefon: Pixel 7")});

        QSignalSpy changed(finder_.get(), &RouteFinder::routesChanged);
        QVERIFY(kdeConnect_->addPhone(QStringLiteral("moto"), QStringLiteral("Moto g")));
        QTRY_COMPARE(labels(*finder_),
                     (QStringList{QStringLiteral("Telefon: Pixel 7"), QStringLiteral("Telefon: Moto g")}));
        QVERIFY(kdeConnect_->dropPhone(kPhone));
        QTRY_COMPARE(labels(*finder_), QStringList{QStringLiteral("Telefon: Moto g")});
        QVERIFY(!changed.isEmpty());
    }

    // The daemon gets the number as KDE Connect reads an address, and the command exactly as composed.
    void handsTheCommandToThePhoneUntouched()
    {
        Route* phone = phoneInReach();
        QVERIFY(phone);
        QSignalSpy reports(phone, &Route::progressed);
        phone->send(kCommand, false);
        QTRY_VERIFY(finalReport(reports));
        QCOMPARE(reports.first().at(0).value<SendProgress>().stage, Stage::Sending);
        QCOMPARE(finalReport(reports)->stage, Stage::HandedOver);
        QCOMPARE(finalReport(reports)->detail, QStringLiteral("Pixel 7"));

        const std::optional<QList<KdeConnectMock::Sent>> sent = kdeConnect_->sent(kPhone);
        QVERIFY2(sent, qPrintable(kdeConnect_->errorString()));
        QCOMPARE(sent->size(), 1);
        QCOMPARE(sent->front().addressForm, QStringLiteral("(s)"));
        QCOMPARE(sent->front().address, kCommand.number);
        QCOMPARE(sent->front().text, kCommand.text);
        QCOMPARE(sent->front().attachments, 0);
        QCOMPARE(sent->front().simCard, qint64(-1));
    }

    void eachFailureIsStated_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("detail");
        QTest::newRow("refused") << QStringLiteral("refused")
                                 << QStringLiteral("KDE Connect odrzucił wiadomość: the phone is locked");
        QTest::newRow("out of reach") << QStringLiteral("vanished")
                                      << QStringLiteral("telefon Pixel 7 jest niedostępny albo ma wyłączoną wtyczkę "
                                                        "SMS w KDE Connect.");
        QTest::newRow("no answer") << QStringLiteral("slow")
                                   << QStringLiteral("KDE Connect nie przekazał wiadomości do telefonu Pixel 7 w "
                                                     "ciągu 1 s.");
    }

    void eachFailureIsStated()
    {
        QFETCH(QString, fault);
        QFETCH(QString, detail);
        Route* phone = phoneInReach();
        QVERIFY(phone);
        if (fault == QLatin1String("refused")) {
            QVERIFY(kdeConnect_->refuseSends(kPhone, QStringLiteral("org.kde.kdeconnect.Error"),
                                             QStringLiteral("the phone is locked")));
        } else if (fault == QLatin1String("vanished")) {
            QVERIFY(kdeConnect_->vanishPhone(kPhone));
        } else {
            QVERIFY(kdeConnect_->delaySends(kPhone, 3));
        }
        QSignalSpy reports(phone, &Route::progressed);
        phone->send(kCommand, false);
        QTRY_VERIFY_WITH_TIMEOUT(finalReport(reports), 10000);
        QCOMPARE(finalReport(reports)->stage, Stage::Failed);
        QCOMPARE(finalReport(reports)->detail, detail);
        QVERIFY(!finalReport(reports)->technical.isEmpty());
    }

    void kdeConnectQuittingFailsTheMessageAndSaysWhatIsNeeded()
    {
        QPointer<Route> phone = phoneInReach();
        QVERIFY(phone);
        QVERIFY(kdeConnect_->delaySends(kPhone, 5));
        QSignalSpy reports(phone.data(), &Route::progressed);
        phone->send(kCommand, false);
        QTRY_COMPARE(reports.size(), 1);
        kdeConnect_->stop();
        QTRY_VERIFY(finalReport(reports));
        QCOMPARE(finalReport(reports)->stage, Stage::Failed);
        QTRY_VERIFY(finder_->routes().isEmpty());
        QVERIFY(finder_->absenceReason().startsWith(QStringLiteral("KDE Connect nie działa")));
    }

    void withoutKdeConnectSaysWhatIsNeeded()
    {
        kdeConnect_->stop();
        finder_->start();
        QTRY_VERIFY(finder_->absenceReason().startsWith(QStringLiteral("KDE Connect nie działa")));
        QVERIFY(finder_->routes().isEmpty());
    }

    void withoutAPhoneSaysWhatIsNeeded()
    {
        finder_->start();
        QTRY_VERIFY(finder_->absenceReason().startsWith(QStringLiteral("Nie znaleziono telefonu")));
    }

    // What the daemon does not announce, looking again finds: a phone whose SMS plugin was switched on unheard.
    void lookingAgainFindsWhatWentUnannounced()
    {
        QVERIFY(kdeConnect_->addPhone(kPhone, QStringLiteral("Pixel 7"), /*sms*/ false));
        QSignalSpy changed(finder_.get(), &RouteFinder::routesChanged);
        finder_->start();
        // The daemon's list, then the phone's name (its plugin off): the phone is known.
        QTRY_COMPARE(changed.size(), 2);
        QVERIFY(!finder_->isSearching());
        QVERIFY(finder_->routes().isEmpty());
        QVERIFY(kdeConnect_->switchSmsOnQuietly(kPhone));
        finder_->rescan();
        QVERIFY(finder_->isSearching());
        QTRY_COMPARE(labels(*finder_), QStringList{QStringLiteral("Telefon: Pixel 7")});
    }

    // Messages the phone received come back as replies; those it sent do not.
    void messagesThePhoneReceivedArrive()
    {
        QVERIFY(phoneInReach());
        QSignalSpy received(finder_.get(), &RouteFinder::received);
        const QDateTime at(QDate(2026, 12, 8), QTime(10, 15, 30));
        QVERIFY(kdeConnect_->forward(kPhone, QStringLiteral("+48601123456"), QStringLiteral("sent by the phone"),
                                     at.toMSecsSinceEpoch(), /*received*/ false));
        QVERIFY(kdeConnect_->forward(kPhone, QStringLiteral("+48601123456"), QStringLiteral("Czujka 1 zapisana"),
                                     at.toMSecsSinceEpoch()));
        QTRY_COMPARE(received.size(), 1);
        const auto sms = received.front().at(0).value<IncomingSms>();
        QCOMPARE(sms.number, QStringLiteral("+48601123456"));
        QCOMPARE(sms.text, QStringLiteral("Czujka 1 zapisana"));
        QCOMPARE(sms.received, at);
    }

private:
    // Pixel 7, paired, in reach, with its SMS plugin; found by the finder.
    Route* phoneInReach()
    {
        if (!kdeConnect_->addPhone(kPhone, QStringLiteral("Pixel 7"))) {
            return nullptr;
        }
        finder_->start();
        if (!QTest::qWaitFor([this] { return !finder_->routes().isEmpty(); }, 10000)) {
            return nullptr;
        }
        return finder_->routes().front();
    }

    QTemporaryDir directory_;
    PrivateBus bus_{directory_.path()};
    std::unique_ptr<KdeConnectMock> kdeConnect_;
    std::unique_ptr<PhoneFinder> finder_;
};

VELMORA_TEST_MAIN(PhoneRoutesTest)
#include "phoneroutes_test.moc"
