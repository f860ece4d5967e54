#include "pducodec.h"

#include <QTest>

using namespace velmora::test;

// Known PDUs: the classic example of the SMS PDU tutorials (dreamfabric's "hellohello"), the test vectors of
// ModemManager's own PDU tests (src/tests/test-sms-part-3gpp.c), and PDUs that ModemManager 1.20.4 wrote
// to the simulated modem for the texts given here.
class PduCodecTest : public QObject {
    Q_OBJECT

private slots:
    void decodesTheNumberAndTextOfASubmit_data()
    {
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("text");
        QTest::addColumn<pdu::Alphabet>("alphabet");

        QTest::newRow("tutorial example, relative validity")
            << QByteArray("0011000B916407281553F80000AA0AE8329BFD4697D9EC37") << QStringLiteral("+46708251358")
            << QStringLiteral("hellohello") << pdu::Alphabet::Gsm7;
        QTest::newRow("command with extension characters, from ModemManager")
            << QByteArray("0001000B918406113254F600000F31D98C36728E36A8F026B5E98D00") << QStringLiteral("+48601123456")
            << QStringLiteral("1234#N#{a}~#") << pdu::Alphabet::Gsm7;
        QTest::newRow("every extension character, from ModemManager")
            << QByteArray("0001000B918406113254F60000161BD426B5E16D7C9BDEE6B5016E289B32A88CA703")
            << QStringLiteral("+48601123456") << QStringLiteral("{}[]~\\|^€ ext") << pdu::Alphabet::Gsm7;
        QTest::newRow("21 septets with no spare bits, from ModemManager")
            << QByteArray("0001000B918406113254F600001531D98C363A8E62231ACE068BC564335ACD3602")
            << QStringLiteral("+48601123456") << QStringLiteral("1234#G#1#48601123456#") << pdu::Alphabet::Gsm7;
        QTest::newRow("Polish letters in UCS-2, from ModemManager")
            << QByteArray("0001000B918406113254F6000822005A0061017C00F301420107002000670119015B006C01050020006A006101"
                          "7A0144")
            << QStringLiteral("+48601123456") << QStringLiteral("Zażółć gęślą jaźń") << pdu::Alphabet::Ucs2;
        QTest::newRow("SMSC field and Greek capitals")
            << QByteArray("07919130079229F011000B915155551532F400000036C834888E2ECBCB2E978B5A2F8362373A1AA40CBB41"
                          "32584C0682D57433982B8603C1DB20D4B1495DC552200804028100")
            << QStringLiteral("+15555551234")
            << QStringLiteral("Hi there...Tue 17th Jan 2012 05:30.18 pm (GMT+1) ΔΔΔΔΔ") << pdu::Alphabet::Gsm7;
        QTest::newRow("25 septets, the last alone in its octet")
            << QByteArray("0001000B915155661632F400001954747A0E4ACF41F27298CDCE83C6EF371B0481402010")
            << QStringLiteral("+15556661234") << QStringLiteral("This is really cool ΔΔΔΔΔ") << pdu::Alphabet::Gsm7;
        QTest::newRow("UCS-2 with an SMSC field")
            << QByteArray("07919130079229F011000B915155551532F40008003A041404300020043704340440043004320441044204"
                          "320443043504420020043A043E0440043E043B044C002C0020043404350442043A04300021")
            << QStringLiteral("+15555551234") << QStringLiteral("Да здравствует король, детка!") << pdu::Alphabet::Ucs2;
        QTest::newRow("national number without plus, UCS-2")
            << QByteArray("002100098136397339F70008224F60597D4F60597D4F60597D4F60597D4F60597D4F60597D4F60597D4F6059"
                          "7D4F60")
            << QStringLiteral("639337937") << QStringLiteral("你好你好你好你好你好你好你好你好你")
            << pdu::Alphabet::Ucs2;
    }

