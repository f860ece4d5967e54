#include "pagetest.h"
#include "systemparameterspage.h"
#include "testmain.h"

using namespace velmora;
using namespace velmora::test;

namespace {

using Fixture = PageFixture<TForm6>;

QString button(int number)
{
    return QStringLiteral("Button%1").arg(number);
}

QString field(int number)
{
    return QStringLiteral("Edit%1").arg(number);
}

} // namespace

class SystemParametersPageTest : public QObject {
    Q_OBJECT

private slots:
    void textsAsShown()
    {
        Fixture f;
        const QString compose = QStringLiteral("Treść SMS");
        const QString arming = QStringLiteral("punkt 16. USTAWIANIE CZASÓW UZBROJENIA I ROZBROJENIA SYSTEMU.");
        expectShown(
            &f.page,
            {{QStringLiteral("TForm6"), QStringLiteral("POZOSTAŁE PAMETRY SYSTEMU")},
             {QStringLiteral("Label1"), QStringLiteral("Dobowy limit SMS")},
             {QStringLiteral("Label2"), QStringLiteral("Czas Uzbrajania systemu")},
             {QStringLiteral("Label3"), QStringLiteral("Czas Rozbrajania systemu")},
             {QStringLiteral("Label4"), QStringLiteral("Numer badania stanu konta")},
             {QStringLiteral("Label5"), QStringLiteral("Ilościowe badanie stanu konta")},
             {QStringLiteral("Label6"), QStringLiteral("Czasowe badanie stanu konta")},
             {QStringLiteral("Label7"), QStringLiteral("Maska zawiadamiania o uzbrojeniu rozbrojeniu systemu")},
             {QStringLiteral("Label8"), QStringLiteral("Opcja ECHO")},
             {QStringLiteral("Label15"), QStringLiteral("Tryb serwisowy")},
             {QStringLiteral("Label36"), QStringLiteral("Ustawienia fabryczne")},
             {QStringLiteral("Label26"), QStringLiteral("U1")},
             {QStringLiteral("Label35"), QStringLiteral("U10")},
             {QStringLiteral("Label13"), QStringLiteral("Wstecz")},
             {button(1), compose, QStringLiteral("punkt 14. USTALANIE DOBOWYCH LIMITÓW WYSYŁANYCH SMS-ÓW ALARMOWYCH")},
             {button(2), compose, arming},
             {button(3), compose, arming},
             {button(4), compose, QStringLiteral("punkt 23. INFORMOWANIE O STANIE KONTA KART BEZABONENTOWYCH")},
             {button(5), compose, QStringLiteral("punkt 23.2. Opcja ilościowej informacji o stanie konta")},
             {button(6), compose, QStringLiteral("punkt 23.1. Opcja czasowej informacji o stanie konta")},
             {button(9), compose,
              QStringLiteral("punkt 18.1. Definiowanie \"maski zawiadomienie\" - informowanie o włączaniu i "
                             "wyłączaniu systemu.")},
             {button(10), compose,
              QStringLiteral("punkt 18.2. OPCJA ECHO - odsyłanie wszystkich komunikatów SMS dochodzących do "
                             "systemu do pierwszego użytkownika.")},
             {button(11), compose,
              QStringLiteral("punkt 33. KONIECZNOŚĆ PRZEPROGRAMOWANIA SYSTEMU - UDOSTĘPNIENIE KODU SERWISOWEGO")},
             {button(14), compose, QStringLiteral("punkt 20.2. Przywrócenie ustawień fabrycznych")}});
    }

    // Each field holds its own value, so a button reading another field shows. Every box starts ticked.
    void eachButtonReadsItsOwnInput()
    {
        Fixture f;
        const QStringList values{QStringLiteral("0001"), QStringLiteral("2"), QStringLiteral("3"),
                                 QStringLiteral("*4#"),  QStringLiteral("5"), QStringLiteral("6")};
        for (int row = 1; row <= 6; ++row) {
            f.edit(field(row))->setText(values[row - 1]);
        }
        const QList<std::pair<int, QString>> expected{
            {1, QStringLiteral("0123#L#0001#")},       {2, QStringLiteral("0123#TU#2#")},
            {3, QStringLiteral("0123#TR#3#")},         {4, QStringLiteral("0123#K*4#")},
            {5, QStringLiteral("0123#NK#5#")},         {6, QStringLiteral("0123#TK#6#")},
            {9, QStringLiteral("0123#Z#1111111111#")}, {10, QStringLiteral("0123#E#1#")},
            {11, QStringLiteral("0123#S#")},           {14, QStringLiteral("0123#F#")}};
        for (const auto& [number, message] : expected) {
            f.result->setEnabled(false);
            f.press(button(number));
            QCOMPARE(f.result->text(), message);
            QVERIFY(f.result->isEnabled());
        }
        QCOMPARE(f.shown().mid(0, 2), (QStringList{QStringLiteral("Przywracanie ustawień fabrycznych"),
                                                   QStringLiteral("Wyślij do urządzenia SMS o treści:")}));
        QVERIFY(f.errors.reports().empty());
    }

