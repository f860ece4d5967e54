#include "stagewords.h"
#include "testmain.h"
#include "unithistorymodel.h"
#include "unitsfixture.h"

#include <QSignalSpy>

using namespace velmora;
using namespace velmora::test;

namespace {

using Stage = SendProgress::Stage;

const QDateTime kAt(QDate(2026, 5, 12), QTime(10, 15, 30));

struct Fixture : UnitsFixture {
    Unit house = addUnit(QStringLiteral("Dom"), kHouseNumber, QStringLiteral("7395"));
    UnitHistoryModel model{units, follows()};

    QString cell(int row, int column) const { return model.index(row, column).data().toString(); }
    QStringList row(int row) const
    {
        QStringList cells;
        for (int column = 0; column < UnitHistoryModel::ColumnCount; ++column) {
            cells << cell(row, column);
        }
        return cells;
    }
};

} // namespace

Q_DECLARE_METATYPE(std::vector<SendProgress>)

class UnitHistoryModelTest : public QObject {
    Q_OBJECT

private slots:
    // The last stage a message reached, in the send window's words; a delivery report in place of "Wysłano".
    void aSentMessageShowsHowFarItCame_data()
    {
        QTest::addColumn<std::vector<SendProgress>>("stages");
        QTest::addColumn<bool>("followed");
        QTest::addColumn<QString>("shown");
        const QString at = clockTime(kAt);
        QTest::newRow("waiting in this run")
            << std::vector<SendProgress>{} << true << "W kolejce: najpierw zostaną wysłane wcześniejsze wiadomości.";
        QTest::newRow("waiting when an earlier run ended")
            << std::vector<SendProgress>{} << false << "Nieznany: program zamknięto w trakcie wysyłania";
        QTest::newRow("sending when an earlier run ended")
            << std::vector{stageAt(Stage::Sending, kAt)} << false << "Nieznany: program zamknięto w trakcie wysyłania";
        QTest::newRow("sent") << std::vector{stageAt(Stage::Sent, kAt)} << false << "Wysłano " + at;
        QTest::newRow("handed to a phone") << std::vector{stageAt(Stage::HandedOver, kAt, QStringLiteral("Pixel 7"))}
                                           << false << "Przekazano do telefonu Pixel 7 (" + at + ")";
        QTest::newRow("failed") << std::vector{stageAt(Stage::Failed, kAt, QStringLiteral("Brak zasięgu."))} << false
                                << "Nie wysłano: Brak zasięgu.";
        QTest::newRow("delivered") << std::vector{stageAt(Stage::Sent, kAt.addSecs(-5)), stageAt(Stage::Delivered, kAt)}
                                   << false << "Doręczono " + at;
        QTest::newRow("not delivered") << std::vector{stageAt(Stage::Sent, kAt),
                                                      stageAt(Stage::NotDelivered, kAt,
                                                              QStringLiteral("ważność wiadomości minęła"))}
                                       << false << "Nie doręczono: ważność wiadomości minęła";
    }

    void aSentMessageShowsHowFarItCame()
    {
        QFETCH(std::vector<SendProgress>, stages);
        QFETCH(bool, followed);
        QFETCH(QString, shown);
        Fixture f;
        const std::optional<HistoryKey> key =
            f.units.recordSent({QLatin1Char('+') + kHouseNumber, QStringLiteral("7395#S#"), QStringLiteral("Serwis")});
        for (const SendProgress& stage : stages) {
            f.units.recordStage(*key, stage);
        }
        if (followed) {
            f.followed.insert(key->message);
        }
        f.model.showUnit(f.house.id);
        QCOMPARE(f.cell(0, UnitHistoryModel::State), shown);
    }

