#include "mainpage.h"
#include "modal.h"
#include "pagetest.h"
#include "plan.h"
#include "programonmodem.h"
#include "testmain.h"
#include "waits.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace velmora;
using namespace velmora::test;

// A unit's configuration gathered on three pages and sent from the plan window through the real ModemManager and a
// simulated modem, each command confirmed by the network's delivery report, or stopped by a refusal and resumed.
class SendingPlanTest : public ProgramOnModem {
    Q_OBJECT

private slots:
    void eachCommandWaitsForThePreviousOnesReport()
    {
        gather({{"TForm6", "0123#S#"}, {"TForm7", "0123#RI#1#Jan {K}#"}, {"TForm3", "0123#SM#10000#"}});
        modem_->setNextReference(40);
        whilePlanOpen([this](QWidget* window) {
            child<QCheckBox>(window, QStringLiteral("PlanWait"))->setChecked(true);
            send(window);
            QVERIFY(runEventsUntil([this] { return modem_->submittedPdus().size() == 1; }, waitMs));
            for (int row = 0; row < 3; ++row) {
                // The network reports on a message once the modem has it sent; until then nothing more goes.
                QVERIFY(
                    runEventsUntil([this, row] { return state(row).startsWith(QStringLiteral("wysłano ")); }, waitMs));
                QVERIFY(!runEventsUntil([this, row] { return modem_->submittedPdus().size() > row + 1; }, 1000));
                QVERIFY(modem_->reportDelivery(40 + row, 0));
                QVERIFY(runEventsUntil([this, row] { return state(row).startsWith(QStringLiteral("doręczono ")); },
                                       waitMs));
                QVERIFY(runEventsUntil([this, row] { return modem_->submittedPdus().size() == std::min(row + 2, 3); },
                                       waitMs));
            }
            QVERIFY(runEventsUntil([this] { return !plan()->isSending(); }, waitMs));
            QCOMPARE(child<QLabel>(window, QStringLiteral("PlanStatus"))->text(),
                     QStringLiteral("Plan wysłany w całości."));
        });
        QCOMPARE(submittedTexts(), (QStringList{QStringLiteral("0123#S#"), QStringLiteral("0123#RI#1#Jan {K}#"),
                                                QStringLiteral("0123#SM#10000#")}));
    }

    // The plan of the run keeps its three rows sent: a second press sends only what has not gone.
    void aRefusedCommandStopsThePlanAndTheNextPressSendsTheRest()
    {
        gather({{"TForm6", "0123#F#"}, {"TForm6", "0123#E#1#"}, {"TForm6", "0123#L#10#"}});
        const qsizetype before = modem_->submittedPdus().size();
        whilePlanOpen([this, before](QWidget* window) {
            child<QCheckBox>(window, QStringLiteral("PlanWait"))->setChecked(false);
            modem_->holdNextSend();
            send(window);
            QVERIFY(runEventsUntil([&] { return modem_->submittedPdus().size() == before + 1; }, waitMs));
            modem_->refuseNextSend(500);
            modem_->releaseHeldSend();
            QVERIFY(runEventsUntil([this] { return !plan()->isSending(); }, waitMs));
            QVERIFY2(state(4).startsWith(QStringLiteral("błąd: ")), qPrintable(state(4)));
            QCOMPARE(state(5), QStringLiteral("czeka"));
            const QString status = child<QLabel>(window, QStringLiteral("PlanStatus"))->text();
            QVERIFY2(status.startsWith(QStringLiteral("Polecenie 5 nie zostało wysłane: ")) &&
                         status.endsWith(QStringLiteral(" „Wyślij plan” wyśle dalej od polecenia 5.")),
                     qPrintable(status));

            child<QPushButton>(window, QStringLiteral("PlanSend"))->click();
            QVERIFY(runEventsUntil(
                [this] { return !plan()->isSending() && state(5).startsWith(QStringLiteral("wysłano ")); }, waitMs));
        });
        QCOMPARE(submittedTexts().mid(before),
                 (QStringList{QStringLiteral("0123#F#"), QStringLiteral("0123#E#1#"), QStringLiteral("0123#E#1#"),
                              QStringLiteral("0123#L#10#")}));
        for (int row = 0; row < 6; ++row) {
            QVERIFY2(!state(row).startsWith(QStringLiteral("błąd")), qPrintable(state(row)));
        }
    }

private:
    struct Gathered {
        const char* page;
        const char* command;
    };

    // Each command shown on its page and added to the plan with "Do planu".
    void gather(std::initializer_list<Gathered> commands)
    {
        for (const Gathered& gathered : commands) {
            DisplayBand* band = bandWithCommand(pages_, gathered.page, gathered.command);
            QVERIFY(band);
            child<QPushButton>(band, QStringLiteral("PlanAddButton"))->click();
        }
    }

    // Opens the plan from the advanced configuration page and hands its window to `steps`.
    void whilePlanOpen(const std::function<void(QWidget*)>& steps)
    {
        ModalWatcher watcher([&](QWidget* shown) {
            if (shown->objectName() == QStringLiteral("PlanWindow")) {
                window_ = shown;
                steps(shown);
            }
        });
        auto* hub = child<Page>(&pages_.mainPage(), QStringLiteral("TForm12"));
        hub->ensureBuilt();
        child<QPushButton>(hub, QStringLiteral("PlanButton"))->click();
        QCOMPARE(watcher.seen(), QStringList{QStringLiteral("PlanWindow")});
    }

    // Types the unit's number, waits for the modem to be offered and presses "Wyślij plan".
    void send(QWidget* window)
    {
        child<QLineEdit>(window, QStringLiteral("PlanNumber"))->setText(kUnit);
        auto* route = child<QComboBox>(window, QStringLiteral("PlanRoute"));
        QVERIFY(runEventsUntil([route] { return route->count() == 1; }, waitMs));
        auto* press = child<QPushButton>(window, QStringLiteral("PlanSend"));
        QVERIFY(press->isEnabled());
        press->click();
    }

    QAbstractItemModel* rows() const { return child<QAbstractItemView>(window_, QStringLiteral("PlanList"))->model(); }
    Plan* plan() const { return qobject_cast<Plan*>(rows()); }
    QString state(int row) const { return rows()->index(row, Plan::State).data().toString(); }

    QStringList submittedTexts() const
    {
        QStringList texts;
        for (const QByteArray& hex : modem_->submittedPdus()) {
            const std::optional<pdu::Submit> submit = pdu::decodeSubmit(hex);
            texts << (submit && submit->destination == QLatin1Char('+') + kUnit ? submit->text : QStringLiteral("?"));
        }
        return texts;
    }

    QWidget* window_ = nullptr;
};

VELMORA_TEST_MAIN(SendingPlanTest)
#include "sendingplan_test.moc"
