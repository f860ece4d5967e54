#include "codepresence.h"
#include "pagetest.h"
#include "stagewords.h"
#include "testmain.h"
#include "unitsfixture.h"
#include "unitsmodel.h"

#include <QLineEdit>
#include <QSignalSpy>

using namespace velmora;
using namespace velmora::test;

namespace {

using Stage = SendProgress::Stage;

// Counts the keyring's reads, answering them as the keyring in memory does.
class CountingKeyring final : public Keyring {
public:
    explicit CountingKeyring(FakeKeyring& keyring) : keyring_(keyring) {}

    void store(const QString& key, const QString& secret, const QObject* context, Done done) override
    {
        keyring_.store(key, secret, context, std::move(done));
    }
    void read(const QString& key, const QObject* context, Done done) override
    {
        ++reads;
        keyring_.read(key, context, std::move(done));
    }
    void remove(const QString& key, const QObject* context, Done done) override
    {
        keyring_.remove(key, context, std::move(done));
    }

    int reads = 0;

private:
    FakeKeyring& keyring_;
};

struct Fixture : UnitsFixture {
    CountingKeyring counting{keyring};
    UnitBook countedBook{units, counting};
    CodePresence codes{countedBook};
    UnitsModel model{units, codes, follows()};

    Fixture()
    {
        addUnit(QStringLiteral("Łódź, Piotrkowska 5"), QStringLiteral("48601000001"), QStringLiteral("1111"));
        addUnit(QStringLiteral("biuro Kraków"), QStringLiteral("48601000002"));
        addUnit(QStringLiteral("Apteka"), QStringLiteral("48601000003"), QStringLiteral("3333"),
                QStringLiteral("klient: Żaneta Nowak"));
        model.setFilter({});
    }

    QString cell(int row, int column) const { return model.index(row, column).data().toString(); }
    QStringList column(int column) const
    {
        QStringList cells;
        for (int row = 0; row < model.rowCount(); ++row) {
            cells << cell(row, column);
        }
        return cells;
    }
};

} // namespace

class UnitsModelTest : public QObject {
    Q_OBJECT

private slots:
    void unitsAreListedByNameWithWhetherTheirCodeIsStored()
    {
        Fixture f;
        QCOMPARE(f.column(UnitsModel::Name), (QStringList{QStringLiteral("Apteka"), QStringLiteral("biuro Kraków"),
                                                          QStringLiteral("Łódź, Piotrkowska 5")}));
        QCOMPARE(
            f.column(UnitsModel::Number),
            (QStringList{QStringLiteral("48601000003"), QStringLiteral("48601000002"), QStringLiteral("48601000001")}));
        // Not known until the keyring answers, one unit at a time; never the code itself.
        QCOMPARE(f.column(UnitsModel::Code), (QStringList{QString(), QString(), QString()}));
        QTRY_COMPARE(f.column(UnitsModel::Code),
                     (QStringList{QStringLiteral("zapisany"), QStringLiteral("brak"), QStringLiteral("zapisany")}));
        QCOMPARE(f.counting.reads, 3);
        f.column(UnitsModel::Code);
        QCOMPARE(f.counting.reads, 3);
        QCOMPARE(f.model.headerData(UnitsModel::Last, Qt::Horizontal).toString(), QStringLiteral("Ostatnio"));
    }

    // The filter looks in the name, number and notes at each keystroke, with case and Polish letters folded.
    void theFilterNarrowsTheListAtEachKeystroke()
    {
        Fixture f;
        QLineEdit* filter = makeUnitsFilter(nullptr, "UnitsFilter", f.model);
        const QStringList all = f.column(UnitsModel::Name);
        const QList<std::pair<QString, QStringList>> typed = {
            {QStringLiteral("k"), all},
            {QStringLiteral("kr"), {QStringLiteral("biuro Kraków")}},
            {QStringLiteral("kra"), {QStringLiteral("biuro Kraków")}},
            {QStringLiteral("kr"), {QStringLiteral("biuro Kraków")}},
            {QStringLiteral("k"), all},
            {QStringLiteral("LODZ"), {QStringLiteral("Łódź, Piotrkowska 5")}},
        };
        for (const auto& [text, names] : typed) {
            filter->setText(text);
            QCOMPARE(f.column(UnitsModel::Name), names);
        }
        filter->clear();
        typeText(filter, QStringLiteral("ŻANETA"));
        QCOMPARE(f.column(UnitsModel::Name), QStringList{QStringLiteral("Apteka")});
        filter->setText(QStringLiteral("000002"));
        QCOMPARE(f.column(UnitsModel::Name), QStringList{QStringLiteral("biuro Kraków")});
        filter->setText(QStringLiteral("krakow x"));
        QCOMPARE(f.model.rowCount(), 0);
        delete filter;
    }