    // Newest first; the code never shown, a received text as it came.
    void messagesAreListedNewestFirstWithTheCodeHidden()
    {
        Fixture f;
        f.recordSent(kHouseNumber, QStringLiteral("Definiowanie Centrum SMS"), QStringLiteral("7395#0#48601000310#"),
                     {stageAt(Stage::Sent, kAt)});
        f.units.recordReceived({kHouseNumber, QStringLiteral("Centrum SMS ustawione"), kAt.addSecs(60)});
        f.model.showUnit(f.house.id);
        QCOMPARE(f.model.rowCount(), 2);
        const QString format = QStringLiteral("dd.MM.yyyy HH:mm:ss");
        QCOMPARE(f.row(0), (QStringList{kAt.addSecs(60).toString(format), QStringLiteral("Wiadomość od centrali"),
                                        QStringLiteral("Centrum SMS ustawione"), QStringLiteral("Odebrano")}));
        QCOMPARE(f.row(1).mid(1),
                 (QStringList{QStringLiteral("Definiowanie Centrum SMS"), QStringLiteral("****#0#48601000310#"),
                              QStringLiteral("Wysłano ") + clockTime(kAt)}));
        // A sent message's time is when it joined the queue, whatever its stage's time.
        const QDateTime queued = QDateTime::fromString(f.row(1).front(), format);
        QVERIFY2(queued.isValid() && queued.secsTo(QDateTime::currentDateTime()) < 60, qPrintable(f.row(1).front()));
    }

    // The plan takes the chosen commands in the order they first went, without any received text.
    void theChosenSentCommandsGoOldestFirst()
    {
        Fixture f;
        f.recordSent(kHouseNumber, QStringLiteral("A"), QStringLiteral("7395#A#"));
        f.units.recordReceived({kHouseNumber, QStringLiteral("OK"), kAt});
        f.recordSent(kHouseNumber, QStringLiteral("B"), QStringLiteral("7395#B#1#"));
        f.recordSent(kHouseNumber, QStringLiteral("C"), QStringLiteral("7395#C#"));
        f.model.showUnit(f.house.id);
        const QModelIndexList chosen{f.model.index(0, 0), f.model.index(2, 1), f.model.index(3, 0),
                                     f.model.index(2, 0)};
        const std::vector<Plan::Item> expected{{QStringLiteral("A"), QStringLiteral("#A#")},
                                               {QStringLiteral("C"), QStringLiteral("#C#")}};
        QCOMPARE(f.model.sentCommands(chosen), expected);
        QVERIFY(!f.model.isSent(2));
    }

    // A selection stays on its message: new messages come in above it, stages change in place.
    void theHistoryFollowsTheRegisterWithoutResetting()
    {
        Fixture f;
        const Unit other = f.addUnit(QStringLiteral("Biuro"), QStringLiteral("48601999888"));
        const qint64 first = f.recordSent(kHouseNumber, QStringLiteral("A"), QStringLiteral("7395#A#"));
        f.followed.insert(first);
        f.model.showUnit(f.house.id);
        QSignalSpy resets(&f.model, &QAbstractItemModel::modelReset);
        QSignalSpy inserted(&f.model, &QAbstractItemModel::rowsInserted);
        QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);

        f.units.recordStage({f.house.id, first}, stageAt(Stage::Sent, kAt));
        QCOMPARE(f.cell(0, UnitHistoryModel::State), QStringLiteral("Wysłano ") + clockTime(kAt));
        f.recordSent(kHouseNumber, QStringLiteral("B"), QStringLiteral("7395#B#"));
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(f.cell(0, UnitHistoryModel::Title), QStringLiteral("B"));
        QCOMPARE(f.cell(1, UnitHistoryModel::Title), QStringLiteral("A"));
        const qsizetype changes = changed.size();
        f.recordSent(other.number, QStringLiteral("C"), QStringLiteral("1111#C#"));
        QCOMPARE(changed.size(), changes);
        QCOMPARE(f.model.rowCount(), 2);
        QCOMPARE(resets.size(), 0);
    }
};

VELMORA_TEST_MAIN(UnitHistoryModelTest)
#include "unithistorymodel_test.moc"
