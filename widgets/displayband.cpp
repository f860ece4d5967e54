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
constexpr int kCopiedMilliseconds = 2000;

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

DisplayBand::DisplayBand(const Names& names, QWidget* parent)
    : QWidget(parent), title_(makeHeading(this, names.title, QString(), 16)),
      prompt_(makeHeading(this, names.prompt, QString(), 16)), result_(makeEdit(this, names.result)),
      copy_(makeComposeButton(this, "CopyButton",
                              QStringLiteral("Kopiuje treść komendy do schowka, aby wkleić ją w "
                                             "telefonie"),
                              kCopyCaption)),
      qr_(makeComposeButton(this, "QrButton",
                            QStringLiteral("Pokazuje komendę jako kod QR: zeskanowany telefonem "
                                           "otwiera SMS z gotową treścią"),
                            QStringLiteral("Kod QR"))),
      send_(makeComposeButton(this, "SendButton",
                              QStringLiteral("Wysyła komendę SMS-em do centrali: przez modem GSM podłączony do "
                                             "komputera albo przez telefon sparowany z komputerem"),
                              QStringLiteral("Wyślij"))),
      length_(new QLabel(this)), copiedShown_(new QTimer(this))
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
    reserveCaptions(copy_, {kCopyCaption, kCopiedCaption});
    copiedShown_->setSingleShot(true);
    copiedShown_->setInterval(kCopiedMilliseconds);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title_);
    layout->addWidget(prompt_);
    layout->addWidget(result_);
    auto* actionRow = new QHBoxLayout;
    actionRow->addWidget(copy_);
    actionRow->addWidget(qr_);
    actionRow->addWidget(send_);
    actionRow->addStretch();
    layout->addLayout(actionRow);
    layout->addWidget(length_);

    connect(result_, &QLineEdit::textChanged, this, &DisplayBand::onResultChanged);
    connect(copy_, &QPushButton::clicked, this, &DisplayBand::copyCommand);
    connect(copiedShown_, &QTimer::timeout, this, [this] { showCopyCaption(false); });
    connect(qr_, &QPushButton::clicked, this, &DisplayBand::showQrCode);
    connect(send_, &QPushButton::clicked, this, &DisplayBand::sendCommand);
}

void DisplayBand::setHandoff(CommandHandoff* handoff)
{
    handoff_ = handoff;
    send_->setVisible(handoff != nullptr && handoff->canSend());
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

void DisplayBand::present(const Outcome& outcome, ErrorBox& errors)
{
    for (const std::string& refusal : outcome.refusals) {
        errors.report(toQString(refusal));
    }
    if (outcome.command) {
        showCommand(*outcome.command);
    }
}

void DisplayBand::presentFresh(const Outcome& outcome, ErrorBox& errors)
{
    setResultEnabled(true);
    clear();
    present(outcome, errors);
}

void DisplayBand::onResultChanged(const QString& text)
{
    showCopyCaption(false);
    result_->setToolTip(text);
    copy_->setEnabled(!text.isEmpty());
    qr_->setEnabled(!text.isEmpty());
    send_->setEnabled(!text.isEmpty());
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
    showCopyCaption(true);
}

// The caption says for a moment that the command was copied; a screen reader reads the focused button's new name.
void DisplayBand::showCopyCaption(bool copied)
{
    copy_->setText(copied ? kCopiedCaption : kCopyCaption);
    if (copied) {
        copiedShown_->start();
    } else {
        copiedShown_->stop();
    }
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
        handoff_->send(result_->text());
    }
}

} // namespace velmora
