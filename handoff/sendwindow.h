#pragma once

#include "sendchoice.h"
#include "sms.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class Outbox;
class SendQuestions;
class SmsLogWindow;

// Sends a composed command to the alarm unit's SIM card by one of the routes found (a modem or a phone), and
// follows it: waiting, sending, sent or why not, then what the network's delivery report says. Nothing is lost on
// failure: the command stays on its page.
class SendWindow final : public QDialog {
    Q_OBJECT

public:
    SendWindow(Outbox& outbox, SendQuestions& questions, QWidget* parent = nullptr);

    // Shows the window modally for this command, under its operation's title; returns when it is closed. The first
    // showing starts the search for routes.
    void showFor(const QString& title, const QString& command);

    // The unit's number, digits only.
    QLineEdit* numberField() const { return choice_.numberField(); }

private:
    void refreshRoutes();
    void updateConfirm();
    void confirm();
    void onProgress(int ticket, const SendProgress& progress);
    void onReply(const IncomingSms& sms);
    void showStatus();
    void showLog();

    Outbox& outbox_;
    QLabel* title_;
    QLineEdit* text_;
    SendChoice choice_;
    QPushButton* confirm_;
    QLabel* status_;
    std::optional<int> ticket_;
    bool onItsWay_ = false;
    QString progressLine_;
    QString deliveryLine_;
    QString replyLine_;
    SmsLogWindow* logWindow_ = nullptr;
};

} // namespace velmora
