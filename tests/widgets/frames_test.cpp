#include "checkboxrow.h"
#include "controls.h"
#include "frames.h"
#include "keyboard.h"
#include "testmain.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace velmora;

class FramesTest : public QObject {
    Q_OBJECT

private slots:
    // The caption names what a screen reader would otherwise read without context.
    void aGroupIsNamedAfterItsCaption()
    {
        QWidget page;
        auto* row = new CheckBoxRow({{QStringLiteral("CheckBox1"), QStringLiteral("CheckBox2")},
                                     {QStringLiteral("P1"), QStringLiteral("P2")},
                                     {QStringLiteral("Label2"), QStringLiteral("Label3")}},
                                    CheckBoxRow::Choice::AnyNumber);
        QLineEdit* field = makeEdit(&page, "Edit1");
        QPushButton* button = makeComposeButton(&page, "Button1", QString());
        QLabel* caption = makeLabel(&page, "Label1", QStringLiteral("Usuwanie pilotów z systemu"));
        const QFrame* group = makeGroup(&page, "Bevel1", {caption, row, field, button});
        QCOMPARE(group->objectName(), QStringLiteral("Bevel1"));
        QCOMPARE(row->box(1)->accessibleName(), QStringLiteral("Usuwanie pilotów z systemu, P2"));
        QCOMPARE(button->accessibleName(), QStringLiteral("Treść SMS: Usuwanie pilotów z systemu"));
        QCOMPARE(caption->buddy(), field);
        QCOMPARE(button->parent(), group);
    }

    // The rows' fields come before the button at the end of the last row, for the eye and for Tab.
    void aHeadedGroupsButtonEndsItsRow()
    {
        QWidget page;
        const HeadedGroup group =
            makeHeadedGroup(&page, "Bevel2", makeLabel(&page, "Label1", QStringLiteral("Aktywacja CLIP")));
        QPushButton* button = makeComposeButton(&page, "Button2", QString());
        group.addButton(button, 1);
        QLineEdit* index = makeEdit(&page, "Edit4");
        QLineEdit* period = makeEdit(&page, "Edit5");
        addRow(group.rows, 0, makeLabel(&page, "Label5", QStringLiteral("Index")), index);
        addRow(group.rows, 1, makeLabel(&page, "Label6", QStringLiteral("Okres")), period);
        auto* layout = new QVBoxLayout(&page);
        layout->addWidget(makeStack(&page, "Bevel1", {group.frame}));

        QCOMPARE(setUpKeyboard(&page), (QList<QWidget*>{index, period, button}));
        QCOMPARE(button->accessibleName(), QStringLiteral("Treść SMS: Aktywacja CLIP"));
        QCOMPARE(button->parent(), group.frame);
        QCOMPARE(group.frame->parent(), page.findChild<QFrame*>(QStringLiteral("Bevel1")));
    }
};

VELMORA_TEST_MAIN(FramesTest)
#include "frames_test.moc"
