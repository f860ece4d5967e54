#include "displayband.h"
#include "handoffwindows.h"
#include "modal.h"
#include "qrwindow.h"
#include "recordingerrorbox.h"
#include "testmain.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace velmora;
using velmora::test::ModalWatcher;

namespace {

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

class QrWindowTest : public QObject {
    Q_OBJECT

private slots:
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
        QWidget owner;
        test::RecordingErrorBox errors;
        HandoffWindows handoff(&owner, errors, std::nullopt);
        DisplayBand band({"Title", "Prompt", "Result"});
        band.setHandoff(&handoff);
        band.showCommand({"1234#TS#2#30#Test #1#", "Tytuł", "Wyślij"});
        QString decoded;
        ModalWatcher watcher([&](QWidget* shown) {
            auto* qrWindow = qobject_cast<QrWindow*>(shown);
            QVERIFY(qrWindow);
            auto* field = qrWindow->findChild<QLineEdit*>(QStringLiteral("QrNumber"));
            QVERIFY(field);
            field->setText(number);
            decoded = decodeShownQrCode(qrWindow);
        });
        band.findChild<QPushButton*>(QStringLiteral("QrButton"))->click();
        QCOMPARE(watcher.seen(), QStringList{QStringLiteral("QrWindow")});
        auto* window = owner.findChild<QrWindow*>();
        QVERIFY(window);
        QCOMPARE(window->payload(), payload);
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
};

VELMORA_TEST_MAIN(QrWindowTest)
#include "qrwindow_test.moc"
