#include "modal.h"
#include "recordingerrorbox.h"
#include "systemparameterspage.h"
#include "testmain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace velmora;
using velmora::test::ModalWatcher;
using velmora::test::RecordingErrorBox;

namespace {

const QString kPrompt = QStringLiteral("Wyślij do urządzenia SMS o treści:");

struct Fixture {
    RecordingErrorBox errors;
    TForm6 page{[] { return std::string("0123"); }, errors};
    QLabel* title = page.findChild<QLabel*>(QStringLiteral("Label12"));
    QLabel* prompt = page.findChild<QLabel*>(QStringLiteral("Label14"));
    QLineEdit* result = page.findChild<QLineEdit*>(QStringLiteral("Edit7"));

    template <typename T> T* child(const QString& name) const
    {
        T* found = page.findChild<T*>(name);
        if (found == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }
    QLineEdit* edit(int number) const { return child<QLineEdit>(QStringLiteral("Edit%1").arg(number)); }
    QPushButton* button(int number) const { return child<QPushButton>(QStringLiteral("Button%1").arg(number)); }
    QCheckBox* box(int number) const { return child<QCheckBox>(QStringLiteral("CheckBox%1").arg(number)); }

    void open()
    {
        ModalWatcher watcher;
        page.showModally();
    }

    // Leaves a command in the band, so that emptying it shows.
    void composeSomething() { button(11)->click(); }

    bool bandEmpty() const { return title->text().isEmpty() && prompt->text().isEmpty() && result->text().isEmpty(); }
    void verifyShown(const QString& message, const QString& operation) const
    {
        QCOMPARE(result->text(), message);
        QCOMPARE(title->text(), operation);
        QCOMPARE(prompt->text(), kPrompt);
        QVERIFY(result->isEnabled());
    }
};

} // namespace

class SystemParametersPageTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAsNamed()
    {
        Fixture f;
        QVERIFY(f.title && f.prompt && f.result);
        QCOMPARE(f.page.windowTitle(), QStringLiteral("POZOSTAŁE PAMETRY SYSTEMU"));
        const QList<std::pair<const char*, QString>> labels = {
            {"Label1", QStringLiteral("Dobowy limit SMS")},
            {"Label2", QStringLiteral("Czas Uzbrajania systemu")},
            {"Label3", QStringLiteral("Czas Rozbrajania systemu")},
            {"Label4", QStringLiteral("Numer badania stanu konta")},
            {"Label5", QStringLiteral("Ilościowe badanie stanu konta")},
            {"Label6", QStringLiteral("Czasowe badanie stanu konta")},
            {"Label7", QStringLiteral("Maska zawiadamiania o uzbrojeniu rozbrojeniu systemu")},
            {"Label8", QStringLiteral("Opcja ECHO")},
            {"Label15", QStringLiteral("Tryb serwisowy")},
            {"Label36", QStringLiteral("Ustawienia fabryczne")},
            {"Label26", QStringLiteral("U1")},
            {"Label35", QStringLiteral("U10")},
            {"Label13", QStringLiteral("Wstecz")},
        };
        for (const auto& [name, text] : labels) {
            QCOMPARE(f.child<QLabel>(QLatin1String(name))->text(), text);
        }
        const QString arming = QStringLiteral("punkt 16. USTAWIANIE CZASÓW UZBROJENIA I ROZBROJENIA SYSTEMU.");
        const QList<std::pair<int, QString>> hints = {
            {1, QStringLiteral("punkt 14. USTALANIE DOBOWYCH LIMITÓW WYSYŁANYCH SMS-ÓW ALARMOWYCH")},
            {2, arming},
            {3, arming},
            {4, QStringLiteral("punkt 23. INFORMOWANIE O STANIE KONTA KART BEZABONENTOWYCH")},
            {5, QStringLiteral("punkt 23.2. Opcja ilościowej informacji o stanie konta")},
            {6, QStringLiteral("punkt 23.1. Opcja czasowej informacji o stanie konta")},
            {9, QStringLiteral("punkt 18.1. Definiowanie \"maski zawiadomienie\" - informowanie o włączaniu i "
                               "wyłączaniu systemu.")},
            {10, QStringLiteral("punkt 18.2. OPCJA ECHO - odsyłanie wszystkich komunikatów SMS dochodzących do "
                                "systemu do pierwszego użytkownika.")},
            {11, QStringLiteral("punkt 33. KONIECZNOŚĆ PRZEPROGRAMOWANIA SYSTEMU - UDOSTĘPNIENIE KODU SERWISOWEGO")},
            {14, QStringLiteral("punkt 20.2. Przywrócenie ustawień fabrycznych")},
        };
        for (const auto& [number, hint] : hints) {
            QCOMPARE(f.button(number)->toolTip(), hint);
            QCOMPARE(f.button(number)->text(), QStringLiteral("Treść SMS"));
        }
        for (int box = 1; box <= 11; ++box) {
            QCOMPARE(f.box(box)->text(), QString());
        }
        for (int field = 1; field <= 6; ++field) {
            QCOMPARE(f.edit(field)->text(), QString());
        }
        QVERIFY(f.result->isEnabled());
        QVERIFY(f.page.findChild<QToolButton*>(QStringLiteral("SpeedButton1")));
    }

