#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

namespace velmora::test {

// How a simulated modem presents itself to ModemManager.
struct ModemProfile {
    QString manufacturer = QStringLiteral("Velmora Test");
    QString model = QStringLiteral("Simulated GSM Modem");
    QString revision = QStringLiteral("1.0");
    QString imei = QStringLiteral("490154203237518");
    QString imsi = QStringLiteral("260011234567890");
    QString iccid = QStringLiteral("8948011234567890123");
    QString operatorName = QStringLiteral("Test Network");
    QString operatorCode = QStringLiteral("26001");
    QString serviceCentre = QStringLiteral("+48601000310"); // named in the messages the modem receives
    QString ownNumber;                                      // empty: +CNUM lists no number
    bool simPinLocked = false;                              // +CPIN? answers "SIM PIN": the modem stays locked
};

// The modem's side of the AT dialogue with ModemManager's generic plugin, without any I/O: bytes from
// the host go in, the modem's answer comes out. It answers what the plugin asks while it initialises,
// enables and polls a 3GPP modem, and keeps an SMS storage ("SM") in PDU mode.
class AtDialogue {
public:
    explicit AtDialogue(ModemProfile profile);

    // Takes bytes written by the host and returns the bytes the modem writes back.
    QByteArray consume(const QByteArray& bytes);

    // A new connection starts with an empty line and outside the PDU prompt.
    void restart();

    // The next message sent with AT+CMGS is answered "+CMS ERROR: <code>" instead of "+CMGS: <mr>".
    void refuseNextSend(int cmsError);
    // The next message sent with AT+CMGS is never answered, as a modem that hangs.
    void ignoreNextSend();
    // The next message sent with AT+CMGS is answered only when releaseHeld() hands the answer out, as a modem
    // on a slow network.
    void holdNextSend();
    // The answer to the message held, once; empty while none is held.
    QByteArray releaseHeld() { return std::exchange(held_, {}); }

    // The next message accepted gets this reference, as one sent after that many others (it wraps at 256).
    void setNextReference(int reference) { nextReference_ = reference; }

    // Stores a received message (hex PDU with its SMSC field) and returns its index in "SM".
    int storeReceived(const QByteArray& pduHex, int tpduLength);
    // The unsolicited result that announces a stored message.
    static QByteArray newMessageIndication(int index);
    // The unsolicited result that hands a status report over without storing it, as "+CNMI=...,1," asks; it
    // goes into the transcript.
    QByteArray statusReportIndication(const QByteArray& pduHex, int tpduLength);

    // A message the network took: its reference and what its SUBMIT asked for.
    struct Accepted {
        int reference = 0;
        QString destination;
        bool statusReportRequested = false;
    };
    // The latest message accepted with that reference, if any.
    std::optional<Accepted> accepted(int reference) const;

    const QList<QByteArray>& submittedPdus() const { return submitted_; }
    // Every command and answer, for the log of a failed test.
    const QStringList& transcript() const { return transcript_; }

private:
    enum class NextSend { Accept, Refuse, Ignore, Hold };

    struct Command {
        QString name;      // "+CPIN", "I", "E0", ...
        QString arguments; // after "=", without it
        enum { Action, Query, Test, Set } form = Action;
    };

    struct StoredMessage {
        QByteArray pduHex;
        int tpduLength = 0;
        bool read = false;
    };

    static Command parse(const QString& line);
    QByteArray answerLine(const QString& line);
    QByteArray answer(const Command& command);
    QByteArray answerPdu(const QByteArray& pdu);
    QByteArray accept(const QByteArray& pdu);

    QByteArray answerIdentity(const Command& command);
    QByteArray answerSim(const Command& command);
    QByteArray answerNetwork(const Command& command);
    QByteArray answerMessaging(const Command& command);
    QByteArray answerStorage(const Command& command);

    QByteArray listMessages();
    QByteArray readMessage(const QString& arguments);
    QByteArray deleteMessage(const QString& arguments);
    QByteArray startSend();
    QString iccidSemiOctets() const;

    static QByteArray ok(const QStringList& lines = {});
    static QByteArray error();
    static QByteArray cmsError(int code);

    ModemProfile profile_;
    QByteArray pending_;
    bool awaitingPdu_ = false;
    NextSend nextSend_ = NextSend::Accept;
    int refusalCode_ = 0;
    QByteArray held_;
    int nextReference_ = 1;
    int operatorFormat_ = 0;
    QString readStorage_ = QStringLiteral("SM");
    QMap<int, StoredMessage> storage_;
    int nextIndex_ = 1;
    QList<QByteArray> submitted_;
    QList<Accepted> accepted_;
    QStringList transcript_;
};

} // namespace velmora::test
