#include "keyringsession.h"
#include "systemkeyring.h"
#include "waits.h"

#include <QTest>

using namespace velmora;
using namespace velmora::test;

// A session without a keyring: the bus is there, but nobody serves the Secret Service on it.
class NoKeyringTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(session_.start(), qPrintable(session_.errorString())); }

    // The bus says at once that nobody owns the name: the answer is the keyring stack's, not the time limit's.
    void everyCallAnswersNoKeyringAtOnce()
    {
        SystemKeyring keyring;
        const QString key = QStringLiteral("unit-a");
        const std::function<void(Keyring::Done)> calls[] = {
            [&](Keyring::Done done) { keyring.store(key, QStringLiteral("7395"), this, std::move(done)); },
            [&](Keyring::Done done) { keyring.read(key, this, std::move(done)); },
            [&](Keyring::Done done) { keyring.remove(key, this, std::move(done)); },
        };
        for (const auto& call : calls) {
            std::optional<KeyringReply> reply;
            call([&](const KeyringReply& given) { reply = given; });
            QVERIFY(runEventsUntil([&] { return reply.has_value(); }, 30000));
            QCOMPARE(reply->status, KeyringReply::Status::NoKeyring);
            QVERIFY2(!reply->technical.startsWith(QStringLiteral("no answer")), qPrintable(reply->technical));
        }
        // Nor is the code kept in a file instead: QtKeychain's plain-text fallback stays off.
        QCOMPARE(session_.home().filesHolding(QStringLiteral("7395")), QStringList());
    }

    void cleanupTestCase() { session_.stop(); }

private:
    KeyringSession session_;
};

QTEST_GUILESS_MAIN(NoKeyringTest)
#include "nokeyring_test.moc"