    void decodesTheNumberAndTextOfASubmit()
    {
        QFETCH(QByteArray, hex);
        QFETCH(QString, destination);
        QFETCH(QString, text);
        QFETCH(pdu::Alphabet, alphabet);

        const auto submit = pdu::decodeSubmit(hex);
        QVERIFY(submit.has_value());
        QCOMPARE(submit->destination, destination);
        QCOMPARE(submit->text, text);
        QCOMPARE(submit->alphabet, alphabet);
        QVERIFY(!submit->hasUserDataHeader);
    }

    void refusesWhatIsNotAWholeSubmit_data()
    {
        QTest::addColumn<QByteArray>("hex");

        QTest::newRow("a deliver") << QByteArray(
            "07912143658709F1040B918100551512F20000111010214365000AE8329BFD4697D9EC37");
        QTest::newRow("odd number of digits") << QByteArray("0001000B918406113254F600000F31D98C36728E36A8F026B5E98D0");
        QTest::newRow("not hex") << QByteArray("0001000B918406113254F600000F31D98C36728E36A8F026B5E98DZZ");
        QTest::newRow("user data cut short") << QByteArray("0001000B918406113254F600000F31D98C36728E36A8F0");
        QTest::newRow("address cut short") << QByteArray("0001000B91840611");
        QTest::newRow("SMSC longer than the PDU") << QByteArray("0F91");
        QTest::newRow("empty") << QByteArray();
    }

    void refusesWhatIsNotAWholeSubmit()
    {
        QFETCH(QByteArray, hex);

        QVERIFY(!pdu::decodeSubmit(hex).has_value());
    }

    void skipsTheUserDataHeaderOfOnePart()
    {
        // First part of a two-part text: a 6-octet concatenation header, then the text from the next septet.
        const QByteArray septets = pdu::toGsm7(QStringLiteral("Part one")).value();
        const QByteArray header = QByteArray::fromHex("050003CC0201");
        const QByteArray userData = header + pdu::packSeptets(septets, 1);
        const QByteArray tpdu = QByteArray::fromHex("41000B918406113254F60000") + char(7 + septets.size()) + userData;

        const auto submit = pdu::decodeSubmit(QByteArray("00") + tpdu.toHex());
        QVERIFY(submit.has_value());
        QVERIFY(submit->hasUserDataHeader);
        QCOMPARE(submit->text, QStringLiteral("Part one"));
    }

    void encodesADeliverAsAModemStoresIt_data()
    {
        QTest::addColumn<QString>("serviceCentre");
        QTest::addColumn<QString>("originator");
        QTest::addColumn<QDateTime>("timestamp");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<int>("tpduLength");

        QTest::newRow("hellohello at UTC")
            << QStringLiteral("+12345678901") << QStringLiteral("+18005551212")
            << QDateTime(QDate(2011, 1, 1), QTime(12, 34, 56), Qt::OffsetFromUTC, 0) << QStringLiteral("hellohello")
            << QByteArray("07912143658709F1040B918100551512F20000111010214365000AE8329BFD4697D9EC37") << 28;
        QTest::newRow("extension characters, pound and Greek, five hours behind UTC")
            << QStringLiteral("+12404492164") << QStringLiteral("+16175927198")
            << QDateTime(QDate(2011, 2, 28), QTime(11, 50, 50), Qt::OffsetFromUTC, -5 * 3600)
            << QStringLiteral("Here's a longer message [{with some extended characters}] thrown in, such as £ and ΩΠΨ "
                              "and §¿ as well.")
            << QByteArray("07912104442961F4040B916171957291F800001120821105050A6AC8B2BC7C9A83C220F6DB7D2ECB41EDF27C1E"
                          "3E97411BDE06754FD3D1A0F9BB5D0695F1F4B29B5C2683C6E8B03C3CA697E5F34D6AE303D1D1F2F7DD0D4ABB59"
                          "A0797D8C0685E7A00028EC26832A960B28EC2683BE6050780EBA97D96C17")
            << 112;
        QTest::newRow("alphanumeric sender, Cyrillic in UCS-2, four hours ahead")
            << QStringLiteral("+79037011111") << QStringLiteral("InternetSMS")
            << QDateTime(QDate(2011, 3, 29), QTime(19, 20, 4), Qt::OffsetFromUTC, 4 * 3600) << QStringLiteral("тест")
            << QByteArray("07919730071111F10414D04937BD2C7797E9D3E614000811309291024061080442043504410442") << 31;
    }

