#include "checkboxrow.h"
#include "testmain.h"

#include <QCheckBox>
#include <QLabel>

using namespace velmora;

namespace {

CheckBoxRow::Boxes numberedBoxes(int count)
{
    return {CheckBoxRow::numbered(QStringLiteral("CheckBox"), 1, count),
            CheckBoxRow::numbered(QStringLiteral("K"), 1, count),
            CheckBoxRow::numbered(QStringLiteral("Label"), 1, count)};
}

} // namespace

class CheckBoxRowTest : public QObject {
    Q_OBJECT

private slots:
    void boxesAndLabelsCarryTheirNames()
    {
        CheckBoxRow row(numberedBoxes(10), CheckBoxRow::Choice::AnyNumber);
        QVERIFY(row.findChild<QCheckBox*>(QStringLiteral("CheckBox10")));
        auto* label = row.findChild<QLabel*>(QStringLiteral("Label10"));
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("K10"));
    }

    void oneOfNTicksOnlyTheLastTickedBox()
    {
        CheckBoxRow row(numberedBoxes(10), CheckBoxRow::Choice::OneOfN);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QList<QPair<int, bool>> reported;
        connect(&row, &CheckBoxRow::boxToggled, this, [&](int index, bool ticked) {
            reported.append({index, ticked});
        });

        QTest::mouseClick(row.box(2), Qt::LeftButton);
        QTest::mouseClick(row.box(6), Qt::LeftButton);
        QCOMPARE(row.ticks(), (Ticks{false, false, false, false, false, false, true, false, false, false}));
        // The clicked box is reported first; the box it unticks reports its own change after it.
        QCOMPARE(reported, (QList<QPair<int, bool>>{{2, true}, {6, true}, {2, false}}));

        reported.clear();
        QTest::mouseClick(row.box(6), Qt::LeftButton);
        QVERIFY(noneTicked(row.ticks()));
        QCOMPARE(reported, (QList<QPair<int, bool>>{{6, false}}));
    }

    void anyNumberKeepsEveryTick()
    {
        CheckBoxRow row(numberedBoxes(5), CheckBoxRow::Choice::AnyNumber);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QTest::mouseClick(row.box(0), Qt::LeftButton);
        QTest::mouseClick(row.box(4), Qt::LeftButton);
        QCOMPARE(row.ticks(), (Ticks{true, false, false, false, true}));
    }

    void settingAllReportsOnlyTheBoxesThatChange()
    {
        CheckBoxRow row(numberedBoxes(5), CheckBoxRow::Choice::AnyNumber);
        row.box(1)->setChecked(true);
        int reports = 0;
        connect(&row, &CheckBoxRow::boxToggled, this, [&] { ++reports; });
        row.setAllTicked(true);
        QCOMPARE(reports, 4);
        QVERIFY(allTicked(row.ticks()));
    }

    void captionsBesideBoxes()
    {
        CheckBoxRow row({{QStringLiteral("CheckBox1")}, {QStringLiteral("Usuń numer użytkownika 1")}, {}},
                        CheckBoxRow::Choice::AnyNumber, CheckBoxRow::Look::CaptionsBeside);
        QCOMPARE(row.box(0)->text(), QStringLiteral("Usuń numer użytkownika 1"));
        QVERIFY(row.findChildren<QLabel*>().isEmpty());
    }
};

VELMORA_TEST_MAIN(CheckBoxRowTest)
#include "checkboxrow_test.moc"
