#include "fieldguard.h"
#include "ikufield.h"
#include "recordingerrorbox.h"
#include "recordinghandoff.h"
#include "testmain.h"
#include "unitsbutton.h"
#include "unitshandoff.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace velmora;
using velmora::test::RecordingErrorBox;
using velmora::test::RecordingHandoff;

namespace {

const QString kDom = QStringLiteral("Centrala: Dom");
const QString kShopWithoutCode = QStringLiteral("Centrala: Sklep (kod IKU nie jest zapisany, wpisz go z koperty)");

// Units chosen as the units window chooses them: remembered, and told to whoever watches.
class ChoosingUnits final : public QObject, public UnitsHandoff {
    Q_OBJECT

public:
    void showUnits() override { ++shown; }
    void watchUsedUnit(QObject* context, std::function<void(const UsedUnit&)> used) override
    {
        connect(this, &ChoosingUnits::chosen, context, std::move(used));
    }
    std::optional<UsedUnit> usedUnit() const override { return used_; }

    void choose(const UsedUnit& unit)
    {
        used_ = unit;
        emit chosen(unit);
    }

    int shown = 0;

signals:
    void chosen(const velmora::UsedUnit& unit);

private:
    std::optional<UsedUnit> used_;
};

// A page's IKU field with its guard, as the pages make it, and what its text went through.
struct IkuPage {
    RecordingErrorBox errors;
    QWidget widget;
    IkuField* iku = new IkuField({"Edit1", "Label1", "Label2"}, {16, 13}, IkuField::Request::OneLine, errors, &widget);
    QStringList typed;

    IkuPage()
    {
        iku->field()->setText(QStringLiteral("1111"));
        QObject::connect(iku->field(), &QLineEdit::textChanged, &widget,
                         [this](const QString& text) { typed << text; });
    }

    const FieldGuard* guard() const { return iku->field()->findChild<FieldGuard*>(); }
};

using Units = QList<UsedUnit>;

} // namespace

class UnitsButtonTest : public QObject {
    Q_OBJECT

private slots:
    // Units chosen before the label is made (the page was not yet shown) and after it; the code goes into the
    // field once per choice, through its guard; a unit without a stored code leaves the field alone.
    void aChosenUnitReachesThePageWhenEverItIsMade_data()
    {
        QTest::addColumn<Units>("before");
        QTest::addColumn<Units>("after");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("label");
        const UsedUnit dom{QStringLiteral("Dom"), QStringLiteral("7395")};
        const UsedUnit shop{QStringLiteral("Sklep"), QString()};
        QTest::newRow("nothing chosen") << Units{} << Units{} << QStringList{} << "1111" << QString();
        QTest::newRow("chosen before") << Units{dom} << Units{} << QStringList{"7395"} << "7395" << kDom;
        QTest::newRow("chosen after") << Units{} << Units{dom} << QStringList{"7395"} << "7395" << kDom;
        QTest::newRow("the last of those chosen before")
            << Units{shop, dom} << Units{} << QStringList{"7395"} << "7395" << kDom;
        QTest::newRow("without a code, before")
            << Units{shop} << Units{} << QStringList{} << "1111" << kShopWithoutCode;
        QTest::newRow("without a code, after") << Units{} << Units{shop} << QStringList{} << "1111" << kShopWithoutCode;
        QTest::newRow("one before, another after")
            << Units{dom} << Units{{QStringLiteral("Biuro"), QStringLiteral("0042")}} << QStringList{"7395", "0042"}
            << "0042" << QStringLiteral("Centrala: Biuro");
        QTest::newRow("without a code after one with")
            << Units{dom} << Units{shop} << QStringList{"7395"} << "7395" << kShopWithoutCode;
    }

    void aChosenUnitReachesThePageWhenEverItIsMade()
    {
        QFETCH(Units, before);
        QFETCH(Units, after);
        QFETCH(QStringList, typed);
        QFETCH(QString, field);
        QFETCH(QString, label);
        ChoosingUnits units;
        IkuPage page;
        for (const UsedUnit& unit : before) {
            units.choose(unit);
        }
        QLabel* current = makeCurrentUnit(&page.widget, &units, page.iku->field());
        for (const UsedUnit& unit : after) {
            units.choose(unit);
        }
        QCOMPARE(page.typed, typed);
        QCOMPARE(page.iku->field()->text(), field);
        QCOMPARE(page.guard()->lastAccepted(), field);
        QCOMPARE(current->objectName(), QStringLiteral("CurrentUnit"));
        QCOMPARE(current->text(), label);
        QVERIFY(page.errors.reports().empty());
    }

    void theButtonOpensTheUnitsWindowOncePerPress()
    {
        ChoosingUnits units;
        QWidget page;
        QPushButton* button = makeUnitsButton(&page, &units);
        QCOMPARE(button->objectName(), QStringLiteral("UnitsButton"));
        QCOMPARE(button->text(), QStringLiteral("Centrale"));
        QVERIFY(!button->isHidden());
        button->click();
        QCOMPARE(units.shown, 1);
        button->click();
        QCOMPARE(units.shown, 2);
    }

    // What the row shows, in its order, by what the program offers; with nothing offered it takes no room.
    void theRowShowsWhatTheProgramOffers_data()
    {
        QTest::addColumn<bool>("canSend");
        QTest::addColumn<bool>("withUnits");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("sending and units") << true << true << QStringList{"PlanButton", "UnitsButton", "CurrentUnit"};
        QTest::newRow("sending alone") << true << false << QStringList{"PlanButton"};
        QTest::newRow("units alone") << false << true << QStringList{"UnitsButton", "CurrentUnit"};
        QTest::newRow("neither") << false << false << QStringList{};
    }

    void theRowShowsWhatTheProgramOffers()
    {
        QFETCH(bool, canSend);
        QFETCH(bool, withUnits);
        QFETCH(QStringList, shown);
        RecordingHandoff handoff(canSend);
        ChoosingUnits units;
        IkuPage page;
        QBoxLayout* row = makeUnitsRow(&page.widget, &handoff, withUnits ? &units : nullptr, page.iku->field());
        QStringList seen;
        for (int i = 0; i < row->count(); ++i) {
            if (const QWidget* widget = row->itemAt(i)->widget(); widget != nullptr && !widget->isHidden()) {
                seen << widget->objectName();
            }
        }
        QCOMPARE(seen, shown);
        QCOMPARE(row->isEmpty(), shown.isEmpty());
        delete row;
    }
};

VELMORA_TEST_MAIN(UnitsButtonTest)
#include "unitsbutton_test.moc"
