#include "controls.h"
#include "displayband.h"
#include "modal.h"
#include "qrwindow.h"
#include "recordingerrorbox.h"
#include "testmain.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace velmora;
using velmora::test::ModalWatcher;
using velmora::test::RecordingErrorBox;

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

// Decodes the QR code shown in the window with zbarimg, as a phone's scanner would read it.
QString decodeShownQrCode(QrWindow* window)
{
    auto* view = window->findChild<QrCodeView*>(QStringLiteral("QrCode"));
    if (view == nullptr) {
        return {};
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("code.png"));
    view->resize(400, 400);
    view->grab().save(file);
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), file});
    zbar.waitForFinished(20000);
    return QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
}

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

    void qrWindowCarriesTheCommandAsAnSmsToBeSent_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("payload");
        QTest::newRow("no number") << QString() << QStringLiteral("SMSTO::1234#TS#2#30#Test #1#");
        QTest::newRow("unit's number") << QStringLiteral("48601123456")
                                       << QStringLiteral("SMSTO:48601123456:1234#TS#2#30#Test #1#");
    }

    void qrWindowCarriesTheCommandAsAnSmsToBeSent()
    {
        QFETCH(QString, number);
        QFETCH(QString, payload);
        if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty()) {
            QFAIL("zbarimg (zbar-tools) is needed to read the QR code back");
        }
        Band b;
        QrWindow window;
        b.band.setQrWindow(&window);
        b.show("1234#TS#2#30#Test #1#");
        QString decoded;
        ModalWatcher watcher([&](QWidget* shown) {
            auto* qrWindow = qobject_cast<QrWindow*>(shown);
            QVERIFY(qrWindow);
            auto* field = qrWindow->findChild<QLineEdit*>(QStringLiteral("QrNumber"));
            QVERIFY(field);
            field->setText(number);
            decoded = decodeShownQrCode(qrWindow);
        });
        b.qr->click();
        QCOMPARE(watcher.seen(), QStringList{QStringLiteral("QrWindow")});
        QCOMPARE(window.payload(), payload);
        QCOMPARE(decoded, payload);
    }

    void numberFieldTakesDigitsOnlyAndKeepsThemForTheRun()
    {
        QrWindow window;
        auto* field = window.findChild<QLineEdit*>(QStringLiteral("QrNumber"));
        QVERIFY(field);
        QTest::keyClicks(field, QStringLiteral("+48 601a"));
        QCOMPARE(field->text(), QStringLiteral("48601"));
        ModalWatcher watcher;
        window.showFor(QStringLiteral("1234#S#"));
        window.showFor(QStringLiteral("1234#F#"));
        QCOMPARE(window.payload(), QStringLiteral("SMSTO:48601:1234#F#"));
    }

    void tooLongForAQrCodeSaysSo()
    {
        QrWindow window;
        ModalWatcher watcher;
        window.showFor(QString(3000, QLatin1Char('1')));
        auto* view = window.findChild<QrCodeView*>(QStringLiteral("QrCode"));
        QVERIFY(view);
        QVERIFY(view->matrix().isEmpty());
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
