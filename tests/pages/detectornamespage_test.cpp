#include "detectornamespage.h"
#include "modal.h"
#include "recordingerrorbox.h"
#include "testmain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace velmora;
using velmora::test::ModalWatcher;
using velmora::test::RecordingErrorBox;

namespace {

const QString kPlainText = QStringLiteral("Treść nazwy czujki nie może zawierać polskich znaków i znaku:#");
const QString kNameTooLong = QStringLiteral("Definicja nazwy czujki nie może przekraczać 100 znaków");
const QString kHeaderTooLong = QStringLiteral("Definicja nazwy nagłówka komunikatu nie może przekraczać 50 znakow");
const QString kUnitPrompt = QStringLiteral("Wyślij do urządzenia SMS o treści:");

struct Fixture {
    RecordingErrorBox errors;
    std::string iku = "0123";
    TForm5 page{[this] { return iku; }, errors};
    QLabel* title = page.findChild<QLabel*>(QStringLiteral("Label13"));
    QLabel* prompt = page.findChild<QLabel*>(QStringLiteral("Label14"));
    QLineEdit* result = page.findChild<QLineEdit*>(QStringLiteral("Edit12"));

    template <typename T> T* get(const QString& name) const { return page.findChild<T*>(name); }
    QLineEdit* edit(const QString& name) const { return get<QLineEdit>(name); }
    QPushButton* button(const QString& name) const { return get<QPushButton>(name); }
    QCheckBox* box(int number) const { return get<QCheckBox>(QStringLiteral("CheckBox%1").arg(number)); }

    void open()
    {
        ModalWatcher watcher;
        page.showModally();
    }

    bool bandEmpty() const { return result->text().isEmpty() && title->text().isEmpty() && prompt->text().isEmpty(); }

