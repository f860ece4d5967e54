#include "pagetest.h"
#include "programonmodem.h"
#include "testmain.h"
#include "waits.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace velmora;
using namespace velmora::test;

// From the pages to the modem and back: the user presses "Wyślij" on one page and then on another while the first
// message is still on its way, through the real ModemManager and a simulated modem.
class SendingPagesTest : public ProgramOnModem {
    Q_OBJECT

private slots:
    void twoPagesPressedInQuickSuccessionSendTwoMessagesInOrder()
    {
        // The modem is switched off: the first press asks first. The first message is held in the modem until
        // the second has been pressed, so the second waits for it.
        modem_->holdNextSend();
        DisplayBand* parameters = bandWithCommand(pages_, "TForm6", "0123#S#");
        DisplayBand* names = bandWithCommand(pages_, "TForm7", "0123#RI#1#Jan {K}#");
        QVERIFY(parameters && names);
        QCOMPARE(openFromBand(parameters, "SendButton", [this](QWidget* window) { confirm(window); }),
                 QStringList{QStringLiteral("SendWindow")});
        QCOMPARE(questions_.asked.size(), 1);
        QVERIFY(runEventsUntil([this] { return modem_->submittedPdus().size() == 1; }, waitMs));
        QCOMPARE(openFromBand(names, "SendButton", [this](QWidget* window) { confirm(window); }),
                 QStringList{QStringLiteral("SendWindow")});
        QCOMPARE(state(0), QStringLiteral("wysyłanie"));
        QCOMPARE(state(1), QStringLiteral("w kolejce"));
        QCOMPARE(modem_->submittedPdus().size(), 1);
        modem_->releaseHeldSend();

        QVERIFY(runEventsUntil([this] { return modem_->submittedPdus().size() == 2; }, waitMs));
        QList<QString> texts;
        for (const QByteArray& hex : modem_->submittedPdus()) {
            const std::optional<pdu::Submit> submit = pdu::decodeSubmit(hex);
            QVERIFY(submit);
            QCOMPARE(submit->destination, QLatin1Char('+') + kUnit);
            QVERIFY(submit->statusReportRequested);
            texts << submit->text;
        }
        QCOMPARE(texts, (QList<QString>{QStringLiteral("0123#S#"), QStringLiteral("0123#RI#1#Jan {K}#")}));
        const QString sent = QStringLiteral("wysłano");
        runEventsUntil([&] { return state(0) == sent && state(1) == sent; }, waitMs);
        QCOMPARE(state(0), QStringLiteral("wysłano"));
        QCOMPARE(state(1), QStringLiteral("wysłano"));
        QCOMPARE(outbox_.log().rowCount(), 2);
        QCOMPARE(parameters->result()->text(), QStringLiteral("0123#S#"));
    }

    // While the window is open, the unit's answer to the command shows in it and in the log.
    void theUnitsReplyShowsInTheWindowAndTheLog()
    {
        DisplayBand* parameters = bandWithCommand(pages_, "TForm6", "0123#S#");
        QString status;
        openFromBand(parameters, "SendButton", [this, &status](QWidget* window) {
            confirm(window);
            runEventsUntil([this] { return state(outbox_.log().rowCount() - 1) == QStringLiteral("wysłano"); }, waitMs);
            modem_->deliverSms(QLatin1Char('+') + kUnit, QStringLiteral("Tryb serwisowy"));
            auto* shown = window->findChild<QLabel*>(QStringLiteral("SendStatus"));
            runEventsUntil([shown] { return shown->text().contains(QStringLiteral("Nowa odpowiedź centrali")); },
                           waitMs);
            status = shown->text();
        });
        QVERIFY2(status.endsWith(QStringLiteral("): Tryb serwisowy")), qPrintable(status));
        const int last = outbox_.log().rowCount() - 1;
        QCOMPARE(outbox_.log().index(last, SmsLog::Direction).data().toString(), QStringLiteral("odebrany"));
        QCOMPARE(outbox_.log().index(last, SmsLog::Text).data().toString(), QStringLiteral("Tryb serwisowy"));
    }