    // Entered at once: one box over the entered text, then the repair, which runs the rule again without a
    // second box; the band is empty before the box.
    void eachFieldHasItsOwnRule_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("left");
        QTest::newRow("limit") << 1 << QStringLiteral("10000") << QStringLiteral("Maxymalna wartość limitu SMS to 9999")
                               << QStringLiteral("9999");
        QTest::newRow("arming") << 2 << QStringLiteral("123456789012345678901234567890")
                                << QStringLiteral("Maxymalna wartość czasu uzbrajania systemu to 9999")
                                << QStringLiteral("9999");
        QTest::newRow("disarming") << 3 << QStringLiteral("10000")
                                   << QStringLiteral("Maxymalna wartość czasu rozbrajania systemu to 9999")
                                   << QStringLiteral("9999");
        QTest::newRow("balance number") << 4 << QStringLiteral("*100中")
                                        << QStringLiteral("Numer badania stanu konta zawiera niedozwolony znak")
                                        << QString();
        QTest::newRow("balance number tab")
            << 4 << QStringLiteral("*100\t#") << QStringLiteral("Numer badania stanu konta zawiera niedozwolony znak")
            << QString();
        QTest::newRow("quantity") << 5 << QStringLiteral("10000")
                                  << QStringLiteral("Maxymalna wartość ilościowego badania stanu konta to 9999")
                                  << QStringLiteral("9999");
        QTest::newRow("days") << 6 << QStringLiteral("1000")
                              << QStringLiteral("Maxymalna wartość czasowego badania stanu konta to 999 dni")
                              << QStringLiteral("999");
        QTest::newRow("letter") << 1 << QStringLiteral("-5")
                                << QStringLiteral("Dobowy limit wysyłanych SMS powinien zawierać tylko cyfry ")
                                << QString();
    }

    void eachFieldHasItsOwnRule()
    {
        QFETCH(int, row);
        QFETCH(QString, entered);
        QFETCH(QString, message);
        QFETCH(QString, left);
        Fixture f;
        f.press(button(11));
        f.errors.watch(f.edit(field(row)));
        f.edit(field(row))->setText(entered);
        QCOMPARE(f.errors.messages(), QStringList{message});
        QCOMPARE(f.errors.reports().front().fieldText, entered);
        QCOMPARE(f.bandAtBox, kEmptyBand);
        QCOMPARE(f.edit(field(row))->text(), left);
        QCOMPARE(f.shown(), kEmptyBand);
    }

    void anEmptyFieldIsRefusedOverAnEmptyBand_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("message");
        QTest::newRow("limit") << 1 << QStringLiteral("Podaj wartość Dobowego limitu SMS");
        QTest::newRow("balance number") << 4 << QStringLiteral("Podaj numer Badania stanu konta");
    }

    void anEmptyFieldIsRefusedOverAnEmptyBand()
    {
        QFETCH(int, row);
        QFETCH(QString, message);
        Fixture f;
        f.press(button(11));
        f.result->setEnabled(false);
        bool enabledAtBox = false;
        f.errors.whileShown([&f, &enabledAtBox] {
            f.bandAtBox = f.shown();
            enabledAtBox = f.result->isEnabled();
        });
        f.press(button(row));
        QCOMPARE(f.errors.messages(), QStringList{message});
        QCOMPARE(f.bandAtBox, kEmptyBand);
        QVERIFY(enabledAtBox);
    }

    // Beyond Qt's default of 32,767 characters: the field keeps the whole paste and the command carries it whole.
    void aLongBalanceNumberComposesWhole()
    {
        Fixture f;
        QString number = QStringLiteral("*");
        for (int i = 0; number.size() < 40000; ++i) {
            number += QString::number(i % 10);
        }
        QLineEdit* field = f.edit(QStringLiteral("Edit4"));
        field->insert(number);
        QCOMPARE(field->text(), number);
        f.press(button(4));
        QCOMPARE(f.result->text().size(), 40006);
        QCOMPARE(f.result->text(), QStringLiteral("0123#K") + number);
        QVERIFY(f.errors.reports().empty());
    }

    void everyInputEmptiesTheBand()
    {
        Fixture f;
        for (int number = 1; number <= 11; ++number) {
            f.press(button(11));
            f.click({number});
            QVERIFY2(f.shown() == kEmptyBand, qPrintable(QString::number(number)));
        }
        for (int row = 1; row <= 6; ++row) {
            f.press(button(11));
            typeText(f.edit(field(row)), QStringLiteral("1"));
            QVERIFY2(f.shown() == kEmptyBand, qPrintable(field(row)));
        }
        QVERIFY(f.errors.reports().empty());
    }

    void reopeningEmptiesTheBandAndKeepsTheInputs()
    {
        Fixture f;
        f.open();
        f.click({3, 10, 11});
        typeText(f.edit(field(1)), QStringLiteral("50"));
        f.press(button(1));
        f.open();
        QCOMPARE(f.shown(), kEmptyBand);
        QVERIFY(f.result->isEnabled());
        QCOMPARE(f.edit(field(1))->text(), QStringLiteral("50"));
        f.press(button(9));
        QCOMPARE(f.result->text(), QStringLiteral("0123#Z#1101111110#"));
        f.press(button(10));
        QCOMPARE(f.result->text(), QStringLiteral("0123#E#0#"));
    }
};

VELMORA_TEST_MAIN(SystemParametersPageTest)
#include "systemparameterspage_test.moc"
