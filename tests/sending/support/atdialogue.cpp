#include "atdialogue.h"

#include "pducodec.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace velmora::test {

namespace {

constexpr char ctrlZ = 0x1A;  // ends the PDU after the "> " prompt
constexpr char escape = 0x1B; // cancels it
constexpr int storageSize = 30;

// Settings the plugin makes while it opens the port (V.250, and verbose +CME errors); the modem takes them all.
constexpr auto portSettings =
    std::to_array<std::string_view>({"", "E0", "E1", "V1", "Q0", "Z", "X4", "&C1", "&D2", "H", "+CMEE"});
constexpr auto identityCommands = std::to_array<std::string_view>(
    {"I", "+GCAP", "+CGMI", "+GMI", "+CGMM", "+GMM", "+CGMR", "+GMR", "+CGSN", "+GSN", "+CIMI"});
constexpr auto simCommands = std::to_array<std::string_view>({"+CPIN", "+CRSM", "+CNUM"});
constexpr auto networkCommands = std::to_array<std::string_view>({"+CFUN", "+CREG", "+CGREG", "+COPS", "+CSQ"});
constexpr auto messagingCommands = std::to_array<std::string_view>({"+CMGF", "+CSCS", "+CNMI", "+CMGS"});
constexpr auto storageCommands = std::to_array<std::string_view>({"+CPMS", "+CMGL", "+CMGR", "+CMGD"});

template <std::size_t N> bool oneOf(const QString& name, const std::array<std::string_view, N>& names)
{
    const QByteArray latin1 = name.toLatin1();
    const std::string_view wanted(latin1.constData(), static_cast<std::size_t>(latin1.size()));
    return std::find(names.begin(), names.end(), wanted) != names.end();
}

QString unquoted(QString value)
{
    return value.remove(QLatin1Char('"')).trimmed();
}

QString printable(const QByteArray& bytes)
{
    QString text = QString::fromLatin1(bytes);
    text.replace(QLatin1String("\r"), QLatin1String("<CR>"));
    text.replace(QLatin1String("\n"), QLatin1String("<LF>"));
    return text;
}

} // namespace

AtDialogue::AtDialogue(ModemProfile profile) : profile_(std::move(profile)) {}

QByteArray AtDialogue::consume(const QByteArray& bytes)
{
    pending_ += bytes;
    QByteArray out;
    while (true) {
        if (awaitingPdu_) {
            const qsizetype end = pending_.indexOf(ctrlZ);
            const qsizetype cancel = pending_.indexOf(escape);
            if (end < 0 && cancel < 0) {
                break;
            }
            const bool cancelled = cancel >= 0 && (end < 0 || cancel < end);
            const qsizetype stop = cancelled ? cancel : end;
            const QByteArray pdu = pending_.left(stop).trimmed();
            pending_.remove(0, stop + 1);
            awaitingPdu_ = false;
            out += cancelled ? ok() : answerPdu(pdu);
            continue;
        }
        const qsizetype end = pending_.indexOf('\r');
        if (end < 0) {
            break;
        }
        const QString line = QString::fromLatin1(pending_.left(end)).trimmed();
        pending_.remove(0, end + 1);
        if (!line.isEmpty()) {
            out += answerLine(line);
        }
    }
    return out;
}

void AtDialogue::restart()
{
    pending_.clear();
    awaitingPdu_ = false;
}

void AtDialogue::refuseNextSend(int cmsError)
{
    nextSend_ = NextSend::Refuse;
    refusalCode_ = cmsError;
}

void AtDialogue::ignoreNextSend()
{
    nextSend_ = NextSend::Ignore;
}

void AtDialogue::holdNextSend()
{
    nextSend_ = NextSend::Hold;
}

int AtDialogue::storeReceived(const QByteArray& pduHex, int tpduLength)
{
    const int index = nextIndex_++;
    storage_.insert(index, {pduHex, tpduLength, false});
    return index;
}

QByteArray AtDialogue::newMessageIndication(int index)
{
    return "\r\n+CMTI: \"SM\"," + QByteArray::number(index) + "\r\n";
}

QByteArray AtDialogue::statusReportIndication(const QByteArray& pduHex, int tpduLength)
{
    const QByteArray indication = "\r\n+CDS: " + QByteArray::number(tpduLength) + "\r\n" + pduHex + "\r\n";
    transcript_ << QStringLiteral(">> ") + printable(indication);
    return indication;
}

std::optional<AtDialogue::Accepted> AtDialogue::accepted(int reference) const
{
    for (auto it = accepted_.crbegin(); it != accepted_.crend(); ++it) {
        if (it->reference == reference) {
            return *it;
        }
    }
    return std::nullopt;
}

AtDialogue::Command AtDialogue::parse(const QString& line)
{
    Command command;
    QString rest = line.mid(2); // after "AT"
    if (rest.isEmpty() || QStringLiteral("+*^$%").contains(rest[0]) == false) {
        command.name = rest.toUpper();
        return command;
    }
    const qsizetype end = rest.indexOf(QRegularExpression(QStringLiteral("[=?]")));
    command.name = rest.left(end).toUpper();
    const QString tail = end < 0 ? QString() : rest.mid(end);
    if (tail == QLatin1String("?")) {
        command.form = Command::Query;
    } else if (tail == QLatin1String("=?")) {
        command.form = Command::Test;
    } else if (tail.startsWith(QLatin1Char('='))) {
        command.form = Command::Set;
        command.arguments = tail.mid(1);
    }
    return command;
}

