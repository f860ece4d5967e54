#include "fakekeyring.h"
#include "testhome.h"
#include "unitbook.h"
#include "unitsfile.h"

#include <QTest>

using namespace velmora;
using namespace velmora::test;

namespace {

using Status = KeyringReply::Status;

const UnitFields kHouse{QStringLiteral("Dom Kowalskich"), QStringLiteral("48601123456"), QString()};
const QString kNotStored = QStringLiteral("Kod IKU nie został zapisany: brak dostępu do magazynu haseł systemu.");
const QString kNotRemoved = QStringLiteral("Kod IKU nie został usunięty: brak dostępu do magazynu haseł systemu.");

struct Fixture {
    TestHome home;
    UnitRegister units{home.filePath(QStringLiteral("centrale.sqlite"))};
    FakeKeyring keyring;
    UnitBook book{units, keyring};

    // Each call answers once, from the event loop, never within the call: the window is not re-entered.
    template <typename Answer, typename Call> Answer answerTo(Call call)
    {
        std::optional<Answer> answer;
        int answers = 0;
        call([&](const Answer& given) {
            answer = given;
            ++answers;
        });
        const bool withinTheCall = answer.has_value();
        const bool answered = QTest::qWaitFor([&] { return answer.has_value(); }, 1000);
        QTest::qWait(10);
        if (!answered || withinTheCall || answers != 1) {
            qWarning("%d answers, the first within the call: %d", answers, int(withinTheCall));
            return Answer{};
        }
        return *answer;
    }

    UnitSaved save(qint64 id, const UnitFields& fields, const std::optional<QString>& code)
    {
        return answerTo<UnitSaved>([&](auto done) { book.save(id, fields, code, done); });
    }

    UnitRemoved remove(qint64 id)
    {
        return answerTo<UnitRemoved>([&](auto done) { book.remove(id, done); });
    }

    KeyringReply readCode(const Unit& unit)
    {
        return answerTo<KeyringReply>([&](auto done) { book.readCode(unit, done); });
    }
};

} // namespace

Q_DECLARE_METATYPE(velmora::KeyringReply::Status)
Q_DECLARE_METATYPE(velmora::UnitFields)
Q_DECLARE_METATYPE(std::optional<QString>)

class UnitBookTest : public QObject {
    Q_OBJECT

private slots:
    void aNewUnitsCodeGoesToTheKeyringAlone_data()
    {
        QTest::addColumn<Status>("keyring");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<bool>("stored");
        QTest::newRow("a keyring") << Status::Done << QString() << true;
        QTest::newRow("no keyring") << Status::NoKeyring << kNotStored << false;
        QTest::newRow("a locked keyring") << Status::Locked << kNotStored << false;
    }

    void aNewUnitsCodeGoesToTheKeyringAlone()
    {
        QFETCH(Status, keyring);
        QFETCH(QString, warning);
        QFETCH(bool, stored);
        Fixture f;
        f.keyring.answerWith(keyring);
        const UnitSaved saved = f.save(0, kHouse, QStringLiteral("7395"));
        QCOMPARE(saved.refusal, QString());
        QCOMPARE(saved.codeWarning, warning);
        QCOMPARE(UnitFields(saved.unit), kHouse);
        // The unit is saved whatever the keyring said.
        QCOMPARE(f.units.unit(saved.unit.id)->codeKey, saved.unit.codeKey);
        QCOMPARE(f.keyring.entries.contains(saved.unit.codeKey), stored);
        // Used, exported: the code is in no file, neither the register, its log, nor the export.
        f.units.recordSent({QStringLiteral("+48601123456"), QStringLiteral("7395#S#"), QStringLiteral("Serwis")});
        QCOMPARE(exportUnits(f.units, f.home.filePath(QStringLiteral("centrale.csv"))), QString());
        QCOMPARE(f.home.files().size(), 4);
        QCOMPARE(f.home.filesHolding(QStringLiteral("7395")), QStringList());
    }

    void aBadFieldOrCodeSavesNothing_data()
    {
        QTest::addColumn<UnitFields>("fields");
        QTest::addColumn<std::optional<QString>>("code");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("letters in the code") << kHouse << std::optional(QStringLiteral("73a5"))
                                             << QStringLiteral("Kod IKU powinien zawierać tylko cyfry");
        QTest::newRow("three digits") << kHouse << std::optional(QStringLiteral("739"))
                                      << QStringLiteral("Kod IKU powinien zawierać cztery cyfry");
        QTest::newRow("no name") << UnitFields{{}, kHouse.number, {}} << std::optional(QStringLiteral("7395"))
                                 << QStringLiteral("Brak nazwy centrali.");
        QTest::newRow("another unit's number")
            << UnitFields{QStringLiteral("Inna"), QStringLiteral("48602000111"), {}}
            << std::optional(QStringLiteral("7395")) << QStringLiteral("Numer 48602000111 ma już centrala „Sklep”.");
    }

