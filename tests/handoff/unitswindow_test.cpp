#include "commandhandoff.h"
#include "modal.h"
#include "pagetest.h"
#include "scriptedfiles.h"
#include "scriptedquestions.h"
#include "stagewords.h"
#include "testmain.h"
#include "unitsfixture.h"
#include "unitswindow.h"

#include <QFile>
#include <QPushButton>
#include <QTableView>

using namespace velmora;
using namespace velmora::test;

namespace {

using Stage = SendProgress::Stage;

// A plan that takes every command it is given, as long as the test lets it.
class RecordingPlan final : public CommandHandoff {
public:
    void showQrCode(const QString&) override {}
    bool canSend() const override { return true; }
    void send(const QString&, const QString&) override {}
    int addToPlan(const QString& title, const QString& command) override
    {
        if (int(added.size()) == takes) {
            return 0;
        }
        added.push_back({title, command});
        return int(added.size());
    }
    int planCount() const override { return int(added.size()); }
    void showPlan() override {}
    void watchPlanCount(QObject*, std::function<void(int)>) override {}

    std::vector<Plan::Item> added;
    int takes = 100;
};

struct Fixture : UnitsFixture {
    RecordingErrorBox errors;
    ScriptedQuestions questions;
    ScriptedFiles files;
    RecordingPlan plan;
    UnitsWindow window{book, follows(), errors, questions, files, &plan};
    QTableView* list = child<QTableView>(&window, QStringLiteral("UnitsList"));
    QTableView* history = child<QTableView>(&window, QStringLiteral("UnitHistory"));
    QLabel* status = child<QLabel>(&window, QStringLiteral("UnitsStatus"));

    // Opens the window and lets `steps` act in it; the unit dialog, if `steps` opens it, goes to `inDialog`.
    void whileOpen(const std::function<void()>& steps, const std::function<void(QWidget*)>& inDialog = {})
    {
        ModalWatcher watcher([&](QWidget* shown) {
            if (shown != &window) {
                return;
            }
            ModalWatcher dialogs(&window, [&](QWidget* dialog) {
                if (inDialog) {
                    inDialog(dialog);
                }
            });
            steps();
        });
        window.showUnits();
        QCOMPARE(watcher.seen().value(0), QStringLiteral("UnitsWindow"));
    }

    void press(const char* name) { child<QPushButton>(&window, QLatin1String(name))->click(); }
    QString cell(int row, int column) const { return list->model()->index(row, column).data().toString(); }
    QString historyCell(int row, int column) const { return history->model()->index(row, column).data().toString(); }
    QStringList names() const
    {
        QStringList all;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            all << cell(row, UnitsModel::Name);
        }
        return all;
    }
    void selectUnit(const QString& name) { list->selectRow(int(names().indexOf(name))); }
    QString writeFile(const QByteArray& bytes)
    {
        const QString path = home.filePath(QStringLiteral("centrale.csv"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            qFatal("cannot write %s", qPrintable(path));
        }
        return path;
    }
};

} // namespace

class UnitsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void aUnitAddedThroughTheDialogIsListedAndSelected()
    {
        Fixture f;
        f.addUnit(QStringLiteral("Biuro"), QStringLiteral("48601999888"));
        f.whileOpen(
            [&] {
                QCOMPARE(f.window.windowTitle(), QStringLiteral("Rejestr central"));
                f.press("UnitAdd");
                QCOMPARE(f.names(), (QStringList{QStringLiteral("Biuro"), QStringLiteral("Dom")}));
                QCOMPARE(f.list->selectionModel()->currentIndex().row(), 1);
                QTRY_COMPARE(f.cell(1, UnitsModel::Code), QStringLiteral("zapisany"));
                QCOMPARE(f.cell(1, UnitsModel::Number), kHouseNumber);
            },
            [&](QWidget* dialog) {
                child<QLineEdit>(dialog, QStringLiteral("UnitName"))->setText(QStringLiteral("Dom"));
                child<QLineEdit>(dialog, QStringLiteral("UnitNumber"))->setText(kHouseNumber);
                child<QLineEdit>(dialog, QStringLiteral("UnitIku"))->setText(QStringLiteral("7395"));
                child<QPushButton>(dialog, QStringLiteral("UnitSave"))->click();
                QTRY_VERIFY(!dialog->isVisible());
            });
        QVERIFY(f.errors.reports().empty());
    }

    void removingAUnitAsksAndTakesItsHistoryAndCode()
    {
        Fixture f;
        const Unit house = f.addUnit(QStringLiteral("Dom"), kHouseNumber, QStringLiteral("7395"));
        f.addUnit(QStringLiteral("Biuro"), QStringLiteral("48601999888"));
        f.recordSent(kHouseNumber, QStringLiteral("Serwis"), QStringLiteral("7395#S#"));
        f.questions.answer = false;
        f.whileOpen([&] {
            f.selectUnit(QStringLiteral("Dom"));
            f.press("UnitRemove");
            QCOMPARE(f.names().size(), 2);
            f.questions.answer = true;
            f.press("UnitRemove");
            QTRY_COMPARE(f.status->text(), QStringLiteral("Centrala „Dom” została usunięta z rejestru."));
            QCOMPARE(f.names(), QStringList{QStringLiteral("Biuro")});
            QCOMPARE(f.history->model()->rowCount(), 0);
        });
        const QString question = QStringLiteral("Usunąć centralę „Dom” z rejestru? Razem z nią zostanie usunięta jej "
                                                "historia i kod IKU z magazynu haseł systemu.");
        QCOMPARE(f.questions.asked, (QStringList{question, question}));
        QVERIFY(f.units.history(house.id).empty());
        QVERIFY(f.keyring.entries.empty());
    }

    void useHandsTheUnitOnAndCloses()
    {
        Fixture f;
        f.addUnit(QStringLiteral("Dom"), kHouseNumber);
        std::vector<Unit> used;
        QObject::connect(&f.window, &UnitsWindow::used, [&](const Unit& unit) { used.push_back(unit); });
        f.whileOpen([&] {
            f.selectUnit(QStringLiteral("Dom"));
            f.press("UnitUse");
            QVERIFY(!f.window.isVisible());
        });
        QCOMPARE(used.size(), std::size_t(1));
        QCOMPARE(used.front().number, kHouseNumber);
    }

    // The selected unit's history follows each stage while the window is open, as does its "Ostatnio".
    void theHistoryFollowsNewStagesWhileOpen()
    {
        Fixture f;
        const Unit house = f.addUnit(QStringLiteral("Dom"), kHouseNumber);
        const std::optional<HistoryKey> key =
            f.units.recordSent({QLatin1Char('+') + kHouseNumber, QStringLiteral("7395#S#"), QStringLiteral("Serwis")});
        f.followed.insert(key->message);
        const QDateTime at(QDate(2026, 5, 12), QTime(10, 0, 7));
        f.whileOpen([&] {
            QCOMPARE(f.historyCell(0, UnitHistoryModel::Text), QStringLiteral("****#S#"));
            f.units.recordStage(*key, stageAt(Stage::Sent, at));
            QCOMPARE(f.historyCell(0, UnitHistoryModel::State), QStringLiteral("Wysłano ") + clockTime(at));
            f.units.recordStage(*key, stageAt(Stage::Delivered, at.addSecs(3)));
            QCOMPARE(f.historyCell(0, UnitHistoryModel::State),
                     QStringLiteral("Doręczono ") + clockTime(at.addSecs(3)));
            QVERIFY(f.cell(0, UnitsModel::Last).endsWith(QStringLiteral(", Doręczono ") + clockTime(at.addSecs(3))));
            f.units.recordReceived({kHouseNumber, QStringLiteral("OK"), at.addSecs(10)});
            QCOMPARE(f.historyCell(0, UnitHistoryModel::Text), QStringLiteral("OK"));
        });
        QCOMPARE(house.id, f.units.unitIds().front());
    }

    // "Do planu": the chosen sent commands, oldest first, each with the unit's code from the keyring.
    void sentCommandsGoToThePlanWithTheUnitsCode()
    {
        Fixture f;
        const Unit house = f.addUnit(QStringLiteral("Dom"), kHouseNumber, QStringLiteral("7395"));
        f.recordSent(kHouseNumber, QStringLiteral("Centrum SMS"), QStringLiteral("7395#0#48601000310#"));
        f.units.recordReceived({kHouseNumber, QStringLiteral("OK"), QDateTime::currentDateTime()});
        f.recordSent(kHouseNumber, QStringLiteral("Serwis"), QStringLiteral("7395#S#"));
        f.whileOpen([&] {
            QVERIFY(!child<QPushButton>(&f.window, QStringLiteral("HistoryToPlan"))->isEnabled());
            f.history->selectAll();
            f.press("HistoryToPlan");
            QTRY_COMPARE(f.status->text(), QStringLiteral("Dodano do planu wysyłki poleceń: 2 z 2."));
        });
        const std::vector<Plan::Item> expected{{QStringLiteral("Centrum SMS"), QStringLiteral("7395#0#48601000310#")},
                                               {QStringLiteral("Serwis"), QStringLiteral("7395#S#")}};
        QCOMPARE(f.plan.added, expected);

        // Without a stored code nothing goes, and the error box says why.
        f.keyring.entries.erase(house.codeKey);
        f.whileOpen([&] {
            f.history->selectAll();
            f.press("HistoryToPlan");
            QTRY_COMPARE(f.errors.reports().size(), std::size_t(1));
        });
        QCOMPARE(f.errors.messages(), QStringList{QStringLiteral("Kod IKU centrali „Dom” nie jest zapisany: polecenia "
                                                                 "nie zostały dodane do planu. Wpisz kod w oknie "
                                                                 "„Edytuj…”.")});
        QCOMPARE(f.plan.added.size(), std::size_t(2));
    }

    // A file with one bad row is refused whole: the error box names the file, the row and why.
    void aRefusedImportLeavesTheListAsItWas()
    {
        Fixture f;
        f.addUnit(QStringLiteral("Dom"), kHouseNumber);
        f.files.toOpen = f.writeFile("nazwa;numer;uwagi\nBiuro;48601999888;\n;48601999777;brak nazwy\n");
        f.whileOpen([&] {
            f.press("UnitsImport");
            QCOMPARE(f.names(), QStringList{QStringLiteral("Dom")});
        });
        QCOMPARE(f.errors.messages().size(), 1);
        const QString message = f.errors.messages().front();
        QVERIFY2(message.startsWith(QStringLiteral("Plik „%1” nie został zaimportowany.").arg(f.files.toOpen)) &&
                     message.contains(QStringLiteral("3")) && message.contains(QStringLiteral("brak nazwy centrali")) &&
                     message.endsWith(QStringLiteral("Rejestr central pozostał bez zmian.")),
                 qPrintable(message));
        QCOMPARE(f.units.units().size(), std::size_t(1));
    }

    void importedUnitsAreListedAndExportedUnitsReadBackTheSame()
    {
        Fixture f;
        f.files.toOpen = f.writeFile("nazwa;numer;uwagi\nBiuro;48601999888;\"ul. Długa 2; II piętro\"\n");
        f.files.toSave = f.home.filePath(QStringLiteral("eksport.csv"));
        f.whileOpen([&] {
            f.press("UnitsImport");
            QCOMPARE(f.names(), QStringList{QStringLiteral("Biuro")});
            QCOMPARE(f.status->text(),
                     QStringLiteral("Dodano do rejestru centrale z pliku „%1”: 1.").arg(f.files.toOpen));
            f.press("UnitsExport");
            QCOMPARE(f.status->text(), QStringLiteral("Centrale zapisano w pliku „%1”.").arg(f.files.toSave));
        });
        QFile exported(f.files.toSave);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        // As a spreadsheet reads it: a byte order mark, and lines ended as on Windows.
        QCOMPARE(exported.readAll(),
                 QByteArray("\xEF\xBB\xBFnazwa;numer;uwagi\r\nBiuro;48601999888;\"ul. Długa 2; II piętro\"\r\n"));
        QVERIFY(f.errors.reports().empty());
    }
};

VELMORA_TEST_MAIN(UnitsWindowTest)
#include "unitswindow_test.moc"
