#include "interfacecheck.h"
#include "modemfinder.h"
#include "modemtestbench.h"
#include "waits.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace velmora;
using namespace velmora::test;

namespace {

using Stage = SendProgress::Stage;

constexpr int waitMs = 30000;
// Long enough for any step of the simulated modem on a loaded machine; the test of silence uses a short one.
constexpr auto kTimeout = std::chrono::seconds(60);
const QString kService = QStringLiteral("org.freedesktop.ModemManager1");
// Characters of the GSM alphabet's extension table, each sent as two septets.
const OutgoingSms kCommand{QStringLiteral("+48601123456"), QStringLiteral("1234#MCI#1#Drzwi {A} [B] |C| ~#")};

QDBusMessage callModemManager(const QString& path, const QString& interface, const QString& method,
                              const QVariantList& arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, path, interface, method);
    call.setArguments(arguments);
    return callAndWait(QDBusConnection::systemBus(), call, waitMs);
}

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The program's description of a ModemManager interface, as its proxies are generated from it.
QString programInterface(const QString& name)
{
    return readFile(QDir(QStringLiteral(VELMORA_DBUS_INTERFACES)).filePath(name + QStringLiteral(".xml")));
}

} // namespace

// The modem route against the real ModemManager driving a simulated modem, on a private bus.
class ModemRoutesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(bench_.start(), qPrintable(bench_.errorString())); }

    void init()
    {
        QVERIFY2(bench_.startModemManager(), qPrintable(bench_.errorString()));
        QVERIFY2(bench_.polkit().allowModemManager(), qPrintable(bench_.polkit().errorString()));
        finder_ = std::make_unique<ModemFinder>(kTimeout);
    }

    void cleanup()
    {
        if (QTest::currentTestFailed()) {
            qInfo().noquote() << bench_.diagnostics();
        }
        finder_.reset();
        bench_.stopModemManager();
        modem_ = nullptr;
    }

    void offersTheModemByItsMakerModelAndNumber()
    {
        ModemProfile profile;
        profile.manufacturer = QStringLiteral("Huawei");
        profile.model = QStringLiteral("E3372");
        profile.ownNumber = QStringLiteral("+48500100200");
        Route* route = plugIn(profile);
        QVERIFY(route);
        QCOMPARE(route->label(), QStringLiteral("Modem: Huawei E3372 (+48500100200)"));
        QCOMPARE(route->consentQuestion(),
                 QStringLiteral("Modem Huawei E3372 jest wyłączony. Włączyć go, aby wysłać SMS?"));
    }

    // The proxies are generated from the program's own copy of ModemManager's interfaces: each member it uses
    // must be the daemon's, argument for argument.
    void theProgramSpeaksModemManagersInterfaces()
    {
        QVERIFY(plugIn());
        QVERIFY(switchOn());
        const QString modemPath = bench_.modemPath(*modem_);
        const QDBusMessage created = callModemManager(
            modemPath, QStringLiteral("org.freedesktop.ModemManager1.Modem.Messaging"), QStringLiteral("Create"),
            {QVariantMap{{QStringLiteral("number"), kCommand.number}, {QStringLiteral("text"), kCommand.text}}});
        QCOMPARE(created.errorName(), QString());
        const QString smsPath = created.arguments().front().value<QDBusObjectPath>().path();
        const QString modemXml = introspect(modemPath);
        const QString smsXml = introspect(smsPath);
        for (const auto& [name, service] :
             {std::pair{QStringLiteral("org.freedesktop.ModemManager1.Modem"), modemXml},
              std::pair{QStringLiteral("org.freedesktop.ModemManager1.Modem.Messaging"), modemXml},
              std::pair{QStringLiteral("org.freedesktop.ModemManager1.Sms"), smsXml},
              std::pair{QStringLiteral("org.freedesktop.DBus.Properties"), smsXml}}) {
            const QString program = programInterface(name);
            QVERIFY2(!program.isEmpty(), qPrintable(name));
            QCOMPARE(interfaceDifferences(program, service), QStringList());
        }
        // The check sees a difference where there is one.
        QString wrong = programInterface(QStringLiteral("org.freedesktop.ModemManager1.Modem"));
        wrong.replace(QStringLiteral("name=\"enable\" type=\"b\""), QStringLiteral("name=\"enable\" type=\"i\""));
        QCOMPARE(interfaceDifferences(wrong, modemXml).size(), 1);
    }

    // Switched on with consent, then the command goes to "+" and the number, exactly, in the GSM alphabet, asking
    // the network for a delivery report.
    void sendsTheCommandInTheGsmAlphabetToTheUnitsNumber()
    {
        Route* route = plugIn();
        QVERIFY(route);
        const std::optional<SendProgress> end = sendAndWait(route, /*consented*/ true);
        QVERIFY(end);
        QCOMPARE(end->stage, Stage::Sent);
        QCOMPARE(modem_->submittedPdus().size(), 1);
        const std::optional<pdu::Submit> submit = modem_->lastSubmit();
        QVERIFY(submit);
        QCOMPARE(submit->destination, kCommand.number);
        QCOMPARE(submit->text, kCommand.text);
        QCOMPARE(submit->alphabet, pdu::Alphabet::Gsm7);
        QVERIFY(!submit->hasUserDataHeader);
        QVERIFY(submit->statusReportRequested);
        QCOMPARE(route->consentQuestion(), QString());
        // The message stays on the modem: its delivery report will refer to it.
        QCOMPARE(storedMessages(), QList<QDBusObjectPath>{QDBusObjectPath(end->followUpKey)});
    }

    void aSwitchedOffModemIsSwitchedOnOnlyWithConsent()
    {
        Route* route = plugIn();
        QVERIFY(route);
        QVERIFY(!route->consentQuestion().isEmpty());
        const std::optional<SendProgress> refused = sendAndWait(route, /*consented*/ false);
        QVERIFY(refused);
        QCOMPARE(refused->stage, Stage::Failed);
        QCOMPARE(refused->detail, QStringLiteral("modem jest wyłączony."));
        QVERIFY(modem_->submittedPdus().isEmpty());
        const std::optional<SendProgress> sent = sendAndWait(route, /*consented*/ true);
        QVERIFY(sent);
        QCOMPARE(sent->stage, Stage::Sent);
    }

    void eachFailureIsStatedAndNothingIsSent_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<int>("pdus");
        QTest::newRow("refused by the network")
            << QStringLiteral("refused") << QStringLiteral("modem lub sieć odrzuciły wiadomość: ") << 1;
        QTest::newRow("no permission") << QStringLiteral("polkit")
                                       << QStringLiteral("brak uprawnień do wysyłania SMS przez modem. ") << 0;
        QTest::newRow("SIM PIN") << QStringLiteral("pin") << QStringLiteral("karta SIM w modemie czeka na kod PIN. ")
                                 << 0;
        QTest::newRow("unplugged while sending")
            << QStringLiteral("unplugged") << QStringLiteral("modem został odłączony w trakcie wysyłania.") << 1;
        QTest::newRow("no answer") << QStringLiteral("silent") << QStringLiteral("modem nie odpowiedział w ciągu 2 s. ")
                                   << 1;
    }

    void eachFailureIsStatedAndNothingIsSent()
    {
        QFETCH(QString, fault);
        QFETCH(QString, detail);
        QFETCH(int, pdus);
        if (fault == QLatin1String("silent")) {
            finder_ = std::make_unique<ModemFinder>(std::chrono::seconds(2));
        }
        ModemProfile profile;
        profile.simPinLocked = fault == QLatin1String("pin");
        Route* route = plugIn(profile);
        QVERIFY(route);
        if (fault != QLatin1String("pin")) {
            QVERIFY(switchOn());
        }
        if (fault == QLatin1String("refused")) {
            modem_->refuseNextSend(500);
        } else if (fault == QLatin1String("polkit")) {
            QVERIFY(bench_.polkit().refuse(QString::fromLatin1(PolkitAuthority::messaging)));
        } else if (fault == QLatin1String("unplugged") || fault == QLatin1String("silent")) {
            modem_->ignoreNextSend();
        }
        if (fault == QLatin1String("unplugged")) {
            connect(modem_, &SimulatedModem::submitReceived, this, [this] { QVERIFY(bench_.unplugModem(*modem_)); });
        }
        const std::optional<SendProgress> end = sendAndWait(route, false);
        QVERIFY(end);
        QCOMPARE(end->stage, Stage::Failed);
        QVERIFY2(end->detail.startsWith(detail), qPrintable(end->detail));
        QCOMPARE(modem_->submittedPdus().size(), pdus);
    }

    void aRetryAfterAFailureSendsOnce()
    {
        Route* route = plugIn();
        QVERIFY(route);
        QVERIFY(switchOn());
        modem_->refuseNextSend(500);
        QCOMPARE(sendAndWait(route, false)->stage, Stage::Failed);
        QCOMPARE(sendAndWait(route, false)->stage, Stage::Sent);
        QCOMPARE(modem_->submittedPdus().size(), 2);
    }

    void aReplyFromTheUnitArrives_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("GSM alphabet") << QStringLiteral("Nazwa czujki 1 zapisana {OK}");
        QTest::newRow("UCS-2") << QStringLiteral("Błąd: zła długość nazwy");
    }

    void aReplyFromTheUnitArrives()
    {
        QFETCH(QString, text);
        QVERIFY(plugIn());
        QVERIFY(switchOn());
        QSignalSpy received(finder_.get(), &RouteFinder::received);
        const QDateTime at(QDate(2026, 12, 8), QTime(10, 15, 30), Qt::OffsetFromUTC, 3600);
        modem_->deliverSms(kCommand.number, text, at);
        QVERIFY(received.wait(waitMs));
        const auto sms = received.front().at(0).value<IncomingSms>();
        QCOMPARE(sms.number, kCommand.number);
        QCOMPARE(sms.text, text);
        QCOMPARE(sms.received, at);
    }

    // The reports come in the other order than the messages went; the second message's reference has wrapped.
    void eachDeliveryReportFollowsUpItsOwnMessage()
    {
        Route* route = plugIn();
        QVERIFY(route);
        QVERIFY(switchOn());
        QSignalSpy followUps(route, &Route::followedUp);
        QSignalSpy received(finder_.get(), &RouteFinder::received);
        modem_->setNextReference(255);
        const std::optional<SendProgress> first = sendAndWait(route, false);
        const std::optional<SendProgress> second = sendAndWait(route, false);
        QVERIFY(first && second);
        QVERIFY(!first->followUpKey.isEmpty());
        QVERIFY(first->followUpKey != second->followUpKey);

        const QDateTime at(QDate(2026, 12, 8), QTime(10, 15, 30), Qt::OffsetFromUTC, 9 * 3600);
        QVERIFY(modem_->reportDelivery(0, 0x00, at));
        QVERIFY(followUps.wait(waitMs));
        QVERIFY(modem_->reportDelivery(255, 0x00, at.addSecs(20)));
        QVERIFY(runEventsUntil([&followUps] { return followUps.size() == 2; }, waitMs));
        QCOMPARE(keysOf(followUps), (QStringList{second->followUpKey, first->followUpKey}));
        QCOMPARE(progressOf(followUps, 0).stage, Stage::Delivered);
        QCOMPARE(progressOf(followUps, 0).at, at);
        QCOMPARE(progressOf(followUps, 1).at, at.addSecs(20));
        QVERIFY(received.isEmpty());
        QCOMPARE(storedMessages().size(), 4);
    }

    void aReportSaysDeliveredPendingOrWhyNot_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<Stage>("stage");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("code");
        QTest::newRow("received by the unit") << 0x00 << Stage::Delivered << QString() << QStringLiteral("0x00");
        QTest::newRow("delivered, the centre's own code")
            << 0x1F << Stage::Delivered << QString() << QStringLiteral("0x1f");
        QTest::newRow("unit busy, still trying")
            << 0x21 << Stage::DeliveryPending << QString() << QStringLiteral("0x21");
        QTest::newRow("still trying, the centre's own code")
            << 0x3F << Stage::DeliveryPending << QString() << QStringLiteral("0x3f");
        QTest::newRow("validity period expired")
            << 0x46 << Stage::NotDelivered << QStringLiteral("ważność wiadomości minęła") << QStringLiteral("0x46");
        QTest::newRow("remote procedure error")
            << 0x40 << Stage::NotDelivered << QStringLiteral("błąd procedury w sieci") << QStringLiteral("0x40");
        QTest::newRow("no response, given up")
            << 0x62 << Stage::NotDelivered << QStringLiteral("brak odpowiedzi centrali") << QStringLiteral("0x62");
        QTest::newRow("given up, the centre's own code")
            << 0x7F << Stage::NotDelivered << QStringLiteral("sieć zrezygnowała z doręczenia")
            << QStringLiteral("0x7f");
    }

    void aReportSaysDeliveredPendingOrWhyNot()
    {
        QFETCH(int, status);
        QFETCH(Stage, stage);
        QFETCH(QString, detail);
        QFETCH(QString, code);
        Route* route = plugIn();
        QVERIFY(route);
        QVERIFY(switchOn());
        QSignalSpy followUps(route, &Route::followedUp);
        QVERIFY(sendAndWait(route, false));
        QVERIFY(modem_->reportDelivery(1, status));
        QVERIFY(followUps.wait(waitMs));
        QCOMPARE(progressOf(followUps, 0).stage, stage);
        QCOMPARE(progressOf(followUps, 0).detail, detail);
        QVERIFY2(progressOf(followUps, 0).technical.endsWith(code), qPrintable(progressOf(followUps, 0).technical));
    }

    // While the network keeps trying, each report says so; once it has delivered, a late echo says nothing.
    void aMessageIsFollowedUpUntilItsLastWord()
    {
        Route* route = plugIn();
        QVERIFY(route);
        QVERIFY(switchOn());
        QSignalSpy followUps(route, &Route::followedUp);
        const std::optional<SendProgress> first = sendAndWait(route, false);
        const std::optional<SendProgress> second = sendAndWait(route, false);
        QVERIFY(first && second);
        for (const int status : {0x20, 0x22, 0x00, 0x46}) {
            QVERIFY(modem_->reportDelivery(1, status));
        }
        QVERIFY(modem_->reportDelivery(2, 0x00));
        QVERIFY(runEventsUntil([&followUps] { return followUps.size() == 4; }, waitMs));
        QCOMPARE(keysOf(followUps),
                 (QStringList{first->followUpKey, first->followUpKey, first->followUpKey, second->followUpKey}));
        QCOMPARE(stagesOf(followUps),
                 (QList<Stage>{Stage::DeliveryPending, Stage::DeliveryPending, Stage::Delivered, Stage::Delivered}));
    }

    // References are one octet: a report answers the latest message sent with its reference.
    void aReusedReferenceAnswersTheLatestMessage()
    {
        Route* route = plugIn();
        QVERIFY(route);
        QVERIFY(switchOn());
        QSignalSpy followUps(route, &Route::followedUp);
        modem_->setNextReference(7);
        QVERIFY(sendAndWait(route, false));
        modem_->setNextReference(7);
        const std::optional<SendProgress> latest = sendAndWait(route, false);
        QVERIFY(latest);
        QVERIFY(modem_->reportDelivery(7, 0x00));
        QVERIFY(followUps.wait(waitMs));
        QCOMPARE(keysOf(followUps), QStringList{latest->followUpKey});
    }

    void aReportOnNoMessageOfTheRunChangesNothing_data()
    {
        QTest::addColumn<int>("reference");
        QTest::addColumn<QString>("recipient");
        QTest::newRow("unknown reference") << 99 << kCommand.number;
        QTest::newRow("another number") << 1 << QStringLiteral("+48601999999");
    }

    void aReportOnNoMessageOfTheRunChangesNothing()
    {
        QFETCH(int, reference);
        QFETCH(QString, recipient);
        Route* route = plugIn();
        QVERIFY(route);
        QVERIFY(switchOn());
        QSignalSpy followUps(route, &Route::followedUp);
        QSignalSpy received(finder_.get(), &RouteFinder::received);
        const std::optional<SendProgress> sent = sendAndWait(route, false);
        QVERIFY(sent);
        const QDateTime now = QDateTime::currentDateTime();
        modem_->sendStatusReport({modem_->profile().serviceCentre, reference, recipient, now, now, 0x00});
        // The modem hands reports over in order: once this one is in, the one before it was read.
        QVERIFY(modem_->reportDelivery(1, 0x46));
        QVERIFY(followUps.wait(waitMs));
        QTest::qWait(200);
        QCOMPARE(followUps.size(), 1);
        QCOMPARE(progressOf(followUps, 0).stage, Stage::NotDelivered);
        QVERIFY(received.isEmpty());
    }

    void withoutAModemSaysWhatIsNeeded()
    {
        finder_->start();
        QVERIFY(runEventsUntil([this] { return finder_->absenceReason().startsWith(QStringLiteral("Nie znaleziono")); },
                               waitMs));
        QVERIFY(finder_->routes().isEmpty());
    }

    // Without ModemManager the window says what to install; once it starts, its modems are offered.
    void withoutModemManagerSaysWhatIsNeededUntilItStarts()
    {
        bench_.stopModemManager();
        finder_->start();
        QVERIFY(runEventsUntil(
            [this] { return finder_->absenceReason().startsWith(QStringLiteral("ModemManager nie działa")); }, waitMs));
        QVERIFY2(bench_.startModemManager(), qPrintable(bench_.errorString()));
        QVERIFY(plugIn());
    }

