#pragma once

#include "fakekeyring.h"
#include "fakeroutes.h"
#include "historyrecorder.h"
#include "runplan.h"
#include "testhome.h"
#include "unitsrun.h"

#include <QTest>

// A plan of three rows sent to up to three registered units through a route of the test's, on a register in the
// test's own home; the program can be started again on the same register as if it had been killed.
namespace velmora::test {

using namespace std::chrono_literals;

using Stage = SendProgress::Stage;

inline SendProgress sent(const QString& key = {})
{
    SendProgress progress(Stage::Sent);
    progress.followUpKey = key;
    return progress;
}

// A message as the unit's letter and the row's place ("B2"); "?" unless it carries that unit's code and its row's
// title.
inline QString label(const OutgoingSms& sms)
{
    for (int unit = 0; unit < 3; ++unit) {
        for (int row = 0; row < int(kPlan.size()); ++row) {
            if (sms.number == QLatin1Char('+') + QLatin1String(kUnits[unit].number) &&
                sms.text == QLatin1String(kUnits[unit].code) + kPlan[std::size_t(row)].command &&
                sms.title == kPlan[std::size_t(row)].title) {
                return QChar(u'A' + unit) + QString::number(row + 1);
            }
        }
    }
    return QStringLiteral("?");
}

// One start of the program: its outbox with a route of the test's, the register on the test's file, the keyring the
// test holds, and the run.
struct Program {
    Program(const QString& path, Keyring& keyring, std::chrono::milliseconds timeout)
        : units(path), book(units, keyring), run(outbox, book, timeout)
    {
        outbox.start();
    }

    FakeFinder finder;
    Outbox outbox{finder};
    FakeRoute modem{QStringLiteral("Modem: A")};
    UnitRegister units;
    UnitBook book;
    HistoryRecorder recorder{outbox, units};
    UnitsRun run;
};

// Up to three units chosen for the run; C's code is not in the keyring unless a test puts it there.
class Fixture {
public:
    explicit Fixture(int unitCount, std::chrono::milliseconds timeout = 1min) : timeout_(timeout)
    {
        start();
        for (int unit = 0; unit < unitCount; ++unit) {
            const auto added =
                p().units.add({QString::fromUtf8(kUnits[unit].name), QLatin1String(kUnits[unit].number), {}});
            ids.push_back(std::get<Unit>(added).id);
            if (unit < 2) {
                keyring.entries[std::get<Unit>(added).codeKey] = QLatin1String(kUnits[unit].code);
            }
        }
        p().run.setTargets(ids);
    }

    Program& p() { return *program_; }
    UnitsRun& run() { return program_->run; }

    // The program ends as if killed: nothing more is recorded, and the next start finds the register as it was.
    void restart()
    {
        for (const FakeRoute::Handed& handed : p().modem.handed()) {
            before_ << label(handed.sms);
        }
        program_.reset();
        start();
    }

    bool send(bool wait) { return run().send(kPlan, &p().modem, wait, false); }

    // Every message the route was handed, in every start so far.
    QStringList handed() const
    {
        QStringList labels = before_;
        for (const FakeRoute::Handed& handed : program_->modem.handed()) {
            labels << label(handed.sms);
        }
        return labels;
    }
    // Waits until the route of this start holds `count` messages: the outbox hands them on from the event loop.
    bool handedCount(int count)
    {
        const auto& handed = p().modem.handed();
        return QTest::qWaitFor([&] { return int(handed.size()) >= count; }, 2000) && int(handed.size()) == count;
    }
    // Nothing more comes to the route for a while.
    bool handedStill(int count)
    {
        QTest::qWait(50);
        return int(p().modem.handed().size()) == count;
    }
    // The route ends the message it holds, and the next goes to it.
    void finish(const SendProgress& progress) { p().modem.finish(progress); }
    void reply(int unit, const QString& text)
    {
        p().finder.deliver({QLatin1String(kUnits[unit].number), text, QDateTime::currentDateTime()});
    }

    QString cell(int target, int column) { return run().index(target, column).data().toString(); }
    QStringList states()
    {
        QStringList texts;
        for (int target = 0; target < run().rowCount(); ++target) {
            texts << cell(target, UnitsRun::State);
        }
        return texts;
    }
    QStringList rows(int target)
    {
        QStringList texts;
        for (int row = 0; row < run().planRowCount(); ++row) {
            texts << run().rowState(target, row).section(QLatin1Char(' '), 0, 0);
        }
        return texts;
    }
    bool ended()
    {
        return QTest::qWaitFor([this] { return !run().isSending(); }, 2000);
    }

    TestHome home;
    QString path = home.filePath(QStringLiteral("data/centrale.sqlite"));
    FakeKeyring keyring;
    std::vector<qint64> ids;

private:
    void start() { program_.emplace(path, keyring, timeout_); }

    std::chrono::milliseconds timeout_;
    std::optional<Program> program_;
    QStringList before_;
};

} // namespace velmora::test
