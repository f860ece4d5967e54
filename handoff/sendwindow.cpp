#include "sendwindow.h"

#include "controls.h"
#include "keyboard.h"
#include "outbox.h"
#include "routebox.h"
#include "screenfit.h"
#include "sendquestions.h"
#include "smslogwindow.h"
#include "stagewords.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

// Without a route the command still reaches a phone by the band's other buttons.
const QString kMeanwhile = QStringLiteral("Do tego czasu polecenie przeniosą do telefonu przyciski „Kopiuj” i „Kod "
                                          "QR” na stronie, pod poleceniem.");

} // namespace

SendWindow::SendWindow(Outbox& outbox, SendQuestions& questions, QWidget* parent)
    : QDialog(parent), outbox_(outbox), title_(makeHeading(this, "SendTitle", QString(), 16)),
      text_(makeEdit(this, "SendText")),
      choice_(this, {"SendNumber", "SendRoute", "SendRescan"}, outbox.finder(), questions),
      confirm_(makeButton(this, "SendConfirm", QStringLiteral("Wyślij"),
                          QStringLiteral("Wysyła komendę na numer centrali wybraną drogą"))),
      status_(makeLabel(this, "SendStatus", QString()))
{
    setUpWindow(this, "SendWindow", QStringLiteral("Wysyłanie SMS do centrali"));

    // A long title wraps rather than widening the window.
    title_->setWordWrap(true);
    title_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    text_->setReadOnly(true);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setMinimumHeight(status_->fontMetrics().lineSpacing() * 3);
    QPushButton* log = makeButton(this, "SmsLogButton", QStringLiteral("Dziennik SMS"),
                                  QStringLiteral("Wszystkie wiadomości wysłane i odebrane od uruchomienia "
                                                 "programu"));
    QPushButton* close = makeButton(this, "SendClose", QStringLiteral("Zamknij"));

    auto* form = new QFormLayout;
    form->addRow(makeBuddy(this, QStringLiteral("&Komenda:"), text_), text_);
    choice_.addRows(form);
    QHBoxLayout* buttons = makeButtonRow({log}, {confirm_, close});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addLayout(form);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    setMinimumWidth(520);

    choice_.whenChanged(this, &SendWindow::updateConfirm);
    connect(confirm_, &QPushButton::clicked, this, &SendWindow::confirm);
    connect(log, &QPushButton::clicked, this, &SendWindow::showLog);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(&outbox_.finder(), &RouteFinder::routesChanged, this, &SendWindow::refreshRoutes);
    connect(&outbox_, &Outbox::progressed, this, &SendWindow::onProgress);
    connect(&outbox_, &Outbox::replyReceived, this, &SendWindow::onReply);
    updateConfirm();
    setUpKeyboard(this);
    fitToScreen(this);
}

void SendWindow::showFor(const QString& title, const QString& command)
{
    title_->setText(title);
    text_->setText(command);
    text_->setCursorPosition(0);
    ticket_.reset();
    onItsWay_ = false;
    progressLine_.clear();
    deliveryLine_.clear();
    replyLine_.clear();
    outbox_.start();
    refreshRoutes();
    choice_.numberField()->setFocus();
    exec();
}

void SendWindow::refreshRoutes()
{
    choice_.refreshRoutes();
    showStatus();
}

void SendWindow::updateConfirm()
{
    confirm_->setEnabled(!onItsWay_ && choice_.isComplete());
}

void SendWindow::confirm()
{
    if (onItsWay_ || !choice_.isComplete()) {
        return;
    }
    const ToSend command{title_->text(), text_->text()};
    const std::optional<Dispatch> dispatch = choice_.ask({&command, 1});
    if (!dispatch) {
        progressLine_ = QStringLiteral("Nie wysłano.");
        showStatus();
        return;
    }
    onItsWay_ = true;
    ticket_ = outbox_.send(dispatch->route, {dispatch->number, command.command, command.title}, dispatch->consented);
    progressLine_ = describeForWindow({SendProgress::Stage::Waiting});
    deliveryLine_.clear();
    updateConfirm();
    showStatus();
}

void SendWindow::onProgress(int ticket, const SendProgress& progress)
{
    if (ticket != ticket_) {
        return;
    }
    // A delivery report adds to "Wysłano …": when it went stays in view.
    if (progress.isFollowUp()) {
        deliveryLine_ = describeForWindow(progress);
        showStatus();
        return;
    }
    progressLine_ = describeForWindow(progress);
    if (progress.isFinal()) {
        onItsWay_ = false;
        updateConfirm();
    }
    showStatus();
}

void SendWindow::onReply(const IncomingSms& sms)
{
    replyLine_ = describeReply(sms, StagePlace::Window);
    showStatus();
}

void SendWindow::showStatus()
{
    QStringList lines;
    QString cause;
    if (!progressLine_.isEmpty()) {
        lines << progressLine_;
        if (!deliveryLine_.isEmpty()) {
            lines << deliveryLine_;
        }
    } else if (const RouteAbsence absence = choice_.absence(); !absence.text.isEmpty()) {
        lines << absence.text + QLatin1Char(' ') + kMeanwhile;
        cause = absence.cause;
    }
    if (!replyLine_.isEmpty()) {
        lines << replyLine_;
    }
    status_->setText(lines.join(QLatin1Char('\n')));
    status_->setToolTip(cause);
}

void SendWindow::showLog()
{
    if (logWindow_ == nullptr) {
        logWindow_ = new SmsLogWindow(outbox_.log(), this);
    }
    logWindow_->exec();
}

} // namespace velmora
