#include "handoffwindows.h"

#include "controls.h"
#include "qrwindow.h"
#include "sendwindow.h"

namespace velmora {

HandoffWindows::HandoffWindows(QWidget* owner, std::optional<Sending> sending) : owner_(owner), sending_(sending) {}

void HandoffWindows::showQrCode(const QString& command)
{
    makeWindows();
    qrWindow_->showFor(command);
}

void HandoffWindows::send(const QString& command)
{
    makeWindows();
    if (sendWindow_ != nullptr) {
        sendWindow_->showFor(command);
    }
}

void HandoffWindows::makeWindows()
{
    if (qrWindow_ != nullptr) {
        return;
    }
    qrWindow_ = new QrWindow(owner_);
    if (!sending_) {
        return;
    }
    sendWindow_ = new SendWindow(sending_->outbox, sending_->questions, owner_);
    keepAlike(qrWindow_->numberField(), sendWindow_->numberField());
}

} // namespace velmora
