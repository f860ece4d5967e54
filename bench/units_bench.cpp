// A plan of 20 rows sent to 10 registered units through a route that takes S milliseconds to send a message and whose
// network reports each one delivered 10·S after it went; every row waits for the unit's previous one to be delivered.
//   together     the ten units in one run, as the plan window sends them
//   one-by-one   the same units one after another, a run each
// Usage: velmora-units-bench MODE S. Prints the nanoseconds from the press to the end of the last run. The run is
// recorded in a register on a temporary folder, as the program records it, every hand-over on the disk itself.
#include "historyrecorder.h"
#include "keyring.h"
#include "unitsrun.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string_view>

namespace {

using namespace velmora;

constexpr int kUnits = 10;
constexpr int kRows = 20;
constexpr int kDeliveredAfter = 10;

// Sends one message in `sendTime`; the network reports it delivered kDeliveredAfter times that later.
class SimulatedRoute final : public Route {
public:
    explicit SimulatedRoute(std::chrono::milliseconds sendTime) : sendTime_(sendTime) {}

    QString label() const override { return QStringLiteral("Modem: symulowany"); }

    void send(const OutgoingSms& /*sms*/, bool /*consented*/) override
    {
        const QString key = QString::number(++sent_);
        QTimer::singleShot(sendTime_, Qt::PreciseTimer, this, [this, key] {
            SendProgress progress(SendProgress::Stage::Sent);
            progress.followUpKey = key;
            emit progressed(progress);
            QTimer::singleShot(sendTime_ * kDeliveredAfter, Qt::PreciseTimer, this,
                               [this, key] { emit followedUp(key, SendProgress(SendProgress::Stage::Delivered)); });
        });
    }

private:
    std::chrono::milliseconds sendTime_;
    int sent_ = 0;
};

class NoFinder final : public RouteFinder {
public:
    void start() override {}
    QList<Route*> routes() const override { return {}; }
    QString absenceReason() const override { return {}; }
};

// Every unit's code, answered from the event loop as a desktop keyring answers.
class MemoryKeyring final : public Keyring {
public:
    void store(const QString& key, const QString& secret, const QObject* context, Done done) override
    {
        codes_[key] = secret;
        answer(context, std::move(done), {});
    }
    void read(const QString& key, const QObject* context, Done done) override
    {
        answer(context, std::move(done), {KeyringReply::Status::Done, codes_[key], {}});
    }
    void remove(const QString& key, const QObject* context, Done done) override
    {
        codes_.erase(key);
        answer(context, std::move(done), {});
    }

private:
    static void answer(const QObject* context, Done done, const KeyringReply& reply)
    {
        QTimer::singleShot(0, context, [done = std::move(done), reply] { done(reply); });
    }

    std::map<QString, QString> codes_;
};

std::vector<Plan::Item> plan()
{
    std::vector<Plan::Item> rows;
    for (int row = 0; row < kRows; ++row) {
        rows.push_back({QStringLiteral("Definiowanie nazwy czujki"),
                        QStringLiteral("#MCI#%1#Czujka %2#").arg(row % 8 + 1).arg(row)});
    }
    return rows;
}

// Sends the plan to the units in one run and waits for its end; false when a unit did not get every row delivered.
bool sendTo(Outbox& outbox, UnitBook& book, Route& route, const std::vector<qint64>& units)
{
    UnitsRun run(outbox, book);
    run.setTargets(units);
    if (!run.send(plan(), &route, true, false)) {
        return false;
    }
    while (run.isSending()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    for (int target = 0; target < run.rowCount(); ++target) {
        if (run.index(target, UnitsRun::State).data().toString() != QStringLiteral("gotowe: %1 doręczono").arg(kRows)) {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s together|one-by-one S\n", argv[0]);
        return 2;
    }
    const std::string_view mode = argv[1];
    const std::chrono::milliseconds sendTime(std::atoi(argv[2]));
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    NoFinder finder;
    Outbox outbox(finder);
    UnitRegister units(folder.filePath(QStringLiteral("centrale.sqlite")));
    HistoryRecorder recorder(outbox, units);
    MemoryKeyring keyring;
    UnitBook book(units, keyring);
    SimulatedRoute route(sendTime);

    std::vector<qint64> ids;
    for (int unit = 0; unit < kUnits; ++unit) {
        const auto added = units.add({QStringLiteral("Centrala %1").arg(unit),
                                      QStringLiteral("486010000%1").arg(unit, 2, 10, QLatin1Char('0')),
                                      {}});
        if (!std::holds_alternative<Unit>(added)) {
            std::fprintf(stderr, "cannot add a unit to the register\n");
            return 1;
        }
        ids.push_back(std::get<Unit>(added).id);
        keyring.store(std::get<Unit>(added).codeKey, QStringLiteral("7395"), &app, [](const KeyringReply&) {});
    }

    const auto start = std::chrono::steady_clock::now();
    bool delivered = true;
    if (mode == "together") {
        delivered = sendTo(outbox, book, route, ids);
    } else if (mode == "one-by-one") {
        for (const qint64 id : ids) {
            delivered = delivered && sendTo(outbox, book, route, {id});
        }
    } else {
        std::fprintf(stderr, "unknown mode %s\n", argv[1]);
        return 2;
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (!delivered) {
        std::fprintf(stderr, "not every unit got every row delivered\n");
        return 1;
    }
    std::printf("%lld\n", static_cast<long long>(std::chrono::nanoseconds(elapsed).count()));
    return 0;
}
