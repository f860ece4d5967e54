// A program the register's tests start, and kill, in a process of its own.
//
//   register_helper write PATH    records messages to one unit without end, printing each one's id once its
//                                 stages are committed
//   register_helper problem PATH  prints why the register cannot be used, or nothing
//   register_helper handovers PATH COUNT   records a run of COUNT rows to one unit, then each row handed over
//   register_helper stages PATH COUNT      the same, then each row sent
#include "runjournal.h"
#include "unitregister.h"

#include <QCoreApplication>
#include <cstdio>

using namespace velmora;

namespace {

const QString kNumber = QStringLiteral("48601123456");

int writeWithoutEnd(UnitRegister& units)
{
    if (!units.unitWithNumber(kNumber)) {
        units.add({QStringLiteral("Centrala"), kNumber, {}});
    }
    for (int step = 1;; ++step) {
        const auto key = units.recordSent(
            {QLatin1Char('+') + kNumber, QStringLiteral("1234#S#"), QStringLiteral("Krok %1").arg(step)});
        if (!key) {
            return 1;
        }
        units.recordStage(*key, {SendProgress::Stage::Sent});
        std::printf("%lld\n", static_cast<long long>(key->message));
        std::fflush(stdout);
    }
}

// A run of `count` rows to the one unit, each row recorded handed over, or sent.
int recordRun(UnitRegister& units, int count, bool handingOver)
{
    const auto added = units.add({QStringLiteral("Centrala"), kNumber, {}});
    if (!std::holds_alternative<Unit>(added)) {
        return 1;
    }
    const qint64 unit = std::get<Unit>(added).id;
    RecordedRun run{0, QDateTime::currentDateTimeUtc(), {}, {{unit, {}}}};
    run.rows.assign(std::size_t(count), {QStringLiteral("Test"), QStringLiteral("#S#")});
    run.targets.front().rows.resize(std::size_t(count));
    const auto begun = units.runs().begin(run);
    if (!std::holds_alternative<qint64>(begun)) {
        return 1;
    }
    RunRowState sent;
    sent.message.progress = SendProgress(SendProgress::Stage::Sent);
    for (int row = 0; row < count; ++row) {
        const qint64 id = std::get<qint64>(begun);
        const QString why =
            handingOver ? units.runs().recordHandingOver(id, unit, row) : units.runs().record(id, unit, row, sent);
        if (!why.isEmpty()) {
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 3) {
        return 2;
    }
    UnitRegister units(arguments[2]);
    if (arguments[1] == QStringLiteral("write")) {
        return writeWithoutEnd(units);
    }
    if (arguments.size() == 4) {
        return recordRun(units, arguments[3].toInt(), arguments[1] == QStringLiteral("handovers"));
    }
    std::printf("%s", units.problem().toUtf8().constData());
    return 0;
}
