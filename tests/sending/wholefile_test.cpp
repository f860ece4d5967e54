#include "testmain.h"
#include "wholefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace velmora;

namespace {

// The file's bytes, or nothing when there is no file to read.
std::optional<QByteArray> bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? std::optional(file.readAll()) : std::nullopt;
}

} // namespace

class WholeFileTest : public QObject {
    Q_OBJECT

private slots:
    // What lies at the path before, what is written, and what lies there after; a failed write leaves it alone.
    void aFileIsWrittenWholeOrLeftAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("before"); // empty: no file
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("a new file") << "plan.plan" << QByteArray() << QByteArray("nazwa;numer;uwagi\n") << false
                                    << QByteArray("nazwa;numer;uwagi\n");
        QTest::newRow("a longer file replaced by a shorter one")
            << "plan.plan" << QByteArray("1234#S#\n1234#TC#0#0#\n") << QByteArray("9876#S#\n") << false
            << QByteArray("9876#S#\n");
        QTest::newRow("emptied") << "plan.plan" << QByteArray("1234#S#\n") << QByteArray() << false << QByteArray();
        QTest::newRow("in a folder that is not there")
            << "brak/plan.plan" << QByteArray() << QByteArray("1234#S#\n") << true << QByteArray();
    }

    void aFileIsWrittenWholeOrLeftAsItWas()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, written);
        QFETCH(bool, fails);
        QFETCH(QByteArray, after);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (!before.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
        }
        const std::optional<QString> failure =
            writeWholeFile(path, std::string_view(written.constData(), std::size_t(written.size())));
        QCOMPARE(failure.has_value(), fails);
        QVERIFY(!failure || !failure->isEmpty());
        QCOMPARE(bytesOf(path).value_or(QByteArray()), after);
        QCOMPARE(bytesOf(path).has_value(), !fails || !before.isEmpty());
        // No temporary file is left beside it.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), fails ? QStringList() : QStringList{name});
    }

    // A folder where the file should be is refused and left as it was.
    void aFolderInTheWayIsRefused()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("plan.plan")));
        const std::optional<QString> failure = writeWholeFile(folder.filePath(QStringLiteral("plan.plan")), "1234#S#");
        QVERIFY(failure && !failure->isEmpty());
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("plan.plan"))).isDir());
    }
};

VELMORA_TEST_MAIN(WholeFileTest)
#include "wholefile_test.moc"
