// Takes the README's pictures of the running program: the main page, the SMS centre page with a composed
// command, that command's QR code window and its send window, and the plan window with three pages' commands
// sent; or, given a name for the screen, the two tallest pages on it.
// Run it through docs/make-screenshots.sh.
#include "errorbox.h"
#include "mainpage.h"
#include "outbox.h"
#include "page.h"
#include "pageset.h"
#include "radiogroup.h"
#include "route.h"
#include "sendquestions.h"
#include "startup.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <functional>

namespace {

// The pictured steps are all valid: a refusal means the tool is out of date, and a modal box would hang it.
class FatalErrorBox final : public velmora::ErrorBox {
public:
    void report(const QString& message) override { qFatal("unexpected error box: %s", qPrintable(message)); }
};

// A modem as the picture shows it, which takes every message at once: the picture needs no hardware.
class PicturedModem final : public velmora::Route {
public:
    QString label() const override { return QStringLiteral("Modem: Huawei E3372 (+48500100200)"); }
    void send(const velmora::OutgoingSms& /*sms*/, bool /*consented*/) override
    {
        QTimer::singleShot(0, this, [this] { emit progressed({velmora::SendProgress::Stage::Sent}); });
    }
};

class PicturedRoutes final : public velmora::RouteFinder {
public:
    void start() override {}
    QList<velmora::Route*> routes() const override { return {const_cast<PicturedModem*>(&modem_)}; }
    QString absenceReason() const override { return {}; }

private:
    PicturedModem modem_;
};

class NoQuestions final : public velmora::SendQuestions {
public:
    bool ask(const QString& question) override { qFatal("unexpected question: %s", qPrintable(question)); }
    bool confirmSending(const QString& question) override { qFatal("unexpected question: %s", qPrintable(question)); }
};

bool save(QWidget* window, const QDir& folder, const QString& name)
{
    window->activateWindow();
    QTest::qWait(200); // lets the window settle: the first frames may still be on their way
    const QString path = folder.filePath(name);
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
    return true;
}

template <typename T> T* child(QWidget* parent, const char* name)
{
    auto* found = parent->findChild<T*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("no %s", name);
    }
    return found;
}

void typeIku(QWidget& main)
{
    auto* advanced = child<velmora::Page>(&main, "TForm12");
    advanced->ensureBuilt();
    child<QLineEdit>(advanced, "Edit1")->setText(QStringLiteral("1234"));
}

bool savePage(velmora::Page* page, const QDir& folder, const QString& name)
{
    page->show();
    const bool saved = QTest::qWaitForWindowExposed(page) && save(page, folder, name);
    page->hide();
    return saved;
}

// The first start-up steps with a keypad code composed for user 3.
velmora::Page* firstStartWithKeypadCode(QWidget& main)
{
    auto* firstStart = child<velmora::Page>(&main, "TForm13");
    firstStart->ensureBuilt();
    child<QLineEdit>(firstStart, "Edit3")->setText(QStringLiteral("1234"));
    child<QCheckBox>(firstStart, "CheckBox3")->click();
    child<QPushButton>(firstStart, "Button5")->click();
    return firstStart;
}

// The remote controls page with the removal of P1, P3 and P10 composed.
velmora::Page* remotesWithRemoval(QWidget& main)
{
    auto* remotes = child<velmora::Page>(&main, "TForm8");
    remotes->ensureBuilt();
    for (const char* box : {"CheckBox21", "CheckBox23", "CheckBox30"}) {
        child<QCheckBox>(remotes, box)->click();
    }
    child<QPushButton>(remotes, "Button4")->click();
    return remotes;
}

// The first start-up steps with a keypad code composed, and the remote controls page with a removal composed:
// the tallest pages, scrolled where the screen is too small for them.
int pictureTallPages(QWidget& main, const QDir& folder, const QString& screen)
{
    typeIku(main);
    velmora::Page* firstStart = firstStartWithKeypadCode(main);
    velmora::Page* remotes = remotesWithRemoval(main);
    const bool saved = savePage(firstStart, folder, QStringLiteral("first-start-page-%1.png").arg(screen)) &&
                       savePage(remotes, folder, QStringLiteral("remote-controls-page-%1.png").arg(screen));
    return saved ? 0 : 1;
}

