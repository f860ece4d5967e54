#pragma once

#include <QDialog>

class QAbstractItemModel;

namespace velmora {

// The list of every message sent and received in this run, newest at the bottom, growing while it is open.
class SmsLogWindow final : public QDialog {
    Q_OBJECT

public:
    explicit SmsLogWindow(QAbstractItemModel& log, QWidget* parent = nullptr);
};

} // namespace velmora
