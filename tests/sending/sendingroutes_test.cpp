#include "displayband.h"
#include "modemfinder.h"
#include "modemtestbench.h"
#include "outbox.h"
#include "pageset.h"
#include "pagetest.h"
#include "scriptedquestions.h"
#include "testmain.h"
#include "waits.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace velmora;
using namespace velmora::test;

namespace {

constexpr int waitMs = 60000;
const QString kNoRoute = QStringLiteral("Nie znaleziono modemu ani telefonu, przez który można wysłać SMS.");

} // namespace

// The send window opened with nothing to send through, then a modem plugged in (and ModemManager started) while it
// is open: the real ModemManager and a simulated modem, on the test's own bus.
class SendingRoutesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(bench_.start(), qPrintable(bench_.errorString())); }

    void cleanup()
    {
        if (QTest::currentTestFailed()) {
            qInfo().noquote() << bench_.diagnostics();
        }
        bench_.stopModemManager();
    }

    void aModemPluggedInWhileTheWindowIsOpenIsOfferedAndSends()
    {
        QVERIFY2(bench_.startModemManager(), qPrintable(bench_.errorString()));
        SimulatedModem* modem = nullptr;
        whileSendWindowOpen([&](QWidget* window) {
            QVERIFY(waitForNoRoute(window, QStringLiteral("Nie znaleziono modemu GSM: podłącz modem z kartą SIM")));
            modem = bench_.plugInModem();
            QVERIFY2(modem != nullptr, qPrintable(bench_.errorString()));
            auto* route = child<QComboBox>(window, QStringLiteral("SendRoute"));
            QVERIFY(runEventsUntil([route] { return route->count() == 1; }, waitMs));
            QVERIFY2(route->currentText().startsWith(QStringLiteral("Modem: ")), qPrintable(route->currentText()));
            auto* status = child<QLabel>(window, QStringLiteral("SendStatus"));
            QCOMPARE(status->text(), QString());
            QCOMPARE(status->toolTip(), QString());

            // Looking again finds the same modem, still picked.
            child<QPushButton>(window, QStringLiteral("SendRescan"))->click();
            QVERIFY(runEventsUntil([this] { return !outbox_.finder().isSearching(); }, waitMs));
            QCOMPARE(route->count(), 1);

            child<QLineEdit>(window, QStringLiteral("SendNumber"))->setText(QStringLiteral("48601123456"));
            child<QPushButton>(window, QStringLiteral("SendConfirm"))->click();
            QVERIFY(runEventsUntil([modem] { return modem->submittedPdus().size() == 1; }, waitMs));
        });
        QVERIFY(modem != nullptr);
    }

    void modemManagerStartedWhileTheWindowIsOpenBringsItsModem()
    {
        whileSendWindowOpen([&](QWidget* window) {
            QVERIFY(waitForNoRoute(window, QStringLiteral("ModemManager nie działa albo nie jest zainstalowany")));
            QVERIFY2(bench_.startModemManager(), qPrintable(bench_.errorString()));
            QVERIFY2(bench_.plugInModem() != nullptr, qPrintable(bench_.errorString()));
            auto* route = child<QComboBox>(window, QStringLiteral("SendRoute"));
            QVERIFY(runEventsUntil([route] { return route->count() == 1; }, waitMs));
            QCOMPARE(child<QLabel>(window, QStringLiteral("SendStatus"))->text(), QString());
        });
    }

private:
    void whileSendWindowOpen(const std::function<void(QWidget*)>& act)
    {
        DisplayBand* band = bandWithCommand(pages_, "TForm6", "0123#S#");
        QVERIFY(band != nullptr);
        QCOMPARE(openFromBand(band, "SendButton", act), QStringList{QStringLiteral("SendWindow")});
    }

    // Waits until the window says, in plain words, that nothing can send, with the finder's cause in the tool tip.
    bool waitForNoRoute(QWidget* window, const QString& cause)
    {
        auto* status = child<QLabel>(window, QStringLiteral("SendStatus"));
        const bool said = runEventsUntil([&] { return status->toolTip().startsWith(cause); }, waitMs);
        if (!said || !status->text().startsWith(kNoRoute) || !status->text().contains(QStringLiteral("„Kod QR”"))) {
            qWarning().noquote() << status->text() << status->toolTip();
            return false;
        }
        return true;
    }

    ModemTestBench bench_;
    RecordingErrorBox errors_;
    ScriptedQuestions questions_;
    ModemFinder finder_{std::chrono::seconds(60)};
    Outbox outbox_{finder_};
    PageSet pages_{errors_, Sending{outbox_, questions_}};
};

VELMORA_TEST_MAIN(SendingRoutesTest)
#include "sendingroutes_test.moc"