    // A full band, so that emptying it shows.
    void composeHeader(const QString& header)
    {
        edit(QStringLiteral("Edit11"))->setText(header);
        button(QStringLiteral("Button3"))->click();
    }
};

// Types key by key; QTest::keyClicks knows only ASCII keys.
void type(QLineEdit* edit, const QString& text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

class DetectorNamesPageTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAsNamed()
    {
        Fixture f;
        QCOMPARE(f.page.objectName(), QStringLiteral("TForm5"));
        QCOMPARE(f.page.windowTitle(), QStringLiteral("DEFINIOWANIE NAZW CZUJEK I NAGŁÓWKA KOMUNIKATU"));
        const QStringList rowLabels{QStringLiteral("Label2"), QStringLiteral("Label3"), QStringLiteral("Label4"),
                                    QStringLiteral("Label5"), QStringLiteral("Label6"), QStringLiteral("Label7"),
                                    QStringLiteral("Label9"), QStringLiteral("Label8")};
        const QStringList boxLabels{QStringLiteral("Label10"), QStringLiteral("Label11"), QStringLiteral("Label16"),
                                    QStringLiteral("Label18"), QStringLiteral("Label19"), QStringLiteral("Label20"),
                                    QStringLiteral("Label21"), QStringLiteral("Label22")};
        const QStringList rowButtons{QStringLiteral("Button1"), QStringLiteral("Button4"), QStringLiteral("Button5"),
                                     QStringLiteral("Button6"), QStringLiteral("Button7"), QStringLiteral("Button8"),
                                     QStringLiteral("Button9"), QStringLiteral("Button10")};
        for (int i = 0; i < 8; ++i) {
            const QString number = QStringLiteral("C%1").arg(i + 1);
            QCOMPARE(f.get<QLabel>(rowLabels[i])->text(), number);
            QCOMPARE(f.get<QLabel>(boxLabels[i])->text(), number);
            QVERIFY(f.edit(QStringLiteral("Edit%1").arg(i + 1)));
            QVERIFY(f.box(i + 1));
            QCOMPARE(f.button(rowButtons[i])->text(), QStringLiteral("Treść SMS"));
            QCOMPARE(f.button(rowButtons[i])->toolTip(), QStringLiteral("punkt 8.4.1. Nadawanie opisów czujek"));
        }
        QCOMPARE(f.button(QStringLiteral("Button13"))->toolTip(), QStringLiteral("punkt 8.4.2 Usuwanie opisów czujek"));
        QCOMPARE(f.button(QStringLiteral("Button3"))->toolTip(),
                 QStringLiteral("punkt 15.1. Definiowanie nagłówka komunikatów SMS"));
        QCOMPARE(f.get<QLabel>(QStringLiteral("Label1"))->text(), QStringLiteral("Definiowanie nazw czujek"));
        QCOMPARE(f.get<QLabel>(QStringLiteral("Label17"))->text(), QStringLiteral("Usuwanie nazw czujek z systemu"));
        QCOMPARE(f.get<QLabel>(QStringLiteral("Label12"))->text(), QStringLiteral("Definiowanie nagłówka komunikatów"));
        QCOMPARE(f.get<QLabel>(QStringLiteral("Label15"))->text(), QStringLiteral("Wstecz"));
        QVERIFY(f.get<QToolButton>(QStringLiteral("SpeedButton1")));
        QVERIFY(f.title && f.prompt && f.result);
    }

    void composesEachRowWithItsPrompt_data()
    {
        QTest::addColumn<int>("detector");
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("C1") << 1 << QStringLiteral("Button1") << QStringLiteral("Wyslij SMS o treści:");
        QTest::newRow("C2") << 2 << QStringLiteral("Button4") << kUnitPrompt;
        QTest::newRow("C3") << 3 << QStringLiteral("Button5") << kUnitPrompt;
        QTest::newRow("C7") << 7 << QStringLiteral("Button9") << kUnitPrompt;
        QTest::newRow("C8") << 8 << QStringLiteral("Button10") << kUnitPrompt;
    }

    void composesEachRowWithItsPrompt()
    {
        QFETCH(int, detector);
        QFETCH(QString, buttonName);
        QFETCH(QString, prompt);
        Fixture f;
        f.open();
        f.edit(QStringLiteral("Edit%1").arg(detector))->setText(QStringLiteral(" Hol  {1} "));
        f.iku = "9876";
        QTest::mouseClick(f.button(buttonName), Qt::LeftButton);
        QCOMPARE(f.result->text(), QStringLiteral("9876#MCI#%1# Hol  {1} #").arg(detector));
        QCOMPARE(f.title->text(), QStringLiteral("Definiowanie nazwy czujki"));
        QCOMPARE(f.prompt->text(), prompt);
        QVERIFY(f.errors.reports().empty());
    }

    void anEmptyRowEmptiesTheBandSilently()
    {
        Fixture f;
        f.open();
        f.composeHeader(QStringLiteral("Dom"));
        f.edit(QStringLiteral("Edit2"))->setText(QStringLiteral("Hol"));
        QTest::mouseClick(f.button(QStringLiteral("Button1")), Qt::LeftButton);
        QVERIFY(f.bandEmpty());
        QVERIFY(f.result->isEnabled());
        QVERIFY(f.errors.reports().empty());
    }

    void textRules_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shownOver");
        QTest::addColumn<QString>("after");
        const QString name = QStringLiteral("Edit5");
        const QString header = QStringLiteral("Edit11");
        const QString hol = QStringLiteral("Hol");
        const QString a100(100, QLatin1Char('a'));
        const QString a50(50, QLatin1Char('a'));
        // The plain-text box is shown over the rejected text, the length box over the restored one.
        QTest::newRow("name ą") << name << hol << QStringLiteral("ą") << false << kPlainText << QStringLiteral("Holą")
                                << hol;
        QTest::newRow("name ~") << name << hol << QStringLiteral("~") << false << kPlainText << QStringLiteral("Hol~")
                                << hol;
        QTest::newRow("name #") << name << hol << QStringLiteral("#") << false << kPlainText << QStringLiteral("Hol#")
                                << hol;
        QTest::newRow("name }") << name << hol << QStringLiteral("}") << false << QString() << QString()
                                << QStringLiteral("Hol}");
        QTest::newRow("name 100") << name << QString() << a100 << true << QString() << QString() << a100;
        QTest::newRow("name 101") << name << a100 << QStringLiteral("b") << false << kNameTooLong << a100 << a100;
        QTest::newRow("name paste 150") << name << QString() << QString(150, QLatin1Char('x')) << true << kNameTooLong
                                        << QString() << QString();
        QTest::newRow("name paste several forbidden") << name << hol << QStringLiteral(" łąka #~ż") << true
                                                      << kPlainText << QStringLiteral("Hol łąka #~ż") << hol;
        QTest::newRow("header ą") << header << hol << QStringLiteral("ą") << false << kPlainText
                                  << QStringLiteral("Holą") << hol;
        QTest::newRow("header #") << header << hol << QStringLiteral("#") << false << kPlainText
                                  << QStringLiteral("Hol#") << hol;
        QTest::newRow("header }") << header << hol << QStringLiteral("}") << false << QString() << QString()
                                  << QStringLiteral("Hol}");
        QTest::newRow("header 50") << header << QString() << a50 << true << QString() << QString() << a50;
        QTest::newRow("header 51") << header << a50 << QStringLiteral("b") << false << kHeaderTooLong << a50 << a50;
    }

    void textRules()
    {
        QFETCH(QString, field);
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        QFETCH(QString, message);
        QFETCH(QString, shownOver);
        QFETCH(QString, after);
        Fixture f;
        f.open();
        QLineEdit* edit = f.edit(field);
        edit->setText(before);
        f.composeHeader(f.edit(QStringLiteral("Edit11"))->text());
        edit->setCursorPosition(static_cast<int>(edit->text().size()));
        f.errors.watch(edit);
        bool bandEmptyAtBox = false;
        f.errors.whileShown([&] { bandEmptyAtBox = f.bandEmpty(); });

        if (pasted) {
            edit->insert(typed);
        } else {
            type(edit, typed);
        }

        QCOMPARE(edit->text(), after);
        QVERIFY(f.bandEmpty());
        if (message.isEmpty()) {
            QVERIFY(f.errors.reports().empty());
            return;
        }
        QCOMPARE(f.errors.messages(), QStringList{message});
        QCOMPARE(f.errors.reports().front().fieldText, shownOver);
        QVERIFY(bandEmptyAtBox);
    }

