#include "keyringdaemon.h"
#include "keyringsession.h"
#include "systemkeyring.h"
#include "waits.h"

#include <QTest>

using namespace velmora;
using namespace velmora::test;

namespace {

using Status = KeyringReply::Status;

const QString kService = QStringLiteral("velmora-sms");
// Well under the program's ten seconds, so that a keyring that does not answer is told quickly here.
constexpr std::chrono::milliseconds kShortLimit(1500);

} // namespace

class KeyringTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(session_.start(), qPrintable(session_.errorString()));
        QVERIFY2(daemon_.start(session_.bus()), qPrintable(daemon_.log()));
    }

    void aCodeIsStoredReadAndRemoved()
    {
        SystemKeyring keyring;
        const QString key = QStringLiteral("6f1c0b7e-unit-one");
        QCOMPARE(answer([&](auto done) { keyring.store(key, QStringLiteral("7395"), this, done); }).status,
                 Status::Done);
        QCOMPARE(daemon_.itemsFor(session_.bus(), kService, key).size(), 1);
        const KeyringReply read = answer([&](auto done) { keyring.read(key, this, done); });
        QCOMPARE(read.status, Status::Done);
        QCOMPARE(read.secret, QStringLiteral("7395"));
        // In the keyring, and in no file in plain text: the keyring's own file is encrypted.
        QCOMPARE(session_.home().filesHolding(QStringLiteral("7395")), QStringList());

        QCOMPARE(answer([&](auto done) { keyring.remove(key, this, done); }).status, Status::Done);
        QCOMPARE(daemon_.itemsFor(session_.bus(), kService, key).size(), 0);
        QCOMPARE(answer([&](auto done) { keyring.read(key, this, done); }).status, Status::NotFound);
    }

    void eachUnitHasItsOwnEntry()
    {
        SystemKeyring keyring;
        answer([&](auto done) { keyring.store(QStringLiteral("unit-a"), QStringLiteral("1111"), this, done); });
        answer([&](auto done) { keyring.store(QStringLiteral("unit-b"), QStringLiteral("2222"), this, done); });
        QCOMPARE(answer([&](auto done) { keyring.read(QStringLiteral("unit-a"), this, done); }).secret,
                 QStringLiteral("1111"));
        answer([&](auto done) { keyring.remove(QStringLiteral("unit-b"), this, done); });
        QCOMPARE(answer([&](auto done) { keyring.read(QStringLiteral("unit-a"), this, done); }).secret,
                 QStringLiteral("1111"));
    }

    void aKeyringThatDoesNotAnswerCountsAsNone()
    {
        SystemKeyring keyring(kService, kShortLimit);
        daemon_.pause();
        int answers = 0;
        KeyringReply reply;
        keyring.read(QStringLiteral("unit-a"), this, [&](const KeyringReply& given) {
            reply = given;
            ++answers;
        });
        const bool answered = runEventsUntil([&] { return answers > 0; }, 10000);
        daemon_.resume();
        QVERIFY(answered);
        QCOMPARE(reply.status, Status::NoKeyring);
        // The daemon's late answer is not taken for a second one.
        QTest::qWait(500);
        QCOMPARE(answers, 1);
    }

    // Unlocking needs the user's password in a prompt; with no prompt to show, no code goes in or comes out.
    void aLockedKeyringTakesNothing()
    {
        SystemKeyring keyring(kService, kShortLimit);
        answer([&](auto done) { keyring.store(QStringLiteral("unit-a"), QStringLiteral("1111"), this, done); });
        QVERIFY(daemon_.lockDefault(session_.bus()));
        const KeyringReply stored =
            answer([&](auto done) { keyring.store(QStringLiteral("unit-c"), QStringLiteral("3333"), this, done); });
        QCOMPARE(stored.status, Status::Locked);
        QCOMPARE(daemon_.itemsFor(session_.bus(), kService, QStringLiteral("unit-c")).size(), 0);
        // libsecret does not look into a locked keyring: the code there reads as not found.
        const KeyringReply read = answer([&](auto done) { keyring.read(QStringLiteral("unit-a"), this, done); });
        QCOMPARE(read.status, Status::NotFound);
        QCOMPARE(read.secret, QString());
    }

    void cleanupTestCase()
    {
        daemon_.stop();
        session_.stop();
    }

private:
    // Runs a call and the event loop until its one answer.
    template <typename Call> KeyringReply answer(Call call)
    {
        std::optional<KeyringReply> reply;
        call([&](const KeyringReply& given) { reply = given; });
        if (!runEventsUntil([&] { return reply.has_value(); }, 15000)) {
            qWarning("the keyring did not answer");
            return {Status::NoKeyring, {}, QStringLiteral("no answer")};
        }
        return *reply;
    }

    KeyringSession session_;
    KeyringDaemon daemon_{session_.home().path()};
};

QTEST_GUILESS_MAIN(KeyringTest)
#include "keyring_test.moc"
