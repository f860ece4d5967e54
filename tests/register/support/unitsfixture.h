#pragma once

#include "fakekeyring.h"
#include "testhome.h"
#include "unitbook.h"

#include <QTest>
#include <set>

namespace velmora::test {

inline const QString kHouseNumber = QStringLiteral("48601123456");

// A register on a home of the test's own, its codes in a keyring in memory, and the messages this "run" follows.
struct UnitsFixture {
    TestHome home;
    UnitRegister units{home.filePath(QStringLiteral("data/centrale.sqlite"))};
    FakeKeyring keyring;
    UnitBook book{units, keyring};
    std::set<qint64> followed;

    std::function<bool(qint64)> follows()
    {
        return [this](qint64 message) { return followed.contains(message); };
    }

    // A unit added straight to the register, its code (if any) straight to the keyring.
    Unit addUnit(const QString& name, const QString& number, const QString& code = {}, const QString& notes = {})
    {
        const std::variant<Unit, QString> added = units.add({name, number, notes});
        if (!std::holds_alternative<Unit>(added)) {
            qFatal("cannot add %s: %s", qPrintable(name), qPrintable(std::get<QString>(added)));
        }
        const Unit unit = std::get<Unit>(added);
        if (!code.isEmpty()) {
            keyring.entries[unit.codeKey] = code;
        }
        return unit;
    }

    // A message sent to the unit's number, recorded with these stages in turn; returns its id.
    qint64 recordSent(const QString& number, const QString& title, const QString& text,
                      std::initializer_list<SendProgress> stages = {})
    {
        const std::optional<HistoryKey> key = units.recordSent({QLatin1Char('+') + number, text, title});
        if (!key) {
            qFatal("the message to %s was not recorded", qPrintable(number));
        }
        for (const SendProgress& stage : stages) {
            units.recordStage(*key, stage);
        }
        return key->message;
    }
};

// A stage at a given time, as a route reports it.
inline SendProgress stageAt(SendProgress::Stage stage, const QDateTime& at, const QString& detail = {})
{
    SendProgress progress(stage, detail);
    progress.at = at;
    return progress;
}

} // namespace velmora::test
