#include "dbustypes.h"
#include "messagingproxy.h"
#include "modemtestbench.h"
#include "objectmanagerproxy.h"
#include "waits.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>

using namespace velmora;
using namespace velmora::test;

namespace {

constexpr auto service = "org.freedesktop.ModemManager1";
constexpr auto managerPath = "/org/freedesktop/ModemManager1";
constexpr auto modemInterface = "org.freedesktop.ModemManager1.Modem";
constexpr auto messagingInterface = "org.freedesktop.ModemManager1.Modem.Messaging";
constexpr auto smsInterface = "org.freedesktop.ModemManager1.Sms";
constexpr auto unauthorized = "org.freedesktop.ModemManager1.Error.Core.Unauthorized";
constexpr int callTimeoutMs = 30000;
// A modem may take minutes to send; the D-Bus default of 25 s is too short for that.
constexpr int sendTimeoutMs = 300000;

constexpr uint stateLocked = 2; // MM_MODEM_STATE_LOCKED
constexpr uint lockSimPin = 2;  // MM_MODEM_LOCK_SIM_PIN
constexpr uint smsReceived = 3; // MM_SMS_STATE_RECEIVED
constexpr uint smsSent = 5;     // MM_SMS_STATE_SENT

const QString unitNumber = QStringLiteral("+48601123456");

// A method call on ModemManager over the default system bus, the way the program will make it; the event
// loop runs meanwhile so the simulated modem keeps answering.
QDBusMessage callModemManager(const QString& path, const char* interface, const QString& method,
                              const QVariantList& arguments = {}, int timeoutMs = callTimeoutMs)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(service), path, QLatin1String(interface), method);
    call.setArguments(arguments);
    return callAndWait(QDBusConnection::systemBus(), call, timeoutMs);
}

QVariant busProperty(const QString& path, const char* interface, const QString& name)
{
    const QDBusMessage reply = callModemManager(path, "org.freedesktop.DBus.Properties", QStringLiteral("Get"),
                                                {QLatin1String(interface), name});
    return reply.arguments().isEmpty() ? QVariant() : reply.arguments().first().value<QDBusVariant>().variant();
}

ManagedObjects managedObjects()
{
    const QDBusMessage reply = callModemManager(QLatin1String(managerPath), "org.freedesktop.DBus.ObjectManager",
                                                QStringLiteral("GetManagedObjects"));
    return reply.arguments().isEmpty() ? ManagedObjects()
                                       : qdbus_cast<ManagedObjects>(reply.arguments().first().value<QDBusArgument>());
}

QString objectPathIn(const QDBusMessage& reply)
{
    return reply.arguments().isEmpty() ? QString() : reply.arguments().first().value<QDBusObjectPath>().path();
}

} // namespace