    // The network's reports follow the message in the window while it is open, and in the log, never as a reply.
    void theNetworksDeliveryReportShowsInTheWindowAndTheLog()
    {
        DisplayBand* parameters = bandWithCommand(pages_, "TForm6", "0123#S#");
        const QDateTime discharged(QDate(2026, 12, 8), QTime(10, 15, 30), Qt::OffsetFromUTC, 9 * 3600);
        const QString delivered =
            QStringLiteral("Doręczono ") + discharged.toLocalTime().toString(QStringLiteral("HH:mm:ss"));
        modem_->setNextReference(42);
        QStringList shownLines;
        int rows = 0;
        openFromBand(parameters, "SendButton", [&](QWidget* window) {
            confirm(window);
            rows = outbox_.log().rowCount();
            runEventsUntil([&] { return state(rows - 1) == QStringLiteral("wysłano"); }, waitMs);
            auto* shown = window->findChild<QLabel*>(QStringLiteral("SendStatus"));
            QVERIFY(modem_->reportDelivery(42, 0x21));
            runEventsUntil([shown] { return shown->text().contains(QStringLiteral("Doręczenie w toku")); }, waitMs);
            shownLines << shown->text();
            QVERIFY(modem_->reportDelivery(42, 0x00, discharged));
            runEventsUntil([shown] { return shown->text().contains(QStringLiteral("Doręczono")); }, waitMs);
            shownLines << shown->text();
        });
        QCOMPARE(shownLines.size(), 2);
        for (const QString& shown : shownLines) {
            QVERIFY2(shown.startsWith(QStringLiteral("Wysłano ")), qPrintable(shown));
            QVERIFY2(!shown.contains(QStringLiteral("Nowa odpowiedź")), qPrintable(shown));
        }
        QVERIFY2(shownLines[0].endsWith(QStringLiteral("\nDoręczenie w toku")), qPrintable(shownLines[0]));
        QVERIFY2(shownLines[1].endsWith(QLatin1Char('\n') + delivered), qPrintable(shownLines[1]));
        QCOMPARE(outbox_.log().rowCount(), rows);
        QCOMPARE(delivery(rows - 1), delivered);
        QCOMPARE(state(rows - 1), QStringLiteral("wysłano"));
    }

    // After the window is closed, the log still learns what became of the message.
    void aMessageTheNetworkGaveUpOnSaysWhyInTheLog()
    {
        DisplayBand* parameters = bandWithCommand(pages_, "TForm6", "0123#S#");
        modem_->setNextReference(43);
        int row = 0;
        openFromBand(parameters, "SendButton", [&](QWidget* window) {
            confirm(window);
            row = outbox_.log().rowCount() - 1;
            runEventsUntil([&] { return delivery(row) == QStringLiteral("Czeka na raport"); }, waitMs);
        });
        QCOMPARE(delivery(row), QStringLiteral("Czeka na raport"));
        QVERIFY(modem_->reportDelivery(43, 0x46));
        QVERIFY(runEventsUntil([&] { return delivery(row) != QStringLiteral("Czeka na raport"); }, waitMs));
        QCOMPARE(delivery(row), QStringLiteral("Nie doręczono: ważność wiadomości minęła"));
        QVERIFY(outbox_.log()
                    .index(row, SmsLog::Delivery)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .endsWith(QStringLiteral("0x46")));
        QCOMPARE(outbox_.log().rowCount(), row + 1);
    }

private:
    // Types the unit's number, waits for the modem to be offered, and presses "Wyślij".
    void confirm(QWidget* window)
    {
        window->findChild<QLineEdit*>(QStringLiteral("SendNumber"))->setText(kUnit);
        auto* route = window->findChild<QComboBox*>(QStringLiteral("SendRoute"));
        QVERIFY(runEventsUntil([route] { return route->count() == 1; }, waitMs));
        window->findChild<QPushButton*>(QStringLiteral("SendConfirm"))->click();
    }

    QString state(int row) const { return outbox_.log().index(row, SmsLog::State).data().toString(); }
    QString delivery(int row) const { return outbox_.log().index(row, SmsLog::Delivery).data().toString(); }
};

VELMORA_TEST_MAIN(SendingPagesTest)
#include "sendingpages_test.moc"
