#include "fakeroutes.h"
#include "plan.h"
#include "planstore.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

using namespace velmora;
using namespace velmora::test;

namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Files may grow only to `bytes` while it lives, as on a full disk: a write past it fails instead of
// stopping the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

struct Fixture {
    FakeFinder finder;
    Outbox outbox{finder};
    Plan plan{outbox};
    QTemporaryDir dir;

    Fixture()
    {
        plan.add(QStringLiteral("Definiowanie Centrum SMS"), QStringLiteral("5317#0#48601000310#"));
        plan.add(QStringLiteral("Definiowanie nagłówka komunikatów SMS"), QStringLiteral("5317#N#Dom {lato}#"));
        plan.add(QStringLiteral("Definiowanie numeru badania stanu konta"), QStringLiteral("5317#K*101#"));
    }
    QString path(const QString& name) const { return dir.filePath(name); }
};

} // namespace

class PlanStoreTest : public QObject {
    Q_OBJECT

private slots:
    void aSavedPlanOpensWithoutItsCode()
    {
        Fixture f;
        const QString file = f.path(QStringLiteral("centrala.plan"));
        QCOMPARE(savePlan(f.plan, file), QString());
        const QByteArray bytes = contentsOf(file);
        QVERIFY2(!bytes.contains("5317"), bytes.constData());
        QVERIFY(bytes.contains("Definiowanie nagłówka komunikatów SMS\t#N#Dom {lato}#\n"));

        Plan opened(f.outbox);
        QCOMPARE(openPlan(file, opened), QString());
        QVERIFY(opened.items() == f.plan.items());
        QCOMPARE(opened.iku(), QString());
    }

    void aSaveThatFailsHalfwayLeavesThePreviousFileWhole()
    {
        Fixture f;
        const QString file = f.path(QStringLiteral("centrala.plan"));
        QCOMPARE(savePlan(f.plan, file), QString());
        const QByteArray previous = contentsOf(file);
        for (int i = 0; i < 50; ++i) {
            f.plan.add(QStringLiteral("Definiowanie trybu serwisowego"), QStringLiteral("5317#S#"));
        }
        QString refusal;
        {
            const FileSizeLimit limit(qMax<rlim_t>(previous.size(), 512));
            refusal = savePlan(f.plan, file);
        }
        QVERIFY2(refusal.startsWith(QStringLiteral("Nie udało się zapisać planu w pliku „%1”: ").arg(file)),
                 qPrintable(refusal));
        QVERIFY(refusal.endsWith(QStringLiteral("Poprzednia zawartość pliku pozostała bez zmian.")));
        QCOMPARE(contentsOf(file), previous);
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("centrala.plan")});
    }

    void aBadFileIsRefusedWithThePlanLeftAsItWas()
    {
        struct Case {
            const char* what;
            QByteArray bytes;
            QString reason;
        };
        const Case cases[] = {
            {"empty", "", QStringLiteral("Plik jest pusty.")},
            {"a picture", "\x89PNG\r\n\x1a\n", QStringLiteral("To nie jest plik planu wysyłki.")},
            {"newer", "velmora-sms-plan 2\nTryb\t#S#\nkoniec 1\n",
             QStringLiteral("Plan zapisała nowsza wersja programu; ta wersja czyta plany w wersji 1.")},
            {"cut off", "velmora-sms-plan 1\nTryb\t#S#\nTryb\t#",
             QStringLiteral("Plik planu urywa się przed końcem: część poleceń mogła się nie zapisać.")},
            {"a bad row", "velmora-sms-plan 1\nTryb\t#S#\nEcho\t#E#1\nkoniec 2\n",
             QStringLiteral("Polecenie 2 planu (wiersz 3 pliku): polecenie nie kończy się znakiem „#”.")},
            {"too large", "velmora-sms-plan 1\n" + QByteArray(2 * 1024 * 1024, 'x'),
             QStringLiteral("Plik jest za duży jak na plan wysyłki.")},
        };
        for (const Case& c : cases) {
            Fixture f;
            const std::vector<Plan::Item> before = f.plan.items();
            const QString file = f.path(QStringLiteral("zły.plan"));
            writeFile(file, c.bytes);
            QCOMPARE(openPlan(file, f.plan),
                     QStringLiteral("Plik „%1” nie został otwarty jako plan wysyłki. ").arg(file) + c.reason);
            QVERIFY2(f.plan.items() == before, c.what);
            QCOMPARE(f.plan.iku(), QStringLiteral("5317"));
        }
    }

    void aMissingFileIsNamed()
    {
        Fixture f;
        const QString file = f.path(QStringLiteral("brak.plan"));
        QVERIFY(openPlan(file, f.plan).startsWith(QStringLiteral("Nie można otworzyć pliku „%1”: ").arg(file)));
        QCOMPARE(f.plan.rowCount(), 3);
    }
};

VELMORA_TEST_MAIN(PlanStoreTest)
#include "planstore_test.moc"
