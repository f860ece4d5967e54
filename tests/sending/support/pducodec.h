#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <optional>

// A small SMS PDU codec for the tests of sending: it reads what ModemManager writes to a modem and writes
// what a modem answers with, independently of the program's own encoding, so a fault there shows here.
namespace velmora::test::pdu {

enum class Alphabet { Gsm7, EightBit, Ucs2 };

// An SMS-SUBMIT as a modem receives it after AT+CMGS.
struct Submit {
    QString destination; // "+" and digits for an international number, the digits otherwise
    QString text;        // empty for 8-bit data
    Alphabet alphabet = Alphabet::Gsm7;
    int messageReference = 0;
    bool hasUserDataHeader = false;     // one part of a longer text; `text` holds this part only
    bool statusReportRequested = false; // TP-SRR: the network is to report the delivery
};

// Decodes hex digits that start with the SMSC field ("00" when the modem's default SMSC is used).
// Returns nothing for malformed input or for a PDU that is not an SMS-SUBMIT.
std::optional<Submit> decodeSubmit(QByteArrayView hex);

// An SMS-DELIVER as a modem stores a received message.
struct Deliver {
    QString serviceCentre; // "+" and digits; empty for an SMSC field of length 0
    QString originator;    // "+" and digits, digits, or an alphanumeric sender such as "Operator"
    QDateTime timestamp;   // the service centre's time with its offset from UTC
    QString text;          // sent in the GSM 7-bit alphabet when it fits, otherwise in UCS-2
};

struct EncodedPdu {
    QByteArray hex;     // upper-case hex digits, SMSC field first, as +CMGR and +CMGL print them
    int tpduLength = 0; // octets after the SMSC field: the <length> that +CMGR and +CMGL report
};

EncodedPdu encodeDeliver(const Deliver& message);

// An SMS-STATUS-REPORT: the network's word on the delivery of a message that asked for it.
struct StatusReport {
    QString serviceCentre;       // "+" and digits; empty for an SMSC field of length 0
    int messageReference = 0;    // the reference the network gave the message ("+CMGS: <mr>")
    QString recipient;           // the message's destination, as its SUBMIT gave it
    QDateTime serviceCentreTime; // when the service centre took the message
    QDateTime dischargeTime;     // when it was delivered, or when the service centre gave up
    int status = 0;              // TP-ST: 0x00-0x1F delivered, 0x20-0x3F still trying, 0x40-0x7F given up
};

EncodedPdu encodeStatusReport(const StatusReport& report);

// GSM 03.38 default alphabet with its extension table: one septet per character, two (0x1B and the
// extension's code) for "{", "}", "[", "]", "~", "\", "|", "^", "€" and form feed. Nothing when a
// character has no septet.
std::optional<QByteArray> toGsm7(const QString& text);
QString fromGsm7(const QByteArray& septets);

// Septets packed into octets, least significant bits first, after `fillBits` bits of padding.
QByteArray packSeptets(const QByteArray& septets, int fillBits = 0);
std::optional<QByteArray> unpackSeptets(QByteArrayView octets, int count, int fillBits = 0);

} // namespace velmora::test::pdu
