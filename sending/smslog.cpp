#include "smslog.h"

#include "stagewords.h"

namespace velmora {

SmsLog::SmsLog(QObject* parent)
    : HeadedTable({QStringLiteral("Czas"), QStringLiteral("Kierunek"), QStringLiteral("Numer"), QStringLiteral("Treść"),
                   QStringLiteral("Stan"), QStringLiteral("Doręczenie")},
                  parent)
{}

int SmsLog::addOutgoing(const OutgoingSms& sms)
{
    append({QDateTime::currentDateTime(), true, sms.number, sms.text, describeForLog({}), {}, {}, {}});
    return static_cast<int>(entries_.size()) - 1;
}

void SmsLog::setProgress(int row, const SendProgress& progress)
{
    Entry& entry = entries_.at(static_cast<std::size_t>(row));
    if (progress.isFollowUp()) {
        entry.delivery = describeForLog(progress);
        entry.deliveryTechnical = progress.technical;
        emit dataChanged(index(row, Delivery), index(row, Delivery));
        return;
    }
    entry.time = progress.at;
    entry.state = describeForLog(progress);
    entry.technical = progress.technical;
    entry.delivery = describeAwaitedReport(progress);
    emit dataChanged(index(row, Time), index(row, Delivery));
}

void SmsLog::addIncoming(const IncomingSms& sms)
{
    append({sms.received, false, sms.number, sms.text, describeReply(sms, StagePlace::Log), {}, {}, {}});
}

void SmsLog::append(Entry entry)
{
    const int row = static_cast<int>(entries_.size());
    beginInsertRows({}, row, row);
    entries_.push_back(std::move(entry));
    endInsertRows();
}

int SmsLog::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant SmsLog::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const Entry& entry = entries_[static_cast<std::size_t>(index.row())];
    if (role == Qt::ToolTipRole) {
        return toolTip(entry, index.column());
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
    case Time:
        return clockTime(entry.time);
    case Direction:
        return entry.outgoing ? QStringLiteral("wysłany") : QStringLiteral("odebrany");
    case Number:
        return entry.number;
    case Text:
        return entry.text;
    case State:
        return entry.state;
    case Delivery:
        return entry.delivery;
    }
    return {};
}

// A text cut short in its column shows whole; the state and the delivery show the service's or the network's
// own words.
QVariant SmsLog::toolTip(const Entry& entry, int column)
{
    const QString tip = column == Text       ? entry.text
                        : column == State    ? entry.technical
                        : column == Delivery ? entry.deliveryTechnical
                                             : QString();
    return tip.isEmpty() ? QVariant() : tip;
}

} // namespace velmora
