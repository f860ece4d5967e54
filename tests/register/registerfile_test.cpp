#include "testhome.h"
#include "unitregister.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>
#include <csignal>
#include <unistd.h>

using namespace velmora;
using namespace velmora::test;

namespace {

const UnitFields kHouse{QStringLiteral("Dom Kowalskich"), QStringLiteral("48601123456"), QString()};

QString refusal(const QString& path, const QString& why)
{
    return QStringLiteral("Rejestr central „%1” nie został otwarty: %2. Plik pozostał bez zmian, a rejestr jest "
                          "niedostępny do końca pracy programu.")
        .arg(path, why);
}

// Runs statements on a database file of the test's own making, then closes it.
void runSql(const QString& path, const QStringList& statements)
{
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const QString& statement : statements) {
            QVERIFY2(query.exec(statement), qPrintable(statement));
        }
    }
    QSqlDatabase::removeDatabase(name);
}

// A register with one unit, closed: its log folded back into the file.
void makeRegister(const QString& path)
{
    UnitRegister units(path);
    QVERIFY(std::holds_alternative<Unit>(units.add(kHouse)));
}

void writeBytes(const QString& path, const QByteArray& bytes, qint64 at = 0)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(at));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList sideFiles(const QString& path)
{
    QStringList present;
    for (const QString& side :
         {path + QStringLiteral("-wal"), path + QStringLiteral("-shm"), path + QStringLiteral("-journal")}) {
        if (QFileInfo::exists(side)) {
            present << side;
        }
    }
    return present;
}

enum class Kind { NotADatabase, HeaderOnly, Corrupt, Newer, Foreign, Folder };

} // namespace

Q_DECLARE_METATYPE(Kind)

class RegisterFileTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        home_.emplace();
        path_ = home_->filePath(QStringLiteral("centrale.sqlite"));
    }

    void cleanup() { home_.reset(); }

    void aFileThatIsNotARegisterIsLeftAsItWas_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("why");
        QTest::newRow("a units file") << Kind::NotADatabase << QStringLiteral("to nie jest plik bazy danych");
        QTest::newRow("a database's first bytes only") << Kind::HeaderOnly << QStringLiteral("plik jest uszkodzony");
        QTest::newRow("corrupt pages") << Kind::Corrupt
                                       << QStringLiteral("plik jest uszkodzony: nie przeszedł kontroli spójności");
        QTest::newRow("a newer version") << Kind::Newer
                                         << QStringLiteral("zapisała go nowsza wersja programu (rejestr w wersji 3, "
                                                           "a ta wersja programu zna wersje do 2)");
        QTest::newRow("another program's database")
            << Kind::Foreign << QStringLiteral("to nie jest rejestr central tego programu");
        QTest::newRow("a folder") << Kind::Folder << QStringLiteral("to nie jest zwykły plik");
    }

    void aFileThatIsNotARegisterIsLeftAsItWas()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, why);
        make(kind);
        const QByteArray before = hashOf(path_);
        const QStringList sidesBefore = sideFiles(path_);
        {
            UnitRegister units(path_);
            const QString expected = refusal(path_, why);
            QCOMPARE(units.problem(), expected);
            QVERIFY(units.units().empty());
            QVERIFY(!units.unitWithNumber(kHouse.number));
            QVERIFY(!units.recordSent({QStringLiteral("+48601123456"), QStringLiteral("1234#S#")}));
            const auto result = units.add(kHouse);
            QCOMPARE(std::get_if<QString>(&result) ? *std::get_if<QString>(&result) : QString(), expected);
            QCOMPARE(units.remove(1), expected);
        }
        QCOMPARE(hashOf(path_), before);
        QCOMPARE(sideFiles(path_), sidesBefore);
    }

    void aRefusedRegisterStaysUnavailableForTheRun()
    {
        writeBytes(path_, "nazwa;numer;uwagi\r\n");
        UnitRegister units(path_);
        QVERIFY(!units.problem().isEmpty());
        QVERIFY(QFile::remove(path_));
        QVERIFY(std::holds_alternative<QString>(units.add(kHouse)));
        QVERIFY(!QFileInfo::exists(path_));
    }

    void anUnreadableFileIsRefused()
    {
        makeRegister(path_);
        QVERIFY(QFile::setPermissions(path_, {}));
        const QByteArray before = hashOf(path_);
        QString problem;
        if (::geteuid() != 0) {
            problem = UnitRegister(path_).problem();
        } else {
            // Root reads any file: the check runs as nobody, who may enter the home but not read the file.
            QVERIFY(QFile::setPermissions(home_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                             QFile::ExeGroup | QFile::ExeOther));
            QProcess helper;
            helper.start(QStringLiteral("setpriv"),
                         {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                          QStringLiteral("--clear-groups"), QStringLiteral(VELMORA_REGISTER_HELPER),
                          QStringLiteral("problem"), path_});
            QVERIFY2(helper.waitForFinished(), qPrintable(helper.errorString()));
            problem = QString::fromUtf8(helper.readAllStandardOutput());
        }
        QCOMPARE(problem, refusal(path_, QStringLiteral("nie można go odczytać (Permission denied)")));
        QCOMPARE(hashOf(path_), before);
        QCOMPARE(sideFiles(path_), QStringList());
    }

    void anEmptyFileIsANewRegister_data()
    {
        QTest::addColumn<bool>("logged");
        QTest::newRow("no bytes at all") << false;
        QTest::newRow("a database with no table yet") << true;
    }

    // What a first add leaves when it is killed between making the file and its first commit.
    void anEmptyFileIsANewRegister()
    {
        QFETCH(bool, logged);
        if (logged) {
            runSql(path_, {QStringLiteral("PRAGMA journal_mode = WAL")});
        } else {
            writeBytes(path_, {});
        }
        UnitRegister units(path_);
        QCOMPARE(units.problem(), QString());
        QVERIFY(std::holds_alternative<Unit>(units.add(kHouse)));
        QCOMPARE(units.units().size(), std::size_t(1));
    }

    void aRegisterKilledWhileWritingOpensWithEveryCommittedRow()
    {
        for (int round = 0; round < 3; ++round) {
            QProcess writer;
            writer.start(QStringLiteral(VELMORA_REGISTER_HELPER), {QStringLiteral("write"), path_});
            QVERIFY(writer.waitForStarted());
            QList<qint64> committed;
            // A different moment each round: the kill falls wherever the writer is by then.
            while (committed.size() < 100 + 37 * round && writer.waitForReadyRead(10000)) {
                while (writer.canReadLine()) {
                    committed << writer.readLine().trimmed().toLongLong();
                }
            }
            QVERIFY(committed.size() >= 100);
            ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
            QVERIFY(writer.waitForFinished());
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
            // What was printed after the last read was committed too.
            for (const QByteArray& line : writer.readAllStandardOutput().split('\n')) {
                if (!line.isEmpty()) {
                    committed << line.toLongLong();
                }
            }

            UnitRegister units(path_);
            QCOMPARE(units.problem(), QString());
            const std::optional<Unit> unit = units.unitWithNumber(QStringLiteral("48601123456"));
            QVERIFY(unit);
            QSet<qint64> kept;
            for (const RecordedMessage& message : units.history(unit->id)) {
                kept << message.id;
            }
            for (const qint64 id : committed) {
                QVERIFY2(kept.contains(id), qPrintable(QStringLiteral("message %1 lost").arg(id)));
            }
        }
    }

private:
    void make(Kind kind)
    {
        switch (kind) {
        case Kind::NotADatabase:
            return writeBytes(path_, "nazwa;numer;uwagi\r\nDom;48601123456;\r\n");
        case Kind::HeaderOnly:
            return writeBytes(path_, QByteArray("SQLite format 3\0\x10\0\x02\x02", 20));
        case Kind::Corrupt:
            makeRegister(path_);
            // The second page, the first of the units table: its b-tree header becomes garbage.
            return writeBytes(path_, QByteArray(64, '\xA5'), 4096);
        case Kind::Newer:
            makeRegister(path_);
            return runSql(path_, {QStringLiteral("PRAGMA user_version = 3")});
        case Kind::Foreign:
            return runSql(path_, {QStringLiteral("PRAGMA journal_mode = WAL"), QStringLiteral("CREATE TABLE t (x)"),
                                  QStringLiteral("INSERT INTO t VALUES (1)")});
        case Kind::Folder:
            QVERIFY(QDir().mkdir(path_));
            return;
        }
    }

    std::optional<TestHome> home_;
    QString path_;
};

QTEST_GUILESS_MAIN(RegisterFileTest)
#include "registerfile_test.moc"
