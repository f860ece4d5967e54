#include "runjournal.h"
#include "testhome.h"
#include "unitregister.h"

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

using namespace velmora;
using namespace velmora::test;

namespace {

using Stage = SendProgress::Stage;

const std::vector<Plan::Item> kRows = {{QStringLiteral("Definiowanie Centrum SMS"), QStringLiteral("#0#48601000310#")},
                                       {QStringLiteral("Test"), QStringLiteral("#S#")}};

QDateTime utc(qint64 milliseconds)
{
    return QDateTime::fromMSecsSinceEpoch(milliseconds, Qt::UTC);
}

RunRowState stateOf(Stage stage, qint64 at, const QString& detail = {})
{
    RunRowState state;
    state.message.progress = SendProgress(stage, detail);
    state.message.progress.at = utc(at);
    return state;
}

// A row's state as one line, for comparing.
QString described(const RunRowState& state)
{
    const SendProgress& progress = state.message.progress;
    QString line =
        QStringLiteral("%1 %2 %3").arg(int(progress.stage)).arg(progress.at.toMSecsSinceEpoch()).arg(progress.detail);
    if (state.message.reply) {
        line += QStringLiteral(" reply %1 %2")
                    .arg(state.message.reply->received.toMSecsSinceEpoch())
                    .arg(state.message.reply->text);
    }
    return state.markedSent ? line + QStringLiteral(" marked") : line;
}

QStringList described(const std::vector<RunRowState>& rows)
{
    QStringList lines;
    for (const RunRowState& row : rows) {
        lines << described(row);
    }
    return lines;
}

int schemaVersion(const QString& path)
{
    const QString name = QUuid::createUuid().toString();
    int version = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("PRAGMA user_version")) && query.next()) {
            version = query.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return version;
}

qint64 addUnit(UnitRegister& units, const QString& name, const QString& number)
{
    const auto added = units.add({name, number, {}});
    return std::holds_alternative<Unit>(added) ? std::get<Unit>(added).id : 0;
}

} // namespace

class RunJournalTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        home_.emplace();
        path_ = home_->filePath(QStringLiteral("centrale.sqlite"));
    }

    void cleanup() { home_.reset(); }

    // The file was made by the register of version 1, with three units and their messages.
    void aVersionOneRegisterKeepsEveryUnitAndMessage()
    {
        QVERIFY(QFile::copy(QStringLiteral(VELMORA_V1_REGISTER), path_));
        QVERIFY(QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(schemaVersion(path_), 1);
        {
            UnitRegister units(path_);
            QCOMPARE(units.problem(), QString());
            QStringList listed;
            for (const UnitListing& listing : units.units()) {
                listed << QStringLiteral("%1|%2|%3|%4|%5|%6")
                              .arg(listing.unit.id)
                              .arg(listing.unit.name, listing.unit.number, listing.unit.notes, listing.unit.codeKey)
                              .arg(listing.lastSent ? listing.lastSent->id : 0);
            }
            QCOMPARE(listed, (QStringList{
                                 "1|Dom Kowalskich|48601000001|Łódź, ul. Długa 5\nklient: Jan Kowalski|"
                                 "ae6ff243-5901-4a20-9991-bcfed6dcbd90|3",
                                 "3|Magazyn|48601000003|brama 2|aa0b058a-7a56-42d5-9f5a-37aeb3940bd3|0",
                                 "2|Sklep „Żabka”|48601000002||c2f757f0-6cbe-4dad-b904-ad0821226dd2|4",
                             }));
            QCOMPARE(history(units, 1), (QStringList{
                                            "3 sent Ustawienia fabryczne #F# 4 1714990020000 Sieć odrzuciła wiadomość. "
                                            "CMS 500",
                                            "2 received  #OK",
                                            "1 sent Definiowanie Centrum SMS #0#48601000310# 2 1714990000000   "
                                            "delivered 1714990005000 0",
                                        }));
            QCOMPARE(history(units, 2), QStringList{"4 sent Test #S# 0 1796782817729  "});
            QCOMPARE(history(units, 3), QStringList());

            // The grown register keeps a run of the units it had.
            RecordedRun run{0, utc(1714990100000), kRows, {{1, {stateOf(Stage::Sent, 1714990101000), {}}}}};
            const auto begun = units.runs().begin(run);
            QVERIFY(std::holds_alternative<qint64>(begun));
            QCOMPARE(units.runs().unfinished()->targets.front().unit, qint64(1));
        }
        QCOMPARE(schemaVersion(path_), 2);
    }

    // Everything a later start needs, and no IKU code: a reply that echoes the command is kept from its "#".
    void aRunIsKeptRowByRowForTheNextStart()
    {
        qint64 run = 0;
        qint64 home = 0;
        qint64 shop = 0;
        {
            UnitRegister units(path_);
            home = addUnit(units, QStringLiteral("Dom"), QStringLiteral("48601000001"));
            shop = addUnit(units, QStringLiteral("Sklep"), QStringLiteral("48601000002"));
            const auto begun = units.runs().begin({0, utc(1714990100000), kRows, {{home, {{}, {}}}, {shop, {{}, {}}}}});
            QVERIFY(std::holds_alternative<qint64>(begun));
            run = std::get<qint64>(begun);
            QCOMPARE(units.runs().recordHandingOver(run, home, 0), QString());
            RunRowState answered = stateOf(Stage::Delivered, 1714990102000);
            answered.message.reply = IncomingSms{{}, QStringLiteral("7395#OK"), utc(1714990103000)};
            QCOMPARE(units.runs().record(run, home, 0, answered), QString());
            QCOMPARE(units.runs().recordHandingOver(run, home, 1), QString());
            QCOMPARE(units.runs().recordHandingOver(run, shop, 0), QString());
            RunRowState marked = stateOf(Stage::Sent, 1714990104000);
            marked.markedSent = true;
            QCOMPARE(units.runs().record(run, shop, 0, marked), QString());
            QCOMPARE(units.runs().record(run, shop, 1,
                                         stateOf(Stage::Failed, 1714990105000, QStringLiteral("Brak zasięgu."))),
                     QString());
        }
        UnitRegister again(path_);
        const std::optional<RecordedRun> kept = again.runs().unfinished();
        QVERIFY(kept);
        QCOMPARE(kept->id, run);
        QCOMPARE(kept->started, utc(1714990100000));
        QCOMPARE(kept->rows, kRows);
        QCOMPARE(kept->targets.size(), std::size_t(2));
        QCOMPARE(kept->targets[0].unit, home);
        QCOMPARE(described(kept->targets[0].rows).at(0), QStringLiteral("6 1714990102000  reply 1714990103000 #OK"));
        QVERIFY(described(kept->targets[0].rows).at(1).startsWith(QStringLiteral("1 ")));
        QCOMPARE(kept->targets[1].unit, shop);
        QCOMPARE(described(kept->targets[1].rows),
                 (QStringList{"2 1714990104000  marked", "4 1714990105000 Brak zasięgu."}));
        QCOMPARE(home_->filesHolding(QStringLiteral("7395")), QStringList());
    }

    void aUnitRemovedFromTheRegisterLeavesTheRunAndItsRowsCannotBeRecorded()
    {
        UnitRegister units(path_);
        const qint64 home = addUnit(units, QStringLiteral("Dom"), QStringLiteral("48601000001"));
        const qint64 shop = addUnit(units, QStringLiteral("Sklep"), QStringLiteral("48601000002"));
        const qint64 run =
            std::get<qint64>(units.runs().begin({0, utc(1714990100000), kRows, {{home, {{}, {}}}, {shop, {{}, {}}}}}));
        QCOMPARE(units.remove(home), QString());
        QCOMPARE(units.runs().unfinished()->targets.size(), std::size_t(1));
        QCOMPARE(units.runs().unfinished()->targets.front().unit, shop);
        QVERIFY(!units.runs().recordHandingOver(run, home, 0).isEmpty());
        QVERIFY(!units.runs().recordHandingOver(run + 1, shop, 0).isEmpty());
        QCOMPARE(units.runs().recordHandingOver(run, shop, 0), QString());
    }

    void aRunTakesThePlaceOfAnyOtherAndEndsUnkept()
    {
        UnitRegister units(path_);
        QVERIFY(!units.runs().unfinished());
        QCOMPARE(home_->files(), QStringList());
        const qint64 home = addUnit(units, QStringLiteral("Dom"), QStringLiteral("48601000001"));
        const qint64 first = std::get<qint64>(units.runs().begin({0, utc(1714990100000), kRows, {{home, {{}, {}}}}}));
        const qint64 second = std::get<qint64>(units.runs().begin({0, utc(1714990200000), kRows, {{home, {{}, {}}}}}));
        QVERIFY(first != second);
        QCOMPARE(units.runs().unfinished()->id, second);
        QVERIFY(!units.runs().recordHandingOver(first, home, 0).isEmpty());
        QCOMPARE(units.runs().end(second), QString());
        QVERIFY(!units.runs().unfinished());
    }

    void aRowHandedOverIsOnTheDiskItselfOtherStatesWithTheSystem_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("eachSynced");
        QTest::newRow("handed over") << QStringLiteral("handovers") << true;
        QTest::newRow("sent") << QStringLiteral("stages") << false;
    }

    // A power cut must not forget that a row went: each hand-over waits for the disk (fdatasync, as strace sees the
    // helper's calls); later states, which a restart can do without, do not.
    void aRowHandedOverIsOnTheDiskItselfOtherStatesWithTheSystem()
    {
        QFETCH(QString, mode);
        QFETCH(bool, eachSynced);
        constexpr int rows = 40;
        const QString calls = home_->filePath(QStringLiteral("calls"));
        QProcess helper;
        // LeakSanitizer stops a program that runs under a tracer.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
        helper.setProcessEnvironment(environment);
        helper.start(QStringLiteral("strace"),
                     {QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-e"),
                      QStringLiteral("trace=fsync,fdatasync"), QStringLiteral("-o"), calls,
                      QStringLiteral(VELMORA_REGISTER_HELPER), mode, path_, QString::number(rows)});
        QVERIFY2(helper.waitForFinished(), qPrintable(helper.errorString()));
        QVERIFY2(helper.exitCode() == 0, helper.readAllStandardError().constData());
        QFile log(calls);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const qsizetype synced = log.readAll().count("sync(");
        QVERIFY2(eachSynced ? synced >= rows : synced < rows / 4, qPrintable(QString::number(synced)));
    }

private:
    // A unit's history, newest first, one message a line.
    static QStringList history(UnitRegister& units, qint64 unit)
    {
        QStringList lines;
        for (const RecordedMessage& message : units.history(unit)) {
            QString line = QStringLiteral("%1 %2 %3 %4")
                               .arg(message.id)
                               .arg(message.direction == RecordedMessage::Direction::Sent ? QStringLiteral("sent")
                                                                                          : QStringLiteral("received"))
                               .arg(message.title, message.text);
            if (message.stage) {
                line += QStringLiteral(" %1 %2 %3 %4")
                            .arg(int(message.stage->stage))
                            .arg(message.stage->at.toMSecsSinceEpoch())
                            .arg(message.stage->detail, message.stage->technical);
            }
            if (message.delivery) {
                line += QStringLiteral(" delivered %1 %2")
                            .arg(message.delivery->at.toMSecsSinceEpoch())
                            .arg(message.delivery->technical);
            }
            lines << line;
        }
        return lines;
    }

    std::optional<TestHome> home_;
    QString path_;
};

QTEST_GUILESS_MAIN(RunJournalTest)
#include "runjournal_test.moc"
