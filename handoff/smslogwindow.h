#pragma once

#include <QDialog>

namespace velmora {

class SmsLog;

// The list of every message sent and received in this run, newest at the bottom, growing while it is open. A
// message's state and delivery stay in view beside its text, however long.
class SmsLogWindow final : public QDialog {
    Q_OBJECT

public:
    explicit SmsLogWindow(SmsLog& log, QWidget* parent = nullptr);
};

} // namespace velmora
