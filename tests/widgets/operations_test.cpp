#include "displayband.h"
#include "operations.h"
#include "recordingerrorbox.h"
#include "testmain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace velmora;
using velmora::test::RecordingErrorBox;

namespace {

const Command kOld{"1234#S#", "Stary tytuł", "Stare wezwanie"};
const Command kNew{"1234#F#", "Nowy tytuł", "Nowe wezwanie"};

// What the band shows, the result field's enabled state first: "on|title|prompt|result".
QString state(const DisplayBand& band)
{
    return QStringList{band.result()->isEnabled() ? QStringLiteral("on") : QStringLiteral("off"), band.title()->text(),
                       band.prompt()->text(), band.result()->text()}
        .join(QLatin1Char('|'));
}

// A band that shows an earlier command in its disabled result field, as after reopening a page; an error box
// that records the band at each box; and the page the operations' buttons stand on.
struct Bench {
    QWidget page;
    DisplayBand band{{"Title", "Prompt", "Result"}, &page};
    RecordingErrorBox errors;
    Operations operations{band, errors};
    QStringList atBoxes;

    Bench()
    {
        band.showCommand(kOld);
        band.setResultEnabled(false);
        errors.whileShown([this] { atBoxes << state(band); });
    }
};

} // namespace

Q_DECLARE_METATYPE(velmora::Presentation)

class OperationsTest : public QObject {
    Q_OBJECT

private slots:
    void eachPressComposesOnceAndNothingElseDoes()
    {
        Bench bench;
        int first = 0;
        int second = 0;
        QPushButton* one = bench.operations.add(&bench.page, {"Button1", QStringLiteral("punkt 1."), [&] {
                                                                  ++first;
                                                                  return Outcome::composed(kNew);
                                                              }});
        QPushButton* two = bench.operations.add(&bench.page, {"Button2", QStringLiteral("punkt 2."), [&] {
                                                                  ++second;
                                                                  return Outcome::nothing();
                                                              }});
        QCOMPARE(first + second, 0);
        one->click();
        one->click();
        two->click();
        QCOMPARE(first, 2);
        QCOMPARE(second, 1);
    }

    void aButtonCarriesItsCaptionAndItsManualSection()
    {
        Bench bench;
        QPushButton* plain =
            bench.operations.add(&bench.page, {"Button3", QStringLiteral("punkt 9.1. Maska"), Outcome::nothing});
        QPushButton* own =
            bench.operations.add(&bench.page, {"Button4", QStringLiteral("punkt 6.3.1 Nazwy"), Outcome::nothing,
                                               Presentation::Fresh, QStringLiteral("Teść SMS")});
        QCOMPARE(plain->objectName(), QStringLiteral("Button3"));
        QCOMPARE(plain->text(), QStringLiteral("Treść SMS"));
        QCOMPARE(plain->toolTip(), QStringLiteral("punkt 9.1. Maska"));
        QCOMPARE(own->text(), QStringLiteral("Teść SMS"));
        QCOMPARE(own->toolTip(), QStringLiteral("punkt 6.3.1 Nazwy"));
        QCOMPARE(plain->parent(), &bench.page);
        // Enter in a field of the page must not compose.
        QVERIFY(!plain->autoDefault());
    }

    // Each way empties what it says before the boxes, and enables the result field before them or only after them.
    void aRefusalIsShownTheOperationsWay_data()
    {
        QTest::addColumn<Presentation>("presentation");
        QTest::addColumn<QString>("atEachBox");
        QTest::addColumn<QString>("after");
        const QString old = QStringLiteral("|Stary tytuł|Stare wezwanie|1234#S#");
        QTest::newRow("fresh") << Presentation::Fresh << "on|||"
                               << "on|||";
        QTest::newRow("over the band") << Presentation::OverBand << QStringLiteral("on") + old
                                       << QStringLiteral("on") + old;
        QTest::newRow("fresh, enabling last") << Presentation::FreshEnablingLast << "off|||"
                                              << "on|||";
        QTest::newRow("keeping the result, enabling last") << Presentation::KeepingResultEnablingLast << "off|||1234#S#"
                                                           << "on|||1234#S#";
    }

    void aRefusalIsShownTheOperationsWay()
    {
        QFETCH(Presentation, presentation);
        QFETCH(QString, atEachBox);
        QFETCH(QString, after);
        Bench bench;
        bench.operations
            .add(&bench.page, {"Button1", QString(),
                               [] {
                                   return Outcome{{"pierwszy", "drugi"}, std::nullopt};
                               },
                               presentation})
            ->click();
        QCOMPARE(bench.errors.messages(), (QStringList{QStringLiteral("pierwszy"), QStringLiteral("drugi")}));
        QCOMPARE(bench.atBoxes, (QStringList{atEachBox, atEachBox}));
        QCOMPARE(state(bench.band), after);
    }

    // A command always replaces the whole band, after any box, and the result field ends enabled.
    void aCommandIsShownAfterItsBoxes_data()
    {
        QTest::addColumn<Presentation>("presentation");
        QTest::addColumn<QString>("atTheBox");
        QTest::newRow("fresh") << Presentation::Fresh << "on|||";
        QTest::newRow("over the band") << Presentation::OverBand << "on|Stary tytuł|Stare wezwanie|1234#S#";
        QTest::newRow("fresh, enabling last") << Presentation::FreshEnablingLast << "off|||";
        // A composed command empties nothing first.
        QTest::newRow("keeping the result, enabling last")
            << Presentation::KeepingResultEnablingLast << "off|Stary tytuł|Stare wezwanie|1234#S#";
    }

    void aCommandIsShownAfterItsBoxes()
    {
        QFETCH(Presentation, presentation);
        QFETCH(QString, atTheBox);
        Bench bench;
        bench.operations
            .add(&bench.page, {"Button1", QString(),
                               [] {
                                   return Outcome{{"uwaga"}, kNew};
                               },
                               presentation})
            ->click();
        QCOMPARE(bench.atBoxes, QStringList{atTheBox});
        QCOMPARE(state(bench.band), QStringLiteral("on|Nowy tytuł|Nowe wezwanie|1234#F#"));
    }
};

VELMORA_TEST_MAIN(OperationsTest)
#include "operations_test.moc"
