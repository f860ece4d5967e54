// The plan window with a plan of 200 rows, each operation ending with the window painted anew:
//   open  the plan read from its file, checked and shown in place of the one before
//   move  one row moved a place down, then back up
// Usage: velmora-plan-bench MODE COUNT. Prints nanoseconds per operation. Only measuredLoop() does the measured
// work, so `valgrind --tool=callgrind --collect-atstart=no --toggle-collect=*measuredLoop*` counts it alone.
#include "measuredloop.h"
#include "outbox.h"
#include "plan.h"
#include "planstore.h"
#include "planwindow.h"
#include "route.h"
#include "sendquestions.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string_view>

namespace {

constexpr int kRows = 200;

class SilentQuestions final : public velmora::SendQuestions {
public:
    bool ask(const QString& /*question*/) override { return true; }
    bool confirmSending(const QString& /*question*/) override { return true; }
};

class NoFiles final : public velmora::FileChoice {
public:
    QString chooseToOpen(QWidget* /*parent*/) override { return {}; }
    QString chooseToSave(QWidget* /*parent*/) override { return {}; }
};

// No route is ever looked for: the window is only shown.
class NoRoutes final : public velmora::RouteFinder {
public:
    void start() override {}
    QList<velmora::Route*> routes() const override { return {}; }
    QString absenceReason() const override { return {}; }
};

// A unit's configuration as the pages compose it, long enough for 200 rows.
void fill(velmora::Plan& plan)
{
    for (int i = 0; i < kRows; ++i) {
        plan.add(QStringLiteral("Definiowanie nazwy czujki"),
                 QStringLiteral("1234#MCI#%1#Czujka ruchu w pokoju %2#").arg(i % 8 + 1).arg(i));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s open|move COUNT\n", argv[0]);
        return 2;
    }
    const std::string_view mode = argv[1];
    const int count = std::atoi(argv[2]);
    QApplication app(argc, argv);
    NoRoutes finder;
    velmora::Outbox outbox(finder);
    velmora::Plan plan(outbox);
    velmora::bench::SilentErrorBox errors;
    SilentQuestions questions;
    NoFiles files;
    velmora::PlanWindow window(plan, outbox, errors, questions, files);

    fill(plan);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("centrala.plan"));
    if (!velmora::savePlan(plan, path).isEmpty()) {
        std::fprintf(stderr, "cannot write the plan file\n");
        return 1;
    }
    // Painting is measured only once the window is on the screen: before, repaint() paints nothing.
    window.show();
    while (!window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    window.repaint();

    std::function<void(int)> operation;
    if (mode == "open") {
        operation = [&](int) {
            if (!velmora::openPlan(path, plan).isEmpty()) {
                std::abort();
            }
            window.repaint();
        };
    } else if (mode == "move") {
        operation = [&](int i) {
            if (i % 2 == 0) {
                plan.moveDown(kRows / 2);
            } else {
                plan.moveUp(kRows / 2 + 1);
            }
            window.repaint();
        };
    } else {
        std::fprintf(stderr, "unknown mode %s\n", argv[1]);
        return 2;
    }

    const double nanoseconds = velmora::bench::nanosecondsPerOperation(operation, count);
    if (plan.rowCount() != kRows) {
        std::fprintf(stderr, "the plan holds %d rows, not %d\n", plan.rowCount(), kRows);
        return 1;
    }
    std::printf("%.0f\n", nanoseconds);
    return 0;
}
