#include "controls.h"
#include "displayband.h"
#include "recordingerrorbox.h"
#include "recordinghandoff.h"
#include "testmain.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace velmora;
using velmora::test::RecordingErrorBox;
using velmora::test::RecordingHandoff;

namespace {

struct Band {
    DisplayBand band{{"Title", "Prompt", "Result"}};
    QLineEdit* result = band.findChild<QLineEdit*>(QStringLiteral("Result"));
    QPushButton* copy = band.findChild<QPushButton*>(QStringLiteral("CopyButton"));
    QPushButton* qr = band.findChild<QPushButton*>(QStringLiteral("QrButton"));
    QLabel* length = band.findChild<QLabel*>(QStringLiteral("SmsLength"));

    bool complete() const { return result && copy && qr && length; }
    void show(const char* message) { band.showCommand({message, "Tytuł", "Wyślij"}); }
};

} // namespace

class DisplayBandTest : public QObject {
    Q_OBJECT

private slots:
    void copyAndQrFollowTheResultField()
    {
        Band b;
        QVERIFY(b.complete());
        QVERIFY(!b.copy->isEnabled());
        QVERIFY(!b.qr->isEnabled());
        QCOMPARE(b.length->text(), QString());

        b.show("1234#0#48501200777#");
        QVERIFY(b.copy->isEnabled());
        QVERIFY(b.qr->isEnabled());
        QCOMPARE(b.length->text(), QStringLiteral("Długość: 19 z 160 znaków (1 SMS)"));
        QVERIFY(!b.copy->toolTip().isEmpty());

        b.band.clear();
        QVERIFY(!b.copy->isEnabled());
        QVERIFY(!b.qr->isEnabled());
        QCOMPARE(b.length->text(), QString());
    }

    void copyPutsTheExactCommandOnTheClipboard()
    {
        Band b;
        b.show("1234#RI#1# Jan {x} #");
        b.copy->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1234#RI#1# Jan {x} #"));
    }

    // The caption tells for a moment that the command was copied; a new command, or none, ends it at once.
    void copySaysItCopiedForAMoment()
    {
        Band b;
        b.show("1234#S#");
        const int width = b.copy->width();
        b.copy->click();
        QCOMPARE(b.copy->text(), QStringLiteral("Skopiowano"));
        QCOMPARE(b.copy->width(), width);
        QTRY_COMPARE(b.copy->text(), QStringLiteral("Kopiuj"));
        b.copy->click();
        b.band.clear();
        QCOMPARE(b.copy->text(), QStringLiteral("Kopiuj"));
    }

    // A command longer than the field is shown from its first character, the IKU code, and whole in the tool tip.
    void resultShowsTheCommandFromItsStart()
    {
        Band b;
        b.band.resize(200, 200);
        b.band.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b.band));
        const QString command = QStringLiteral("1234#PN#1#2#3#4#5#6#7#8#9#10#");
        b.show("1234#PN#1#2#3#4#5#6#7#8#9#10#");
        QVERIFY(b.result->fontMetrics().horizontalAdvance(command) > b.result->width());
        QCOMPARE(b.result->cursorPosition(), 0);
        QCOMPARE(b.result->toolTip(), command);
        b.band.clear();
        QCOMPARE(b.result->toolTip(), QString());
    }

    void lengthLineWarnsInRed()
    {
        Band b;
        b.show("1234#K*100#ą");
        QVERIFY(b.length->text().contains(QStringLiteral("UCS-2")));
        QCOMPARE(b.length->palette().color(QPalette::WindowText), QColor(kRed));
        b.show("1234#S#");
        QVERIFY(b.length->palette().color(QPalette::WindowText) != QColor(kRed));
    }

    void qrAndSendHandTheShownCommandOnOncePerPress()
    {
        Band b;
        RecordingHandoff handoff(true);
        b.band.setHandoff(&handoff);
        auto* send = b.band.findChild<QPushButton*>(QStringLiteral("SendButton"));
        QVERIFY(send);
        QVERIFY(!send->isHidden());
        b.show("1234#TS#2#30#Test #1#");
        b.qr->click();
        send->click();
        QCOMPARE(handoff.handed, (QStringList{QStringLiteral("QR 1234#TS#2#30#Test #1#"),
                                              QStringLiteral("SMS Tytuł 1234#TS#2#30#Test #1#")}));
    }

    // The command goes to the plan with its operation's title, stays in the band, and the band says so for a moment.
    void planAddsTheCommandWithItsTitleAndSaysSo()
    {
        Band b;
        RecordingHandoff handoff(true);
        b.band.setHandoff(&handoff);
        auto* add = b.band.findChild<QPushButton*>(QStringLiteral("PlanAddButton"));
        QVERIFY(add);
        QVERIFY(!add->isHidden());
        QCOMPARE(add->text(), QStringLiteral("Do planu"));
        QVERIFY(!add->isEnabled());
        b.show("1234#S#");
        QVERIFY(add->isEnabled());
        const int width = add->width();
        add->click();
        QCOMPARE(handoff.handed, QStringList{QStringLiteral("PLAN Tytuł 1234#S#")});
        QCOMPARE(add->text(), QStringLiteral("Dodano do planu (1)"));
        QCOMPARE(add->width(), width);
        QCOMPARE(b.result->text(), QStringLiteral("1234#S#"));
        QTRY_COMPARE(add->text(), QStringLiteral("Do planu"));

        handoff.refusePlan = true;
        add->click();
        QCOMPARE(add->text(), QStringLiteral("Do planu"));
        handoff.refusePlan = false;
        add->click();
        QCOMPARE(add->text(), QStringLiteral("Dodano do planu (3)"));
        b.band.clear();
        QCOMPARE(add->text(), QStringLiteral("Do planu"));
        QVERIFY(!add->isEnabled());
    }

    void withoutSendingTheBandOffersNoSendButton()
    {
        Band b;
        RecordingHandoff handoff(false);
        b.band.setHandoff(&handoff);
        auto* send = b.band.findChild<QPushButton*>(QStringLiteral("SendButton"));
        QVERIFY(send);
        QVERIFY(send->isHidden());
        QVERIFY(b.band.findChild<QPushButton*>(QStringLiteral("PlanAddButton"))->isHidden());
        QVERIFY(!b.qr->isHidden());
    }

    void refusalsAreReportedInOrderBeforeTheCommand()
    {
        Band b;
        RecordingErrorBox errors;
        errors.watch(b.result);
        b.show("old");
        b.band.presentFresh({{"first", "second"}, std::nullopt}, errors);
        QCOMPARE(errors.messages(), (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
        QCOMPARE(errors.reports().front().fieldText, QString());
        QCOMPARE(b.result->text(), QString());
        QVERIFY(b.result->isEnabled());
    }
};

VELMORA_TEST_MAIN(DisplayBandTest)
#include "displayband_test.moc"
