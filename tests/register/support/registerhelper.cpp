// A program the register's tests start, and kill, in a process of its own.
//
//   register_helper write PATH    records messages to one unit without end, printing each one's id once its
//                                 stages are committed
//   register_helper problem PATH  prints why the register cannot be used, or nothing
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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        return 2;
    }
    UnitRegister units(arguments[2]);
    if (arguments[1] == QStringLiteral("write")) {
        return writeWithoutEnd(units);
    }
    std::printf("%s", units.problem().toUtf8().constData());
    return 0;
}