// Proves the harness end to end with plain QtDBus: the real ModemManager drives the simulated modem, and
// every steering of the modem and of polkit shows on the bus as the program will see it.
class ModemHarnessTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(bench_.start(), qPrintable(bench_.errorString())); }

    void init()
    {
        QVERIFY2(bench_.startModemManager(), qPrintable(bench_.errorString()));
        QVERIFY2(bench_.polkit().allowModemManager(), qPrintable(bench_.polkit().errorString()));
    }

    void cleanup()
    {
        if (QTest::currentTestFailed()) {
            qInfo().noquote() << bench_.diagnostics();
        }
        bench_.stopModemManager();
        modem_ = nullptr;
    }

    void modemAppearsInTheObjectManagerWithMessaging()
    {
        ModemProfile profile;
        profile.ownNumber = QStringLiteral("+48500100200");
        QVERIFY(plugIn(profile));

        const ManagedObjects objects = managedObjects();
        QVERIFY(objects.contains(QDBusObjectPath(modemPath_)));
        const InterfaceProperties interfaces = objects.value(QDBusObjectPath(modemPath_));
        QVERIFY(interfaces.contains(QLatin1String(messagingInterface)));
        const QVariantMap modem = interfaces.value(QLatin1String(modemInterface));
        QCOMPARE(modem.value(QStringLiteral("Manufacturer")).toString(), profile.manufacturer);
        QCOMPARE(modem.value(QStringLiteral("Model")).toString(), profile.model);
        QCOMPARE(modem.value(QStringLiteral("OwnNumbers")).toStringList(), QStringList{profile.ownNumber});
    }

    void sentCommandReachesTheModemAsOnePduWithItsNumberAndText()
    {
        QVERIFY(plugIn());
        QVERIFY(enable());
        const QString sms = createSms(unitNumber, QStringLiteral("1234#N#{a}~#"));
        QVERIFY(!sms.isEmpty());

        const QDBusMessage sent = callModemManager(sms, smsInterface, QStringLiteral("Send"), {}, sendTimeoutMs);
        QCOMPARE(sent.errorName(), QString());
        QCOMPARE(modem_->submittedPdus().size(), 1);
        const auto submit = modem_->lastSubmit();
        QVERIFY(submit.has_value());
        QCOMPARE(submit->destination, unitNumber);
        QCOMPARE(submit->text, QStringLiteral("1234#N#{a}~#"));
        QCOMPARE(busProperty(sms, smsInterface, QStringLiteral("State")).toUInt(), smsSent);
    }

    void incomingSmsIsAddedAsReceived_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("GSM 7-bit") << QStringLiteral("1234 OK {N} #A#");
        QTest::newRow("UCS-2") << QStringLiteral("Centrala: błąd, zła długość");
    }

    void incomingSmsIsAddedAsReceived()
    {
        QFETCH(QString, text);
        QVERIFY(plugIn());
        QVERIFY(enable());
        MessagingProxy messaging(QLatin1String(service), modemPath_, QDBusConnection::systemBus());
        QSignalSpy added(&messaging, &MessagingProxy::Added);

        modem_->deliverSms(unitNumber, text);

        QTRY_COMPARE_WITH_TIMEOUT(added.count(), 1, callTimeoutMs);
        QCOMPARE(added.first().at(1).toBool(), true);
        const QString sms = added.first().at(0).value<QDBusObjectPath>().path();
        QCOMPARE(busProperty(sms, smsInterface, QStringLiteral("Number")).toString(), unitNumber);
        QCOMPARE(busProperty(sms, smsInterface, QStringLiteral("Text")).toString(), text);
        QCOMPARE(busProperty(sms, smsInterface, QStringLiteral("State")).toUInt(), smsReceived);
    }

    void polkitRefusalFailsWithUnauthorized_data()
    {
        QTest::addColumn<QString>("refusedStep");
        QTest::addColumn<QString>("action");
        QTest::newRow("enable") << QStringLiteral("enable") << QString::fromLatin1(PolkitAuthority::deviceControl);
        QTest::newRow("create") << QStringLiteral("create") << QString::fromLatin1(PolkitAuthority::messaging);
        QTest::newRow("send") << QStringLiteral("send") << QString::fromLatin1(PolkitAuthority::messaging);
    }

    void polkitRefusalFailsWithUnauthorized()
    {
        QFETCH(QString, refusedStep);
        QFETCH(QString, action);
        QVERIFY(plugIn());

        QDBusMessage reply;
        QString sms;
        for (const QString& step : {QStringLiteral("enable"), QStringLiteral("create"), QStringLiteral("send")}) {
            if (step == refusedStep) {
                QVERIFY(bench_.polkit().refuse(action));
            }
            if (step == QLatin1String("enable")) {
                reply = callModemManager(modemPath_, modemInterface, QStringLiteral("Enable"), {true});
            } else if (step == QLatin1String("create")) {
                reply = callModemManager(modemPath_, messagingInterface, QStringLiteral("Create"),
                                         {smsProperties(unitNumber, QStringLiteral("1234#N#x#"))});
                sms = objectPathIn(reply);
            } else {
                reply = callModemManager(sms, smsInterface, QStringLiteral("Send"), {}, sendTimeoutMs);
            }
            if (step == refusedStep) {
                break;
            }
            QCOMPARE(reply.errorName(), QString());
        }
        QCOMPARE(reply.errorName(), QLatin1String(unauthorized));
        QVERIFY(modem_->submittedPdus().isEmpty());
    }

    void cmsErrorFailsTheSendWithAMessageError()
    {
        QVERIFY(plugIn());
        QVERIFY(enable());
        const QString sms = createSms(unitNumber, QStringLiteral("1234#N#x#"));
        modem_->refuseNextSend(330); // SMSC address unknown

        const QDBusMessage sent = callModemManager(sms, smsInterface, QStringLiteral("Send"), {}, sendTimeoutMs);
        QCOMPARE(sent.errorName(), QStringLiteral("org.freedesktop.ModemManager1.Error.Message.SmscAddressUnknown"));
        QCOMPARE(modem_->submittedPdus().size(), 1);
    }

    void unpluggedModemLeavesTheBusAndItsPendingSendFails()
    {
        QVERIFY(plugIn());
        QVERIFY(enable());
        const QString sms = createSms(unitNumber, QStringLiteral("1234#N#x#"));
        modem_->ignoreNextSend();
        QSignalSpy submitted(modem_, &SimulatedModem::submitReceived);
        ModemManagerObjects objects(QLatin1String(service), QLatin1String(managerPath), QDBusConnection::systemBus());
        QSignalSpy removed(&objects, &ModemManagerObjects::InterfacesRemoved);

        QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(service), sms, QLatin1String(smsInterface),
                                                           QStringLiteral("Send"));
        const QDBusPendingCall send = QDBusConnection::systemBus().asyncCall(call, sendTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(submitted.count(), 1, callTimeoutMs);
        QVERIFY(!send.isFinished()); // the modem never answers

        QVERIFY2(bench_.unplugModem(*modem_), qPrintable(bench_.errorString()));

        QTRY_VERIFY_WITH_TIMEOUT(!removed.isEmpty(), callTimeoutMs);
        QCOMPARE(removed.first().at(0).value<QDBusObjectPath>().path(), modemPath_);
        QTRY_VERIFY_WITH_TIMEOUT(send.isFinished(), callTimeoutMs);
        QVERIFY(send.isError());
        QVERIFY(!managedObjects().contains(QDBusObjectPath(modemPath_)));
    }

    void pinLockedModemStaysLockedWithoutMessaging()
    {
        ModemProfile profile;
        profile.simPinLocked = true;
        QVERIFY(plugIn(profile));

        const InterfaceProperties interfaces = managedObjects().value(QDBusObjectPath(modemPath_));
        QVERIFY(interfaces.contains(QLatin1String(modemInterface)));
        QVERIFY(!interfaces.contains(QLatin1String(messagingInterface)));
        const QVariantMap modem = interfaces.value(QLatin1String(modemInterface));
        QCOMPARE(modem.value(QStringLiteral("State")).toInt(), int(stateLocked));
        QCOMPARE(modem.value(QStringLiteral("UnlockRequired")).toUInt(), lockSimPin);
        const QDBusMessage enabled = callModemManager(modemPath_, modemInterface, QStringLiteral("Enable"), {true});
        QCOMPARE(enabled.errorName(), QStringLiteral("org.freedesktop.ModemManager1.Error.Core.WrongState"));
    }

