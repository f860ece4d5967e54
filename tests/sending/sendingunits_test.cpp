#include "fakekeyring.h"
#include "ownedprocess.h"
#include "programonmodem.h"
#include "runplan.h"
#include "testhome.h"
#include "testmain.h"
#include "unitsrun.h"
#include "waits.h"

#include <QTest>
#include <csignal>

using namespace velmora;
using namespace velmora::test;

namespace {

constexpr int kReference = 100;

// Three registered units, their codes in a keyring, on a register in the test's own home.
struct Units {
    Units()
    {
        UnitRegister units(path);
        for (const SampleUnit& sample : kUnits) {
            const Unit unit =
                std::get<Unit>(units.add({QString::fromUtf8(sample.name), QString::fromLatin1(sample.number), {}}));
            ids.push_back(unit.id);
            keyring.entries[unit.codeKey] = QString::fromLatin1(sample.code);
        }
    }

    QStringList codes() const
    {
        QStringList given;
        for (const auto& [key, code] : keyring.entries) {
            given << key + QLatin1Char('=') + code;
        }
        return given;
    }

    TestHome home;
    QString path = home.filePath(QStringLiteral("centrale.sqlite"));
    FakeKeyring keyring;
    std::vector<qint64> ids;
};

// The program's run to units in this process, on the outbox of the pages.
struct InProcess {
    InProcess(Units& units, Outbox& outbox) : register_(units.path), book(register_, units.keyring), run(outbox, book)
    {
        run.setTargets(units.ids);
    }

    bool send(RouteFinder& finder, bool wait)
    {
        if (!runEventsUntil([&] { return finder.routes().size() == 1; }, waitMs)) {
            return false;
        }
        return run.send(kPlan, finder.routes().first(), wait, true);
    }

    UnitRegister register_;
    UnitBook book;
    UnitsRun run;
};

// The unit a PDU went to, by its place in kUnits, and the row it carried with that unit's code; -1 for none.
std::pair<int, int> unitAndRow(const QByteArray& hex)
{
    const std::optional<pdu::Submit> submit = pdu::decodeSubmit(hex);
    for (int unit = 0; submit && unit < 3; ++unit) {
        for (int row = 0; row < int(kPlan.size()); ++row) {
            if (submit->destination == QLatin1Char('+') + QLatin1String(kUnits[unit].number) &&
                submit->text == QLatin1String(kUnits[unit].code) + kPlan[std::size_t(row)].command) {
                return {unit, row};
            }
        }
    }
    return {-1, -1};
}

// The unit with that number, by its place in kUnits; -1 for none.
int unitOf(const QString& number)
{
    for (int unit = 0; unit < 3; ++unit) {
        if (number == QLatin1String(kUnits[unit].number)) {
            return unit;
        }
    }
    return -1;
}

} // namespace

// A plan of three rows sent to three registered units through the real ModemManager and one simulated modem.
class SendingUnitsTest : public ProgramOnModem {
    Q_OBJECT

private slots:
    void init()
    {
        outbox_.start();
        before_ = modem_->submittedPdus().size();
    }

    // Each row waits for the network's report that the unit's previous one was delivered; meanwhile the other units'
    // rows go, so each unit's first row goes before any second one.
    void everyUnitGetsItsRowsWithItsOwnCodeInOrder()
    {
        Units units;
        InProcess program(units, outbox_);
        modem_->setNextReference(kReference);
        QObject::connect(&program.run, &UnitsRun::rowStateChanged, &program.run, [&](int target, int row) {
            if (program.run.rowState(target, row).startsWith(QStringLiteral("wysłano "))) {
                QVERIFY(modem_->reportDelivery(referenceOf(target, row), 0));
            }
        });
        QVERIFY(program.send(finder_, true));
        QVERIFY(runEventsUntil([&] { return !program.run.isSending(); }, waitMs));
        QCOMPARE(sentRows(), (QStringList{"A1", "B1", "C1", "A2", "B2", "C2", "A3", "B3", "C3"}));
        for (int target = 0; target < 3; ++target) {
            QCOMPARE(program.run.index(target, UnitsRun::State).data().toString(),
                     QStringLiteral("gotowe: 3 doręczono"));
        }
    }

    void aRefusedMessageStopsOnlyItsUnit()
    {
        Units units;
        InProcess program(units, outbox_);
        // The second message, B's first row, is refused.
        const auto refuseSecond = QObject::connect(modem_, &SimulatedModem::submitReceived, modem_, [this] {
            if (modem_->submittedPdus().size() == before_ + 1) {
                modem_->refuseNextSend(500);
            }
        });
        QVERIFY(program.send(finder_, false));
        QVERIFY(runEventsUntil([&] { return !program.run.isSending(); }, waitMs));
        QObject::disconnect(refuseSecond);
        QCOMPARE(sentRows(), (QStringList{"A1", "B1", "C1", "A2", "C2", "A3", "C3"}));
        QCOMPARE(program.run.index(0, UnitsRun::State).data().toString(), QStringLiteral("gotowe: 3 wysłano"));
        const QString stopped = program.run.index(1, UnitsRun::State).data().toString();
        QVERIFY2(stopped.startsWith(QStringLiteral("zatrzymano przy 1: ")), qPrintable(stopped));
        QCOMPARE(program.run.index(1, UnitsRun::Progress).data().toString(), QStringLiteral("0 z 3"));
        QCOMPARE(program.run.index(2, UnitsRun::State).data().toString(), QStringLiteral("gotowe: 3 wysłano"));
    }