    void encodesADeliverAsAModemStoresIt()
    {
        QFETCH(QString, serviceCentre);
        QFETCH(QString, originator);
        QFETCH(QDateTime, timestamp);
        QFETCH(QString, text);
        QFETCH(QByteArray, hex);
        QFETCH(int, tpduLength);

        const pdu::EncodedPdu encoded = pdu::encodeDeliver({serviceCentre, originator, timestamp, text});
        QCOMPARE(encoded.hex, hex);
        QCOMPARE(encoded.tpduLength, tpduLength);
    }

    void encodesWithoutAServiceCentre()
    {
        const pdu::EncodedPdu encoded = pdu::encodeDeliver(
            {QString(), QStringLiteral("+18005551212"),
             QDateTime(QDate(2011, 1, 1), QTime(12, 34, 56), Qt::OffsetFromUTC, 0), QStringLiteral("hellohello")});
        QCOMPARE(encoded.hex, QByteArray("00040B918100551512F20000111010214365000AE8329BFD4697D9EC37"));
        QCOMPARE(encoded.tpduLength, 28);
    }

    // TP-SRR is bit 5 of the first octet: ModemManager sets it when the message is created with
    // "delivery-report-request".
    void readsWhetherASubmitAsksForADeliveryReport_data()
    {
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("requested");
        QTest::newRow("tutorial example")
            << QByteArray("0011000B916407281553F80000AA0AE8329BFD4697D9EC37") << QStringLiteral("hellohello") << false;
        QTest::newRow("from ModemManager, created with delivery-report-request")
            << QByteArray("0021000B918406113254F600002631D98C366A0E93A3D88828D7DFD3A00D2AB84981363CE1C607DA00871B20"
                          "68D31B01")
            << QStringLiteral("1234#MCI#1#Drzwi {A} [B] |C| ~#") << true;
    }

    void readsWhetherASubmitAsksForADeliveryReport()
    {
        QFETCH(QByteArray, hex);
        QFETCH(QString, text);
        QFETCH(bool, requested);
        const auto submit = pdu::decodeSubmit(hex);
        QVERIFY(submit.has_value());
        QCOMPARE(submit->text, text);
        QCOMPARE(submit->statusReportRequested, requested);
    }

    // The +CDS example of ModemManager's own tests (src/tests/test-modem-helpers.c): a national recipient, the
    // service centre's time and the discharge time two hours ahead of UTC, status 0x30.
    void encodesAStatusReportAsTheNetworkSendsIt()
    {
        const QDateTime at(QDate(2012, 9, 11), QTime(7, 40, 36), Qt::OffsetFromUTC, 2 * 3600);
        const pdu::EncodedPdu encoded =
            pdu::encodeStatusReport({QStringLiteral("+34656000311"), 0x5A, QStringLiteral("639335936"), at, at, 0x30});
        QCOMPARE(encoded.hex, QByteArray("07914356060013F1065A098136395339F6219011700463802190117004638030"));
        QCOMPARE(encoded.tpduLength, 24);
    }

    void refusesCharactersOutsideTheGsmAlphabet()
    {
        QVERIFY(!pdu::toGsm7(QStringLiteral("zażółć")).has_value());
        QCOMPARE(pdu::toGsm7(QStringLiteral("€")).value(), QByteArray("\x1B\x65"));
    }
};

QTEST_GUILESS_MAIN(PduCodecTest)
#include "pducodec_test.moc"
