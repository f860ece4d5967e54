// The units window over a register of many units and messages, each operation ending with the window painted anew:
//   open     the window made and shown, its list read from the register (the register already in use in the run)
//   first    the same in a run that has not used the register yet: the file opened and checked first
//   filter   one keystroke in the units filter, typing a name's letters one by one and then deleting them
//   history  one unit picked in the list, its history read and shown
//   record   one stage of a message recorded in the register, as the history recorder does (not painted)
// Usage: velmora-register-bench MODE COUNT [UNITS MESSAGES]; by default 10,000 units and 100,000 messages. Prints
// nanoseconds per operation. Only measuredLoop() does the measured work (see plan_bench.cpp).
#include "filechoice.h"
#include "measuredloop.h"
#include "questionbox.h"
#include "unitbook.h"
#include "unitswindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

using velmora::SendProgress;

class SilentQuestions final : public velmora::QuestionBox {
public:
    bool ask(const QString& /*question*/) override { return true; }
};

class NoFiles final : public velmora::FileChoice {
public:
    QString chooseToOpen(QWidget* /*parent*/) override { return {}; }
    QString chooseToSave(QWidget* /*parent*/) override { return {}; }
};

// A keyring without entries that answers from the event loop, as the desktop's does.
class EmptyKeyring final : public velmora::Keyring {
public:
    void store(const QString&, const QString&, const QObject* context, Done done) override { answer(context, done); }
    void read(const QString&, const QObject* context, Done done) override { answer(context, done); }
    void remove(const QString&, const QObject* context, Done done) override { answer(context, done); }

private:
    static void answer(const QObject* context, const Done& done)
    {
        QTimer::singleShot(0, context, [done] { done({velmora::KeyringReply::Status::NotFound, {}, {}}); });
    }
};

QString numberOf(int unit)
{
    return QStringLiteral("48%1").arg(600000000 + unit);
}

// Units named as installers name them, and their messages spread over them, each sent and most delivered.
bool fill(velmora::UnitRegister& units, int unitCount, int messageCount)
{
    std::vector<velmora::UnitFields> fields;
    for (int i = 0; i < unitCount; ++i) {
        fields.push_back({QStringLiteral("Centrala %1, ul. Łąkowa %2").arg(i).arg(i % 97 + 1), numberOf(i),
                          QStringLiteral("Klient: Jan Kowalski %1\nKod do furtki u sąsiada").arg(i)});
    }
    if (!units.addAll(fields).isEmpty()) {
        return false;
    }
    for (int i = 0; i < messageCount; ++i) {
        const std::optional<velmora::HistoryKey> key =
            units.recordSent({QLatin1Char('+') + numberOf(i % unitCount),
                              QStringLiteral("1234#MCI#%1#Czujka ruchu w pokoju#").arg(i % 8),
                              QStringLiteral("Definiowanie nazwy czujki")});
        if (!key) {
            return false;
        }
        units.recordStage(*key, {i % 10 == 0 ? SendProgress::Stage::Failed : SendProgress::Stage::Sent});
    }
    return true;
}

// The window on the screen and painted, as a user first sees it.
void showPainted(QWidget& window)
{
    window.show();
    while (!window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    window.repaint();
}

struct Bench {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("centrale.sqlite"));
    std::unique_ptr<velmora::UnitRegister> units = std::make_unique<velmora::UnitRegister>(path);
    EmptyKeyring keyring;
    std::unique_ptr<velmora::UnitBook> book = std::make_unique<velmora::UnitBook>(*units, keyring);
    velmora::bench::SilentErrorBox errors;
    SilentQuestions questions;
    NoFiles files;

    std::unique_ptr<velmora::UnitsWindow> makeWindow()
    {
        return std::make_unique<velmora::UnitsWindow>(
            *book, [](qint64) { return false; }, errors, questions, files, nullptr);
    }

    // A run that has not used the register yet.
    void startAgain()
    {
        book.reset();
        units = std::make_unique<velmora::UnitRegister>(path);
        book = std::make_unique<velmora::UnitBook>(*units, keyring);
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: %s open|first|filter|history|record COUNT [UNITS MESSAGES]\n", argv[0]);
        return 2;
    }
    const std::string_view mode = argv[1];
    const int count = std::atoi(argv[2]);
    const int unitCount = argc == 5 ? std::atoi(argv[3]) : 10000;
    const int messageCount = argc == 5 ? std::atoi(argv[4]) : 100000;
    QApplication app(argc, argv);
    Bench bench;
    if (!fill(*bench.units, unitCount, messageCount)) {
        std::fprintf(stderr, "cannot fill the register\n");
        return 1;
    }

    std::unique_ptr<velmora::UnitsWindow> window = bench.makeWindow();
    showPainted(*window);
    auto* filter = window->findChild<QLineEdit*>(QStringLiteral("UnitsFilter"));
    auto* list = window->findChild<QTableView*>(QStringLiteral("UnitsList"));
    const QString typed = QStringLiteral("centrala 12, ul. łąkowa 3");

    std::function<void(int)> operation;
    if (mode == "open" || mode == "first") {
        operation = [&](int) {
            window.reset();
            if (mode == "first") {
                bench.startAgain();
            }
            window = bench.makeWindow();
            showPainted(*window);
        };
    } else if (mode == "filter") {
        // Typed letter by letter, then deleted letter by letter.
        operation = [&](int i) {
            const int step = i % (2 * int(typed.size()));
            const int length = step < typed.size() ? step + 1 : 2 * int(typed.size()) - step - 1;
            filter->setText(typed.left(length));
            window->repaint();
        };
    } else if (mode == "history") {
        operation = [&](int i) {
            list->selectRow(i % std::min(list->model()->rowCount(), 30));
            window->repaint();
        };
    } else if (mode == "record") {
        const std::optional<velmora::HistoryKey> key = bench.units->recordSent(
            {QLatin1Char('+') + numberOf(0), QStringLiteral("1234#S#"), QStringLiteral("Tryb serwisowy")});
        operation = [&bench, key](int i) {
            bench.units->recordStage(*key, {i % 2 == 0 ? SendProgress::Stage::Sending : SendProgress::Stage::Sent});
        };
    } else {
        std::fprintf(stderr, "unknown mode %s\n", argv[1]);
        return 2;
    }

    const double nanoseconds = velmora::bench::nanosecondsPerOperation(operation, count);
    if (bench.units->unitIds().size() != std::size_t(unitCount)) {
        std::fprintf(stderr, "the register holds %zu units, not %d\n", bench.units->unitIds().size(), unitCount);
        return 1;
    }
    std::printf("%.0f\n", nanoseconds);
    return 0;
}