private:
    // A new simulated modem, as the finder offers it.
    Route* plugIn(const ModemProfile& profile = {})
    {
        modem_ = bench_.plugInModem(profile);
        if (modem_ == nullptr) {
            qWarning().noquote() << bench_.errorString();
            return nullptr;
        }
        finder_->start();
        if (!runEventsUntil([this] { return !finder_->routes().isEmpty(); }, waitMs)) {
            return nullptr;
        }
        return finder_->routes().front();
    }

    // What a desktop's network settings would do; the program does it only after asking.
    bool switchOn()
    {
        const QDBusMessage reply =
            callModemManager(bench_.modemPath(*modem_), QStringLiteral("org.freedesktop.ModemManager1.Modem"),
                             QStringLiteral("Enable"), {true});
        return reply.type() == QDBusMessage::ReplyMessage &&
               runEventsUntil([this] { return finder_->routes().front()->consentQuestion().isEmpty(); }, waitMs);
    }

    // The route's final report on one message.
    std::optional<SendProgress> sendAndWait(Route* route, bool consented)
    {
        std::optional<SendProgress> end;
        const QMetaObject::Connection connection =
            connect(route, &Route::progressed, this, [&end](const SendProgress& progress) {
                if (progress.isFinal()) {
                    end = progress;
                }
            });
        route->send(kCommand, consented);
        runEventsUntil([&end] { return end.has_value(); }, waitMs);
        disconnect(connection);
        return end;
    }

    static QStringList keysOf(const QSignalSpy& followUps)
    {
        QStringList keys;
        for (const QList<QVariant>& followUp : followUps) {
            keys << followUp.at(0).toString();
        }
        return keys;
    }

    static SendProgress progressOf(const QSignalSpy& followUps, int index)
    {
        return followUps.at(index).at(1).value<SendProgress>();
    }

    static QList<Stage> stagesOf(const QSignalSpy& followUps)
    {
        QList<Stage> stages;
        for (int i = 0; i < followUps.size(); ++i) {
            stages << progressOf(followUps, i).stage;
        }
        return stages;
    }

    QString introspect(const QString& path)
    {
        const QDBusMessage reply =
            callModemManager(path, QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect"));
        return reply.arguments().isEmpty() ? QString() : reply.arguments().front().toString();
    }

    QList<QDBusObjectPath> storedMessages()
    {
        const QDBusMessage reply =
            callModemManager(bench_.modemPath(*modem_), QStringLiteral("org.freedesktop.ModemManager1.Modem.Messaging"),
                             QStringLiteral("List"));
        return reply.arguments().isEmpty() ? QList<QDBusObjectPath>()
                                           : qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().front());
    }

    ModemTestBench bench_;
    std::unique_ptr<ModemFinder> finder_;
    SimulatedModem* modem_ = nullptr;
};

QTEST_GUILESS_MAIN(ModemRoutesTest)
#include "modemroutes_test.moc"
