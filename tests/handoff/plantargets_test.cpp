#include "fakekeyring.h"
#include "fakeroutes.h"
#include "modal.h"
#include "outbox.h"
#include "pagetest.h"
#include "plan.h"
#include "planwindow.h"
#include "registeraccess.h"
#include "runplan.h"
#include "scriptedquestions.h"
#include "testhome.h"
#include "testmain.h"
#include "unitsrun.h"
#include "unitsrunaccess.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>

using namespace velmora;
using namespace velmora::test;

namespace {

using Stage = SendProgress::Stage;

// One start of the program: the plan window over the register on the test's file, its keyring holding `codes`.
struct Program {
    Program(const QString& path, const std::map<QString, QString>& codes)
        : access(
              [codes] {
                  auto keyring = std::make_unique<FakeKeyring>();
                  keyring->entries = codes;
                  return keyring;
              },
              path)
    {}

    FakeFinder finder;
    Outbox outbox{finder};
    FakeRoute modem{QStringLiteral("Modem: A")};
    RegisterAccess access;
    UnitsRunAccess runs{access, outbox};
    Plan plan{outbox};
    RecordingErrorBox errors;
    ScriptedQuestions questions;
    FileDialogs files{planFileKind()};
    PlanWindow window{plan, outbox, errors, questions, files, &runs};
};

// Units A, B and C in the register, by name Dom, Magazyn and Sklep; C's code is not stored.
struct Fixture {
    Fixture()
    {
        UnitRegister units(path);
        for (const SampleUnit& sample : kUnits) {
            const Unit unit =
                std::get<Unit>(units.add({QString::fromUtf8(sample.name), QString::fromLatin1(sample.number), {}}));
            if (codes.size() < 2) {
                codes[unit.codeKey] = QString::fromLatin1(sample.code);
            }
        }
        restart();
        for (const Plan::Item& row : kPlan) {
            p().plan.add(row.title, QStringLiteral("1234") + row.command);
        }
    }

    Program& p() { return *program; }
    // The program ends as if killed and starts again on the same register.
    void restart()
    {
        program.reset();
        program.emplace(path, codes);
    }
    template <typename T> T* control(const char* name) { return child<T>(&p().window, QLatin1String(name)); }
    void press(const char* name) { control<QPushButton>(name)->click(); }

    // Runs `steps` while the plan window is shown.
    void whileOpen(const std::function<void()>& steps)
    {
        bool ran = false;
        ModalWatcher watcher([&](QWidget* shown) {
            if (shown == &p().window && !ran) {
                ran = true;
                steps();
            }
        });
        p().window.showPlan();
        QVERIFY(ran);
    }

    // In the units picker: ticks the units named, and unticks the others listed.
    static void tick(QWidget* picker, const QStringList& names)
    {
        QAbstractItemModel* units = child<QTableView>(picker, QStringLiteral("UnitsPickerList"))->model();
        for (int row = 0; row < units->rowCount(); ++row) {
            const QModelIndex name = units->index(row, 0);
            units->setData(name, names.contains(name.data().toString()) ? Qt::Checked : Qt::Unchecked,
                           Qt::CheckStateRole);
        }
    }
    // Opens "Centrale…" and chooses the units named.
    void choose(const QStringList& names)
    {
        ModalWatcher picker(&p().window, [&](QWidget* dialog) {
            tick(dialog, names);
            child<QPushButton>(dialog, QStringLiteral("UnitsPickerOk"))->click();
        });
        press("PlanUnits");
        QCOMPARE(picker.seen(), QStringList{QStringLiteral("UnitsPicker")});
    }

    // Dom's first row goes and awaits its confirmation, Sklep's is with the route when the program is killed.
    void killMidRun()
    {
        whileOpen([&] {
            choose({QStringLiteral("Dom"), QStringLiteral("Sklep")});
            readyToSend(true);
            press("PlanSend");
            QVERIFY(handedCount(1));
            p().modem.finish(SendProgress(Stage::Sent));
            QVERIFY(handedCount(2));
        });
        restart();
    }

    QTableView* targets() { return control<QTableView>("PlanTargets"); }
    QStringList column(QTableView* table, int column)
    {
        QStringList texts;
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            texts << table->model()->index(row, column).data().toString();
        }
        return texts;
    }
    QStringList states() { return column(targets(), UnitsRun::State); }
    // The state of each row of the selected unit, its first word.
    QStringList rows()
    {
        QStringList words;
        for (const QString& state : column(control<QTableView>("PlanList"), Plan::State)) {
            words << state.section(QLatin1Char(' '), 0, 0);
        }
        return words;
    }
    QStringList handed()
    {
        QStringList texts;
        for (const FakeRoute::Handed& handed : p().modem.handed()) {
            texts << handed.sms.number + QLatin1Char(' ') + handed.sms.text;
        }
        return texts;
    }
    bool handedCount(int count)
    {
        return QTest::qWaitFor([&] { return int(p().modem.handed().size()) >= count; }, 2000) &&
               int(p().modem.handed().size()) == count;
    }
    void readyToSend(bool wait)
    {
        p().finder.setRoutes({&p().modem});
        control<QCheckBox>("PlanWait")->setChecked(wait);
    }