// Pictures the modal window that `button` opens, once `prepare` has acted on it, and closes it again: the
// picture is taken from inside the window's own event loop.
bool pictureModal(QPushButton* button, const QDir& folder, const QString& name,
                  const std::function<void(QWidget*)>& prepare = {})
{
    bool saved = false;
    QTimer::singleShot(0, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr) {
            return;
        }
        if (prepare) {
            prepare(window);
        }
        saved = QTest::qWaitForWindowExposed(window) && save(window, folder, name);
        window->close();
    });
    button->click();
    return saved;
}

// The unit's number typed and the command sent.
void sendToTheUnit(QWidget* window)
{
    child<QLineEdit>(window, "SendNumber")->setText(QStringLiteral("48601123456"));
    child<QPushButton>(window, "SendConfirm")->click();
    const auto* status = child<QLabel>(window, "SendStatus");
    if (!QTest::qWaitFor([status] { return status->text().startsWith(QStringLiteral("Wysłano")); })) {
        qFatal("the pictured message was not sent");
    }
}

// The SMS centre shown on its page, a keypad code on the first start-up steps and a removal of remote controls,
// each added to the plan.
void gatherPlan(QWidget& main, velmora::Page* smsCentre)
{
    child<QPushButton>(smsCentre, "PlanAddButton")->click();
    child<QPushButton>(firstStartWithKeypadCode(main), "PlanAddButton")->click();
    child<QPushButton>(remotesWithRemoval(main), "PlanAddButton")->click();
}

// The plan sent in one press, one row after another.
void sendThePlan(QWidget* window)
{
    child<QCheckBox>(window, "PlanWait")->setChecked(false);
    child<QPushButton>(window, "PlanSend")->click();
    const auto* status = child<QLabel>(window, "PlanStatus");
    if (!QTest::qWaitFor([status] { return status->text() == QStringLiteral("Plan wysłany w całości."); })) {
        qFatal("the pictured plan was not sent");
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER [SCREEN]\n", argv[0]);
        return 2;
    }
    QTranslator qtTexts;
    velmora::setUpApplication(qtTexts);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    FatalErrorBox errors;
    NoQuestions questions;
    PicturedRoutes routes;
    velmora::Outbox outbox(routes);
    velmora::PageSet pages(errors, velmora::Sending{outbox, questions});
    QWidget& main = pages.mainPage();
    if (argc == 3) {
        return pictureTallPages(main, folder, QString::fromLocal8Bit(argv[2]));
    }
    main.show();
    if (!QTest::qWaitForWindowExposed(&main) || !save(&main, folder, QStringLiteral("main-page.png"))) {
        return 1;
    }

    typeIku(main);
    auto* smsCentre = child<velmora::Page>(&main, "TForm2");
    smsCentre->ensureBuilt();
    child<velmora::RadioGroup>(smsCentre, "RadioGroup1")->setItemIndex(1);
    smsCentre->show();
    child<QPushButton>(smsCentre, "Button1")->click();
    if (!QTest::qWaitForWindowExposed(smsCentre) || !save(smsCentre, folder, QStringLiteral("sms-centre-page.png"))) {
        return 1;
    }

    auto* qr = child<QPushButton>(smsCentre, "QrButton");
    auto* send = child<QPushButton>(smsCentre, "SendButton");
    if (!pictureModal(qr, folder, QStringLiteral("qr-code-window.png")) ||
        !pictureModal(send, folder, QStringLiteral("send-window.png"), sendToTheUnit)) {
        return 1;
    }
    gatherPlan(main, smsCentre);
    auto* plan = child<QPushButton>(child<velmora::Page>(&main, "TForm12"), "PlanButton");
    return pictureModal(plan, folder, QStringLiteral("plan-window.png"), sendThePlan) ? 0 : 1;
}