QByteArray AtDialogue::answerLine(const QString& line)
{
    transcript_ << QStringLiteral("<< ") + line;
    QByteArray reply = line.startsWith(QLatin1String("AT"), Qt::CaseInsensitive) ? answer(parse(line)) : error();
    transcript_ << QStringLiteral(">> ") + printable(reply);
    return reply;
}

QByteArray AtDialogue::answer(const Command& command)
{
    if (oneOf(command.name, portSettings)) {
        return ok();
    }
    if (oneOf(command.name, identityCommands)) {
        return answerIdentity(command);
    }
    if (oneOf(command.name, simCommands)) {
        return answerSim(command);
    }
    if (oneOf(command.name, networkCommands)) {
        return answerNetwork(command);
    }
    if (oneOf(command.name, messagingCommands)) {
        return answerMessaging(command);
    }
    if (oneOf(command.name, storageCommands)) {
        return answerStorage(command);
    }
    // Everything else (USSD, voice, location, SIM files, ...) is absent, so the plugin skips it.
    return error();
}

QByteArray AtDialogue::answerIdentity(const Command& command)
{
    const QString& name = command.name;
    if (name == QLatin1String("I")) {
        return ok({profile_.manufacturer, profile_.model, QStringLiteral("Revision: ") + profile_.revision});
    }
    if (name == QLatin1String("+GCAP")) {
        return ok({QStringLiteral("+GCAP: +CGSM")});
    }
    if (name.endsWith(QLatin1String("GMI"))) {
        return ok({profile_.manufacturer});
    }
    if (name.endsWith(QLatin1String("GMM"))) {
        return ok({profile_.model});
    }
    if (name.endsWith(QLatin1String("GMR"))) {
        return ok({profile_.revision});
    }
    if (name.endsWith(QLatin1String("GSN"))) {
        return ok({profile_.imei});
    }
    // +CIMI: the SIM keeps its identity to itself until its PIN is entered.
    return profile_.simPinLocked ? error() : ok({profile_.imsi});
}

QByteArray AtDialogue::answerSim(const Command& command)
{
    if (command.name == QLatin1String("+CPIN")) {
        if (command.form != Command::Query) {
            return error(); // entering a PIN is not simulated
        }
        return ok({profile_.simPinLocked ? QStringLiteral("+CPIN: SIM PIN") : QStringLiteral("+CPIN: READY")});
    }
    if (command.name == QLatin1String("+CRSM")) {
        // READ BINARY of EF ICCID (2FE2); other SIM files are absent.
        if (command.arguments.startsWith(QLatin1String("176,12258,")) && !profile_.simPinLocked) {
            return ok({QStringLiteral("+CRSM: 144,0,\"%1\"").arg(iccidSemiOctets())});
        }
        return error();
    }
    if (profile_.ownNumber.isEmpty()) {
        return ok();
    }
    const int type = profile_.ownNumber.startsWith(QLatin1Char('+')) ? 145 : 129;
    return ok({QStringLiteral("+CNUM: \"\",\"%1\",%2").arg(profile_.ownNumber).arg(type)});
}

QByteArray AtDialogue::answerNetwork(const Command& command)
{
    const QString& name = command.name;
    if (command.form == Command::Set) {
        if (name == QLatin1String("+COPS") && command.arguments.startsWith(QLatin1String("3,"))) {
            operatorFormat_ = command.arguments.mid(2).toInt();
        }
        return ok();
    }
    if (name == QLatin1String("+CSQ")) {
        return ok({QStringLiteral("+CSQ: 20,99")});
    }
    if (name == QLatin1String("+CFUN")) {
        return command.form == Command::Test ? ok({QStringLiteral("+CFUN: (0,1,4)")})
                                             : ok({QStringLiteral("+CFUN: 1")});
    }
    if (name == QLatin1String("+COPS")) {
        const QString current = operatorFormat_ == 2 ? profile_.operatorCode : profile_.operatorName;
        return ok({QStringLiteral("+COPS: 0,%1,\"%2\",0").arg(operatorFormat_).arg(current)});
    }
    // +CREG and +CGREG: registered on the home network.
    if (command.form == Command::Test) {
        return ok({name + QStringLiteral(": (0-2)")});
    }
    return ok({name + QStringLiteral(": 0,1")});
}