    TestHome home;
    QString path = home.filePath(QStringLiteral("data/centrale.sqlite"));
    std::map<QString, QString> codes;
    std::optional<Program> program;
};

const QString kDom = QStringLiteral("Dom");
const QString kMagazyn = QStringLiteral("Magazyn");
const QString kSklep = QStringLiteral("Sklep");

} // namespace

class PlanTargetsTest : public QObject {
    Q_OBJECT

private slots:
    // The filter narrows the list and keeps the ticks of what it hides; "Anuluj" keeps the units chosen before.
    void unitsArePickedByTicksAndAnulujKeepsTheChoice()
    {
        Fixture f;
        QStringList ticked;
        f.whileOpen([&] {
            QVERIFY(f.targets()->isHidden());
            f.choose({kSklep, kDom});
            QCOMPARE(f.column(f.targets(), UnitsRun::Name), (QStringList{kDom, kSklep}));
            QVERIFY(f.targets()->isVisible());
            QVERIFY(!f.control<QLineEdit>("PlanIku")->isEnabled());
            QVERIFY(!f.control<QLineEdit>("PlanNumber")->isEnabled());

            ModalWatcher picker(&f.p().window, [&](QWidget* dialog) {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Wybierz centrale"));
                auto* list = child<QTableView>(dialog, QStringLiteral("UnitsPickerList"));
                for (int row = 0; row < list->model()->rowCount(); ++row) {
                    if (list->model()->index(row, 0).data(Qt::CheckStateRole) == Qt::Checked) {
                        ticked << list->model()->index(row, 0).data().toString();
                    }
                }
                typeText(child<QLineEdit>(dialog, QStringLiteral("UnitsPickerFilter")), QStringLiteral("MAG"));
                QCOMPARE(f.column(list, 0), QStringList{kMagazyn});
                Fixture::tick(dialog, {kMagazyn});
                child<QPushButton>(dialog, QStringLiteral("UnitsPickerCancel"))->click();
            });
            f.press("PlanUnits");
            QCOMPARE(picker.seen(), QStringList{QStringLiteral("UnitsPicker")});
            QCOMPARE(f.column(f.targets(), UnitsRun::Name), (QStringList{kDom, kSklep}));
        });
        QCOMPARE(ticked, (QStringList{kDom, kSklep}));
        QVERIFY(f.p().errors.messages().isEmpty());
    }

    // Each unit with its own code and number, one without a code skipped; no unit taken out while the plan goes.
    void theTargetsShowEachUnitsStateAsTheRunGoes()
    {
        Fixture f;
        f.whileOpen([&] {
            f.choose({kDom, kMagazyn, kSklep});
            f.readyToSend(false);
            QCOMPARE(f.states(), (QStringList{"czeka", "czeka", "czeka"}));
            QCOMPARE(f.column(f.targets(), UnitsRun::Progress), (QStringList{"0 z 3", "0 z 3", "0 z 3"}));
            QVERIFY(f.control<QPushButton>("PlanSend")->isEnabled());
            f.press("PlanSend");
            QVERIFY(f.handedCount(1));
            QCOMPARE(f.states(), (QStringList{"wysyłanie 1 z 3", "brak kodu IKU", "wysyłanie 1 z 3"}));
            QCOMPARE(f.rows(), (QStringList{"wysyłanie", "czeka", "czeka"}));
            for (const char* locked : {"PlanTargetRemove", "PlanUnits", "PlanSend", "PlanUp"}) {
                QVERIFY2(!f.control<QPushButton>(locked)->isEnabled(), locked);
            }
            QVERIFY(f.control<QPushButton>("PlanStop")->isEnabled());
            for (int count = 1; count <= 6; ++count) {
                QVERIFY(f.handedCount(count));
                f.p().modem.finish(SendProgress(Stage::Sent));
            }
            QTRY_VERIFY(!f.p().runs.isSending());
            QCOMPARE(f.states(), (QStringList{"gotowe: 3 wysłano", "brak kodu IKU", "gotowe: 3 wysłano"}));
            QCOMPARE(f.rows(), (QStringList{"wysłano", "wysłano", "wysłano"}));
            QVERIFY(f.control<QPushButton>("PlanTargetRemove")->isEnabled());
            f.targets()->selectRow(1);
            f.press("PlanTargetRemove");
            QCOMPARE(f.column(f.targets(), UnitsRun::Name), (QStringList{kDom, kSklep}));
        });
        QCOMPARE(f.handed(), (QStringList{"+48601000001 7395#0#48601000310#", "+48601000002 8264#0#48601000310#",
                                          "+48601000001 7395#S#", "+48601000002 8264#S#", "+48601000001 7395#L#10#",
                                          "+48601000002 8264#L#10#"}));
    }

