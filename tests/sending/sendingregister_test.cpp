#include "displayband.h"
#include "keptunits.h"
#include "mainpage.h"
#include "modal.h"
#include "pagetest.h"
#include "programonmodem.h"
#include "testmain.h"
#include "unithistorymodel.h"
#include "unitsmodel.h"
#include "waits.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace velmora;
using namespace velmora::test;

namespace {

const QString kCode = QStringLiteral("7395");
const QString kCentreTitle = QStringLiteral("Definiowanie Centrum SMS");

// One start of the program as start-up wires it, over the units kept between starts, sending through the real
// ModemManager. Each start has its own finder and outbox, as a process of its own would.
struct Start {
    explicit Start(KeptUnits& kept) : access(kept.makeAccess()) { access->recordFrom(outbox); }

    Page* page(const char* name) const
    {
        auto* found = child<Page>(&pages.mainPage(), QLatin1String(name));
        found->ensureBuilt();
        return found;
    }

    // Opens the units window from the first steps page and lets `steps` act in it; the unit dialog, if `steps` opens
    // it, goes to `inDialog`.
    void inUnitsWindow(const std::function<void(QWidget*)>& steps, const std::function<void(QWidget*)>& inDialog = {})
    {
        ModalWatcher watcher([&](QWidget* window) {
            ModalWatcher dialogs(window, [&](QWidget* dialog) {
                if (inDialog) {
                    inDialog(dialog);
                }
            });
            steps(window);
        });
        child<QPushButton>(page("TForm13"), QStringLiteral("UnitsButton"))->click();
        QCOMPARE(watcher.seen().value(0), QStringLiteral("UnitsWindow"));
    }

    RecordingErrorBox errors;
    ScriptedQuestions questions;
    ModemFinder finder{std::chrono::seconds(60)};
    Outbox outbox{finder};
    std::unique_ptr<RegisterAccess> access;
    PageSet pages{errors, Sending{outbox, questions}, access.get()};
};

QString cell(QWidget* window, const char* view, int row, int column)
{
    return child<QTableView>(window, QLatin1String(view))->model()->index(row, column).data().toString();
}

void addUnit(QWidget* dialog)
{
    child<QLineEdit>(dialog, QStringLiteral("UnitName"))->setText(QStringLiteral("Dom"));
    child<QLineEdit>(dialog, QStringLiteral("UnitNumber"))->setText(kUnit);
    child<QLineEdit>(dialog, QStringLiteral("UnitIku"))->setText(kCode);
    child<QPushButton>(dialog, QStringLiteral("UnitSave"))->click();
    QTRY_VERIFY(!dialog->isVisible());
}

} // namespace

// The installer's day: a unit added once with its code, used, a command composed and sent to it, and its history
// there the next time the program starts.
class SendingRegisterTest : public ProgramOnModem {
    Q_OBJECT

private slots:
    void aUnitAddedAndUsedIsSentToAndRememberedAfterARestart()
    {
        KeptUnits kept;
        const QDateTime discharged(QDate(2026, 12, 8), QTime(10, 15, 30), Qt::OffsetFromUTC, 3600);
        const QString delivered =
            QStringLiteral("Doręczono ") + discharged.toLocalTime().toString(QStringLiteral("HH:mm:ss"));
        {
            Start first(kept);
            first.inUnitsWindow(
                [](QWidget* window) {
                    child<QPushButton>(window, QStringLiteral("UnitAdd"))->click();
                    QTRY_COMPARE(cell(window, "UnitsList", 0, UnitsModel::Code), QStringLiteral("zapisany"));
                    child<QTableView>(window, QStringLiteral("UnitsList"))->selectRow(0);
                    child<QPushButton>(window, QStringLiteral("UnitUse"))->click();
                },
                addUnit);
            Page* firstSteps = first.page("TForm13");
            QTRY_COMPARE(child<QLineEdit>(firstSteps, QStringLiteral("Edit3"))->text(), kCode);
            QCOMPARE(child<QLabel>(firstSteps, QStringLiteral("CurrentUnit"))->text(), QStringLiteral("Centrala: Dom"));

            // The SMS centre's number as the page's first operator gives it.
            child<QLineEdit>(firstSteps, QStringLiteral("Edit1"))->setText(QStringLiteral("48501200777"));
            child<QPushButton>(firstSteps, QStringLiteral("Button1"))->click();
            auto* band = child<DisplayBand>(firstSteps, QString());
            QCOMPARE(band->result()->text(), QStringLiteral("7395#0#48501200777#"));
            modem_->setNextReference(77);
            QString number;
            const QStringList seen = openFromBand(band, "SendButton", [&](QWidget* window) {
                number = child<QLineEdit>(window, QStringLiteral("SendNumber"))->text();
                auto* route = child<QComboBox>(window, QStringLiteral("SendRoute"));
                QVERIFY(runEventsUntil([route] { return route->count() == 1; }, waitMs));
                child<QPushButton>(window, QStringLiteral("SendConfirm"))->click();
                auto* status = child<QLabel>(window, QStringLiteral("SendStatus"));
                QVERIFY(
                    runEventsUntil([status] { return status->text().startsWith(QStringLiteral("Wysłano ")); }, waitMs));
                QVERIFY(modem_->reportDelivery(77, 0x00, discharged));
                QVERIFY(runEventsUntil([&] { return status->text().endsWith(delivered); }, waitMs));
            });
            QCOMPARE(seen, QStringList{QStringLiteral("SendWindow")});
            QCOMPARE(number, kUnit);
            const std::optional<pdu::Submit> sent = pdu::decodeSubmit(modem_->submittedPdus().value(0));
            QVERIFY(sent);
            QCOMPARE(sent->destination, QLatin1Char('+') + kUnit);
            QCOMPARE(sent->text, QStringLiteral("7395#0#48501200777#"));
            QVERIFY(first.errors.reports().empty());
        }
        QCOMPARE(kept.keyring.entries.size(), std::size_t(1));
        QVERIFY(kept.home.filesHolding(kCode).isEmpty());

        Start again(kept);
        QStringList unit;
        QStringList history;
        again.inUnitsWindow([&](QWidget* window) {
            QTRY_COMPARE(cell(window, "UnitsList", 0, UnitsModel::Code), QStringLiteral("zapisany"));
            for (int column : {UnitsModel::Name, UnitsModel::Number}) {
                unit << cell(window, "UnitsList", 0, column);
            }
            QVERIFY(cell(window, "UnitsList", 0, UnitsModel::Last).endsWith(QStringLiteral(", ") + delivered));
            child<QTableView>(window, QStringLiteral("UnitsList"))->selectRow(0);
            for (int column : {UnitHistoryModel::Title, UnitHistoryModel::Text, UnitHistoryModel::State}) {
                history << cell(window, "UnitHistory", 0, column);
            }
            QCOMPARE(child<QTableView>(window, QStringLiteral("UnitHistory"))->model()->rowCount(), 1);
        });
        QCOMPARE(unit, (QStringList{QStringLiteral("Dom"), kUnit}));
        QCOMPARE(history, (QStringList{kCentreTitle, QStringLiteral("****#0#48501200777#"), delivered}));
        QVERIFY(again.errors.reports().empty());
    }
};

VELMORA_TEST_MAIN(SendingRegisterTest)
#include "sendingregister_test.moc"
