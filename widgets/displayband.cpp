#include "displayband.h"

#include "commandhandoff.h"
#include "controls.h"
#include "errorbox.h"
#include "smslength.h"
#include "text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora {
namespace {

const QString kCopyCaption = QStringLiteral("Kopiuj");
const QString kCopiedCaption = QStringLiteral("Skopiowano");
const QString kAddedCaption = QStringLiteral("Dodano do planu (%1)");
constexpr int kMomentMilliseconds = 2000;

// Room for either caption, so that the row does not move when the caption changes.
void reserveCaptions(QPushButton* button, const QStringList& captions)
{
    int width = 0;
    for (const QString& caption : captions) {
        width = std::max(width, button->fontMetrics().horizontalAdvance(caption));
    }
    button->setMinimumWidth(button->sizeHint().width() - button->fontMetrics().horizontalAdvance(button->text()) +
                            width);
}

} // namespace

class DisplayBand::Momentary {
public:
    // `said` are the texts the caption may say: the button keeps room for the longest of them.
    Momentary(QPushButton* button, QObject* owner, const QStringList& said)
        : button_(button), caption_(button->text()), timer_(new QTimer(owner))
    {
        reserveCaptions(button, QStringList(said) << caption_);
        timer_->setSingleShot(true);
        timer_->setInterval(kMomentMilliseconds);
        QObject::connect(timer_, &QTimer::timeout, owner, [this] { end(); });
    }

    // A screen reader reads the focused button's new name.
    void say(const QString& text)
    {
        button_->setText(text);
        timer_->start();
    }

    void end()
    {
        button_->setText(caption_);
        timer_->stop();
    }

private:
    QPushButton* button_;
    QString caption_;
    QTimer* timer_;
};

DisplayBand::DisplayBand(const Names& names, QWidget* parent)
    : QWidget(parent), title_(makeHeading(this, names.title, QString(), 16)),
      prompt_(makeHeading(this, names.prompt, QString(), 16)), result_(makeEdit(this, names.result)),
      copy_(makeButton(this, "CopyButton", kCopyCaption,
                       QStringLiteral("Kopiuje treść komendy do schowka, aby wkleić ją w "
                                      "telefonie"))),
      qr_(makeButton(this, "QrButton", QStringLiteral("Kod QR"),
                     QStringLiteral("Pokazuje komendę jako kod QR: zeskanowany telefonem "
                                    "otwiera SMS z gotową treścią"))),
      send_(makeButton(this, "SendButton", QStringLiteral("Wyślij"),
                       QStringLiteral("Wysyła komendę SMS-em do centrali: przez modem GSM podłączony do "
                                      "komputera albo przez telefon sparowany z komputerem"))),
      addToPlan_(makeButton(this, "PlanAddButton", QStringLiteral("Do planu"),
                            QStringLiteral("Dodaje komendę do planu wysyłki, który wysyła komendy do centrali "
                                           "po kolei"))),
      length_(new QLabel(this)), copied_(std::make_unique<Momentary>(copy_, this, QStringList{kCopiedCaption})),
      added_(std::make_unique<Momentary>(addToPlan_, this, QStringList{kAddedCaption.arg(999)}))
{
    result_->setReadOnly(true);
    result_->setAccessibleName(QStringLiteral("Treść komendy SMS"));
    setPixelSize(result_, 16);
    setTextColour(result_, Qt::black, QPalette::Text);

    // The band keeps its height as its texts come and go, and a long title never widens the page.
    for (QLabel* label : {title_, prompt_, length_}) {
        reserveRoom(label);
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    length_->setObjectName(QStringLiteral("SmsLength"));
    length_->setWordWrap(true);
    copy_->setEnabled(false);
    qr_->setEnabled(false);
    send_->setEnabled(false);
    send_->hide();
    addToPlan_->setEnabled(false);
    addToPlan_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title_);
    layout->addWidget(prompt_);
    layout->addWidget(result_);
    auto* actionRow = new QHBoxLayout;
    actionRow->addWidget(copy_);
    actionRow->addWidget(qr_);
    actionRow->addWidget(send_);
    actionRow->addWidget(addToPlan_);
    actionRow->addStretch();
    layout->addLayout(actionRow);
    layout->addWidget(length_);

    connect(result_, &QLineEdit::textChanged, this, &DisplayBand::onResultChanged);
    connect(copy_, &QPushButton::clicked, this, &DisplayBand::copyCommand);
    connect(qr_, &QPushButton::clicked, this, &DisplayBand::showQrCode);
    connect(send_, &QPushButton::clicked, this, &DisplayBand::sendCommand);
    connect(addToPlan_, &QPushButton::clicked, this, &DisplayBand::addToPlan);
}

