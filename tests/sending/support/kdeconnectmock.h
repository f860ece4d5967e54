#pragma once

#include "ownedprocess.h"

#include <QDBusConnection>
#include <QList>
#include <QString>
#include <QVariantList>
#include <optional>

namespace velmora::test {

// The KDE Connect daemon as python-dbusmock stands in for it on the private session bus (the template
// kdeconnect_mock.py): paired phones in reach, their SMS plugins, the messages they forward. What the daemon
// would hand a phone is recorded and read back.
class KdeConnectMock {
public:
    // What one sendSms call carried.
    struct Sent {
        QString addressForm; // "(s)" when the address is a structure of one string, as KDE Connect reads it
        QString address;
        QString text;
        int attachments = 0;
        qint64 simCard = 0;
    };

    explicit KdeConnectMock(QString logFile);

    // Starts the daemon on the bus `connection` reaches and waits until it owns its name.
    bool start(const QDBusConnection& connection);
    void stop();
    QString errorString() const { return error_; }
    QString log() const { return process_.log(); }

    // A paired phone comes into reach, its SMS plugin on or off; the daemon announces it.
    bool addPhone(const QString& id, const QString& name, bool sms = true);
    // The phone goes out of reach, and the daemon says so.
    bool dropPhone(const QString& id);
    // The phone's objects go before the daemon's list notices, as when it leaves the network mid-way.
    bool vanishPhone(const QString& id);
    // The phone's SMS plugin is switched on, and nothing announces it.
    bool switchSmsOnQuietly(const QString& id);
    // From now on, sendSms through the phone fails with this D-Bus error, or answers only after `seconds`.
    bool refuseSends(const QString& id, const QString& errorName, const QString& message);
    bool delaySends(const QString& id, int seconds);
    // The phone forwards a message it received (from `sender`) or one it sent.
    bool forward(const QString& id, const QString& sender, const QString& text, qint64 dateMs, bool received = true);

    // Every sendSms through the phone so far, in order.
    std::optional<QList<Sent>> sent(const QString& id);

private:
    std::optional<QDBusMessage> steer(const QString& method, const QVariantList& arguments);

    OwnedProcess process_;
    QDBusConnection connection_{QString()};
    QString error_;
};

} // namespace velmora::test
