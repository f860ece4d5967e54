#include "usernumberspage.h"

#include "backbutton.h"
#include "checkboxrow.h"
#include "controls.h"
#include "fieldguard.h"
#include "frames.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace velmora {
namespace {

constexpr int kUsers = static_cast<int>(kPhoneUserCount);

// A mask row: five boxes without captions, "U1" ... "U5" under them.
CheckBoxRow* makeMaskRow(QWidget* parent, int firstBox, int firstLabel)
{
    return CheckBoxRow::numberedRow(QStringLiteral("U"), firstBox,
                                    CheckBoxRow::numbered(QStringLiteral("Label"), firstLabel, kUsers),
                                    CheckBoxRow::Choice::AnyNumber, parent);
}

// A refused press leaves the band as it was: only the boxes tell the user what is missing. The masks always
// compose.
constexpr Presentation kPresentation = Presentation::OverBand;

} // namespace

TForm3::TForm3(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : ComposingPage("TForm3",
                    QStringLiteral("WPROGRAMOWYWANIE USUWANIE NUMERÓW TELEFONÓW UŻYTKOWNIKÓW SYSTEMU DEFINIOWANIE "
                                   "MASKI SMS I RING"),
                    {"Label14", "Label27", "Edit6"}, std::move(iku), errors, parent)
{}

void TForm3::buildControls()
{
    smsMaskBoxes_ = makeMaskRow(this, 6, 15);
    ringMaskBoxes_ = makeMaskRow(this, 11, 20);
    auto* masks = new QVBoxLayout;
    masks->addWidget(makeGroup(
        this, "Bevel5",
        {makeHeading(this, "Label25", QStringLiteral("Definiowanie maski SMS")),
         makeLabel(this, "Label12", QStringLiteral("Maska SMS ustala do kogo mają być przesyłane SMS alarmowe")),
         smsMaskBoxes_,
         operation({"Button3", QStringLiteral("punkt 13.1. Ustawienie MASKI wysyłanych SMS"),
                    handler(&TForm3::Button3Click), kPresentation})}));
    masks->addWidget(
        makeGroup(this, "Bevel6",
                  {makeHeading(this, "Label26", QStringLiteral("Definiowanie maski RING")),
                   makeLabel(this, "Label28", QStringLiteral("Maska RING ustala do kogo ma być wykonywane dzwonienie")),
                   makeLabel(this, "Label29", QStringLiteral("po wystąpieniu alarmu")), ringMaskBoxes_,
                   operation({"Button4", QStringLiteral("punkt 13.2. Ustawienie Maski Głośnego Powiadomienia (RING)"),
                              handler(&TForm3::Button4Click), kPresentation})}));
    auto* groups = new QHBoxLayout;
    groups->addWidget(makeNumbersGroup(), 0, Qt::AlignTop);
    groups->addWidget(makeRemovalGroup(), 0, Qt::AlignTop);
    groups->addLayout(masks);

    layOut(groups, {band(), new BackButton(this, {"SpeedButton1", "Label13"})});

    for (CheckBoxRow* row : {removalBoxes_, smsMaskBoxes_, ringMaskBoxes_}) {
        connect(row, &CheckBoxRow::boxToggled, this, &TForm3::CheckBoxClick);
    }
}

QWidget* TForm3::makeNumbersGroup()
{
    auto* fields = new QWidget(this);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int user = 0; user < kUsers; ++user) {
        const QByteArray labelName = "Label" + QByteArray::number(user + 2);
        const QByteArray editName = "Edit" + QByteArray::number(user + 1);
        QLineEdit* edit = makeEdit(fields, editName.constData());
        addRow(grid, user,
               makeLabel(fields, labelName.constData(), QStringLiteral("Numer użytkownika %1").arg(user + 1)), edit);
        // Edit1Change ... Edit5Change
        new FieldGuard(edit, userNumberRule(), errors(), [this] { band()->clear(); });
        numberEdits_[static_cast<std::size_t>(user)] = edit;
    }
    return makeStack(
        this, "Bevel1",
        {makeGroup(
            this, "Bevel2",
            {makeHeading(this, "Label1", QStringLiteral("Wprogramowywanie numerów telofonów użytkowników")),
             makeLabel(this, "Label9", QStringLiteral("Pamiętaj, że numer telefonu powinien zawierać przedrostek ")),
             makeLabel(this, "Label10", QStringLiteral("międzynarodowy. Dla Polski jest to 48. Np. 48501123456")),
             fields,
             operation({"Button1", QStringLiteral("punkt 6.1. Wprowadzanie danych użytkowników systemu."),
                        handler(&TForm3::Button1Click), kPresentation})})});
}

QWidget* TForm3::makeRemovalGroup()
{
    QStringList captions;
    for (int user = 1; user <= kUsers; ++user) {
        captions << QStringLiteral("Usuń numer użytkownika %1").arg(user);
    }
    removalBoxes_ = new CheckBoxRow({CheckBoxRow::numbered(QStringLiteral("CheckBox"), 1, kUsers), captions, {}},
                                    CheckBoxRow::Choice::AnyNumber, CheckBoxRow::Look::CaptionsBeside, this);
    return makeStack(
        this, "Bevel3",
        {makeGroup(this, "Bevel4",
                   {makeHeading(this, "Label8", QStringLiteral("Usuwanie numerów użytkowników z systemu")),
                    removalBoxes_,
                    operation({"Button2", QStringLiteral("punkt 6.2. Usuwanie numerów telefonów użytkowników."),
                               handler(&TForm3::Button2Click), kPresentation})})});
}

void TForm3::FormActivate()
{
    smsMaskBoxes_->setAllTicked(true);
    ringMaskBoxes_->setAllTicked(true);
    band()->clear();
}

void TForm3::CheckBoxClick()
{
    band()->clear();
}

} // namespace velmora