DisplayBand::~DisplayBand() = default;

void DisplayBand::setHandoff(CommandHandoff* handoff)
{
    handoff_ = handoff;
    const bool canSend = handoff != nullptr && handoff->canSend();
    send_->setVisible(canSend);
    addToPlan_->setVisible(canSend);
}

void DisplayBand::clear()
{
    clearResult();
    clearTitle();
    clearPrompt();
}

void DisplayBand::clearTitle()
{
    title_->clear();
}

void DisplayBand::clearPrompt()
{
    prompt_->clear();
}

void DisplayBand::clearResult()
{
    result_->clear();
}

void DisplayBand::setResultEnabled(bool enabled)
{
    result_->setEnabled(enabled);
}

void DisplayBand::showCommand(const Command& command)
{
    result_->setText(toQString(command.message));
    result_->setCursorPosition(0);
    prompt_->setText(toQString(command.prompt));
    title_->setText(toQString(command.title));
}

void DisplayBand::present(const Outcome& outcome, ErrorBox& errors, Presentation presentation)
{
    const bool enablingFirst = presentation == Presentation::Fresh || presentation == Presentation::OverBand;
    if (enablingFirst) {
        setResultEnabled(true);
    }
    if (presentation == Presentation::Fresh || presentation == Presentation::FreshEnablingLast) {
        clear();
    } else if (presentation == Presentation::KeepingResultEnablingLast && !outcome.command) {
        clearPrompt();
        clearTitle();
    }
    for (const std::string& refusal : outcome.refusals) {
        errors.report(toQString(refusal));
    }
    if (outcome.command) {
        showCommand(*outcome.command);
    }
    if (!enablingFirst) {
        setResultEnabled(true);
    }
}

void DisplayBand::presentFresh(const Outcome& outcome, ErrorBox& errors)
{
    present(outcome, errors, Presentation::Fresh);
}

void DisplayBand::onResultChanged(const QString& text)
{
    copied_->end();
    added_->end();
    result_->setToolTip(text);
    for (QPushButton* button : {copy_, qr_, send_, addToPlan_}) {
        button->setEnabled(!text.isEmpty());
    }
    if (text.isEmpty()) {
        length_->clear();
        return;
    }
    const SmsLength length = measureSms(toUtf8(text));
    length_->setText(toQString(describeSmsLength(length)));
    setTextColour(length_, length.isWarning() ? kRed : palette().color(QPalette::WindowText));
}

void DisplayBand::copyCommand()
{
    QGuiApplication::clipboard()->setText(result_->text());
    copied_->say(kCopiedCaption);
}

void DisplayBand::showQrCode()
{
    if (handoff_ != nullptr) {
        handoff_->showQrCode(result_->text());
    }
}

void DisplayBand::sendCommand()
{
    if (handoff_ != nullptr && handoff_->canSend()) {
        handoff_->send(title_->text(), result_->text());
    }
}

void DisplayBand::addToPlan()
{
    if (handoff_ == nullptr || !handoff_->canSend()) {
        return;
    }
    if (const int count = handoff_->addToPlan(title_->text(), result_->text()); count > 0) {
        added_->say(kAddedCaption.arg(count));
    }
}

} // namespace velmora
