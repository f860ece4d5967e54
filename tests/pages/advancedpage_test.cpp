#include "advancedpage.h"
#include "modal.h"
#include "pagetest.h"
#include "recordingerrorbox.h"
#include "testmain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <array>
#include <memory>

using namespace velmora;
using velmora::test::ModalWatcher;
using velmora::test::RecordingErrorBox;

namespace {

const char* const kEntries[] = {"SpeedButton3", "SpeedButton4", "SpeedButton8", "SpeedButton5",
                                "SpeedButton6", "SpeedButton7", "SpeedButton9", "SpeedButton10"};

// Stands in for a configuration page and counts its activations.
class CountingPage final : public Page {
public:
    explicit CountingPage(const char* name) : Page(name, QString()) {}
    int activations = 0;

protected:
    void buildControls() override {}
    void FormActivate() override { ++activations; }
};

struct Fixture {
    RecordingErrorBox errors;
    std::array<std::unique_ptr<CountingPage>, 8> targets;
    std::unique_ptr<TForm12> page;
    QLineEdit* iku = nullptr;

    Fixture()
    {
        for (std::size_t i = 0; i < targets.size(); ++i) {
            targets[i] = std::make_unique<CountingPage>(kEntries[i]);
        }
        page = std::make_unique<TForm12>(errors, TForm12::Targets{targets[0].get(), targets[1].get(), targets[2].get(),
                                                                  targets[3].get(), targets[4].get(), targets[5].get(),
                                                                  targets[6].get(), targets[7].get()});
        iku = velmora::test::child<QLineEdit>(&velmora::test::built(*page), QStringLiteral("Edit1"));
        errors.watch(iku);
    }

    QPushButton* entry(const char* name) const
    {
        return velmora::test::child<QPushButton>(page.get(), QLatin1String(name));
    }
};

} // namespace

class AdvancedPageTest : public QObject {
    Q_OBJECT

private slots:
    // The rule's messages are the composer tests' business; here: the field is guarded, box before emptying.
    void aRefusedCodeIsEmptiedAfterTheBox()
    {
        Fixture f;
        QTest::keyClicks(f.iku, "12a");
        QCOMPARE(f.errors.messages(), QStringList{QStringLiteral("Kod IKU powinien zawierać tylko cyfry")});
        QCOMPARE(f.errors.reports().front().fieldText, QStringLiteral("12a"));
        QCOMPARE(f.iku->text(), QString());
    }

    void entriesRefuseUntilTheCodeIsWhole()
    {
        Fixture f;
        QTest::keyClicks(f.iku, "012");
        for (const char* name : kEntries) {
            f.errors.clear();
            QPushButton* button = f.entry(name);
            QCOMPARE(button->size(), QSize(49, 33));
            QTest::mouseClick(button, Qt::LeftButton);
            const QString expected = QLatin1String(name) == QLatin1String("SpeedButton8")
                                         ? QStringLiteral("Kod IKU powinien zawierac cztery cyfry")
                                         : QStringLiteral("Kod IKU powinien zawierać cztery cyfry");
            QCOMPARE(f.errors.messages(), QStringList{expected});
            QCOMPARE(f.iku->text(), QStringLiteral("012"));
        }
        for (const auto& target : f.targets) {
            QCOMPARE(target->activations, 0);
        }
    }

    void eachEntryOpensItsOwnPageOnceActivated()
    {
        Fixture f;
        QTest::keyClicks(f.iku, "0123");
        ModalWatcher watcher;
        for (std::size_t i = 0; i < std::size(kEntries); ++i) {
            QTest::mouseClick(f.entry(kEntries[i]), Qt::LeftButton);
            QCOMPARE(watcher.seen().size(), static_cast<qsizetype>(i + 1));
            QCOMPARE(watcher.seen().back(), QLatin1String(kEntries[i]));
            QCOMPARE(f.targets[i]->activations, 1);
        }
        QVERIFY(f.errors.reports().empty());
        QCOMPARE(f.page->ikuCode(), std::string("0123"));
    }

    void backButtonClosesWhateverTheFieldHolds()
    {
        Fixture f;
        f.page->show();
        QTest::keyClicks(f.iku, "12");
        auto* back = velmora::test::child<QToolButton>(f.page.get(), QStringLiteral("SpeedButton1"));
        QCOMPARE(back->size(), QSize(41, 41));
        QTest::mouseClick(back, Qt::LeftButton);
        QVERIFY(!f.page->isVisible());
        QCOMPARE(f.iku->text(), QStringLiteral("12"));
    }

    void captionAndNames()
    {
        Fixture f;
        QCOMPARE(f.page->objectName(), QStringLiteral("TForm12"));
        QCOMPARE(f.page->windowTitle(), QStringLiteral("ZAAWANSOWANE KONFIGUROWANIE SYSTEMU"));
    }
};

VELMORA_TEST_MAIN(AdvancedPageTest)
#include "advancedpage_test.moc"
