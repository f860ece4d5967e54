#include "ikucode.h"
#include "modal.h"
#include "pagetest.h"
#include "testmain.h"
#include "unitdialog.h"
#include "unitsfixture.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace velmora;
using namespace velmora::test;

namespace {

const QString kNotStored = QStringLiteral("Kod IKU nie został zapisany: brak dostępu do magazynu haseł systemu.");

struct Typed {
    QString name;
    QString number;
    QString iku;
    QString notes;
};

struct Fixture : UnitsFixture {
    RecordingErrorBox errors;
    UnitDialog dialog{book, errors};
    QLineEdit* name = child<QLineEdit>(&dialog, QStringLiteral("UnitName"));
    QLineEdit* number = child<QLineEdit>(&dialog, QStringLiteral("UnitNumber"));
    QLineEdit* iku = child<QLineEdit>(&dialog, QStringLiteral("UnitIku"));
    QCheckBox* showIku = child<QCheckBox>(&dialog, QStringLiteral("UnitIkuShow"));
    QPlainTextEdit* notes = child<QPlainTextEdit>(&dialog, QStringLiteral("UnitNotes"));
    QLabel* status = child<QLabel>(&dialog, QStringLiteral("UnitStatus"));

    // Opens the dialog for `unit` (none: a new one), lets `steps` act in it, and returns what it saved.
    std::optional<Unit> edit(const std::optional<Unit>& unit, const std::function<void()>& steps)
    {
        ModalWatcher watcher([&](QWidget* shown) {
            if (shown == &dialog) {
                steps();
            }
        });
        return dialog.edit(unit);
    }

    // Types each field that is given, presses "Zapisz" and waits until the save has come to something.
    void save(const Typed& typed)
    {
        name->setText(typed.name);
        number->setText(typed.number);
        if (!typed.iku.isNull()) {
            iku->setText(typed.iku);
        }
        notes->setPlainText(typed.notes);
        const std::size_t reports = errors.reports().size();
        const QString said = status->text();
        child<QPushButton>(&dialog, QStringLiteral("UnitSave"))->click();
        QVERIFY(QTest::qWaitFor(
            [&] { return !dialog.isVisible() || status->text() != said || errors.reports().size() > reports; }, 2000));
    }

    std::size_t unitCount() { return units.units().size(); }
};

} // namespace

class UnitDialogTest : public QObject {
    Q_OBJECT

private slots:
    void aNewUnitIsSavedWithItsCodeInTheKeyringOnly()
    {
        Fixture f;
        const std::optional<Unit> saved = f.edit(std::nullopt, [&] {
            QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Centrala"));
            QCOMPARE(f.iku->echoMode(), QLineEdit::Password);
            f.showIku->click();
            QCOMPARE(f.iku->echoMode(), QLineEdit::Normal);
            f.save({QStringLiteral("Dom Kowalskich"), kHouseNumber, QStringLiteral("7395"),
                    QStringLiteral("ul. Polna 1\nklient: Jan Kowalski")});
        });
        QVERIFY(saved);
        QCOMPARE(static_cast<const UnitFields&>(*saved),
                 (UnitFields{QStringLiteral("Dom Kowalskich"), kHouseNumber,
                             QStringLiteral("ul. Polna 1\nklient: Jan Kowalski")}));
        QCOMPARE(f.keyring.entries.at(saved->codeKey), QStringLiteral("7395"));
        QVERIFY(f.errors.reports().empty());
        QVERIFY(!f.home.files().isEmpty());
        QCOMPARE(f.home.filesHolding(QStringLiteral("7395")), QStringList());
    }

