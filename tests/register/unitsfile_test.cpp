#include "testhome.h"
#include "unitsfile.h"

#include <QFile>
#include <QTest>

using namespace velmora;
using namespace velmora::test;

namespace {

const UnitFields kHouse{QStringLiteral("Dom"), QStringLiteral("48601123456"), QStringLiteral("stara centrala")};

// A spreadsheet's export: a byte order mark, Windows lines, quotes where a field needs them and where not.
const QByteArray kSpreadsheet = "\xEF\xBB\xBFnazwa;numer;uwagi\r\n"
                                "\"Sklep \"\"Pod Lipą\"\"\";48602000111;\"ul. Polna 3; furtka\r\nod podwórza\"\r\n"
                                "Łódź, magazyn;48603000222;\r\n"
                                "\r\n"
                                "\"Biuro\";48604000333;\"\"\r\n";

const QByteArray kExported = "\xEF\xBB\xBFnazwa;numer;uwagi\r\n"
                             "Biuro;48604000333;\r\n"
                             "Dom;48601123456;stara centrala\r\n"
                             "Łódź, magazyn;48603000222;\r\n"
                             "\"Sklep \"\"Pod Lipą\"\"\";48602000111;\"ul. Polna 3; furtka\nod podwórza\"\r\n";

std::vector<UnitFields> fieldsOf(UnitRegister& units)
{
    std::vector<UnitFields> fields;
    for (const UnitListing& listed : units.units()) {
        fields.push_back(listed.unit);
    }
    return fields;
}

} // namespace

class UnitsFileTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        home_.emplace();
        register_ = home_->filePath(QStringLiteral("data/centrale.sqlite"));
        csv_ = home_->filePath(QStringLiteral("centrale.csv"));
    }

    void cleanup() { home_.reset(); }

    void aFileWithOneBadRowIsRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<QString>("why");
        const QByteArray header = "nazwa;numer;uwagi\r\n";
        QTest::newRow("a missing name") << header + "A;48611000001;\r\n;48611000002;\r\n"
                                        << QStringLiteral("Wiersz 3: brak nazwy centrali.");
        QTest::newRow("a bad number")
            << header + "A;4861100000x;\r\n"
            << QStringLiteral("Wiersz 2: numer „4861100000x” nie jest numerem w postaci międzynarodowej (kod kraju i "
                              "numer, same cyfry, od 9 do 15, bez zera na początku).");
        QTest::newRow("no number") << header + "A;;\r\n" << QStringLiteral("Wiersz 2: brak numeru centrali.");
        QTest::newRow("a registered number") << header + "A;48611000001;\r\nB;601123456;\r\n"
                                             << QStringLiteral("Wiersz 3: numer 601123456 ma już centrala „Dom”.");
        QTest::newRow("a number repeated in the file")
            << header + "A;48611000001;\r\nB;48611000002;\r\nC;611000001;\r\n"
            << QStringLiteral("Wiersz 4: numer 611000001 powtarza się: jest już w wierszu 2.");
        QTest::newRow("a long name") << header + QByteArray(61, 'n') + ";48611000001;\r\n"
                                     << QStringLiteral("Wiersz 2: nazwa centrali jest dłuższa niż 60 znaków.");
        QTest::newRow("long notes") << header + "A;48611000001;" + QByteArray(1001, 'u') + "\r\n"
                                    << QStringLiteral("Wiersz 2: uwagi są dłuższe niż 1000 znaków.");
        QTest::newRow("Windows-1250") << header + "\xA3\xF3\x64\x9F;48611000001;\r\n"
                                      << QStringLiteral("Wiersz 2: tekst nie jest zapisany w kodowaniu UTF-8.");
        QTest::newRow("a control character") << header + "A;48611000001;a\x1B[31m\r\n"
                                             << QStringLiteral("Wiersz 2: uwagi zawierają znak sterujący.");
        QTest::newRow("no header") << QByteArray("A;48611000001;\r\n")
                                   << QStringLiteral("Pierwszy wiersz pliku nie jest nagłówkiem „nazwa;numer;uwagi”.");
        QTest::newRow("an empty file") << QByteArray() << QStringLiteral("Plik jest pusty.");
    }

    void aFileWithOneBadRowIsRefusedWhole()
    {
        QFETCH(QByteArray, rows);
        QFETCH(QString, why);
        UnitRegister units(register_);
        QVERIFY(std::holds_alternative<Unit>(units.add(kHouse)));
        write(rows);
        const QByteArray file = hashOf(register_);
        const QByteArray log = hashOf(register_ + QStringLiteral("-wal"));
        QCOMPARE(importUnits(units, csv_),
                 QStringLiteral("Plik „%1” nie został zaimportowany. %2 Rejestr central pozostał bez zmian.")
                     .arg(csv_, why));
        QCOMPARE(fieldsOf(units), std::vector<UnitFields>{kHouse});
        QCOMPARE(hashOf(register_), file);
        QCOMPARE(hashOf(register_ + QStringLiteral("-wal")), log);
    }

    void aRefusedFileMakesNoRegister()
    {
        write("nazwa;numer;uwagi\r\nA;48611000001;\r\n;48611000002;\r\n");
        UnitRegister units(register_);
        QVERIFY(!importUnits(units, csv_).isEmpty());
        QCOMPARE(home_->files(), QStringList{csv_});
    }

    void aFileThatCannotBeReadIsNamed()
    {
        UnitRegister units(register_);
        QCOMPARE(importUnits(units, csv_),
                 QStringLiteral("Nie można otworzyć pliku „%1”: No such file or directory.").arg(csv_));
    }

    void unitsGoOutAndComeBackAsTheyWere()
    {
        {
            UnitRegister units(register_);
            QVERIFY(std::holds_alternative<Unit>(units.add(kHouse)));
            write(kSpreadsheet);
            QCOMPARE(importUnits(units, csv_), QString());
            QCOMPARE(units.units().size(), std::size_t(4));
            QCOMPARE(exportUnits(units, csv_), QString());
        }
        QFile exported(csv_);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(exported.readAll(), kExported);

        UnitRegister elsewhere(home_->filePath(QStringLiteral("elsewhere/centrale.sqlite")));
        QCOMPARE(importUnits(elsewhere, csv_), QString());
        UnitRegister first(register_);
        QCOMPARE(fieldsOf(elsewhere), fieldsOf(first));
    }

    void anExportThatCannotBeWrittenSaysWhy()
    {
        UnitRegister units(register_);
        const QString path = home_->filePath(QStringLiteral("missing/centrale.csv"));
        const QString error = exportUnits(units, path);
        QVERIFY2(error.startsWith(QStringLiteral("Nie udało się zapisać central w pliku „%1”: ").arg(path)),
                 qPrintable(error));
        QVERIFY(error.endsWith(QStringLiteral(". Poprzednia zawartość pliku pozostała bez zmian.")));
    }

private:
    void write(const QByteArray& bytes)
    {
        QFile file(csv_);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    std::optional<TestHome> home_;
    QString register_;
    QString csv_;
};

QTEST_GUILESS_MAIN(UnitsFileTest)
#include "unitsfile_test.moc"