    void theBackButtonClosesThePage()
    {
        Fixture f;
        f.page.show();
        f.child<QToolButton>(QStringLiteral("SpeedButton1"))->click();
        QVERIFY(!f.page.isVisible());
    }

    void composesEachValueRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("operation");
        QTest::newRow("daily limit") << 1 << QStringLiteral("0007") << QStringLiteral("0123#L#0007#")
                                     << QStringLiteral("Definiowanie limitu SMS");
        QTest::newRow("arming") << 2 << QStringLiteral("0") << QStringLiteral("0123#TU#0#")
                                << QStringLiteral("Definiowanie czasu uzbrajania systemu");
        QTest::newRow("disarming") << 3 << QStringLiteral("9999") << QStringLiteral("0123#TR#9999#")
                                   << QStringLiteral("Definiowanie czasu rozbrajania systemu");
        QTest::newRow("balance number") << 4 << QStringLiteral("*100#") << QStringLiteral("0123#K*100#")
                                        << QStringLiteral("Definiowanie numeru badania stanu konta");
        QTest::newRow("balance number, Polish letter") << 4 << QStringLiteral("ą") << QStringLiteral("0123#Ką")
                                                       << QStringLiteral("Definiowanie numeru badania stanu konta");
        QTest::newRow("by quantity") << 5 << QStringLiteral("25") << QStringLiteral("0123#NK#25#")
                                     << QStringLiteral("Definiowanie ilościowego badania konta");
        QTest::newRow("by time") << 6 << QStringLiteral("999") << QStringLiteral("0123#TK#999#")
                                 << QStringLiteral("Definiowanie okresu badania konta");
    }

    void composesEachValueRow()
    {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, operation);
        Fixture f;
        f.open();
        f.edit(row)->insert(typed);
        QCOMPARE(f.edit(row)->text(), typed);
        f.button(row)->click();
        QVERIFY(f.errors.reports().empty());
        f.verifyShown(message, operation);
    }

    void valueFieldRules_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("left");
        const QString limit = QStringLiteral("Maxymalna wartość limitu SMS to 9999");
        const QString days = QStringLiteral("Maxymalna wartość czasowego badania stanu konta to 999 dni");
        QTest::newRow("10000 limit") << 1 << QStringLiteral("10000") << limit << QStringLiteral("9999");
        QTest::newRow("30 digits arming")
            << 2 << QStringLiteral("123456789012345678901234567890")
            << QStringLiteral("Maxymalna wartość czasu uzbrajania systemu to 9999") << QStringLiteral("9999");
        QTest::newRow("10000 disarming") << 3 << QStringLiteral("10000")
                                         << QStringLiteral("Maxymalna wartość czasu rozbrajania systemu to 9999")
                                         << QStringLiteral("9999");
        QTest::newRow("10000 quantity") << 5 << QStringLiteral("10000")
                                        << QStringLiteral("Maxymalna wartość ilościowego badania stanu konta to 9999")
                                        << QStringLiteral("9999");
        QTest::newRow("1000 days") << 6 << QStringLiteral("1000") << days << QStringLiteral("999");
        QTest::newRow("minus") << 1 << QStringLiteral("-5")
                               << QStringLiteral("Dobowy limit wysyłanych SMS powinien zawierać tylko cyfry ")
                               << QString();
        QTest::newRow("letter days") << 6 << QStringLiteral("1e3")
                                     << QStringLiteral("Czasowe badanie stanu konta powinno zawierać tylko cyfry ")
                                     << QString();
    }

    // A pasted value: one box over the pasted text, then the field is repaired; the repair runs the rule again
    // without a second box, and leaves the band empty. A clamped value is then composed as it stands.
    void valueFieldRules()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, left);
        Fixture f;
        f.open();
        f.composeSomething();
        f.errors.watch(f.edit(field));
        f.errors.whileShown([&f] { QVERIFY(f.bandEmpty()); });
        f.edit(field)->setText(typed);
        QCOMPARE(f.errors.messages(), QStringList{message});
        QCOMPARE(f.errors.reports().front().fieldText, typed);
        QCOMPARE(f.edit(field)->text(), left);
        QVERIFY(f.bandEmpty());
        if (!left.isEmpty()) {
            f.button(field)->click();
            QVERIFY(f.result->text().endsWith(QLatin1Char('#') + left + QLatin1Char('#')));
            QCOMPARE(f.errors.reports().size(), std::size_t{1});
        }
    }

    void typingALetterEmptiesTheValueAtOnce()
    {
        Fixture f;
        f.open();
        f.errors.watch(f.edit(5));
        QTest::keyClicks(f.edit(5), "12x3");
        QCOMPARE(f.errors.messages(),
                 QStringList{QStringLiteral("Ilościowe badanie stanu konta powinno zawierać tylko cyfry ")});
        QCOMPARE(f.errors.reports().front().fieldText, QStringLiteral("12x"));
        QCOMPARE(f.edit(5)->text(), QStringLiteral("3"));
    }

    void anEmptyFieldIsRefusedAtComposition_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("message");
        QTest::newRow("limit") << 1 << QStringLiteral("Podaj wartość Dobowego limitu SMS");
        QTest::newRow("arming") << 2 << QStringLiteral("Podaj wartość Czasu uzbrajania systemu");
        QTest::newRow("disarming") << 3 << QStringLiteral("Podaj wartość czasu rozbrajania systemu");
        QTest::newRow("balance number") << 4 << QStringLiteral("Podaj numer Badania stanu konta");
        QTest::newRow("quantity") << 5 << QStringLiteral("Podaj wartość ilościowego badania stanu konta");
        QTest::newRow("days") << 6 << QStringLiteral("Podaj wartość czasowego badania stanu konta");
    }

    void anEmptyFieldIsRefusedAtComposition()
    {
        QFETCH(int, row);
        QFETCH(QString, message);
        Fixture f;
        f.open();
        f.composeSomething();
        f.result->setEnabled(false);
        f.errors.whileShown([&f] {
            QVERIFY(f.bandEmpty());
            QVERIFY(f.result->isEnabled());
        });
        f.button(row)->click();
        QCOMPARE(f.errors.messages(), QStringList{message});
        QVERIFY(f.bandEmpty());
    }

    void theBalanceNumberRefusesWhatTheUnitCannotReceive_data()
    {
        QTest::addColumn<QString>("inserted");
        QTest::newRow("Chinese") << QStringLiteral("中");
        QTest::newRow("emoji") << QStringLiteral("😀");
        QTest::newRow("pasted with a good prefix") << QStringLiteral("12ø");
    }

    void theBalanceNumberRefusesWhatTheUnitCannotReceive()
    {
        QFETCH(QString, inserted);
        Fixture f;
        f.open();
        QLineEdit* number = f.edit(4);
        QTest::keyClicks(number, "*100");
        f.button(4)->click();
        f.errors.watch(number);
        number->insert(inserted);
        QCOMPARE(f.errors.messages(),
                 QStringList{QStringLiteral("Numer badania stanu konta zawiera niedozwolony znak")});
        QCOMPARE(f.errors.reports().front().fieldText, QStringLiteral("*100") + inserted);
        QCOMPARE(number->text(), QStringLiteral("*100"));
        QVERIFY(f.bandEmpty());
        QTest::keyClicks(number, "#");
        f.button(4)->click();
        QCOMPARE(f.result->text(), QStringLiteral("0123#K*100#"));
        QCOMPARE(f.errors.reports().size(), std::size_t{1});
    }

    void everyBoxIsTickedAtCreation()
    {
        Fixture f;
        for (int box = 1; box <= 11; ++box) {
            QVERIFY(f.box(box)->isChecked());
        }
        f.button(9)->click();
        f.verifyShown(QStringLiteral("0123#Z#1111111111#"),
                      QStringLiteral("Definiowanie maski zawiadomienia o uzbrojeniu rozbrojeniu"));
        f.button(10)->click();
        f.verifyShown(QStringLiteral("0123#E#1#"), QStringLiteral("Definiowanie opcji echo"));
    }

    void reopeningKeepsTheUsersTicks()
    {
        Fixture f;
        f.open();
        f.box(3)->click();
        f.box(10)->click();
        f.box(11)->click();
        f.page.close();
        f.open();
        f.button(9)->click();
        QCOMPARE(f.result->text(), QStringLiteral("0123#Z#1101111110#"));
        f.button(10)->click();
        QCOMPARE(f.result->text(), QStringLiteral("0123#E#0#"));
    }

    void noUserTickedGivesTenZeros()
    {
        Fixture f;
        for (int box = 1; box <= 10; ++box) {
            f.box(box)->click();
        }
        f.button(9)->click();
        QCOMPARE(f.result->text(), QStringLiteral("0123#Z#0000000000#"));
        QVERIFY(f.errors.reports().empty());
    }

    void serviceModeAndFactorySettingsAlwaysCompose()
    {
        Fixture f;
        f.open();
        f.button(11)->click();
        f.verifyShown(QStringLiteral("0123#S#"), QStringLiteral("Definiowanie trybu serwisowego"));
        f.button(14)->click();
        f.verifyShown(QStringLiteral("0123#F#"), QStringLiteral("Przywracanie ustawień fabrycznych"));
    }

    void everyInputChangeEmptiesTheBand_data()
    {
        QTest::addColumn<QString>("control");
        for (int box = 1; box <= 11; ++box) {
            QTest::newRow(qPrintable(QStringLiteral("CheckBox%1").arg(box))) << QStringLiteral("CheckBox%1").arg(box);
        }
        for (int field = 1; field <= 6; ++field) {
            QTest::newRow(qPrintable(QStringLiteral("Edit%1").arg(field))) << QStringLiteral("Edit%1").arg(field);
        }
    }

    void everyInputChangeEmptiesTheBand()
    {
        QFETCH(QString, control);
        Fixture f;
        f.open();
        f.composeSomething();
        if (auto* box = f.page.findChild<QCheckBox*>(control)) {
            box->click();
        } else {
            QTest::keyClicks(f.child<QLineEdit>(control), "1");
        }
        QVERIFY(f.bandEmpty());
        QVERIFY(f.errors.reports().empty());
    }

    void openingEmptiesTheBandAndKeepsTheFields()
    {
        Fixture f;
        f.open();
        QTest::keyClicks(f.edit(1), "50");
        f.button(1)->click();
        f.page.close();
        f.open();
        QVERIFY(f.bandEmpty());
        QVERIFY(f.result->isEnabled());
        QCOMPARE(f.edit(1)->text(), QStringLiteral("50"));
    }
};

VELMORA_TEST_MAIN(SystemParametersPageTest)
#include "systemparameterspage_test.moc"