QByteArray AtDialogue::answerMessaging(const Command& command)
{
    const QString& name = command.name;
    if (name == QLatin1String("+CMGS")) {
        return command.form == Command::Set ? startSend() : error();
    }
    if (command.form == Command::Set) {
        return ok();
    }
    if (name == QLatin1String("+CMGF")) {
        return ok({command.form == Command::Test ? QStringLiteral("+CMGF: (0,1)") : QStringLiteral("+CMGF: 0")});
    }
    if (name == QLatin1String("+CSCS")) {
        // No UCS2 here: ModemManager would then expect operator names in hex.
        return ok({command.form == Command::Test ? QStringLiteral("+CSCS: (\"IRA\",\"GSM\")")
                                                 : QStringLiteral("+CSCS: \"GSM\"")});
    }
    return ok({command.form == Command::Test ? QStringLiteral("+CNMI: (0-2),(0-3),(0-3),(0-2),(0,1)")
                                             : QStringLiteral("+CNMI: 2,1,0,0,0")});
}

QByteArray AtDialogue::answerStorage(const Command& command)
{
    const QString& name = command.name;
    if (name == QLatin1String("+CPMS")) {
        const int used = static_cast<int>(storage_.size());
        if (command.form == Command::Test) {
            return ok({QStringLiteral("+CPMS: (\"SM\",\"ME\"),(\"SM\",\"ME\"),(\"SM\",\"ME\")")});
        }
        if (command.form == Command::Query) {
            return ok({QStringLiteral("+CPMS: \"SM\",%1,%2,\"SM\",%1,%2,\"SM\",%1,%2").arg(used).arg(storageSize)});
        }
        readStorage_ = unquoted(command.arguments.section(QLatin1Char(','), 0, 0));
        return ok({QStringLiteral("+CPMS: %1,%2,%1,%2,%1,%2").arg(used).arg(storageSize)});
    }
    if (command.form != Command::Set) {
        return error();
    }
    if (name == QLatin1String("+CMGL")) {
        return listMessages();
    }
    if (name == QLatin1String("+CMGR")) {
        return readMessage(command.arguments);
    }
    return deleteMessage(command.arguments);
}

QByteArray AtDialogue::listMessages()
{
    QStringList lines;
    if (readStorage_ == QLatin1String("SM")) {
        for (auto it = storage_.begin(); it != storage_.end(); ++it) {
            lines << QStringLiteral("+CMGL: %1,%2,,%3").arg(it.key()).arg(it->read ? 1 : 0).arg(it->tpduLength)
                  << QString::fromLatin1(it->pduHex);
            it->read = true;
        }
    }
    return ok(lines);
}

QByteArray AtDialogue::readMessage(const QString& arguments)
{
    const auto it = storage_.find(arguments.toInt());
    if (readStorage_ != QLatin1String("SM") || it == storage_.end()) {
        return cmsError(321); // invalid memory index
    }
    const QString header = QStringLiteral("+CMGR: %1,,%2").arg(it->read ? 1 : 0).arg(it->tpduLength);
    it->read = true;
    return ok({header, QString::fromLatin1(it->pduHex)});
}

QByteArray AtDialogue::deleteMessage(const QString& arguments)
{
    storage_.remove(arguments.section(QLatin1Char(','), 0, 0).toInt());
    return ok();
}

QByteArray AtDialogue::startSend()
{
    awaitingPdu_ = true;
    return "\r\n> ";
}

QByteArray AtDialogue::answerPdu(const QByteArray& pdu)
{
    submitted_ << pdu;
    transcript_ << QStringLiteral("<< PDU ") + QString::fromLatin1(pdu);
    const NextSend outcome = std::exchange(nextSend_, NextSend::Accept);
    QByteArray reply;
    if (outcome == NextSend::Accept) {
        reply = accept(pdu);
    } else if (outcome == NextSend::Hold) {
        held_ = accept(pdu);
    } else if (outcome == NextSend::Refuse) {
        reply = cmsError(refusalCode_);
    }
    transcript_ << (reply.isEmpty() ? QStringLiteral(">> (no answer)") : QStringLiteral(">> ") + printable(reply));
    return reply;
}

// The network takes the message and gives it the next reference, one octet.
QByteArray AtDialogue::accept(const QByteArray& pdu)
{
    const int reference = nextReference_++ % 256;
    const std::optional<pdu::Submit> submit = pdu::decodeSubmit(pdu);
    accepted_ << Accepted{reference, submit ? submit->destination : QString(), submit && submit->statusReportRequested};
    return ok({QStringLiteral("+CMGS: %1").arg(reference)});
}

QString AtDialogue::iccidSemiOctets() const
{
    QString digits = profile_.iccid;
    if (digits.size() % 2 != 0) {
        digits += QLatin1Char('F');
    }
    QString swapped;
    for (qsizetype i = 0; i + 1 < digits.size(); i += 2) {
        swapped += digits[i + 1];
        swapped += digits[i];
    }
    return swapped;
}

QByteArray AtDialogue::ok(const QStringList& lines)
{
    // Information lines share one leading and one trailing <CR><LF>, as V.250 writes them.
    const QByteArray information =
        lines.isEmpty() ? QByteArray() : "\r\n" + lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
    return information + "\r\nOK\r\n";
}

QByteArray AtDialogue::error()
{
    return "\r\nERROR\r\n";
}

QByteArray AtDialogue::cmsError(int code)
{
    return "\r\n+CMS ERROR: " + QByteArray::number(code) + "\r\n";
}

} // namespace velmora::test