    // Each refused with its sentence in the error box; nothing saved, the dialog still open to put it right.
    void aBadFieldIsRefusedAndNothingIsSaved_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("iku");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("message");
        const QString house = QStringLiteral("Dom");
        QTest::newRow("no name") << "  " << kHouseNumber << ""
                                 << ""
                                 << "Brak nazwy centrali.";
        QTest::newRow("name too long") << QString(61, u'ą') << kHouseNumber << ""
                                       << ""
                                       << "Nazwa centrali jest dłuższa niż 60 znaków.";
        QTest::newRow("no number") << house << ""
                                   << ""
                                   << ""
                                   << "Brak numeru centrali.";
        QTest::newRow("not in international form")
            << house << "060112345"
            << ""
            << ""
            << "Numer „060112345” nie jest numerem w postaci międzynarodowej (kod kraju i numer, same cyfry, od 9 do "
               "15, bez zera na początku).";
        QTest::newRow("three digits of the code") << house << kHouseNumber << "739"
                                                  << "" << QString::fromUtf8(kIkuLengthMessage);
        QTest::newRow("notes too long") << house << kHouseNumber << "" << QString(1001, u'x')
                                        << "Uwagi są dłuższe niż 1000 znaków.";
        QTest::newRow("a number another unit has") << house << kHouseNumber << ""
                                                   << ""
                                                   << "Numer 48601123456 ma już centrala „Biuro”.";
    }

    void aBadFieldIsRefusedAndNothingIsSaved()
    {
        QFETCH(QString, name);
        QFETCH(QString, number);
        QFETCH(QString, iku);
        QFETCH(QString, notes);
        QFETCH(QString, message);
        Fixture f;
        f.addUnit(QStringLiteral("Biuro"), kHouseNumber);
        bool stillOpen = false;
        const std::optional<Unit> saved = f.edit(std::nullopt, [&] {
            f.save({name, number, iku, notes});
            stillOpen = f.dialog.isVisible();
        });
        QCOMPARE(f.errors.messages(), QStringList{message});
        QVERIFY(stillOpen);
        QVERIFY(!saved);
        QCOMPARE(f.unitCount(), std::size_t(1));
        QVERIFY(f.keyring.entries.empty());
    }

    // The hub's rule on every keystroke: a letter empties the field at once.
    void theCodeFieldTakesDigitsOnly()
    {
        Fixture f;
        f.edit(std::nullopt, [&] {
            QTest::keyClicks(f.iku, QStringLiteral("12a"));
            QCOMPARE(f.iku->text(), QString());
            QTest::keyClicks(f.iku, QStringLiteral("1234"));
            QCOMPARE(f.iku->text(), QStringLiteral("1234"));
            QTest::keyClicks(f.iku, QStringLiteral("5"));
            QCOMPARE(f.iku->text(), QString());
        });
        QCOMPARE(f.errors.messages(),
                 (QStringList{QString::fromUtf8(kIkuDigitsMessage), QString::fromUtf8(kIkuLengthMessage)}));
    }

    void withoutAKeyringTheUnitIsSavedWithoutItsCodeAndTheDialogSaysSo()
    {
        Fixture f;
        f.keyring.answerWith(FakeKeyring::Status::NoKeyring);
        QString said;
        const std::optional<Unit> saved = f.edit(std::nullopt, [&] {
            f.save({QStringLiteral("Dom"), kHouseNumber, QStringLiteral("7395"), {}});
            said = f.status->text();
        });
        QCOMPARE(said, kNotStored);
        QVERIFY(saved);
        QCOMPARE(f.unitCount(), std::size_t(1));
        QVERIFY(f.errors.reports().empty());
        QCOMPARE(f.home.filesHolding(QStringLiteral("7395")), QStringList());
    }

    // The stored code is shown as dots; untouched it stays, emptied it goes.
    void editingKeepsTheCodeUnlessItIsChanged()
    {
        Fixture f;
        const Unit unit = f.addUnit(QStringLiteral("Dom"), kHouseNumber, QStringLiteral("7395"));
        f.edit(unit, [&] {
            QTRY_COMPARE(f.iku->text(), QStringLiteral("7395"));
            QCOMPARE(f.name->text(), QStringLiteral("Dom"));
            f.save({QStringLiteral("Dom nad rzeką"), kHouseNumber, QString(), {}});
        });
        QCOMPARE(f.units.unit(unit.id)->name, QStringLiteral("Dom nad rzeką"));
        QCOMPARE(f.keyring.entries.at(unit.codeKey), QStringLiteral("7395"));

        // A keyring that cannot be read leaves the field empty: saved as it is, the code stays.
        f.keyring.answerWith(FakeKeyring::Status::Locked);
        f.edit(unit, [&] { f.save({QStringLiteral("Dom"), kHouseNumber, QString(), {}}); });
        f.keyring.answerWith(FakeKeyring::Status::Done);
        QCOMPARE(f.keyring.entries.at(unit.codeKey), QStringLiteral("7395"));

        f.edit(unit, [&] {
            QTRY_COMPARE(f.iku->text(), QStringLiteral("7395"));
            f.save({QStringLiteral("Dom"), kHouseNumber, QStringLiteral(""), {}});
        });
        QVERIFY(!f.keyring.entries.contains(unit.codeKey));
    }
};

VELMORA_TEST_MAIN(UnitDialogTest)
#include "unitdialog_test.moc"
