#include "modal.h"
#include "sendquestions.h"
#include "testmain.h"

#include <QMessageBox>
#include <QPushButton>

using namespace velmora;
using namespace velmora::test;

namespace {

const QString kQuestion = QStringLiteral("Centrala usunie z systemu wszystkie piloty: trzeba je będzie wprogramować od "
                                         "nowa.\n\nWysłać to polecenie do centrali?");

} // namespace

// The question before a command that wipes a unit names the act on its buttons, and a hurried Enter answers the
// safe way.
class SendQuestionsTest : public QObject {
    Q_OBJECT

private slots:
    void asksWithSendAndCancelCancelTheDefault_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<bool>("sent");
        QTest::newRow("Enter") << QStringLiteral("Enter") << false;
        QTest::newRow("Escape") << QStringLiteral("Escape") << false;
        QTest::newRow("Anuluj") << QStringLiteral("Anuluj") << false;
        QTest::newRow("Wyślij") << QStringLiteral("Wyślij") << true;
    }

    void asksWithSendAndCancelCancelTheDefault()
    {
        QFETCH(QString, press);
        QFETCH(bool, sent);
        QStringList buttons;
        QString text;
        QString title;
        QString defaultButton;
        ModalWatcher watcher([&](QWidget* shown) {
            auto* box = qobject_cast<QMessageBox*>(shown);
            QVERIFY(box != nullptr);
            text = box->text();
            title = box->windowTitle();
            defaultButton = box->defaultButton() != nullptr ? box->defaultButton()->text() : QString();
            for (QAbstractButton* button : box->buttons()) {
                buttons << button->text();
            }
            if (press == QStringLiteral("Enter")) {
                QTest::keyClick(box, Qt::Key_Return);
            } else if (press == QStringLiteral("Escape")) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                for (QAbstractButton* button : box->buttons()) {
                    if (button->text() == press) {
                        button->click();
                    }
                }
            }
        });
        ModalSendQuestions questions;
        QCOMPARE(questions.confirmSending(kQuestion), sent);
        QCOMPARE(watcher.seen(), QStringList{QStringLiteral("SendQuestion")});
        QCOMPARE(text, kQuestion);
        QCOMPARE(title, QStringLiteral("Pytanie"));
        buttons.sort();
        QCOMPARE(buttons, (QStringList{QStringLiteral("Anuluj"), QStringLiteral("Wyślij")}));
        QCOMPARE(defaultButton, QStringLiteral("Anuluj"));
    }
};

VELMORA_TEST_MAIN(SendQuestionsTest)
#include "sendquestions_test.moc"