private:
    bool plugIn(const ModemProfile& profile = {})
    {
        modem_ = bench_.plugInModem(profile);
        if (modem_ == nullptr) {
            qWarning().noquote() << bench_.errorString();
            return false;
        }
        modemPath_ = bench_.modemPath(*modem_);
        return true;
    }

    // A new modem is disabled; the program enables it after asking the user.
    bool enable()
    {
        const QDBusMessage reply = callModemManager(modemPath_, modemInterface, QStringLiteral("Enable"), {true});
        if (reply.type() == QDBusMessage::ErrorMessage) {
            qWarning().noquote() << reply.errorName() << reply.errorMessage();
        }
        return reply.type() == QDBusMessage::ReplyMessage;
    }

    static QVariantMap smsProperties(const QString& number, const QString& text)
    {
        return {{QStringLiteral("number"), number}, {QStringLiteral("text"), text}};
    }

    QString createSms(const QString& number, const QString& text)
    {
        return objectPathIn(
            callModemManager(modemPath_, messagingInterface, QStringLiteral("Create"), {smsProperties(number, text)}));
    }

    ModemTestBench bench_;
    SimulatedModem* modem_ = nullptr;
    QString modemPath_;
};

QTEST_GUILESS_MAIN(ModemHarnessTest)
#include "modemharness_test.moc"
