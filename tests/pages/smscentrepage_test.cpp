#include "modal.h"
#include "radiogroup.h"
#include "recordingerrorbox.h"
#include "smscentrepage.h"
#include "testmain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <memory>

using namespace velmora;
using velmora::test::ModalWatcher;
using velmora::test::RecordingErrorBox;

namespace {

struct Fixture {
    RecordingErrorBox errors;
    TForm2 page{[] { return std::string("0123"); }, errors};
    RadioGroup* operators = page.findChild<RadioGroup*>(QStringLiteral("RadioGroup1"));
    QLineEdit* number = page.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    QPushButton* compose = page.findChild<QPushButton*>(QStringLiteral("Button1"));
    QLabel* title = page.findChild<QLabel*>(QStringLiteral("Label1"));
    QLabel* prompt = page.findChild<QLabel*>(QStringLiteral("Label3"));
    QLineEdit* result = page.findChild<QLineEdit*>(QStringLiteral("Edit2"));

    bool complete() const { return operators && number && compose && title && prompt && result; }

    // Opens the page as the advanced configuration page does; it is closed again at once.
    void open()
    {
        ModalWatcher watcher;
        page.showModally();
    }

    void choose(int index)
    {
        QTest::mouseClick(operators->findChild<QRadioButton*>(QStringLiteral("Item%1").arg(index)), Qt::LeftButton);
    }
};

} // namespace

class SmsCentrePageTest : public QObject {
    Q_OBJECT

private slots:
    void openingSelectsOrangeWithItsNumberAndDisablesTheResult()
    {
        Fixture f;
        QVERIFY(f.complete());
        f.open();
        QCOMPARE(f.operators->itemIndex(), 0);
        QCOMPARE(f.number->text(), QStringLiteral("48501200777"));
        QVERIFY(!f.number->isEnabled());
        QVERIFY(!f.result->isEnabled());
    }