    // "Zatrzymaj" lets the messages on their way finish; the next opening does not offer this run's own as unfinished.
    void stopLetsTheMessagesOnTheirWayFinish()
    {
        Fixture f;
        f.whileOpen([&] {
            f.choose({kDom, kSklep});
            f.readyToSend(false);
            f.press("PlanSend");
            QVERIFY(f.handedCount(1));
            f.press("PlanStop");
            f.p().modem.finish(SendProgress(Stage::Sent));
            QVERIFY(f.handedCount(2));
            f.p().modem.finish(SendProgress(Stage::Sent));
            QTRY_VERIFY(!f.p().runs.isSending());
            QCOMPARE(f.column(f.targets(), UnitsRun::Progress), (QStringList{"1 z 3", "1 z 3"}));
        });
        f.whileOpen([&] { QVERIFY(f.control<QLabel>("PlanUnfinished")->isHidden()); });
        QCOMPARE(f.p().modem.handed().size(), std::size_t(2));
    }

    // Killed mid-run, the program opens the plan window again with the notice; "Wznów"
    // goes on with what never went out, "Porzuć" gives the run up.
    void anUnfinishedRunIsOfferedAfterARestart_data()
    {
        QTest::addColumn<bool>("resume");
        QTest::newRow("Wznów") << true;
        QTest::newRow("Porzuć") << false;
    }

    void anUnfinishedRunIsOfferedAfterARestart()
    {
        QFETCH(bool, resume);
        Fixture f;
        f.killMidRun();
        f.whileOpen([&] {
            auto* notice = f.control<QLabel>("PlanUnfinished");
            QVERIFY(notice->isVisible());
            QVERIFY2(notice->text().startsWith(QStringLiteral("Niedokończona wysyłka z ")) &&
                         notice->text().endsWith(QStringLiteral(": 0 z 2 central gotowe.")),
                     qPrintable(notice->text()));
            // A new choice of units waits until the run is taken up or given up.
            ModalWatcher picker(&f.p().window, [](QWidget*) {});
            f.press("PlanUnits");
            QCOMPARE(picker.seen(), QStringList());
            f.readyToSend(false);
            f.press(resume ? "PlanResume" : "PlanDiscard");
            QVERIFY(notice->isHidden());
            if (!resume) {
                QVERIFY(f.targets()->isHidden());
                return;
            }
            QCOMPARE(f.column(f.targets(), UnitsRun::Name), (QStringList{kDom, kSklep}));
            QCOMPARE(f.p().plan.rowCount(), 3);
            // Dom goes on; Sklep's first row was with the route: it waits for the user's word.
            QVERIFY(f.handedCount(1));
            QCOMPARE(f.handed(), QStringList{QStringLiteral("+48601000001 7395#S#")});
        });
        f.restart();
        f.whileOpen([&] { QCOMPARE(f.control<QLabel>("PlanUnfinished")->isVisible(), resume); });
    }

    // A row handed to the route when the program ended waits for the user's word, for that unit's row only.
    void anUnknownRowOffersItsTwoAnswers_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("Uznaj za wysłane") << QByteArray("PlanMarkSent") << QStringList{"uznano", "czeka", "czeka"};
        QTest::newRow("Wyślij ponownie") << QByteArray("PlanResend") << QStringList{"czeka", "czeka", "czeka"};
    }

    void anUnknownRowOffersItsTwoAnswers()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QStringList, rows);
        Fixture f;
        f.killMidRun();
        f.whileOpen([&] {
            f.press("PlanResume");
            auto* markSent = f.control<QPushButton>("PlanMarkSent");
            auto* resend = f.control<QPushButton>("PlanResend");
            auto* list = f.control<QTableView>("PlanList");
            f.targets()->selectRow(1);
            list->selectRow(0);
            QCOMPARE(f.rows(), (QStringList{"nieznany:", "czeka", "czeka"}));
            QVERIFY(markSent->isEnabled() && resend->isEnabled());
            list->selectRow(1);
            QVERIFY(!markSent->isEnabled() && !resend->isEnabled());
            f.targets()->selectRow(0);
            list->selectRow(0);
            QCOMPARE(f.rows(), (QStringList{"wysłano", "czeka", "czeka"}));
            QVERIFY(!markSent->isEnabled() && !resend->isEnabled());
            f.targets()->selectRow(1);
            list->selectRow(0);
            f.press(answer.constData());
            QCOMPARE(f.rows(), rows);
            QVERIFY(!markSent->isEnabled() && !resend->isEnabled());
        });
    }
};

VELMORA_TEST_MAIN(PlanTargetsTest)
#include "plantargets_test.moc"
