#include "usernumberspage.h"

#include "backbutton.h"
#include "checkboxrow.h"
#include "controls.h"
#include "displayband.h"
#include "errorbox.h"
#include "fieldguard.h"
#include "text.h"
#include "usernumbers.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {
namespace {

constexpr int kUsers = static_cast<int>(kPhoneUserCount);

// A raised bevel around an inner frame that holds the group's controls.
QFrame* makeFramedGroup(QWidget* parent, const char* outerName, const char* innerName,
                        std::initializer_list<QWidget*> content)
{
    QFrame* outer = makeBevel(parent, outerName);
    auto* layout = new QVBoxLayout(outer);
    layout->addWidget(makeGroup(outer, innerName, content));
    return outer;
}

// A mask row: five boxes without captions, "U1" ... "U5" under them.
CheckBoxRow* makeMaskRow(QWidget* parent, int firstBox, int firstLabel)
{
    return CheckBoxRow::numberedRow(QStringLiteral("U"), firstBox,
                                    CheckBoxRow::numbered(QStringLiteral("Label"), firstLabel, kUsers),
                                    CheckBoxRow::Choice::AnyNumber, parent);
}

} // namespace

TForm3::TForm3(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : Page("TForm3",
           QStringLiteral(
               "WPROGRAMOWYWANIE USUWANIE NUMERÓW TELEFONÓW UŻYTKOWNIKÓW SYSTEMU DEFINIOWANIE MASKI SMS I RING"),
           parent),
      iku_(std::move(iku)), errors_(errors)
{}

void TForm3::buildControls()
{
    band_ = new DisplayBand({"Label14", "Label27", "Edit6"}, this);
    auto* masks = new QVBoxLayout;
    masks->addWidget(makeSmsMaskGroup());
    masks->addWidget(makeRingMaskGroup());
    auto* groups = new QHBoxLayout;
    groups->addWidget(makeNumbersGroup(), 0, Qt::AlignTop);
    groups->addWidget(makeRemovalGroup(), 0, Qt::AlignTop);
    groups->addLayout(masks);

    layOut(groups, {band_, new BackButton(this, {"SpeedButton1", "Label13"})});

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
        new FieldGuard(edit, userNumberRule(), errors_, [this] { band_->clear(); });
        numberEdits_[static_cast<std::size_t>(user)] = edit;
    }
    auto* compose =
        makeComposeButton(this, "Button1", QStringLiteral("punkt 6.1. Wprowadzanie danych użytkowników systemu."));
    connect(compose, &QPushButton::clicked, this, &TForm3::Button1Click);
    return makeFramedGroup(
        this, "Bevel1", "Bevel2",
        {makeHeading(this, "Label1", QStringLiteral("Wprogramowywanie numerów telofonów użytkowników")),
         makeLabel(this, "Label9", QStringLiteral("Pamiętaj, że numer telefonu powinien zawierać przedrostek ")),
         makeLabel(this, "Label10", QStringLiteral("międzynarodowy. Dla Polski jest to 48. Np. 48501123456")), fields,
         compose});
}

QWidget* TForm3::makeRemovalGroup()
{
    QStringList captions;
    for (int user = 1; user <= kUsers; ++user) {
        captions << QStringLiteral("Usuń numer użytkownika %1").arg(user);
    }
    removalBoxes_ = new CheckBoxRow({CheckBoxRow::numbered(QStringLiteral("CheckBox"), 1, kUsers), captions, {}},
                                    CheckBoxRow::Choice::AnyNumber, CheckBoxRow::Look::CaptionsBeside, this);
    auto* compose =
        makeComposeButton(this, "Button2", QStringLiteral("punkt 6.2. Usuwanie numerów telefonów użytkowników."));
    connect(compose, &QPushButton::clicked, this, &TForm3::Button2Click);
    return makeFramedGroup(this, "Bevel3", "Bevel4",
                           {makeHeading(this, "Label8", QStringLiteral("Usuwanie numerów użytkowników z systemu")),
                            removalBoxes_, compose});
}

QWidget* TForm3::makeSmsMaskGroup()
{
    smsMaskBoxes_ = makeMaskRow(this, 6, 15);
    auto* compose = makeComposeButton(this, "Button3", QStringLiteral("punkt 13.1. Ustawienie MASKI wysyłanych SMS"));
    connect(compose, &QPushButton::clicked, this, &TForm3::Button3Click);
    return makeGroup(
        this, "Bevel5",
        {makeHeading(this, "Label25", QStringLiteral("Definiowanie maski SMS")),
         makeLabel(this, "Label12", QStringLiteral("Maska SMS ustala do kogo mają być przesyłane SMS alarmowe")),
         smsMaskBoxes_, compose});
}

QWidget* TForm3::makeRingMaskGroup()
{
    ringMaskBoxes_ = makeMaskRow(this, 11, 20);
    auto* compose = makeComposeButton(this, "Button4",
                                      QStringLiteral("punkt 13.2. Ustawienie Maski Głośnego Powiadomienia (RING)"));
    connect(compose, &QPushButton::clicked, this, &TForm3::Button4Click);
    return makeGroup(
        this, "Bevel6",
        {makeHeading(this, "Label26", QStringLiteral("Definiowanie maski RING")),
         makeLabel(this, "Label28", QStringLiteral("Maska RING ustala do kogo ma być wykonywane dzwonienie")),
         makeLabel(this, "Label29", QStringLiteral("po wystąpieniu alarmu")), ringMaskBoxes_, compose});
}

void TForm3::FormActivate()
{
    smsMaskBoxes_->setAllTicked(true);
    ringMaskBoxes_->setAllTicked(true);
    band_->clear();
}

// A refused press leaves the band as it was: only the boxes tell the user what is missing.
void TForm3::Button1Click()
{
    UserNumbers numbers;
    for (std::size_t user = 0; user < kPhoneUserCount; ++user) {
        numbers[user] = toUtf8(numberEdits_[user]->text());
    }
    band_->setResultEnabled(true);
    band_->present(composeUserNumbers(iku_(), numbers), errors_);
}

void TForm3::Button2Click()
{
    band_->setResultEnabled(true);
    band_->present(composeUserNumbersRemoval(iku_(), removalBoxes_->ticks()), errors_);
}

void TForm3::Button3Click()
{
    band_->setResultEnabled(true);
    band_->showCommand(composeSmsMask(iku_(), smsMaskBoxes_->ticks()));
}

void TForm3::Button4Click()
{
    band_->setResultEnabled(true);
    band_->showCommand(composeRingMask(iku_(), ringMaskBoxes_->ticks()));
}

void TForm3::CheckBoxClick()
{
    band_->clear();
}

} // namespace velmora