    void nameRemoval_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QString>("message");
        QTest::newRow("all eight") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8} << QStringLiteral("0123#CIN#1#2#3#4#5#6#7#8#");
        QTest::newRow("seven") << QList<int>{8, 7, 6, 5, 3, 2, 1} << QStringLiteral("0123#CIN#1#2#3#5#6#7#8#");
        QTest::newRow("C5 and C2") << QList<int>{5, 2} << QStringLiteral("0123#CIN#2#5#");
    }

    void nameRemoval()
    {
        QFETCH(QList<int>, ticked);
        QFETCH(QString, message);
        Fixture f;
        f.open();
        for (const int number : ticked) {
            QTest::mouseClick(f.box(number), Qt::LeftButton, {}, QPoint(2, 2));
        }
        QTest::mouseClick(f.button(QStringLiteral("Button13")), Qt::LeftButton);
        QCOMPARE(f.result->text(), message);
        QCOMPARE(f.title->text(), QStringLiteral("Usuwanie nazw czujek"));
        QCOMPARE(f.prompt->text(), kUnitPrompt);
        QVERIFY(f.errors.reports().empty());
    }

    void nameRemovalWithNoneTickedIsRefusedOverAnEmptyBand()
    {
        Fixture f;
        f.open();
        f.composeHeader(QStringLiteral("Dom"));
        bool bandEmptyAtBox = false;
        f.errors.whileShown([&] { bandEmptyAtBox = f.bandEmpty(); });
        QTest::mouseClick(f.button(QStringLiteral("Button13")), Qt::LeftButton);
        QCOMPARE(f.errors.messages(),
                 QStringList{QStringLiteral("Wybierz co najmniej jedną nazwę czujki do usunięcia z systemu")});
        QVERIFY(bandEmptyAtBox);
        QVERIFY(f.bandEmpty());
        QVERIFY(f.result->isEnabled());
    }

    void header_data()
    {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QString() << QStringLiteral("0123#N##");
        QTest::newRow("blanks kept") << QStringLiteral(" Dom  Nowak ") << QStringLiteral("0123#N# Dom  Nowak #");
    }

    void header()
    {
        QFETCH(QString, header);
        QFETCH(QString, message);
        Fixture f;
        f.open();
        f.composeHeader(header);
        QCOMPARE(f.result->text(), message);
        QCOMPARE(f.title->text(), QStringLiteral("Definiowanie nagłówka komunikatów SMS"));
        QCOMPARE(f.prompt->text(), kUnitPrompt);
    }

    void actionsThatEmptyTheBand_data()
    {
        QTest::addColumn<int>("action");
        QTest::newRow("typing a name") << 0;
        QTest::newRow("typing the last name") << 1;
        QTest::newRow("typing the header") << 2;
        QTest::newRow("ticking a box") << 3;
        QTest::newRow("unticking a box") << 4;
        QTest::newRow("reopening") << 5;
    }

    void actionsThatEmptyTheBand()
    {
        QFETCH(int, action);
        Fixture f;
        f.open();
        f.edit(QStringLiteral("Edit1"))->setText(QStringLiteral("Hol"));
        f.edit(QStringLiteral("Edit8"))->setText(QStringLiteral("Salon"));
        f.box(6)->setChecked(true);
        f.composeHeader(QStringLiteral("Dom"));
        QVERIFY(!f.bandEmpty());

        switch (action) {
        case 0:
            QTest::keyClicks(f.edit(QStringLiteral("Edit3")), QStringLiteral("K"));
            break;
        case 1:
            QTest::keyClicks(f.edit(QStringLiteral("Edit8")), QStringLiteral("K"));
            break;
        case 2:
            QTest::keyClicks(f.edit(QStringLiteral("Edit11")), QStringLiteral("K"));
            break;
        case 3:
            QTest::mouseClick(f.box(2), Qt::LeftButton, {}, QPoint(2, 2));
            break;
        case 4:
            QTest::mouseClick(f.box(6), Qt::LeftButton, {}, QPoint(2, 2));
            break;
        default:
            f.open();
            break;
        }

        QVERIFY(f.bandEmpty());
        QVERIFY(f.result->isEnabled());
        QVERIFY(f.errors.reports().empty());
        // Nothing else on the page changes.
        QCOMPARE(f.edit(QStringLiteral("Edit1"))->text(), QStringLiteral("Hol"));
        QVERIFY(f.edit(QStringLiteral("Edit8"))->text().startsWith(QStringLiteral("Salon")));
        QVERIFY(f.edit(QStringLiteral("Edit11"))->text().startsWith(QStringLiteral("Dom")));
        QCOMPARE(f.box(6)->isChecked(), action != 4);
    }
};

VELMORA_TEST_MAIN(DetectorNamesPageTest)
#include "detectornamespage_test.moc"
