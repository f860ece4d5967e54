#include "runwords.h"

#include <QTest>

using namespace velmora;
using namespace std::chrono_literals;

namespace {

using Stage = SendProgress::Stage;

RunRowState row(Stage stage, bool answered = false, bool marked = false)
{
    RunRowState state;
    state.message.progress = SendProgress(stage);
    if (answered) {
        state.message.reply = IncomingSms{{}, QStringLiteral("OK"), QDateTime::currentDateTime()};
    }
    state.markedSent = marked;
    return state;
}

std::vector<RunRowState> rows(std::initializer_list<std::pair<int, RunRowState>> counts)
{
    std::vector<RunRowState> all;
    for (const auto& [count, state] : counts) {
        all.insert(all.end(), std::size_t(count), state);
    }
    return all;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<velmora::RunRowState>)

class RunWordsTest : public QObject {
    Q_OBJECT

private slots:
    void aFinishedUnitNamesHowItsRowsEnded_data()
    {
        QTest::addColumn<std::vector<RunRowState>>("rows");
        QTest::addColumn<QString>("words");
        QTest::newRow("all delivered") << rows({{12, row(Stage::Delivered)}}) << QStringLiteral("gotowe: 12 doręczono");
        QTest::newRow("some only sent") << rows({{2, row(Stage::Sent)}, {10, row(Stage::Delivered)}})
                                        << QStringLiteral("gotowe: 10 doręczono, 2 wysłano");
        QTest::newRow("answered, delivered or not")
            << rows({{3, row(Stage::Delivered, true)}, {1, row(Stage::Sent, true)}})
            << QStringLiteral("gotowe: 4 z odpowiedzią");
        QTest::newRow("every way") << rows({{1, row(Stage::NotDelivered)},
                                            {1, row(Stage::HandedOver)},
                                            {2, row(Stage::Sent, false, true)},
                                            {1, row(Stage::DeliveryPending)},
                                            {1, row(Stage::Delivered)},
                                            {1, row(Stage::Sent, true)}})
                                   << QStringLiteral("gotowe: 1 z odpowiedzią, 1 doręczono, 3 wysłano, 1 przekazano do "
                                                     "telefonu, 1 nie doręczono");
    }

    void aFinishedUnitNamesHowItsRowsEnded()
    {
        QFETCH(std::vector<RunRowState>, rows);
        QFETCH(QString, words);
        QCOMPARE(doneWords(rows), words);
    }

    void aUnitsProgressAndState()
    {
        QCOMPARE(progressWords(3, 12), QStringLiteral("3 z 12"));
        QCOMPARE(waitingWords(), QStringLiteral("czeka"));
        QCOMPARE(sendingWords(4, 12), QStringLiteral("wysyłanie 4 z 12"));
        QCOMPARE(stoppedWords(5, stoppedOnRequest()), QStringLiteral("zatrzymano przy 5: na żądanie"));
        QCOMPARE(stoppedWords(5, stoppedUnknown()),
                 QStringLiteral("zatrzymano przy 5: program zamknięto w trakcie wysyłania"));
        QCOMPARE(stoppedWords(5, stoppedUnconfirmed(5min)),
                 QStringLiteral("zatrzymano przy 5: brak potwierdzenia w ciągu 5 min"));
        QCOMPARE(noCodeWords(), QStringLiteral("brak kodu IKU"));
    }

    void aRowsState()
    {
        QCOMPARE(rowWords(row(Stage::Sending), true),
                 QStringLiteral("nieznany: program zamknięto w trakcie wysyłania"));
        QCOMPARE(rowWords(row(Stage::Sent, false, true), false), QStringLiteral("uznano za wysłane"));
        QCOMPARE(rowWords(row(Stage::Waiting), false), QStringLiteral("czeka"));
        QCOMPARE(rowWords(row(Stage::Sending), false), QStringLiteral("wysyłanie"));
        QVERIFY(rowWords(row(Stage::Delivered, true), false).startsWith(QStringLiteral("odpowiedź ")));
    }

    void theNoticeOfARunNotFinishedIsInLocalTime()
    {
        const QDateTime started = QDateTime(QDate(2024, 5, 6), QTime(14, 3, 59)).toUTC();
        QCOMPARE(unfinishedWords(started, 3, 10),
                 QStringLiteral("Niedokończona wysyłka z 06.05.2024 14:03: 3 z 10 central gotowe."));
    }
};

QTEST_GUILESS_MAIN(RunWordsTest)
#include "runwords_test.moc"
