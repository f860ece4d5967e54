#include "simulatedmodem.h"

#include <QLocalSocket>

namespace velmora::test {

SimulatedModem::SimulatedModem(QString socketName, ModemProfile profile, QObject* parent)
    : QObject(parent), socketName_(std::move(socketName)), profile_(std::move(profile)), dialogue_(profile_)
{
    server_.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    connect(&server_, &QLocalServer::newConnection, this, &SimulatedModem::accept);
}

SimulatedModem::~SimulatedModem()
{
    server_.close();
    if (connection_) {
        connection_->disconnect(this);
        connection_->abort();
    }
}

bool SimulatedModem::listen()
{
    // ModemManager connects to the abstract address named by the whole port, prefix included.
    return server_.listen(port());
}

QString SimulatedModem::port() const
{
    return QStringLiteral("abstract:") + socketName_;
}

void SimulatedModem::refuseNextSend(int cmsError)
{
    dialogue_.refuseNextSend(cmsError);
}

void SimulatedModem::ignoreNextSend()
{
    dialogue_.ignoreNextSend();
}

void SimulatedModem::holdNextSend()
{
    dialogue_.holdNextSend();
}

void SimulatedModem::releaseHeldSend()
{
    const QByteArray answer = dialogue_.releaseHeld();
    if (connection_ && !answer.isEmpty()) {
        connection_->write(answer);
    }
}

void SimulatedModem::disappear()
{
    gone_ = true;
    server_.close();
    dropConnection();
}

void SimulatedModem::deliverSms(const QString& originator, const QString& text, const QDateTime& timestamp)
{
    if (gone_) {
        return;
    }
    const pdu::EncodedPdu encoded = pdu::encodeDeliver({profile_.serviceCentre, originator, timestamp, text});
    const int index = dialogue_.storeReceived(encoded.hex, encoded.tpduLength);
    if (connection_) {
        connection_->write(AtDialogue::newMessageIndication(index));
    }
}

bool SimulatedModem::reportDelivery(int reference, int status, const QDateTime& discharged)
{
    const std::optional<AtDialogue::Accepted> message = dialogue_.accepted(reference);
    if (!message || !message->statusReportRequested) {
        return false;
    }
    // The service centre took the message a moment before it was discharged.
    sendStatusReport(
        {profile_.serviceCentre, reference, message->destination, discharged.addSecs(-5), discharged, status});
    return true;
}

void SimulatedModem::sendStatusReport(const pdu::StatusReport& report)
{
    if (gone_ || !connection_) {
        return;
    }
    const pdu::EncodedPdu encoded = pdu::encodeStatusReport(report);
    connection_->write(dialogue_.statusReportIndication(encoded.hex, encoded.tpduLength));
}

void SimulatedModem::setNextReference(int reference)
{
    dialogue_.setNextReference(reference);
}

std::optional<pdu::Submit> SimulatedModem::lastSubmit() const
{
    const QList<QByteArray>& pdus = submittedPdus();
    return pdus.isEmpty() ? std::nullopt : pdu::decodeSubmit(pdus.last());
}

void SimulatedModem::accept()
{
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        // ModemManager opens one connection at a time; a new one replaces a stale one.
        dropConnection();
        connection_ = socket;
        dialogue_.restart();
        connect(socket, &QLocalSocket::readyRead, this, &SimulatedModem::readFromHost);
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            socket->deleteLater();
            if (connection_ == socket) {
                connection_ = nullptr;
                emit connectionChanged(false);
            }
        });
        emit connectionChanged(true);
    }
}

void SimulatedModem::readFromHost()
{
    if (!connection_) {
        return;
    }
    const qsizetype before = submittedPdus().size();
    const QByteArray answer = dialogue_.consume(connection_->readAll());
    if (connection_ && !answer.isEmpty()) {
        connection_->write(answer);
    }
    for (qsizetype i = before; i < submittedPdus().size(); ++i) {
        emit submitReceived(submittedPdus().at(i));
    }
}

void SimulatedModem::dropConnection()
{
    if (QLocalSocket* socket = connection_) {
        connection_ = nullptr;
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
        emit connectionChanged(false);
    }
}

} // namespace velmora::test
