#include "mainpage.h"
#include "picturebox.h"
#include "testmain.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

using namespace velmora;

class MainPageTest : public QObject {
    Q_OBJECT

private slots:
    void theTwoChoicesOpenDifferentPages()
    {
        QStringList opened;
        TForm1 page({[&] { opened << QStringLiteral("first start"); }, [&] { opened << QStringLiteral("advanced"); }});
        auto* left = page.findChild<QPushButton*>(QStringLiteral("Button3"));
        auto* right = page.findChild<QPushButton*>(QStringLiteral("Button2"));
        QVERIFY(left && right);
        QCOMPARE(left->text(), QStringLiteral("DALEJ"));
        QTest::mouseClick(left, Qt::LeftButton);
        QTest::mouseClick(right, Qt::LeftButton);
        QCOMPARE(opened, (QStringList{QStringLiteral("first start"), QStringLiteral("advanced")}));
    }

    void sampleButtonStaysDisabled()
    {
        TForm1 page({[] {}, [] {}});
        auto* sample = page.findChild<QPushButton*>(QStringLiteral("Button1"));
        QVERIFY(sample);
        QCOMPARE(sample->text(), QStringLiteral("Treść SMS "));
        QVERIFY(!sample->isEnabled());
    }

    void onlyTheExitPictureClosesTheProgram()
    {
        TForm1 page({[] {}, [] {}});
        QCOMPARE(page.windowTitle(), QStringLiteral("Velmora SMS  Tarvik SMS"));
        QCOMPARE(page.objectName(), QStringLiteral("TForm1"));
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));

        auto* label = page.findChild<QLabel*>(QStringLiteral("Label5"));
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("Wyjście"));
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(page.isVisible());

        auto* exit = page.findChild<PictureButton*>(QStringLiteral("Image2"));
        QVERIFY(exit);
        QTest::mouseClick(exit, Qt::LeftButton);
        QVERIFY(!page.isVisible());
    }

    void picturesAreScaledIntoTheirBoxes()
    {
        TForm1 page({[] {}, [] {}});
        auto* logo = page.findChild<PictureBox*>(QStringLiteral("Image1"));
        auto* exit = page.findChild<PictureButton*>(QStringLiteral("Image2"));
        QVERIFY(logo && exit);
        QCOMPARE(logo->size(), QSize(297, 185));
        QCOMPARE(exit->size(), QSize(65, 57));
        // 300 by 185 into 297 by 185 keeps the proportions: the width decides.
        QCOMPARE(logo->pixmap().size(), QSize(297, 183));
        QCOMPARE(exit->picture().size(), QSize(60, 57));
    }

    void textsAreExact()
    {
        TForm1 page({[] {}, [] {}});
        const QList<QPair<QString, QString>> texts = {
            {QStringLiteral("Label8"), QStringLiteral("Drogi użytkowniku!")},
            {QStringLiteral("Label10"), QStringLiteral("Wybierz opcję z dostępnych poniżej")},
            {QStringLiteral("Label11"), QStringLiteral("1. Chcę kontynuować pierwszą  instalację systemu")},
            {QStringLiteral("Label12"), QStringLiteral("Zapoznałem się z instrukcją obsługi")},
            {QStringLiteral("Label13"), QStringLiteral("2. Chcę zapoznać się z dodatkowymi ")},
            {QStringLiteral("Label14"), QStringLiteral("możliwościami konfiguracji systemu")},
            {QStringLiteral("Label2"), QStringLiteral("Przy pracy z programem zaleca się korzystanie z instrukcji "
                                                      "obsługi. Po przytrzymaniu myszy ")},
            {QStringLiteral("Label6"), QStringLiteral("nad przyciskami :")},
            {QStringLiteral("Label7"),
             QStringLiteral("wskazany jest odnośnik od instrukcji obsługi z opisem danego zagadnienia")},
        };
        for (const auto& [name, text] : texts) {
            auto* label = page.findChild<QLabel*>(name);
            QVERIFY2(label, qPrintable(name));
            QCOMPARE(label->text(), text);
        }
    }
};

VELMORA_TEST_MAIN(MainPageTest)
#include "mainpage_test.moc"
