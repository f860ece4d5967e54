#pragma once

#include "headedtable.h"
#include "sms.h"

#include <vector>

namespace velmora {

// Every message sent or received in this run, one row each, oldest first: time, direction, number, text, state
// and, for a message sent, whether it was delivered. Lives only as long as the program: nothing is written
// anywhere.
class SmsLog final : public HeadedTable {
    Q_OBJECT

public:
    enum Column { Time, Direction, Number, Text, State, Delivery, ColumnCount };

    explicit SmsLog(QObject* parent = nullptr);

    // Adds a message on its way; returns its row for the progress that follows.
    int addOutgoing(const OutgoingSms& sms);
    // A follow-up changes only the delivery column: the row keeps when and how the message went.
    void setProgress(int row, const SendProgress& progress);
    void addIncoming(const IncomingSms& sms);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    struct Entry {
        QDateTime time;
        bool outgoing;
        QString number;
        QString text;
        QString state;
        QString technical;
        QString delivery;
        QString deliveryTechnical;
    };

    void append(Entry entry);
    static QVariant toolTip(const Entry& entry, int column);

    std::vector<Entry> entries_;
};

} // namespace velmora
