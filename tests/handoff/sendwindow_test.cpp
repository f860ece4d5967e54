#include "fakeroutes.h"
#include "modal.h"
#include "outbox.h"
#include "pagetest.h"
#include "scriptedquestions.h"
#include "sendwindow.h"
#include "smslogwindow.h"
#include "testmain.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace velmora;
using namespace velmora::test;

namespace {

using Stage = SendProgress::Stage;

const QString kTitle = QStringLiteral("Definiowanie nazwy czujki");
const QString kCommand = QStringLiteral("1234#MCI#1#Drzwi {A}#");

// What the window says while nothing can send.
const QString kNoRoute = QStringLiteral(
    "Nie znaleziono modemu ani telefonu, przez który można wysłać SMS. Podłącz do komputera modem GSM na USB z kartą "
    "SIM albo sparuj telefon z Androidem przez KDE Connect: pojawi się w polu „Wyślij przez” bez zamykania okna "
    "(jeśli nie, naciśnij „Szukaj ponownie”). Do tego czasu polecenie przeniosą do telefonu przyciski „Kopiuj” i "
    "„Kod QR” na stronie, pod poleceniem.");

// The send window over a fake finder. Each test acts on the open window from `whileOpen`, which runs once the
// window is shown and closes it afterwards.
struct Fixture {
    FakeFinder finder;
    Outbox outbox{finder};
    ScriptedQuestions questions;
    SendWindow window{outbox, questions};
    FakeRoute modem{QStringLiteral("Modem: Huawei E3372 (+48500100200)")};
    FakeRoute phone{QStringLiteral("Telefon: Pixel 7")};

    QLineEdit* number = child<QLineEdit>(&window, QStringLiteral("SendNumber"));
    QComboBox* route = child<QComboBox>(&window, QStringLiteral("SendRoute"));
    QPushButton* confirm = child<QPushButton>(&window, QStringLiteral("SendConfirm"));
    QLabel* status = child<QLabel>(&window, QStringLiteral("SendStatus"));

    // The modem found, the unit's number typed, "Wyślij" pressed.
    void press()
    {
        finder.setRoutes({&modem});
        number->setText(QStringLiteral("48601123456"));
        confirm->click();
    }

    // Presses "Wyślij" and waits until the modem has been handed the message.
    bool pressAndHandOver()
    {
        const std::size_t before = modem.handed().size();
        press();
        return QTest::qWaitFor([this, before] { return modem.handed().size() == before + 1; });
    }

    void whileOpen(const std::function<void()>& steps, const QString& title = kTitle, const QString& command = kCommand)
    {
        bool ran = false;
        ModalWatcher watcher([&](QWidget* shown) {
            if (shown == &window && !ran) {
                ran = true;
                steps();
            }
        });
        window.showFor(title, command);
        QVERIFY(ran);
    }
};

} // namespace

class SendWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheExactCommandAndTheRoutesFound()
    {
        Fixture f;
        f.whileOpen([&] {
            QCOMPARE(child<QLabel>(&f.window, QStringLiteral("SendTitle"))->text(), kTitle);
            QCOMPARE(child<QLineEdit>(&f.window, QStringLiteral("SendText"))->text(), kCommand);
            QVERIFY(child<QLineEdit>(&f.window, QStringLiteral("SendText"))->isReadOnly());
            QCOMPARE(f.finder.starts(), 1);
            QVERIFY(!f.route->isEnabled());
            f.finder.setRoutes({&f.modem, &f.phone});
            QCOMPARE(f.route->count(), 2);
            QCOMPARE(f.route->itemText(0), f.modem.label());
            QCOMPARE(f.route->itemText(1), f.phone.label());
            QCOMPARE(f.status->text(), QString());
            QCOMPARE(f.status->toolTip(), QString());
            // A refresh keeps the route chosen.
            f.route->setCurrentIndex(1);
            f.finder.setRoutes({&f.modem, &f.phone});
            QCOMPARE(f.route->currentIndex(), 1);
        });
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Wysyłanie SMS do centrali"));
    }

    // Nothing plugged in: the window says what to plug in or pair, and what takes the command to a phone meanwhile;
    // why the services found nothing stays in the tool tip. A route found while the window is open ends it.
    void withoutARouteSaysWhatToPlugInAndWhatElseTakesTheCommand()
    {
        Fixture f;
        f.finder.setSearching(true);
        f.whileOpen([&] {
            QCOMPARE(f.status->text(), QStringLiteral("Szukanie modemu GSM i telefonu… Do tego czasu polecenie "
                                                      "przeniosą do telefonu przyciski „Kopiuj” i „Kod QR” na stronie, "
                                                      "pod poleceniem."));
            f.finder.setSearching(false);
            QCOMPARE(f.status->text(), kNoRoute);
            QCOMPARE(f.status->toolTip(), QStringLiteral("Brak drogi."));
            child<QPushButton>(&f.window, QStringLiteral("SendRescan"))->click();
            QCOMPARE(f.finder.rescans(), 1);
            f.finder.setRoutes({&f.modem});
            QCOMPARE(f.route->currentText(), f.modem.label());
            QCOMPARE(f.status->text(), QString());
            QCOMPARE(f.status->toolTip(), QString());
        });
        expectShown(&f.window, {{QStringLiteral("SendRescan"), QStringLiteral("Szukaj ponownie"),
                                 QStringLiteral("Szuka jeszcze raz modemów i telefonów, np. gdy podłączony modem się "
                                                "nie pojawił")}});
    }

    // The message goes out with its operation's title, for the units' history.
    void theMessageCarriesTheOperationsTitle()
    {
        Fixture f;
        f.whileOpen([&] { QVERIFY(f.pressAndHandOver()); });
        QCOMPARE(f.modem.handed().front().sms.title, kTitle);
        QCOMPARE(f.outbox.log().rowCount(), 1);
    }

    // Factory settings and every remove-all form ask first, naming what the unit loses; "Anuluj" sends nothing,
    // "Wyślij" sends once.
    void aCommandThatWipesAsksFirst_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("loss");
        QTest::addColumn<bool>("send");
        const struct {
            const char* row;
            const char* title;
            const char* command;
            const char* loss;
        } rows[] = {
            {"factory settings", "Przywracanie ustawień fabrycznych", "1234#F#",
             "Centrala wróci do ustawień fabrycznych: straci wszystko, co do niej wpisano, w tym numery i nazwy "
             "użytkowników, czujki, piloty i kody klawiatur."},
            {"all user numbers", "Usuwanie numerów użytkowników", "1234#GN#W#",
             "Centrala usunie numery telefonów wszystkich pięciu użytkowników: trzeba je będzie wpisać od nowa."},
            {"all detectors", "Usuwanie czujek z systemu", "1234#CN#W#",
             "Centrala usunie z systemu wszystkie czujki: trzeba je będzie wprogramować od nowa."},
            {"all user names", "Kasowanie nazw użytkowników", "1234#RN#",
             "Centrala usunie nazwy wszystkich dziesięciu użytkowników: trzeba je będzie wpisać od nowa."},
            {"all remote controls", "Usuwanie wybranych pilotów z systemu", "1234#PN#W#",
             "Centrala usunie z systemu wszystkie piloty: trzeba je będzie wprogramować od nowa."},
            {"all keypad codes", "Usuwanie wybranych kodów klawiatur  z systemu", "1234#AN#W#",
             "Centrala usunie z systemu wszystkie kody klawiatur: trzeba je będzie wprogramować od nowa."},
        };
        for (const auto& row : rows) {
            for (const bool send : {false, true}) {
                QTest::addRow("%s, %s", row.row, send ? "Wyślij" : "Anuluj")
                    << QString::fromUtf8(row.title) << QString::fromUtf8(row.command) << QString::fromUtf8(row.loss)
                    << send;
            }
        }
    }

    void aCommandThatWipesAsksFirst()
    {
        QFETCH(QString, title);
        QFETCH(QString, command);
        QFETCH(QString, loss);
        QFETCH(bool, send);
        Fixture f;
        f.questions.send = send;
        f.whileOpen(
            [&] {
                f.press();
                if (send) {
                    QTRY_COMPARE(f.modem.handed().size(), std::size_t(1));
                    f.modem.finish({Stage::Sent});
                } else {
                    QCOMPARE(f.status->text(), QStringLiteral("Nie wysłano."));
                    QVERIFY(f.confirm->isEnabled());
                }
            },
            title, command);
        QCOMPARE(f.questions.warned, QStringList{loss + QStringLiteral("\n\nWysłać to polecenie do centrali?")});
        QVERIFY(f.questions.asked.isEmpty());
        QCOMPARE(f.modem.handed().size(), std::size_t(send ? 1 : 0));
        QCOMPARE(f.outbox.log().rowCount(), send ? 1 : 0);
    }

    // A removal of some, and any other command, goes without the question.
    void aCommandThatWipesNothingGoesWithoutAsking_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("some detectors") << QStringLiteral("1234#CN#1#2#3#4#5#6#7#");
        QTest::newRow("some keypad codes") << QStringLiteral("1234#AN#1#");
        QTest::newRow("service mode") << QStringLiteral("1234#S#");
    }

    void aCommandThatWipesNothingGoesWithoutAsking()
    {
        QFETCH(QString, command);
        Fixture f;
        f.whileOpen([&] { QVERIFY(f.pressAndHandOver()); }, QStringLiteral("Operacja"), command);
        QVERIFY(f.questions.warned.isEmpty());
        QCOMPARE(f.modem.handed().front().sms.text, command);
    }

    void sendsOnlyWithAValidNumberAndARoute_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("withRoute");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("valid") << QStringLiteral("48601123456") << true << true;
        QTest::newRow("no route") << QStringLiteral("48601123456") << false << false;
        QTest::newRow("no country code") << QStringLiteral("60112345") << true << false;
        QTest::newRow("letters dropped") << QStringLiteral("+48 601-123-456") << true << true;
        QTest::newRow("empty") << QString() << true << false;
    }

    void sendsOnlyWithAValidNumberAndARoute()
    {
        QFETCH(QString, typed);
        QFETCH(bool, withRoute);
        QFETCH(bool, enabled);
        Fixture f;
        f.whileOpen([&] {
            if (withRoute) {
                f.finder.setRoutes({&f.modem});
            }
            QTest::keyClicks(f.number, typed);
            QCOMPARE(f.confirm->isEnabled(), enabled);
        });
    }

    // One press, one message, to "+" and the digits, with the command untouched; the button waits for the end.
    void sendsOncePerPressAndReportsTheOutcome()
    {
        Fixture f;
        f.whileOpen([&] {
            f.press();
            QVERIFY(!f.confirm->isEnabled());
            f.confirm->click();
            QTRY_COMPARE(f.modem.handed().size(), std::size_t(1));
            QCOMPARE(f.modem.handed().front().sms.number, QStringLiteral("+48601123456"));
            QCOMPARE(f.modem.handed().front().sms.text, kCommand);
            QCOMPARE(f.status->text(), QStringLiteral("Wysyłanie…"));
            SendProgress sent(Stage::Sent);
            sent.at = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7));
            f.modem.finish(sent);
            QCOMPARE(f.status->text(), QStringLiteral("Wysłano 09:05:07"));
            QVERIFY(f.confirm->isEnabled());
        });
        QCOMPARE(f.modem.handed().size(), std::size_t(1));
    }

    void aFailureIsNeverCalledSentAndCanBeRetried()
    {
        Fixture f;
        f.whileOpen([&] {
            QVERIFY(f.pressAndHandOver());
            f.modem.finish(SendProgress::failed(QStringLiteral("modem lub sieć odrzuciły wiadomość: +CMS ERROR: 500")));
            QCOMPARE(f.status->text(),
                     QStringLiteral("Nie wysłano: modem lub sieć odrzuciły wiadomość: +CMS ERROR: 500"));
            QVERIFY(f.confirm->isEnabled());
            f.confirm->click();
            QTRY_COMPARE(f.modem.handed().size(), std::size_t(2));
        });
    }

    void aRouteThatNeedsConsentAsksFirst_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }

    void aRouteThatNeedsConsentAsksFirst()
    {
        QFETCH(bool, answer);
        Fixture f;
        f.questions.answer = answer;
        f.modem.askFirst(QStringLiteral("Modem jest wyłączony. Włączyć go, aby wysłać SMS?"));
        f.whileOpen([&] {
            f.press();
            QCOMPARE(f.questions.asked, QStringList{f.modem.consentQuestion()});
            if (answer) {
                QTRY_COMPARE(f.modem.handed().size(), std::size_t(1));
                QVERIFY(f.modem.handed().front().consented);
            } else {
                QCOMPARE(f.status->text(), QStringLiteral("Nie wysłano."));
                QVERIFY(f.confirm->isEnabled());
            }
        });
        QCOMPARE(f.modem.handed().size(), std::size_t(answer ? 1 : 0));
    }

    void aReplyFromTheUnitIsMentioned()
    {
        Fixture f;
        f.whileOpen([&] {
            QVERIFY(f.pressAndHandOver());
            f.modem.finish({Stage::Sent});
            f.finder.deliver({QStringLiteral("+48601123456"), QStringLiteral("Nazwa zapisana"),
                              QDateTime(QDate(2026, 12, 8), QTime(9, 6, 0))});
            QVERIFY(f.status->text().endsWith(QStringLiteral("\nNowa odpowiedź centrali (09:06:00): Nazwa zapisana")));
        });
    }

    // While the window is open, its message's delivery report shows under "Wysłano …"; a report on an earlier
    // message does not.
    void followsItsMessagesDeliveryReport_data()
    {
        QTest::addColumn<SendProgress>("report");
        QTest::addColumn<QString>("line");
        SendProgress delivered(Stage::Delivered);
        delivered.at = QDateTime(QDate(2026, 12, 8), QTime(9, 6, 40));
        QTest::newRow("delivered") << delivered << QStringLiteral("Doręczono 09:06:40");
        QTest::newRow("still trying") << SendProgress(Stage::DeliveryPending, {}, QStringLiteral("kod 0x21"))
                                      << QStringLiteral("Doręczenie w toku");
        QTest::newRow("given up") << SendProgress(Stage::NotDelivered, QStringLiteral("brak odpowiedzi centrali"))
                                  << QStringLiteral("Nie doręczono: brak odpowiedzi centrali");
    }

    void followsItsMessagesDeliveryReport()
    {
        QFETCH(SendProgress, report);
        QFETCH(QString, line);
        Fixture f;
        f.whileOpen([&] {
            QVERIFY(f.pressAndHandOver());
            SendProgress sent(Stage::Sent);
            sent.at = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7));
            sent.followUpKey = QStringLiteral("/sms/1");
            f.modem.finish(sent);
            QCOMPARE(f.status->text(), QStringLiteral("Wysłano 09:05:07"));
            f.modem.followUp(QStringLiteral("/sms/1"), report);
            QCOMPARE(f.status->text(), QStringLiteral("Wysłano 09:05:07\n") + line);

            QVERIFY(f.pressAndHandOver());
            QCOMPARE(f.status->text(), QStringLiteral("Wysyłanie…"));
            f.modem.followUp(QStringLiteral("/sms/1"), report);
            QCOMPARE(f.status->text(), QStringLiteral("Wysyłanie…"));
        });
    }

    void theLogListsWhatWasSent()
    {
        Fixture f;
        f.whileOpen([&] {
            QVERIFY(f.pressAndHandOver());
            QStringList seen;
            ModalWatcher logWatcher([&](QWidget* shown) {
                seen << shown->objectName();
                auto* list = shown->findChild<QTableView*>(QStringLiteral("SmsLogList"));
                QVERIFY(list);
                QCOMPARE(list->model()->rowCount(), 1);
                QCOMPARE(list->model()->index(0, 3).data().toString(), kCommand);
                QVERIFY(child<QLabel>(shown, QStringLiteral("SmsLogEmpty"))->isHidden());
            });
            child<QPushButton>(&f.window, QStringLiteral("SmsLogButton"))->click();
            QCOMPARE(seen, QStringList{QStringLiteral("SmsLog")});
        });
    }

    // An empty log says so until the first message, which takes the word's place.
    void anEmptyLogSaysSo()
    {
        FakeFinder finder;
        Outbox outbox{finder};
        SmsLogWindow window(outbox.log());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* empty = child<QLabel>(&window, QStringLiteral("SmsLogEmpty"));
        QVERIFY(empty->isVisible());
        QCOMPARE(empty->text(), QStringLiteral("Nie wysłano ani nie odebrano jeszcze żadnej wiadomości."));
        outbox.log().addOutgoing({QStringLiteral("+48601123456"), kCommand});
        QVERIFY(!empty->isVisible());
    }

    // A long text gives way: whether a message was delivered is seen without scrolling, the text whole in its tool
    // tip.
    void theLogKeepsTheDeliveryInViewBesideALongText()
    {
        FakeFinder finder;
        Outbox outbox{finder};
        const QString text = QStringLiteral("1234#MCI#1#") + QString(140, QLatin1Char('W'));
        const int row = outbox.log().addOutgoing({QStringLiteral("+48601123456"), text});
        SendProgress sent(Stage::Sent);
        sent.followUpKey = QStringLiteral("/sms/1");
        outbox.log().setProgress(row, sent);
        SmsLogWindow window(outbox.log());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* list = child<QTableView>(&window, QStringLiteral("SmsLogList"));
        const QHeaderView* header = list->horizontalHeader();
        QVERIFY(header->sectionViewportPosition(SmsLog::Delivery) + header->sectionSize(SmsLog::Delivery) <=
                list->viewport()->width());
        QCOMPARE(list->model()->index(row, SmsLog::Text).data(Qt::ToolTipRole).toString(), text);
    }
};

VELMORA_TEST_MAIN(SendWindowTest)
#include "sendwindow_test.moc"
