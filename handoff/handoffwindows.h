#pragma once

#include "commandhandoff.h"

#include <optional>

class QWidget;

namespace velmora {

class Outbox;
class QrWindow;
class QuestionBox;
class SendWindow;

// What the windows need to send commands from the computer.
struct Sending {
    Outbox& outbox;
    QuestionBox& questions;
};

// One QR window and, with `sending`, one send window for every page. They share the unit's number, so it is
// typed once per run, in either.
class HandoffWindows final : public CommandHandoff {
public:
    // The windows are made as children of `owner`.
    HandoffWindows(QWidget* owner, std::optional<Sending> sending);

    // Makes the windows, once; handing a command on does it too.
    void makeWindows();

    void showQrCode(const QString& command) override;
    bool canSend() const override { return sending_.has_value(); }
    void send(const QString& command) override;

private:
    QWidget* owner_;
    std::optional<Sending> sending_;
    QrWindow* qrWindow_ = nullptr;
    SendWindow* sendWindow_ = nullptr;
};

} // namespace velmora
