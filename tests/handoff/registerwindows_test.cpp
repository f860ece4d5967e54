#include "controls.h"
#include "fakekeyring.h"
#include "fakeroutes.h"
#include "handoffwindows.h"
#include "modal.h"
#include "outbox.h"
#include "pagetest.h"
#include "registeraccess.h"
#include "registerwindows.h"
#include "scriptedquestions.h"
#include "testhome.h"
#include "testmain.h"
#include "unitsbutton.h"

#include <QFile>
#include <QPushButton>
#include <QTableView>

using namespace velmora;
using namespace velmora::test;

namespace {

// The windows as the pages reach them: a page's IKU field, its "Centrale" button and "CurrentUnit".
struct Fixture {
    TestHome home;
    QString path = home.filePath(QStringLiteral("data/centrale.sqlite"));
    FakeKeyring* keyring = nullptr;
    RegisterAccess access{[this] {
                              auto made = std::make_unique<FakeKeyring>();
                              keyring = made.get();
                              return made;
                          },
                          path};
    RecordingErrorBox errors;
    ScriptedQuestions questions;
    FakeFinder finder;
    Outbox outbox{finder};
    QWidget page;
    HandoffWindows handoff{&page, errors, Sending{outbox, questions}};
    RegisterWindows windows{&page, access, errors, questions, handoff};
    QLineEdit* iku = makeEdit(&page, "Edit1");
    QPushButton* button = makeUnitsButton(&page, &windows);
    QLabel* current = makeCurrentUnit(&page, &windows, iku);

    Unit addUnit(const QString& name, const QString& number, const QString& code)
    {
        const Unit unit = std::get<Unit>(access.units().add({name, number, {}}));
        access.book();
        if (!code.isEmpty()) {
            keyring->entries[unit.codeKey] = code;
        }
        return unit;
    }

    // Opens the units window from the page's button and uses the unit in row `row`.
    void use(int row)
    {
        ModalWatcher watcher([&](QWidget* window) {
            child<QTableView>(window, QStringLiteral("UnitsList"))->selectRow(row);
            child<QPushButton>(window, QStringLiteral("UnitUse"))->click();
        });
        button->click();
        QCOMPARE(watcher.seen(), QStringList{QStringLiteral("UnitsWindow")});
    }

    // The number the send window shows when it next opens.
    QString sendWindowsNumber()
    {
        QString number;
        ModalWatcher watcher(
            [&](QWidget* window) { number = child<QLineEdit>(window, QStringLiteral("SendNumber"))->text(); });
        handoff.send(QStringLiteral("Test"), QStringLiteral("1234#S#"));
        return number;
    }
};

} // namespace

class RegisterWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // The code goes into the page's field as if typed, the number into the windows that send.
    void aUsedUnitFillsTheCodeAndTheNumber()
    {
        Fixture f;
        f.addUnit(QStringLiteral("Dom"), QStringLiteral("48601123456"), QStringLiteral("7395"));
        f.addUnit(QStringLiteral("Sklep"), QStringLiteral("48602000111"), {});
        QStringList typed;
        QObject::connect(f.iku, &QLineEdit::textChanged, [&](const QString& text) { typed << text; });
        QVERIFY(f.current->text().isEmpty());

        f.use(0);
        QTRY_COMPARE(f.current->text(), QStringLiteral("Centrala: Dom"));
        QCOMPARE(typed, QStringList{QStringLiteral("7395")});
        QCOMPARE(f.sendWindowsNumber(), QStringLiteral("48601123456"));
        QCOMPARE(child<QLineEdit>(&f.page, QStringLiteral("QrNumber"))->text(), QStringLiteral("48601123456"));

        // A unit without a stored code leaves the field as it was, and says so.
        f.use(1);
        QTRY_COMPARE(f.current->text(),
                     QStringLiteral("Centrala: Sklep (kod IKU nie jest zapisany, wpisz go z koperty)"));
        QCOMPARE(f.iku->text(), QStringLiteral("7395"));
        QCOMPARE(f.sendWindowsNumber(), QStringLiteral("48602000111"));
        QVERIFY(f.errors.reports().empty());
    }

    // A file that is not a register: an error box naming it, no window, and the file left as it was.
    void aRegisterThatCannotBeOpenedIsRefusedAndLeftAlone()
    {
        Fixture f;
        QVERIFY(QDir().mkpath(QFileInfo(f.path).path()));
        QFile file(f.path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("nazwa;numer;uwagi\n");
        file.close();
        const QByteArray before = hashOf(f.path);
        ModalWatcher watcher;
        f.button->click();
        f.button->click();
        QCOMPARE(watcher.seen(), QStringList());
        QCOMPARE(f.errors.messages().size(), 2);
        QVERIFY2(f.errors.messages().front().startsWith(
                     QStringLiteral("Rejestr central „%1” nie został otwarty: ").arg(f.path)),
                 qPrintable(f.errors.messages().front()));
        QCOMPARE(hashOf(f.path), before);
    }

    void withoutUnitsThePageShowsNeitherButtonNorUnit()
    {
        QWidget page;
        QLineEdit* iku = makeEdit(&page, "Edit1");
        QVERIFY(makeUnitsButton(&page, nullptr)->isHidden());
        QVERIFY(makeCurrentUnit(&page, nullptr, iku)->isHidden());
    }
};

VELMORA_TEST_MAIN(RegisterWindowsTest)
#include "registerwindows_test.moc"