    // Once the keyring is found missing or locked, no other unit waits for it.
    void withoutAKeyringEveryCodeIsMissingAfterOneQuestion()
    {
        Fixture f;
        f.keyring.answerWith(FakeKeyring::Status::NoKeyring);
        f.column(UnitsModel::Code);
        QTRY_COMPARE(f.column(UnitsModel::Code),
                     (QStringList{QStringLiteral("brak"), QStringLiteral("brak"), QStringLiteral("brak")}));
        QCOMPARE(f.counting.reads, 1);

        // Shown again, the list asks again: the keyring may have been unlocked meanwhile.
        f.keyring.answerWith(FakeKeyring::Status::Done);
        f.codes.forgetAll();
        QTRY_COMPARE(f.column(UnitsModel::Code),
                     (QStringList{QStringLiteral("zapisany"), QStringLiteral("brak"), QStringLiteral("zapisany")}));
    }

    // "Ostatnio": when the last message went, and its stage as it comes.
    void theLastMessageFollowsItsStages()
    {
        Fixture f;
        QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);
        const std::optional<HistoryKey> key = f.units.recordSent(
            {QStringLiteral("+48601000002"), QStringLiteral("2222#S#"), QStringLiteral("Tryb serwisowy")});
        f.followed.insert(key->message);
        QVERIFY(!changed.isEmpty());
        const QString last = f.cell(1, UnitsModel::Last);
        const QDateTime queued =
            QDateTime::fromString(last.section(QStringLiteral(", "), 0, 0), QStringLiteral("dd.MM.yyyy HH:mm:ss"));
        QVERIFY2(queued.isValid() && queued.secsTo(QDateTime::currentDateTime()) < 60, qPrintable(last));
        QCOMPARE(last.section(QStringLiteral(", "), 1),
                 QStringLiteral("W kolejce: najpierw zostaną wysłane wcześniejsze wiadomości."));
        const QDateTime at(QDate(2026, 5, 12), QTime(9, 0, 1));
        f.units.recordStage(*key, stageAt(Stage::Sent, at));
        QCOMPARE(f.cell(1, UnitsModel::Last).section(QStringLiteral(", "), 1),
                 QStringLiteral("Wysłano ") + clockTime(at));
        QCOMPARE(f.cell(0, UnitsModel::Last), QString());
    }

    void unitsAddedOrRemovedElsewhereShowAtOnce()
    {
        Fixture f;
        f.addUnit(QStringLiteral("Magazyn"), QStringLiteral("48601000004"));
        QCOMPARE(f.model.rowCount(), 4);
        QCOMPARE(f.model.rowOf(f.model.unitAt(3)->id), 3);
        QVERIFY(f.units.remove(f.model.unitAt(0)->id).isEmpty());
        QCOMPARE(f.column(UnitsModel::Name).front(), QStringLiteral("biuro Kraków"));
    }

    // For choosing several units: a tick before each name, kept while the filter hides the unit.
    void tickedUnitsStayTickedWhileHidden()
    {
        Fixture f;
        QCOMPARE(f.model.flags(f.model.index(0, UnitsModel::Name)) & Qt::ItemIsUserCheckable, Qt::ItemFlags());
        f.model.setTickable(true);
        QCOMPARE(f.model.index(0, UnitsModel::Name).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
        QVERIFY(f.model.setData(f.model.index(2, UnitsModel::Name), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(f.model.setData(f.model.index(0, UnitsModel::Name), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(!f.model.setData(f.model.index(1, UnitsModel::Number), Qt::Checked, Qt::CheckStateRole));
        const std::vector<qint64> ticked{f.model.unitAt(0)->id, f.model.unitAt(2)->id};
        f.model.setFilter(QStringLiteral("apteka"));
        QCOMPARE(f.model.ticked(), ticked);
        QVERIFY(f.model.setData(f.model.index(0, UnitsModel::Name), Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(f.model.ticked(), std::vector<qint64>{ticked.back()});
    }
};

VELMORA_TEST_MAIN(UnitsModelTest)
#include "unitsmodel_test.moc"
