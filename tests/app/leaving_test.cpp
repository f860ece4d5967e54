#include "displayband.h"
#include "fakeroutes.h"
#include "mainpage.h"
#include "modal.h"
#include "outbox.h"
#include "page.h"
#include "pageset.h"
#include "pagetest.h"
#include "plan.h"
#include "scriptedquestions.h"
#include "testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>

using namespace velmora;
using namespace velmora::test;

namespace {

const QString kUnsaved = QStringLiteral("Plan wysyłki ma niezapisane polecenia. Zamknąć program?");

// The program with its main page on the screen, sending through a fake route.
struct Program {
    RecordingErrorBox errors;
    FakeFinder finder;
    FakeRoute modem{QStringLiteral("Modem: Huawei E3372")};
    Outbox outbox{finder};
    ScriptedQuestions questions;
    PageSet pages{errors, Sending{outbox, questions}};
    QTemporaryDir folder;

    Program()
    {
        finder.setRoutes({&modem});
        pages.mainPage().show();
    }

    void addToPlan(const char* command)
    {
        child<QPushButton>(bandWithCommand(pages, "TForm6", command), QStringLiteral("PlanAddButton"))->click();
    }
    Plan* plan() const { return pages.mainPage().findChild<Plan*>(); }

    // Opens the plan window from the hub and hands it to `act`.
    void inPlanWindow(const std::function<void(QWidget*)>& act)
    {
        auto* hub = child<Page>(&pages.mainPage(), QStringLiteral("TForm12"));
        hub->ensureBuilt();
        ModalWatcher watcher(act);
        child<QPushButton>(hub, QStringLiteral("PlanButton"))->click();
    }

    // Saves the plan through its window and the file dialog.
    void save()
    {
        const QString path = folder.filePath(QStringLiteral("centrala.plan"));
        inPlanWindow([path](QWidget* window) {
            // The window's watcher waits for its own step to end: the dialog needs a watcher of its own.
            ModalWatcher dialogs(window, [path](QWidget* shown) {
                auto* dialog = qobject_cast<QFileDialog*>(shown);
                QVERIFY(dialog != nullptr);
                dialog->selectFile(path);
                QMetaObject::invokeMethod(dialog, &QDialog::accept);
            });
            child<QPushButton>(window, QStringLiteral("PlanSave"))->click();
        });
        QVERIFY(QFile::exists(path));
    }

    // Sends the plan's rows; `rowsToFinish` of them are reported sent before the window closes.
    void send(std::size_t rowsToFinish)
    {
        inPlanWindow([this, rowsToFinish](QWidget* shown) {
            child<QCheckBox>(shown, QStringLiteral("PlanWait"))->setChecked(false);
            child<QLineEdit>(shown, QStringLiteral("PlanNumber"))->setText(QStringLiteral("48601123456"));
            questions.answer = false; // closing the window goes on sending
            child<QPushButton>(shown, QStringLiteral("PlanSend"))->click();
            for (std::size_t row = 1; row <= rowsToFinish; ++row) {
                QTRY_COMPARE(modem.handed().size(), row);
                modem.finish({SendProgress::Stage::Sent});
            }
            QTRY_COMPARE(modem.handed().size(), rowsToFinish + (plan()->isSending() ? 1 : 0));
        });
        questions.asked.clear();
        questions.answer = true;
    }

    // Closes the main page by its exit picture, or as the window's close button does; whether it closed.
    bool close(bool byPicture)
    {
        if (byPicture) {
            child<QAbstractButton>(&pages.mainPage(), QStringLiteral("Image2"))->click();
        } else {
            pages.mainPage().close();
        }
        return !pages.mainPage().isVisible();
    }
};

} // namespace

// Leaving the program never loses a plan without a word: rows neither sent nor saved, or a plan on its way, are asked
// about first, and "Nie" keeps the program open.
class LeavingTest : public QObject {
    Q_OBJECT

private slots:
    void closesWithoutAQuestionWhenNothingIsLost_data()
    {
        QTest::addColumn<QString>("plan");
        QTest::newRow("no plan") << QString();
        QTest::newRow("a saved plan") << QStringLiteral("saved");
        QTest::newRow("every row sent") << QStringLiteral("sent");
    }

    void closesWithoutAQuestionWhenNothingIsLost()
    {
        QFETCH(QString, plan);
        Program program;
        if (!plan.isEmpty()) {
            program.addToPlan("1234#S#");
            program.addToPlan("1234#E#1#");
        }
        if (plan == QStringLiteral("saved")) {
            program.save();
        } else if (plan == QStringLiteral("sent")) {
            program.send(2);
        }
        QVERIFY(program.close(true));
        QCOMPARE(program.questions.asked, QStringList{});
    }

    void aPlanWithRowsNeitherSentNorSavedAsksFirst_data()
    {
        QTest::addColumn<bool>("byPicture");
        QTest::addColumn<bool>("answer");
        QTest::newRow("exit picture, Nie") << true << false;
        QTest::newRow("exit picture, Tak") << true << true;
        QTest::newRow("window closed, Nie") << false << false;
        QTest::newRow("window closed, Tak") << false << true;
    }

    void aPlanWithRowsNeitherSentNorSavedAsksFirst()
    {
        QFETCH(bool, byPicture);
        QFETCH(bool, answer);
        Program program;
        program.addToPlan("1234#S#");
        program.save();
        program.addToPlan("1234#E#1#");
        program.questions.answer = answer;
        QCOMPARE(program.close(byPicture), answer);
        QCOMPARE(program.questions.asked, QStringList{kUnsaved});
        QCOMPARE(program.plan()->rowCount(), 2);
    }

    void aPlanOnItsWayAsksFirstAndStopsAfterTheMessageOnItsWay_data()
    {
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("question");
        const QString onItsWay = QStringLiteral("Plan wysyłki jest w trakcie wysyłania. Wiadomości, które są już w "
                                                "drodze, zostaną wysłane, ale żadna kolejna nie wyjdzie.");
        QTest::newRow("unsaved, Nie")
            << false << false
            << onItsWay + QStringLiteral(" Polecenia, które nie zostały wysłane ani zapisane, przepadną. Zamknąć "
                                         "program?");
        QTest::newRow("saved, Nie") << true << false << onItsWay + QStringLiteral(" Zamknąć program?");
        QTest::newRow("saved, Tak") << true << true << onItsWay + QStringLiteral(" Zamknąć program?");
    }

    void aPlanOnItsWayAsksFirstAndStopsAfterTheMessageOnItsWay()
    {
        QFETCH(bool, saved);
        QFETCH(bool, answer);
        QFETCH(QString, question);
        Program program;
        program.addToPlan("1234#S#");
        program.addToPlan("1234#E#1#");
        if (saved) {
            program.save();
        }
        program.send(0);
        QVERIFY(program.plan()->isSending());
        program.questions.answer = answer;
        QCOMPARE(program.close(false), answer);
        QCOMPARE(program.questions.asked, QStringList{question});
        program.modem.finish({SendProgress::Stage::Sent});
        QTRY_COMPARE(program.modem.handed().size(), std::size_t(answer ? 1 : 2));
        QCOMPARE(program.plan()->isSending(), !answer);
    }
};

VELMORA_TEST_MAIN(LeavingTest)
#include "leaving_test.moc"