    // Killed while A's second row is with the modem, the program is started again: the row is unknown and taken as
    // sent, and every other row goes once.
    void aRunKilledMidWayGoesOnWithNothingSentTwice()
    {
        Units units;
        modem_->setNextReference(kReference);
        const auto holdFourth = QObject::connect(modem_, &SimulatedModem::submitReceived, modem_, [this] {
            if (modem_->submittedPdus().size() == before_ + 3) {
                modem_->holdNextSend();
            }
        });
        OwnedProcess first(units.home.filePath(QStringLiteral("first-start.log")));
        QVERIFY(first.start(QStringLiteral(VELMORA_UNITSRUN_HELPER), QStringList{units.path} + units.codes(),
                            OwnedProcess::Output::StandardOutputReadable));
        // Only A's first row is confirmed, so that B and C wait for theirs and nothing but A's second row follows.
        QVERIFY(runEventsUntil([&] { return readLine(first) == QStringLiteral("sent 48601000001 1"); }, waitMs));
        QVERIFY(modem_->reportDelivery(referenceOf(0, 0), 0));
        QVERIFY(runEventsUntil([&] { return modem_->submittedPdus().size() == before_ + 4; }, waitMs));
        QObject::disconnect(holdFourth);
        ::kill(static_cast<pid_t>(first.pid()), SIGKILL);
        QVERIFY(runEventsUntil([&] { return !first.isRunning(); }, waitMs));
        modem_->releaseHeldSend();

        OwnedProcess second(units.home.filePath(QStringLiteral("second-start.log")));
        QVERIFY(second.start(QStringLiteral(VELMORA_UNITSRUN_HELPER), QStringList{units.path} + units.codes(),
                             OwnedProcess::Output::StandardOutputReadable));
        // Every row the network takes is delivered.
        QStringList lines;
        QVERIFY2(runEventsUntil(
                     [&] {
                         const QString line = readLine(second);
                         if (line.startsWith(QStringLiteral("sent "))) {
                             modem_->reportDelivery(referenceOf(unitOf(line.section(QLatin1Char(' '), 1, 1)),
                                                                line.section(QLatin1Char(' '), 2).toInt() - 1),
                                                    0);
                         } else if (!line.isEmpty()) {
                             lines << line;
                         }
                         return line == QStringLiteral("end");
                     },
                     waitMs),
                 qPrintable(second.log()));
        QCOMPARE(sentRows().mid(0, 4), (QStringList{"A1", "B1", "C1", "A2"}));
        QStringList each = sentRows();
        each.sort();
        QCOMPARE(each, (QStringList{"A1", "A2", "A3", "B1", "B2", "B3", "C1", "C2", "C3"}));
        QVERIFY2(lines.at(0).startsWith(QStringLiteral("notice Niedokończona wysyłka z ")) &&
                     lines.at(0).endsWith(QStringLiteral(": 0 z 3 central gotowe.")),
                 qPrintable(lines.at(0)));
        QCOMPARE(lines.mid(1),
                 (QStringList{"unknown 48601000001 2", "state 48601000001 3 z 3|gotowe: 2 doręczono, 1 wysłano",
                              "state 48601000002 3 z 3|gotowe: 2 doręczono, 1 wysłano",
                              "state 48601000003 3 z 3|gotowe: 2 doręczono, 1 wysłano", "end"}));
    }

private:
    // Each message the modem received in this test as the unit's letter and the row's place ("B2"), in order.
    QStringList sentRows() const
    {
        QStringList rows;
        for (const QByteArray& hex : modem_->submittedPdus().mid(before_)) {
            const auto [unit, row] = unitAndRow(hex);
            rows << (unit < 0 ? QStringLiteral("?") : QChar(u'A' + unit) + QString::number(row + 1));
        }
        return rows;
    }

    // The network's reference of the unit's row: the modem numbers the messages it takes in turn.
    int referenceOf(int unit, int row) const
    {
        const QList<QByteArray> pdus = modem_->submittedPdus().mid(before_);
        for (int i = 0; i < pdus.size(); ++i) {
            if (unitAndRow(pdus[i]) == std::pair(unit, row)) {
                return kReference + i;
            }
        }
        return -1;
    }

    static QString readLine(OwnedProcess& helper) { return QString::fromUtf8(helper.readLine(1)); }

    qsizetype before_ = 0;
};

VELMORA_TEST_MAIN(SendingUnitsTest)
#include "sendingunits_test.moc"
