#pragma once

#include "atdialogue.h"
#include "pducodec.h"

#include <QDateTime>
#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QPointer>
#include <optional>

namespace velmora::test {

// A GSM modem that ModemManager reaches through an abstract Unix socket ("abstract:<name>" in
// org.freedesktop.ModemManager1.Test.SetProfile). It runs in the test's own thread and answers from its
// event loop, so it keeps serving while a test waits with QSignalSpy::wait or QTRY_*; a test steers it
// between steps and checks what it received.
class SimulatedModem final : public QObject {
    Q_OBJECT

public:
    explicit SimulatedModem(QString socketName, ModemProfile profile = {}, QObject* parent = nullptr);
    ~SimulatedModem() override;

    // Starts accepting ModemManager's connections; false, with errorString(), when the name is taken.
    bool listen();
    QString errorString() const { return server_.errorString(); }

    // The port as ModemManager names it: "abstract:" and the socket name.
    QString port() const;
    const ModemProfile& profile() const { return profile_; }
    // Whether ModemManager holds the port open now (it closes it while the modem is disabled).
    bool isConnected() const { return connection_ != nullptr; }

    // Steering. The next message sent is refused with "+CMS ERROR: <cmsError>".
    void refuseNextSend(int cmsError);
    // The next message sent is never answered; ModemManager's Send stays pending (for minutes).
    void ignoreNextSend();
    // The next message sent is answered only on releaseHeldSend(), as a modem on a slow network.
    void holdNextSend();
    void releaseHeldSend();
    // Closes the port and stops listening, as an unplugged modem. ModemManager sees the port hang up
    // but keeps the modem until it is told the device is gone (ModemTestBench::unplugModem).
    void disappear();
    // A message from `originator` arrives: stored in "SM" and announced with +CMTI when the port is open
    // (otherwise ModemManager finds it with AT+CMGL when it enables the modem).
    void deliverSms(const QString& originator, const QString& text,
                    const QDateTime& timestamp = QDateTime::currentDateTime());

    // The network's report on the message it accepted with `reference` ("+CMGS: <mr>"), handed to ModemManager
    // with +CDS: delivered, still trying or given up, as `status` (TP-ST) says. False, and nothing sent, when that
    // message did not ask for a report or no message has that reference.
    bool reportDelivery(int reference, int status, const QDateTime& discharged = QDateTime::currentDateTime());
    // A report as the network would hand it over, whether or not it answers a message sent.
    void sendStatusReport(const pdu::StatusReport& report);
    // The next message accepted gets this reference (0 to 255), as after that many others.
    void setNextReference(int reference);

    // Each SMS-SUBMIT received after AT+CMGS, as hex digits, in order.
    const QList<QByteArray>& submittedPdus() const { return dialogue_.submittedPdus(); }
    std::optional<pdu::Submit> lastSubmit() const;
    // The AT dialogue so far, one command or answer a line.
    const QStringList& transcript() const { return dialogue_.transcript(); }

signals:
    void connectionChanged(bool connected);
    void submitReceived(const QByteArray& pduHex);

private:
    void accept();
    void readFromHost();
    void dropConnection();

    QString socketName_;
    ModemProfile profile_;
    AtDialogue dialogue_;
    QLocalServer server_;
    QPointer<QLocalSocket> connection_;
    bool gone_ = false;
};

} // namespace velmora::test