    void composesTheOperatorsNumber_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("message");
        QTest::newRow("ORANGE") << 0 << QStringLiteral("0123#0#48501200777#");
        QTest::newRow("ERA") << 1 << QStringLiteral("0123#0#48602951111#");
        QTest::newRow("PLUS") << 2 << QStringLiteral("0123#0#48601000310#");
        QTest::newRow("PLAY") << 3 << QStringLiteral("0123#0#48790998250#");
    }

    void composesTheOperatorsNumber()
    {
        QFETCH(int, choice);
        QFETCH(QString, message);
        Fixture f;
        f.open();
        f.choose(choice);
        QVERIFY(!f.number->isEnabled());
        QTest::mouseClick(f.compose, Qt::LeftButton);
        QCOMPARE(f.result->text(), message);
        QVERIFY(f.result->isEnabled());
        QCOMPARE(f.title->text(), QStringLiteral("Definiowanie Centrum SMS"));
        QCOMPARE(f.prompt->text(), QStringLiteral("Wyślij do urządzenia SMS o treści:"));
        QVERIFY(f.errors.reports().empty());
    }

    void choosingAnOperatorKeepsTheTitleButEmptiesTheRest()
    {
        Fixture f;
        f.open();
        QTest::mouseClick(f.compose, Qt::LeftButton);
        f.choose(3);
        QCOMPARE(f.number->text(), QStringLiteral("48790998250"));
        QCOMPARE(f.result->text(), QString());
        QCOMPARE(f.prompt->text(), QString());
        QCOMPARE(f.title->text(), QStringLiteral("Definiowanie Centrum SMS"));
    }

    void otherOperatorWithNoNumberIsRefused()
    {
        Fixture f;
        f.open();
        QTest::mouseClick(f.compose, Qt::LeftButton);
        f.choose(4);
        QVERIFY(f.number->isEnabled());
        QCOMPARE(f.number->text(), QString());
        QTest::mouseClick(f.compose, Qt::LeftButton);
        QCOMPARE(f.errors.messages(), QStringList{QStringLiteral("Podaj numer Centrum SMS")});
        QCOMPARE(f.title->text(), QString());
        QCOMPARE(f.prompt->text(), QString());
        QCOMPARE(f.result->text(), QString());
        QVERIFY(f.result->isEnabled());
    }

    void typedNumberRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("left");
        QTest::newRow("blank") << QStringLiteral("48 ")
                               << QStringList{QStringLiteral("Numer Centrum powinien zawierać tylko cyfry")}
                               << QString();
        QTest::newRow("letter") << QStringLiteral("4x")
                                << QStringList{QStringLiteral("Numer Centrum powinien zawierać tylko cyfry")}
                                << QString();
        QTest::newRow("17 digits") << QStringLiteral("12345678901234567") << QStringList{}
                                   << QStringLiteral("12345678901234567");
        QTest::newRow("18 digits") << QStringLiteral("123456789012345678")
                                   << QStringList{QStringLiteral("Za duża ilość cyfr w definicji Centrum SMS")}
                                   << QString();
        QTest::newRow("no prefix needed")
            << QStringLiteral("601000310") << QStringList{} << QStringLiteral("601000310");
    }

    void typedNumberRules()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, messages);
        QFETCH(QString, left);
        Fixture f;
        f.open();
        f.choose(4);
        QTest::keyClicks(f.number, typed);
        QCOMPARE(f.errors.messages(), messages);
        QCOMPARE(f.number->text(), left);
        if (!left.isEmpty()) {
            QTest::mouseClick(f.compose, Qt::LeftButton);
            QCOMPARE(f.result->text(), QStringLiteral("0123#0#") + left + QLatin1Char('#'));
        }
    }

    void typingEmptiesOnlyTheResult()
    {
        Fixture f;
        f.open();
        f.choose(4);
        QTest::keyClicks(f.number, "4850");
        QTest::mouseClick(f.compose, Qt::LeftButton);
        QTest::keyClicks(f.number, "1");
        QCOMPARE(f.result->text(), QString());
        QCOMPARE(f.title->text(), QStringLiteral("Definiowanie Centrum SMS"));
        QCOMPARE(f.prompt->text(), QStringLiteral("Wyślij do urządzenia SMS o treści:"));
    }

    void reopeningReturnsToOrange()
    {
        Fixture f;
        f.open();
        f.choose(4);
        QTest::keyClicks(f.number, "123");
        f.page.close();
        f.open();
        QCOMPARE(f.operators->itemIndex(), 0);
        QCOMPARE(f.number->text(), QStringLiteral("48501200777"));
        QVERIFY(!f.number->isEnabled());
    }

    void reopeningOnOrangeKeepsTheMessageButEmptiesThePrompt()
    {
        Fixture f;
        f.open();
        QTest::mouseClick(f.compose, Qt::LeftButton);
        f.open();
        QCOMPARE(f.result->text(), QStringLiteral("0123#0#48501200777#"));
        QVERIFY(!f.result->isEnabled());
        QCOMPARE(f.title->text(), QStringLiteral("Definiowanie Centrum SMS"));
        QCOMPARE(f.prompt->text(), QString());
    }

    void controlsAsNamed()
    {
        Fixture f;
        QCOMPARE(f.page.windowTitle(), QStringLiteral("DEFINIOWANIE CENTRUM SMS DLA  OPERATORA KARTY W URZĄDZENIU"));
        QCOMPARE(f.compose->toolTip(), QStringLiteral("punkt 5. Programowanie danych operatora Centrum SMS."));
        QVERIFY(f.page.findChild<QToolButton*>(QStringLiteral("SpeedButton3")));
        auto* heading = f.page.findChild<QLabel*>(QStringLiteral("Label4"));
        QVERIFY(heading);
        QCOMPARE(heading->text(), QStringLiteral("Wybierz centrum SMS dla  danego operatora sieci"));
        QVERIFY(f.result->isReadOnly());
    }
};

VELMORA_TEST_MAIN(SmsCentrePageTest)
#include "smscentrepage_test.moc"
