// A start of the program that sends the plan of the run's tests to every unit of a register through ModemManager,
// for the sending tests to kill and start again. It runs on the test's bus, its keyring answering with the codes
// given.
//
//   unitsrun_helper REGISTER CODE_KEY=CODE...
//
// A run the register keeps unfinished is taken up, every row whose outcome is unknown taken as sent; otherwise the
// plan goes to every unit, each row waiting for the previous one's delivery. Prints, a line each:
//   notice <text>                       the notice of the run taken up
//   unknown <number> <row>              a row whose outcome is unknown, rows counted from 1
//   sent <number> <row>                 a row the network took
//   state <number> <progress>|<state>   each unit at the end, then "end"
#include "fakekeyring.h"
#include "historyrecorder.h"
#include "modemfinder.h"
#include "runplan.h"
#include "unitsrun.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

using namespace velmora;

namespace {

void print(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

class Program {
public:
    Program(const QString& path, const QStringList& codes) : units_(path), book_(units_, keyring_)
    {
        for (const QString& code : codes) {
            keyring_.entries[code.section(QLatin1Char('='), 0, 0)] = code.section(QLatin1Char('='), 1);
        }
        QObject::connect(&run_, &UnitsRun::rowStateChanged, &run_, [this](int target, int row) {
            if (run_.rowState(target, row).startsWith(QStringLiteral("wysłano "))) {
                print(QStringLiteral("sent %1 %2").arg(run_.unitAt(target).number).arg(row + 1));
            }
        });
        QObject::connect(&run_, &UnitsRun::sendingChanged, &run_, [this](bool sending) {
            if (!sending) {
                end();
            }
        });
        QObject::connect(&finder_, &RouteFinder::routesChanged, &run_, [this] {
            if (!finder_.routes().isEmpty() && !started_) {
                started_ = true;
                send(finder_.routes().first());
            }
        });
        outbox_.start();
    }

private:
    void send(Route* route)
    {
        std::vector<Plan::Item> rows = test::kPlan;
        if (const QString notice = run_.unfinishedNotice(); !notice.isEmpty()) {
            print(QStringLiteral("notice ") + notice);
            rows = run_.loadUnfinished();
            for (int target = 0; target < run_.rowCount(); ++target) {
                for (int row = 0; row < run_.planRowCount(); ++row) {
                    if (run_.isUnknown(target, row)) {
                        print(QStringLiteral("unknown %1 %2").arg(run_.unitAt(target).number).arg(row + 1));
                        run_.markSent(target, row);
                    }
                }
            }
        } else {
            // In the order they were added: A, B, C.
            std::vector<qint64> ids = units_.unitIds();
            std::sort(ids.begin(), ids.end());
            run_.setTargets(ids);
        }
        if (!run_.send(rows, route, true, true)) {
            end();
        }
    }

    void end()
    {
        for (int target = 0; target < run_.rowCount(); ++target) {
            print(QStringLiteral("state %1 %2|%3")
                      .arg(run_.unitAt(target).number, run_.index(target, UnitsRun::Progress).data().toString(),
                           run_.index(target, UnitsRun::State).data().toString()));
        }
        print(QStringLiteral("end"));
        QCoreApplication::quit();
    }

    test::FakeKeyring keyring_;
    ModemFinder finder_{std::chrono::seconds(60)};
    Outbox outbox_{finder_};
    UnitRegister units_;
    UnitBook book_;
    HistoryRecorder recorder_{outbox_, units_};
    UnitsRun run_{outbox_, book_};
    bool started_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        return 2;
    }
    Program program(arguments[1], arguments.mid(2));
    return app.exec();
}
