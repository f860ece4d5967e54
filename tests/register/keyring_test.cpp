#include "keyringdaemon.h"
#include "privatebus.h"
#include "systemkeyring.h"
#include "testhome.h"
#include "waits.h"

#include <QTest>
#include <csignal>

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
        QVERIFY(home_.isValid());
        // QtKeychain picks KWallet on a KDE desktop; here the Secret Service must be taken, with nothing to show.
        for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "KDE_SESSION_VERSION",
                                 "GNOME_DESKTOP_SESSION_ID", "DISPLAY", "WAYLAND_DISPLAY"}) {
            qunsetenv(name);
        }
        QVERIFY2(bus_.start(), qPrintable(bus_.errorString()));
        QVERIFY2(daemon_.start(bus_.connection()), qPrintable(daemon_.log()));
    }

    void aCodeIsStoredReadAndRemoved()
    {
        SystemKeyring keyring;
        const QString key = QStringLiteral("6f1c0b7e-unit-one");
        QCOMPARE(answer([&](auto done) { keyring.store(key, QStringLiteral("7395"), this, done); }).status,
                 Status::Done);
        QCOMPARE(daemon_.itemsFor(bus_.connection(), kService, key).size(), 1);
        const KeyringReply read = answer([&](auto done) { keyring.read(key, this, done); });
        QCOMPARE(read.status, Status::Done);
        QCOMPARE(read.secret, QStringLiteral("7395"));
        // In the keyring, and in no file in plain text: the keyring's own file is encrypted.
        QCOMPARE(home_.filesHolding(QStringLiteral("7395")), QStringList());

        QCOMPARE(answer([&](auto done) { keyring.remove(key, this, done); }).status, Status::Done);
        QCOMPARE(daemon_.itemsFor(bus_.connection(), kService, key).size(), 0);
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
        QVERIFY(daemon_.lockDefault(bus_.connection()));
        const KeyringReply stored =
            answer([&](auto done) { keyring.store(QStringLiteral("unit-c"), QStringLiteral("3333"), this, done); });
        QCOMPARE(stored.status, Status::Locked);
        QCOMPARE(daemon_.itemsFor(bus_.connection(), kService, QStringLiteral("unit-c")).size(), 0);
        // libsecret does not look into a locked keyring: the code there reads as not found.
        const KeyringReply read = answer([&](auto done) { keyring.read(QStringLiteral("unit-a"), this, done); });
        QCOMPARE(read.status, Status::NotFound);
        QCOMPARE(read.secret, QString());
    }

    void cleanupTestCase()
    {
        daemon_.stop();
        // GLib's connection to the session bus, libsecret's under QtKeychain, raises SIGTERM in this process
        // when the bus goes away, as a desktop session's end should end its programs.
        std::signal(SIGTERM, SIG_IGN);
        bus_.stop();
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

    TestHome home_;
    PrivateBus bus_{home_.path()};
    KeyringDaemon daemon_{home_.path()};
};

QTEST_GUILESS_MAIN(KeyringTest)
#include "keyring_test.moc"