    void aBadFieldOrCodeSavesNothing()
    {
        QFETCH(UnitFields, fields);
        QFETCH(std::optional<QString>, code);
        QFETCH(QString, refusal);
        Fixture f;
        f.save(0, {QStringLiteral("Sklep"), QStringLiteral("48602000111"), {}}, {});
        const UnitFields store{QStringLiteral("Magazyn"), QStringLiteral("48603000222"), {}};
        const Unit edited = f.save(0, store, {}).unit;
        QCOMPARE(f.save(0, fields, code).refusal, refusal);
        QCOMPARE(f.save(edited.id, fields, code).refusal, refusal);
        QCOMPARE(f.units.units().size(), std::size_t(2));
        QCOMPARE(UnitFields(*f.units.unit(edited.id)), store);
        QVERIFY(f.keyring.entries.empty());
    }

    void anEditLeavesChangesOrRemovesTheCode_data()
    {
        QTest::addColumn<std::optional<QString>>("code");
        QTest::addColumn<Status>("keyring");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("kept");
        QTest::newRow("left as it is") << std::optional<QString>() << Status::Done << QString()
                                       << QStringLiteral("7395");
        QTest::newRow("changed") << std::optional(QStringLiteral("1122")) << Status::Done << QString()
                                 << QStringLiteral("1122");
        QTest::newRow("removed") << std::optional(QString()) << Status::Done << QString() << QString();
        QTest::newRow("removed without a keyring")
            << std::optional(QString()) << Status::NoKeyring << kNotRemoved << QStringLiteral("7395");
        QTest::newRow("changed in a locked keyring")
            << std::optional(QStringLiteral("1122")) << Status::Locked << kNotStored << QStringLiteral("7395");
    }

    void anEditLeavesChangesOrRemovesTheCode()
    {
        QFETCH(std::optional<QString>, code);
        QFETCH(Status, keyring);
        QFETCH(QString, warning);
        QFETCH(QString, kept);
        Fixture f;
        const Unit house = f.save(0, kHouse, QStringLiteral("7395")).unit;
        f.keyring.answerWith(keyring);
        const UnitFields renamed{QStringLiteral("Dom Nowaków"), kHouse.number, {}};
        const UnitSaved saved = f.save(house.id, renamed, code);
        QCOMPARE(saved.refusal, QString());
        QCOMPARE(saved.codeWarning, warning);
        QCOMPARE(UnitFields(*f.units.unit(house.id)), renamed);
        QCOMPARE(f.keyring.entries.contains(house.codeKey) ? f.keyring.entries.at(house.codeKey) : QString(), kept);
    }

    void removingAUnitTakesItsCode_data()
    {
        QTest::addColumn<Status>("keyring");
        QTest::addColumn<QString>("warning");
        QTest::newRow("a keyring") << Status::Done << QString();
        QTest::newRow("a locked keyring")
            << Status::Locked
            << QStringLiteral("Centrala została usunięta, ale jej kodu IKU nie usunięto z "
                              "magazynu haseł systemu: brak do niego dostępu.");
    }

    void removingAUnitTakesItsCode()
    {
        QFETCH(Status, keyring);
        QFETCH(QString, warning);
        Fixture f;
        const Unit house = f.save(0, kHouse, QStringLiteral("7395")).unit;
        f.units.recordSent({QStringLiteral("+48601123456"), QStringLiteral("7395#S#"), QStringLiteral("Serwis")});
        f.keyring.answerWith(keyring);
        const UnitRemoved removed = f.remove(house.id);
        QCOMPARE(removed.refusal, QString());
        QCOMPARE(removed.codeWarning, warning);
        QVERIFY(!f.units.unit(house.id));
        QVERIFY(f.units.history(house.id).empty());
        QCOMPARE(f.keyring.entries.contains(house.codeKey), keyring != Status::Done);
        QCOMPARE(f.remove(house.id).refusal, QStringLiteral("Tej centrali nie ma już w rejestrze."));
    }

    void aUnitsCodeIsReadFromTheKeyring()
    {
        Fixture f;
        const Unit house = f.save(0, kHouse, QStringLiteral("7395")).unit;
        const Unit shop = f.save(0, {QStringLiteral("Sklep"), QStringLiteral("48602000111"), {}}, {}).unit;
        QCOMPARE(f.readCode(house).secret, QStringLiteral("7395"));
        QCOMPARE(f.readCode(shop).status, Status::NotFound);
        f.keyring.answerWith(Status::Locked);
        QCOMPARE(f.readCode(house).status, Status::Locked);
    }
};

QTEST_GUILESS_MAIN(UnitBookTest)
#include "unitbook_test.moc"
