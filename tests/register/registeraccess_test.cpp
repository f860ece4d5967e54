#include "fakekeyring.h"
#include "fakeroutes.h"
#include "registeraccess.h"
#include "testhome.h"

#include <QSignalSpy>
#include <QTest>

using namespace velmora;
using namespace velmora::test;

namespace {

const QString kUnitNumber = QStringLiteral("48601123456");
const OutgoingSms kCommand{QLatin1Char('+') + kUnitNumber, QStringLiteral("7395#S#"),
                           QStringLiteral("Parametry systemowe")};

// The run's register as start-up wires it, on a home of the test's own, counting the keyrings it makes.
struct Fixture {
    TestHome home;
    QString path = home.filePath(QStringLiteral("data/centrale.sqlite"));
    int keyringsMade = 0;
    FakeFinder finder;
    Outbox outbox{finder};
    RegisterAccess access{[this] {
                              ++keyringsMade;
                              return std::make_unique<FakeKeyring>();
                          },
                          path};
    FakeRoute modem{QStringLiteral("Modem: A")};

    Fixture() { access.recordFrom(outbox); }

    void send()
    {
        const std::size_t before = modem.handed().size();
        outbox.send(&modem, kCommand, false);
        QTRY_COMPARE(modem.handed().size(), before + 1);
    }
};

} // namespace

class RegisterAccessTest : public QObject {
    Q_OBJECT

private slots:
    void nothingIsMadeUntilSendingStartsOrTheUnitsAreAskedFor()
    {
        Fixture f;
        f.outbox.start();
        f.send();
        f.modem.finish({SendProgress::Stage::Sent});
        QCOMPARE(f.keyringsMade, 0);
        QCOMPARE(f.home.files(), QStringList());
        f.access.book();
        f.access.book();
        QCOMPARE(f.keyringsMade, 1);
        QCOMPARE(f.home.files(), QStringList());
    }

    // The recorder writes into the register the windows read, and only this run follows what it recorded.
    void messagesOfThisRunAreRecordedAndFollowed()
    {
        Fixture f;
        const auto added = f.access.units().add({QStringLiteral("Dom"), kUnitNumber, {}});
        QVERIFY(std::holds_alternative<Unit>(added));
        QSignalSpy changes(&f.access.units(), &UnitRegister::historyChanged);
        f.outbox.start();
        f.send();
        const std::vector<RecordedMessage> history = f.access.units().history(std::get<Unit>(added).id);
        QCOMPARE(history.size(), std::size_t(1));
        QVERIFY(!changes.isEmpty());
        QVERIFY(f.access.follows(history.front().id));

        RegisterAccess nextRun([] { return std::make_unique<FakeKeyring>(); }, f.path);
        QVERIFY(!nextRun.follows(history.front().id));
        QCOMPARE(nextRun.units().history(std::get<Unit>(added).id).size(), std::size_t(1));
    }
};

QTEST_GUILESS_MAIN(RegisterAccessTest)
#include "registeraccess_test.moc"
