#pragma once

#include "modemfinder.h"
#include "modemtestbench.h"
#include "outbox.h"
#include "pageset.h"
#include "recordingerrorbox.h"
#include "scriptedquestions.h"

#include <QTest>

namespace velmora::test {

inline constexpr int waitMs = 60000;
inline const QString kUnit = QStringLiteral("48601123456");

// The program's pages as start-up wires them, sending through the real ModemManager, with one simulated modem
// plugged in for the whole test case.
class ProgramOnModem : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(bench_.start(), qPrintable(bench_.errorString()));
        QVERIFY2(bench_.startModemManager(), qPrintable(bench_.errorString()));
        modem_ = bench_.plugInModem();
        QVERIFY2(modem_, qPrintable(bench_.errorString()));
    }

    void cleanup()
    {
        if (QTest::currentTestFailed()) {
            qInfo().noquote() << bench_.diagnostics();
        }
    }

protected:
    ModemTestBench bench_;
    SimulatedModem* modem_ = nullptr;
    RecordingErrorBox errors_;
    ScriptedQuestions questions_;
    ModemFinder finder_{std::chrono::seconds(60)};
    Outbox outbox_{finder_};
    PageSet pages_{errors_, Sending{outbox_, questions_}};
};

} // namespace velmora::test
