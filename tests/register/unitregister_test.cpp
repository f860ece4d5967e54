#include "testhome.h"
#include "unitregister.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

using namespace velmora;
using namespace velmora::test;

Q_DECLARE_METATYPE(velmora::UnitFields)

namespace {

using Stage = SendProgress::Stage;

const UnitFields kHouse{QStringLiteral("Dom Kowalskich"), QStringLiteral("48601123456"),
                        QStringLiteral("ul. Polna 3, Łódź")};
const UnitFields kShop{QStringLiteral("Łódź, sklep"), QStringLiteral("48602000111"), QString()};

Unit added(UnitRegister& units, const UnitFields& fields)
{
    auto result = units.add(fields);
    if (const auto* refusal = std::get_if<QString>(&result)) {
        qWarning() << *refusal;
        return {};
    }
    return std::get<Unit>(result);
}

QStringList namesOf(const std::vector<UnitListing>& listed)
{
    QStringList names;
    for (const UnitListing& row : listed) {
        names << row.unit.name;
    }
    return names;
}

QFile::Permissions ownerOnly(bool folder)
{
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (folder) {
        permissions |= QFile::ExeOwner;
    }
    // Qt reports the owner's bits twice: as the owner and as the user running the test.
    return permissions | QFile::Permissions(permissions.toInt() >> 4 & 0x0700);
}

SendProgress at(Stage stage, const QDateTime& time, const QString& detail = {})
{
    SendProgress progress(stage, detail);
    progress.at = time;
    return progress;
}

} // namespace

class UnitRegisterTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        home_.emplace();
        QVERIFY(home_->isValid());
        path_ = home_->filePath(QStringLiteral(".local/share/velmora-sms/centrale.sqlite"));
    }

    void cleanup() { home_.reset(); }

    void theRegisterLivesInTheUsersDataFolder()
    {
        QCoreApplication::setApplicationName(QStringLiteral("velmora-sms"));
        QCOMPARE(UnitRegister::defaultPath(), path_);
    }

    void readingARegisterThatDoesNotExistMakesNothing()
    {
        UnitRegister units(path_);
        QCOMPARE(units.problem(), QString());
        QVERIFY(units.units().empty());
        QVERIFY(!units.unitWithNumber(kHouse.number));
        QVERIFY(!units.recordSent({QStringLiteral("+48601123456"), QStringLiteral("1234#S#")}));
        QVERIFY(!units.recordReceived({QStringLiteral("+48601123456"), QStringLiteral("OK"), {}}));
        QVERIFY(!units.remove(1).isEmpty());
        QVERIFY(!units.edit(1, kHouse).isEmpty());
        QCOMPARE(home_->files(), QStringList());
        QVERIFY(!QFileInfo::exists(home_->filePath(QStringLiteral(".local"))));
    }

    void theFirstUnitMakesTheRegisterForTheOwnerAlone()
    {
        UnitRegister units(path_);
        QSignalSpy changed(&units, &UnitRegister::unitsChanged);
        QVERIFY(added(units, kHouse).id != 0);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(QFileInfo(path_).permissions(), ownerOnly(false));
        QCOMPARE(QFileInfo(QFileInfo(path_).path()).permissions(), ownerOnly(true));
        QCOMPARE(QFileInfo(home_->filePath(QStringLiteral(".local"))).permissions(), ownerOnly(true));
        for (const QString& side : {path_ + QStringLiteral("-wal"), path_ + QStringLiteral("-shm")}) {
            QVERIFY2(QFileInfo::exists(side), qPrintable(side));
            QCOMPARE(QFileInfo(side).permissions(), ownerOnly(false));
        }
    }

    void unitsAreKeptAcrossRuns()
    {
        qint64 id = 0;
        {
            UnitRegister units(path_);
            id = added(units, kHouse).id;
            added(units, kShop);
            QCOMPARE(units.edit(id, {QStringLiteral("Dom Nowaków"), kHouse.number, QStringLiteral("nowe uwagi")}),
                     QString());
        }
        UnitRegister again(path_);
        const std::optional<Unit> unit = again.unit(id);
        QVERIFY(unit);
        QCOMPARE(UnitFields(*unit),
                 (UnitFields{QStringLiteral("Dom Nowaków"), kHouse.number, QStringLiteral("nowe uwagi")}));
        QVERIFY(!unit->codeKey.isEmpty());
        QCOMPARE(namesOf(again.units()), (QStringList{QStringLiteral("Dom Nowaków"), kShop.name}));
    }

    void eachUnitHasAKeyOfItsOwnForItsCode()
    {
        UnitRegister units(path_);
        const Unit house = added(units, kHouse);
        const Unit shop = added(units, kShop);
        QVERIFY(!house.codeKey.isEmpty());
        QVERIFY(house.codeKey != shop.codeKey);
        QCOMPARE(units.unit(house.id)->codeKey, house.codeKey);
    }

    void badFieldsAreRefusedAndNothingIsSaved_data()
    {
        QTest::addColumn<UnitFields>("fields");
        QTest::addColumn<QString>("refusal");
        const QString number = kHouse.number;
        QTest::newRow("no name") << UnitFields{QString(), number, {}} << QStringLiteral("Brak nazwy centrali.");
        QTest::newRow("blanks for a name")
            << UnitFields{QStringLiteral("   "), number, {}} << QStringLiteral("Brak nazwy centrali.");
        QTest::newRow("a long name") << UnitFields{QString(61, u'ż'), number, {}}
                                     << QStringLiteral("Nazwa centrali jest dłuższa niż 60 znaków.");
        QTest::newRow("a name of two lines") << UnitFields{QStringLiteral("Dom\nNowaka"), number, {}}
                                             << QStringLiteral("Nazwa centrali zawiera znak sterujący.");
        QTest::newRow("no number") << UnitFields{QStringLiteral("Dom"), QString(), {}}
                                   << QStringLiteral("Brak numeru centrali.");
        QTest::newRow("a plus") << UnitFields{QStringLiteral("Dom"), QStringLiteral("+48601123456"), {}}
                                << QStringLiteral("Numer „+48601123456” nie jest numerem w postaci międzynarodowej "
                                                  "(kod kraju i numer, same cyfry, od 9 do 15, bez zera na początku).");
        QTest::newRow("too short") << UnitFields{QStringLiteral("Dom"), QStringLiteral("60112345"), {}}
                                   << QStringLiteral("Numer „60112345” nie jest numerem w postaci międzynarodowej "
                                                     "(kod kraju i numer, same cyfry, od 9 do 15, bez zera na "
                                                     "początku).");
        QTest::newRow("long notes") << UnitFields{QStringLiteral("Dom"), number, QString(1001, u'u')}
                                    << QStringLiteral("Uwagi są dłuższe niż 1000 znaków.");
        QTest::newRow("a tab in notes") << UnitFields{QStringLiteral("Dom"), number, QStringLiteral("a\tb")}
                                        << QStringLiteral("Uwagi zawierają znak sterujący.");
    }

    void badFieldsAreRefusedAndNothingIsSaved()
    {
        QFETCH(UnitFields, fields);
        QFETCH(QString, refusal);
        UnitRegister units(path_);
        const Unit shop = added(units, kShop);
        const auto result = units.add(fields);
        QCOMPARE(std::get_if<QString>(&result) ? *std::get_if<QString>(&result) : QStringLiteral("added"), refusal);
        QCOMPARE(units.edit(shop.id, fields), refusal);
        QCOMPARE(namesOf(units.units()), QStringList{kShop.name});
        QCOMPARE(UnitFields(*units.unit(shop.id)), kShop);
    }

    void aNumberReachingAnotherUnitsPhoneIsRefusedNamingThatUnit_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("the same") << QStringLiteral("48601123456");
        QTest::newRow("without the country code") << QStringLiteral("601123456");
        QTest::newRow("with a longer country code") << QStringLiteral("148601123456");
    }

    void aNumberReachingAnotherUnitsPhoneIsRefusedNamingThatUnit()
    {
        QFETCH(QString, number);
        UnitRegister units(path_);
        added(units, kHouse);
        const Unit shop = added(units, kShop);
        const QString refusal = QStringLiteral("Numer %1 ma już centrala „Dom Kowalskich”.").arg(number);
        const auto result = units.add({QStringLiteral("Inna"), number, {}});
        QCOMPARE(std::get_if<QString>(&result) ? *std::get_if<QString>(&result) : QStringLiteral("added"), refusal);
        QCOMPARE(units.edit(shop.id, {kShop.name, number, {}}), refusal);
        QCOMPARE(units.units().size(), std::size_t(2));
    }

    void aUnitKeepsItsOwnNumberWhenEdited()
    {
        UnitRegister units(path_);
        const Unit house = added(units, kHouse);
        QCOMPARE(units.edit(house.id, {QStringLiteral("Dom"), QStringLiteral("601123456"), {}}), QString());
        QCOMPARE(units.unit(house.id)->number, QStringLiteral("601123456"));
    }

    void aUnitIsFoundByAnyFormOfItsNumber_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("found");
        QTest::newRow("as stored") << QStringLiteral("48601123456") << true;
        QTest::newRow("as sent") << QStringLiteral("+48601123456") << true;
        QTest::newRow("international prefix") << QStringLiteral("0048601123456") << true;
        QTest::newRow("national") << QStringLiteral("601123456") << true;
        QTest::newRow("another unit's tail") << QStringLiteral("+48701123456") << false;
        QTest::newRow("a short code") << QStringLiteral("123456") << false;
    }

    void aUnitIsFoundByAnyFormOfItsNumber()
    {
        QFETCH(QString, number);
        QFETCH(bool, found);
        UnitRegister units(path_);
        added(units, kHouse);
        added(units, {QStringLiteral("Inna"), QStringLiteral("48701123457"), {}});
        const std::optional<Unit> unit = units.unitWithNumber(number);
        QCOMPARE(unit.has_value(), found);
        QCOMPARE(unit ? unit->name : QString(), found ? kHouse.name : QString());
    }

    void theFilterFoldsCaseAndPolishLetters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("names");
        const QStringList both = {QStringLiteral("Dom Kowalskich"), QStringLiteral("Łódź, sklep")};
        QTest::newRow("nothing typed: all, by name") << QString() << both;
        QTest::newRow("without Polish letters") << QStringLiteral("lodz") << both;
        QTest::newRow("in capitals") << QStringLiteral("ŁÓDŹ") << both;
        QTest::newRow("a name only") << QStringLiteral("SKLEP") << QStringList{QStringLiteral("Łódź, sklep")};
        QTest::newRow("notes") << QStringLiteral("polna") << QStringList{QStringLiteral("Dom Kowalskich")};
        QTest::newRow("digits of a number") << QStringLiteral("02000") << QStringList{QStringLiteral("Łódź, sklep")};
        QTest::newRow("nothing matches") << QStringLiteral("lodzk") << QStringList();
    }

    void theFilterFoldsCaseAndPolishLetters()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, names);
        UnitRegister units(path_);
        added(units, kShop);
        added(units, kHouse);
        QCOMPARE(namesOf(units.units(filter)), names);
        // The ids kept in memory for each keystroke name the same units, each listed as units() lists it.
        std::vector<UnitListing> listed;
        for (const qint64 id : units.unitIds(filter)) {
            listed.push_back(*units.listing(id));
        }
        QCOMPARE(namesOf(listed), names);
    }

    void theIdsFollowChangesHereAndInAnotherCopyOfTheProgram()
    {
        UnitRegister units(path_);
        UnitRegister other(path_);
        const Unit house = added(units, kHouse);
        QCOMPARE(units.unitIds(QStringLiteral("lodz")), std::vector<qint64>{house.id});
        const Unit shop = added(other, kShop);
        QCOMPARE(units.unitIds(QStringLiteral("lodz")), (std::vector<qint64>{house.id, shop.id}));
        QCOMPARE(units.edit(house.id, {QStringLiteral("Dom"), kHouse.number, {}}), QString());
        QCOMPARE(units.unitIds(QStringLiteral("lodz")), std::vector<qint64>{shop.id});
        QCOMPARE(other.remove(shop.id), QString());
        QCOMPARE(units.unitIds(), std::vector<qint64>{house.id});
    }

    void removingAUnitTakesItsHistory()
    {
        UnitRegister units(path_);
        const Unit house = added(units, kHouse);
        const Unit shop = added(units, kShop);
        units.recordSent({QStringLiteral("+48601123456"), QStringLiteral("1234#S#"), QStringLiteral("Serwis")});
        units.recordReceived({QStringLiteral("+48601123456"), QStringLiteral("OK"), QDateTime::currentDateTime()});
        units.recordSent({QStringLiteral("+48602000111"), QStringLiteral("1234#S#"), QStringLiteral("Serwis")});
        QCOMPARE(units.history(house.id).size(), std::size_t(2));
        QCOMPARE(units.remove(house.id), QString());
        QVERIFY(!units.unit(house.id));
        QVERIFY(units.history(house.id).empty());
        QCOMPARE(units.history(shop.id).size(), std::size_t(1));
        QCOMPARE(units.remove(house.id), QStringLiteral("Tej centrali nie ma już w rejestrze."));
        // A unit with the old number takes nothing of the history that went with the removed one.
        const Unit again = added(units, kHouse);
        QVERIFY(units.history(again.id).empty());
    }

    void aMessageAndItsStagesAreRecordedWithoutTheCode()
    {
        UnitRegister units(path_);
        const Unit house = added(units, kHouse);
        QSignalSpy changed(&units, &UnitRegister::historyChanged);
        const QDateTime sent = QDateTime(QDate(2026, 3, 2), QTime(12, 34, 56));
        const QDateTime delivered = QDateTime(QDate(2026, 3, 2), QTime(12, 35, 10), Qt::OffsetFromUTC, 3600);
        const auto key = units.recordSent(
            {QStringLiteral("+48601123456"), QStringLiteral("7395#0#48601000310#"), QStringLiteral("Centrum SMS")});
        QVERIFY(key);
        QCOMPARE(key->unit, house.id);
        for (const SendProgress& stage : {at(Stage::Sending, sent), at(Stage::Sent, sent),
                                          at(Stage::DeliveryPending, sent), at(Stage::Delivered, delivered)}) {
            units.recordStage(*key, stage);
        }
        QCOMPARE(changed.size(), 5);
        QCOMPARE(changed.last().at(0).toLongLong(), house.id);

        const std::vector<RecordedMessage> history = units.history(house.id);
        QCOMPARE(history.size(), std::size_t(1));
        const RecordedMessage& message = history.front();
        QCOMPARE(message.direction, RecordedMessage::Direction::Sent);
        QCOMPARE(message.title, QStringLiteral("Centrum SMS"));
        QCOMPARE(message.text, QStringLiteral("#0#48601000310#"));
        QCOMPARE(message.stage->stage, Stage::Sent);
        QCOMPARE(message.stage->at, sent);
        QVERIFY(message.delivery);
        QCOMPARE(message.delivery->stage, Stage::Delivered);
        QCOMPARE(message.delivery->at, delivered);
        QVERIFY(qAbs(message.at.secsTo(QDateTime::currentDateTime())) < 60);

        QCOMPARE(message.stage->progress().stage, Stage::Sent);
        QCOMPARE(message.delivery->progress().at, delivered);

        const std::vector<UnitListing> listed = units.units();
        QVERIFY(listed.front().lastSent);
        QCOMPARE(listed.front().lastSent->id, message.id);
        QCOMPARE(listed.front().lastSent->delivery->stage, Stage::Delivered);
        QCOMPARE(home_->filesHolding(QStringLiteral("7395")), QStringList());
    }

    void aFailureKeepsItsReasonAndTheHistoryGoesNewestFirst()
    {
        UnitRegister units(path_);
        const Unit house = added(units, kHouse);
        const auto first = units.recordSent(
            {QStringLiteral("+48601123456"), QStringLiteral("1234#S#"), QStringLiteral("Tryb serwisowy")});
        units.recordStage(*first, SendProgress::failed(QStringLiteral("Brak zasięgu."), QStringLiteral("CMS 331")));
        units.recordReceived(
            {QStringLiteral("48601123456"), QStringLiteral("1234#F# przyjęto"), QDateTime::currentDateTime()});
        const auto last = units.recordSent(
            {QStringLiteral("+48601123456"), QStringLiteral("1234#F#"), QStringLiteral("Ustawienia fabryczne")});
        units.recordStage(*last,
                          {Stage::NotDelivered, QStringLiteral("ważność wiadomości minęła"), QStringLiteral("48")});

        const std::vector<RecordedMessage> history = units.history(house.id);
        QCOMPARE(history.size(), std::size_t(3));
        QCOMPARE(history[0].title, QStringLiteral("Ustawienia fabryczne"));
        QCOMPARE(history[0].stage->stage, Stage::Waiting);
        QCOMPARE(history[0].delivery->detail, QStringLiteral("ważność wiadomości minęła"));
        QCOMPARE(history[0].delivery->technical, QStringLiteral("48"));
        QCOMPARE(history[1].direction, RecordedMessage::Direction::Received);
        QVERIFY(!history[1].stage);
        QCOMPARE(history[1].text, QStringLiteral("#F# przyjęto"));
        QCOMPARE(history[2].stage->stage, Stage::Failed);
        QCOMPARE(history[2].stage->detail, QStringLiteral("Brak zasięgu."));
        QCOMPARE(history[2].stage->technical, QStringLiteral("CMS 331"));
        QVERIFY(!history[2].delivery);
        QCOMPARE(units.units().front().lastSent->id, history[0].id);
    }

    void messagesOfNumbersNotInTheRegisterAreNotRecorded()
    {
        UnitRegister units(path_);
        const Unit house = added(units, kHouse);
        QVERIFY(!units.recordSent({QStringLiteral("+48700000000"), QStringLiteral("1234#S#"), {}}));
        QVERIFY(!units.recordReceived({QStringLiteral("+48700000000"), QStringLiteral("OK"), {}}));
        QVERIFY(units.history(house.id).empty());
        QVERIFY(!units.units().front().lastSent);
    }

private:
    std::optional<TestHome> home_;
    QString path_;
};

QTEST_GUILESS_MAIN(UnitRegisterTest)
#include "unitregister_test.moc"
