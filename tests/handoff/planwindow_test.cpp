#include "fakeroutes.h"
#include "modal.h"
#include "outbox.h"
#include "pagetest.h"
#include "plan.h"
#include "planwindow.h"
#include "scriptedfiles.h"
#include "scriptedquestions.h"
#include "testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

using namespace velmora;
using namespace velmora::test;

namespace {

using Stage = SendProgress::Stage;

struct Fixture {
    Fixture()
    {
        plan.add(QStringLiteral("Definiowanie Centrum SMS"), QStringLiteral("1234#0#48601000310#"));
        plan.add(QStringLiteral("Definiowanie trybu serwisowego"), QStringLiteral("1234#S#"));
        plan.add(QStringLiteral("Definiowanie opcji echo"), QStringLiteral("1234#E#1#"));
    }

    FakeFinder finder;
    Outbox outbox{finder};
    Plan plan{outbox};
    RecordingErrorBox errors;
    ScriptedQuestions questions;
    ScriptedFiles files;
    PlanWindow window{plan, outbox, errors, questions, files};
    FakeRoute modem{QStringLiteral("Modem: Huawei E3372")};
    QTemporaryDir dir;

    QTableView* list = child<QTableView>(&window, QStringLiteral("PlanList"));
    QPushButton* up = child<QPushButton>(&window, QStringLiteral("PlanUp"));
    QPushButton* down = child<QPushButton>(&window, QStringLiteral("PlanDown"));
    QPushButton* remove = child<QPushButton>(&window, QStringLiteral("PlanRemove"));
    QLineEdit* iku = child<QLineEdit>(&window, QStringLiteral("PlanIku"));
    QLineEdit* number = child<QLineEdit>(&window, QStringLiteral("PlanNumber"));
    QComboBox* route = child<QComboBox>(&window, QStringLiteral("PlanRoute"));
    QCheckBox* wait = child<QCheckBox>(&window, QStringLiteral("PlanWait"));
    QPushButton* send = child<QPushButton>(&window, QStringLiteral("PlanSend"));
    QPushButton* stop = child<QPushButton>(&window, QStringLiteral("PlanStop"));
    QLabel* status = child<QLabel>(&window, QStringLiteral("PlanStatus"));
    QPushButton* save = child<QPushButton>(&window, QStringLiteral("PlanSave"));
    QPushButton* open = child<QPushButton>(&window, QStringLiteral("PlanOpen"));
    QPushButton* close = child<QPushButton>(&window, QStringLiteral("PlanClose"));

    QStringList titles() const
    {
        QStringList texts;
        for (int row = 0; row < plan.rowCount(); ++row) {
            texts << plan.index(row, Plan::Title).data().toString();
        }
        return texts;
    }
    int selected() const { return list->selectionModel()->currentIndex().row(); }
    void select(int row) { list->selectRow(row); }
    void readyToSend()
    {
        finder.setRoutes({&modem});
        number->setText(QStringLiteral("48601123456"));
    }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    // Runs `steps` once the window is shown, then closes it.
    void whileOpen(const std::function<void()>& steps)
    {
        bool ran = false;
        ModalWatcher watcher([&](QWidget* shown) {
            if (shown == &window && !ran) {
                ran = true;
                steps();
            }
        });
        window.showPlan();
        QVERIFY(ran);
    }
};

} // namespace

class PlanWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheRowsAndItsControls()
    {
        Fixture f;
        f.whileOpen([&] {
            expectShown(&f.window, {
                                       {QStringLiteral("PlanWindow"), QStringLiteral("Plan wysyłki do centrali")},
                                       {QStringLiteral("PlanUp"), QStringLiteral("W górę")},
                                       {QStringLiteral("PlanDown"), QStringLiteral("W dół")},
                                       {QStringLiteral("PlanRemove"), QStringLiteral("Usuń")},
                                       {QStringLiteral("PlanWait"), QStringLiteral("Czekaj na potwierdzenie centrali "
                                                                                   "przed kolejnym poleceniem")},
                                       {QStringLiteral("PlanSend"), QStringLiteral("Wyślij plan")},
                                       {QStringLiteral("PlanStop"), QStringLiteral("Zatrzymaj")},
                                       {QStringLiteral("PlanSave"), QStringLiteral("Zapisz plan…")},
                                       {QStringLiteral("PlanOpen"), QStringLiteral("Otwórz plan…")},
                                       {QStringLiteral("PlanClose"), QStringLiteral("Zamknij")},
                                   });
            QVERIFY(f.wait->isChecked());
            QCOMPARE(f.iku->text(), QStringLiteral("1234"));
            QCOMPARE(f.list->model()->index(1, Plan::Command).data().toString(), QStringLiteral("1234#S#"));
            QCOMPARE(f.list->model()->index(1, Plan::State).data().toString(), QStringLiteral("czeka"));
            QCOMPARE(f.selected(), 0);
            QCOMPARE(f.status->text(),
                     QStringLiteral("Nie znaleziono modemu ani telefonu, przez który można wysłać SMS. Podłącz do "
                                    "komputera modem GSM na USB z kartą SIM albo sparuj telefon z Androidem przez KDE "
                                    "Connect: pojawi się w polu „Wyślij przez” bez zamykania okna (jeśli nie, naciśnij "
                                    "„Szukaj ponownie”)."));
            QCOMPARE(f.status->toolTip(), QStringLiteral("Brak drogi."));
            QCOMPARE(f.finder.starts(), 1);
            child<QPushButton>(&f.window, QStringLiteral("PlanRescan"))->click();
            QCOMPARE(f.finder.rescans(), 1);
        });
    }

    void sendsOnlyWithACodeANumberARouteAndARowToSend_data()
    {
        QTest::addColumn<QString>("iku");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("withRoute");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("all there") << QStringLiteral("1234") << QStringLiteral("48601123456") << true << true;
        QTest::newRow("three digits") << QStringLiteral("123") << QStringLiteral("48601123456") << true << false;
        QTest::newRow("no code") << QStringLiteral("") << QStringLiteral("48601123456") << true << false;
        QTest::newRow("short number") << QStringLiteral("1234") << QStringLiteral("6011234") << true << false;
        QTest::newRow("no route") << QStringLiteral("1234") << QStringLiteral("48601123456") << false << false;
    }

    void sendsOnlyWithACodeANumberARouteAndARowToSend()
    {
        QFETCH(QString, iku);
        QFETCH(QString, number);
        QFETCH(bool, withRoute);
        QFETCH(bool, enabled);
        Fixture f;
        f.whileOpen([&] {
            f.iku->setText(iku);
            f.number->setText(number);
            if (withRoute) {
                f.finder.setRoutes({&f.modem});
            }
            QCOMPARE(f.send->isEnabled(), enabled);
        });
    }

    void theMovedRowStaysSelected()
    {
        Fixture f;
        f.whileOpen([&] {
            QVERIFY(!f.up->isEnabled());
            f.select(1);
            f.up->click();
            QCOMPARE(f.titles(), (QStringList{"Definiowanie trybu serwisowego", "Definiowanie Centrum SMS",
                                              "Definiowanie opcji echo"}));
            QCOMPARE(f.selected(), 0);
            QVERIFY(!f.up->isEnabled());
            f.down->click();
            f.down->click();
            QCOMPARE(f.selected(), 2);
            QVERIFY(!f.down->isEnabled());
            QCOMPARE(f.titles(), (QStringList{"Definiowanie Centrum SMS", "Definiowanie opcji echo",
                                              "Definiowanie trybu serwisowego"}));
            f.remove->click();
            QCOMPARE(f.titles(), (QStringList{"Definiowanie Centrum SMS", "Definiowanie opcji echo"}));
            QCOMPARE(f.selected(), 1);
        });
    }

    // Rows take a code once it is whole: while it is typed, or after a refused key empties the field, they keep the
    // code they had, and the plan cannot be sent.
    void typingAnotherCodeRewritesEveryRowOnceItIsWhole_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("row");
        QTest::addColumn<bool>("sendable");
        QTest::addColumn<QStringList>("errors");
        const QStringList none;
        QTest::newRow("cleared") << QString() << QStringLiteral("1234#E#1#") << false << none;
        QTest::newRow("one digit") << QStringLiteral("5") << QStringLiteral("1234#E#1#") << false << none;
        QTest::newRow("three digits") << QStringLiteral("567") << QStringLiteral("1234#E#1#") << false << none;
        QTest::newRow("whole") << QStringLiteral("5678") << QStringLiteral("5678#E#1#") << true << none;
        QTest::newRow("a refused key after a whole code")
            << QStringLiteral("5678a") << QStringLiteral("5678#E#1#") << false
            << QStringList{QStringLiteral("Kod IKU powinien zawierać tylko cyfry")};
        QTest::newRow("a refused key while typing")
            << QStringLiteral("56a") << QStringLiteral("1234#E#1#") << false
            << QStringList{QStringLiteral("Kod IKU powinien zawierać tylko cyfry")};
    }

    void typingAnotherCodeRewritesEveryRowOnceItIsWhole()
    {
        QFETCH(QString, typed);
        QFETCH(QString, row);
        QFETCH(bool, sendable);
        QFETCH(QStringList, errors);
        Fixture f;
        f.whileOpen([&] {
            f.readyToSend();
            f.iku->clear();
            QTest::keyClicks(f.iku, typed);
            QCOMPARE(f.list->model()->index(2, Plan::Command).data().toString(), row);
            QCOMPARE(f.send->isEnabled(), sendable);
            if (!sendable) {
                QCOMPARE(f.status->text(), QStringLiteral("Wpisz kod IKU centrali, do której plan zostanie wysłany."));
                f.send->click();
            }
        });
        QCOMPARE(f.errors.messages(), errors);
        QVERIFY(f.modem.handed().empty());
    }

    void sendingLocksTheOrderAndStopEndsAfterTheMessageOnItsWay()
    {
        Fixture f;
        f.whileOpen([&] {
            f.readyToSend();
            f.select(1);
            f.send->click();
            QTRY_COMPARE(f.modem.handed().size(), std::size_t(1));
            QCOMPARE(f.modem.handed().front().sms.number, QStringLiteral("+48601123456"));
            for (QWidget* locked : std::initializer_list<QWidget*>{f.up, f.down, f.remove, f.iku, f.open, f.send}) {
                QVERIFY2(!locked->isEnabled(), qPrintable(locked->objectName()));
            }
            QCOMPARE(f.status->text(), QStringLiteral("Wysyłanie polecenia 1 z 3…"));
            f.stop->click();
            QCOMPARE(f.status->text(), QStringLiteral("Plan zatrzyma się po wysłaniu polecenia 1."));
            f.modem.finish({Stage::Sent});
            QCOMPARE(f.status->text(), QStringLiteral("Plan zatrzymany. „Wyślij plan” wyśle dalej od polecenia 2."));
            QVERIFY(f.send->isEnabled());
            QVERIFY(f.up->isEnabled());
        });
        QCOMPARE(f.modem.handed().size(), std::size_t(1));
    }

    void closingWhileSendingAsksWhetherToStop_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("stop") << true;
        QTest::newRow("go on") << false;
    }

    void closingWhileSendingAsksWhetherToStop()
    {
        QFETCH(bool, answer);
        Fixture f;
        f.questions.answer = answer;
        f.wait->setChecked(false);
        f.whileOpen([&] {
            f.readyToSend();
            f.send->click();
            QTRY_COMPARE(f.modem.handed().size(), std::size_t(1));
            f.close->click();
        });
        QCOMPARE(f.questions.asked.size(), 1);
        QVERIFY(f.questions.asked.front().startsWith(QStringLiteral("Plan jest w trakcie wysyłania.")));
        f.modem.finish({Stage::Sent});
        QCOMPARE(f.plan.isSending(), !answer);
        QTRY_COMPARE(f.modem.handed().size(), std::size_t(answer ? 1 : 2));
    }

    void closingAnIdlePlanAsksNothing()
    {
        Fixture f;
        f.whileOpen([&] { f.close->click(); });
        QVERIFY(f.questions.asked.isEmpty());
        QCOMPARE(f.plan.rowCount(), 3);
    }

    void aSavedPlanOpensInPlaceOfTheCurrentOne()
    {
        Fixture f;
        f.files.toSave = f.path("centrala.plan");
        f.files.toOpen = f.files.toSave;
        f.whileOpen([&] {
            f.save->click();
            f.plan.remove(0);
            f.open->click();
            QCOMPARE(f.questions.asked,
                     QStringList{QStringLiteral("Otwarty plan zastąpi bieżący plan wysyłki. Otworzyć plik?")});
            QCOMPARE(f.plan.rowCount(), 3);
            QCOMPARE(f.iku->text(), QString());
            QCOMPARE(f.list->model()->index(0, Plan::Command).data().toString(), QStringLiteral("#0#48601000310#"));
            f.readyToSend();
            QVERIFY(!f.send->isEnabled());
            QCOMPARE(f.status->text(), QStringLiteral("Wpisz kod IKU centrali, do której plan zostanie wysłany."));
            QTest::keyClicks(f.iku, QStringLiteral("43"));
            QCOMPARE(f.list->model()->index(0, Plan::Command).data().toString(), QStringLiteral("#0#48601000310#"));
            QTest::keyClicks(f.iku, QStringLiteral("21"));
            QCOMPARE(f.list->model()->index(0, Plan::Command).data().toString(), QStringLiteral("4321#0#48601000310#"));
            QVERIFY(f.send->isEnabled());
        });
        QVERIFY(f.errors.messages().isEmpty());
    }

    // A save says so, until the rows change.
    void aSaveSaysSo()
    {
        Fixture f;
        f.files.toSave = f.path("centrala.plan");
        f.whileOpen([&] {
            f.readyToSend();
            f.save->click();
            QCOMPARE(f.status->text(), QStringLiteral("Zapisano plan: centrala.plan"));
            QVERIFY(!f.plan.hasUnsavedRows());
            f.remove->click();
            QCOMPARE(f.status->text(), QString());
            QVERIFY(f.plan.hasUnsavedRows());
        });
        QVERIFY(f.errors.messages().isEmpty());
    }

    // A plan holding commands that wipe the unit asks once before it goes, listing those still to go out.
    void aPlanThatWipesAsksOnceListingThem_data()
    {
        QTest::addColumn<bool>("send");
        QTest::newRow("Anuluj") << false;
        QTest::newRow("Wyślij") << true;
    }

    void aPlanThatWipesAsksOnceListingThem()
    {
        QFETCH(bool, send);
        Fixture f;
        f.plan.add(QStringLiteral("Przywracanie ustawień fabrycznych"), QStringLiteral("1234#F#"));
        f.plan.add(QStringLiteral("Usuwanie czujek z systemu"), QStringLiteral("1234#CN#1#2#"));
        f.plan.add(QStringLiteral("Usuwanie numerów użytkowników"), QStringLiteral("1234#GN#W#"));
        f.questions.send = send;
        f.wait->setChecked(false);
        f.whileOpen([&] {
            f.readyToSend();
            f.send->click();
            if (send) {
                for (std::size_t i = 1; i <= 6; ++i) {
                    QTRY_COMPARE(f.modem.handed().size(), i);
                    f.modem.finish({Stage::Sent});
                }
            } else {
                QVERIFY(f.send->isEnabled());
            }
        });
        QCOMPARE(f.questions.warned,
                 QStringList{QStringLiteral(
                     "Plan zawiera polecenia, po których centrala straci zapisane w niej dane:\n\n"
                     "4. Przywracanie ustawień fabrycznych – Centrala wróci do ustawień fabrycznych: straci wszystko, "
                     "co do niej wpisano, w tym numery i nazwy użytkowników, czujki, piloty i kody klawiatur.\n"
                     "6. Usuwanie numerów użytkowników – Centrala usunie numery telefonów wszystkich pięciu "
                     "użytkowników: trzeba je będzie wpisać od nowa.\n\nWysłać plan?")});
        QCOMPARE(f.modem.handed().size(), std::size_t(send ? 6 : 0));
    }

    // Rows already sent go no more, so they are not asked about again.
    void rowsAlreadySentAreNotAskedAboutAgain()
    {
        Fixture f;
        f.plan.add(QStringLiteral("Przywracanie ustawień fabrycznych"), QStringLiteral("1234#F#"));
        f.wait->setChecked(false);
        f.whileOpen([&] {
            f.readyToSend();
            f.send->click();
            for (std::size_t i = 1; i <= 4; ++i) {
                QTRY_COMPARE(f.modem.handed().size(), i);
                f.modem.finish({Stage::Sent});
            }
            f.plan.add(QStringLiteral("Definiowanie opcji echo"), QStringLiteral("1234#E#0#"));
            QTRY_VERIFY(f.send->isEnabled());
            f.send->click();
            QTRY_COMPARE(f.modem.handed().size(), std::size_t(5));
            f.modem.finish({Stage::Sent});
        });
        QCOMPARE(f.questions.warned.size(), 1);
    }

    // The command takes the room the window gains; the state keeps its width.
    void theCommandTakesTheRoomTheWindowGains()
    {
        Fixture f;
        f.whileOpen([&] {
            const QHeaderView* header = f.list->horizontalHeader();
            const int command = header->sectionSize(Plan::Command);
            const int state = header->sectionSize(Plan::State);
            f.window.resize(f.window.width() + 300, f.window.height());
            QTRY_COMPARE(header->sectionSize(Plan::Command), command + 300);
            QCOMPARE(header->sectionSize(Plan::State), state);
        });
    }

    void aRefusedFileIsNamedAndThePlanKept_data()
    {
        QTest::addColumn<bool>("agree");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a bad row") << true << QByteArray("velmora-sms-plan 1\nEcho\t#E#1\nkoniec 1\n")
                                   << QStringLiteral(
                                          "Polecenie 1 planu (wiersz 2 pliku): polecenie nie kończy się znakiem „#”.");
        QTest::newRow("a letter O for a zero")
            << true << QByteArray("velmora-sms-plan 1\nDefiniowanie Centrum SMS\t#0#48601OOO310#\nkoniec 1\n")
            << QStringLiteral("Polecenie 1 planu (wiersz 2 pliku): pole „numer Centrum SMS” zawiera literę „O”, a "
                              "powinno zawierać same cyfry.");
        QTest::newRow("not agreed") << false << QByteArray("velmora-sms-plan 1\nEcho\t#E#1#\nkoniec 1\n") << QString();
    }

    void aRefusedFileIsNamedAndThePlanKept()
    {
        QFETCH(bool, agree);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        Fixture f;
        f.questions.answer = agree;
        f.files.toOpen = f.path("zły.plan");
        QFile file(f.files.toOpen);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const std::vector<Plan::Item> before = f.plan.items();
        f.whileOpen([&] { f.open->click(); });
        QVERIFY(f.plan.items() == before);
        QCOMPARE(f.plan.iku(), QStringLiteral("1234"));
        const QStringList expected =
            reason.isEmpty()
                ? QStringList{}
                : QStringList{
                      QStringLiteral("Plik „%1” nie został otwarty jako plan wysyłki. %2").arg(f.files.toOpen, reason)};
        QCOMPARE(f.errors.messages(), expected);
    }
};

VELMORA_TEST_MAIN(PlanWindowTest)
#include "planwindow_test.moc"
