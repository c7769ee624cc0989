#include "link/BlockCommands.h"

#include <iterator>

#include "codec/MemoryMap.h"
#include "link/LineExchange.h"
#include "link/RadioPort.h"

#include <QCoreApplication>

namespace {

const QString LineEnd = QStringLiteral("\r\n");
const QString OkAnswer = QStringLiteral("OK\r\n");

// Positions in the replies (0-based, echo included).
constexpr int ReadEchoLength = 11;
constexpr int IdentifyEchoLength = 8;
constexpr int ModelFieldLength = 5;
constexpr int VariantCodeAt = IdentifyEchoLength + ModelFieldLength; // 13
constexpr int RangeCodeAt = VariantCodeAt + 4;                       // 17
constexpr int CodeLength = 2;

bool endsInOk(const QString &raw, int length)
{
    return raw.size() == length && raw.endsWith(OkAnswer);
}

} // namespace

BlockCommands::BlockCommands(LineExchange &exchange)
    : m_exchange(exchange)
{
}

QString BlockCommands::readCommand(int address)
{
    return QStringLiteral("KV~F") + MemoryMap::addressText(address) + QStringLiteral("R") + LineEnd;
}

QString BlockCommands::writeCommand(int address, const QString &recordText)
{
    return QStringLiteral("KV~F") + MemoryMap::addressText(address) + QStringLiteral("W") + recordText
        + LineEnd;
}

BlockCommands::Reply BlockCommands::judge(const QString &raw, bool rightForm, const QString &command) const
{
    Reply reply;
    reply.raw = raw;
    reply.otherEcho = rightForm && !raw.startsWith(command);
    if (rightForm && !reply.otherEcho)
        reply.status = Status::Accepted;
    else if (raw == LineExchange::portFailure())
        reply.status = Status::PortFailure;
    else
        reply.status = Status::CommunicationFailure;
    return reply;
}

BlockCommands::RecordReply BlockCommands::readRecord(int address)
{
    const QString command = readCommand(address);
    const QString raw = m_exchange.exchange(command, ReadReplyLength);
    RecordReply reply;
    static_cast<Reply &>(reply) = judge(raw, raw.size() == ReadReplyLength, command);
    if (reply.ok())
        reply.recordText = raw.mid(ReadEchoLength, ReadReplyLength - ReadEchoLength - LineEnd.size());
    return reply;
}

BlockCommands::Reply BlockCommands::writeRecord(int address, const QString &recordText)
{
    const QString command = writeCommand(address, recordText);
    const QString raw = m_exchange.exchange(command, WriteReplyLength);
    return judge(raw, endsInOk(raw, WriteReplyLength), command);
}

BlockCommands::Reply BlockCommands::checkModel()
{
    const QString primary = modelCommand(primaryModel());
    const Reply first = judge(m_exchange.exchange(primary, CheckReplyLength), false, primary);
    const bool firstFits = endsInOk(first.raw, CheckReplyLength);
    if (firstFits || first.status == Status::PortFailure)
        return judge(first.raw, firstFits, primary);

    const QString secondary = modelCommand(secondaryModel());
    const QString second = m_exchange.exchange(secondary, CheckReplyLength);
    Reply reply = judge(second, endsInOk(second, CheckReplyLength), secondary);
    if (!reply.ok())
        reply.status = Status::CommunicationFailure;
    return reply;
}

BlockCommands::Identity BlockCommands::identifyRadio()
{
    const QString command = identifyCommand();
    const QString raw = m_exchange.exchange(command, IdentifyReplyLength);
    Identity identity;
    static_cast<Reply &>(identity) = judge(raw, raw.size() == IdentifyReplyLength, command);
    if (!identity.ok())
        return identity;
    const QString model = raw.mid(IdentifyEchoLength, ModelFieldLength);
    const bool known = model == primaryModel() || model == secondaryModel();
    identity.status = known ? Status::Accepted : Status::CommunicationFailure;
    if (known) {
        identity.model = model;
        identity.variantCode = raw.mid(VariantCodeAt, CodeLength);
        identity.rangeCode = raw.mid(RangeCodeAt, CodeLength);
    }
    return identity;
}

QString BlockCommands::describe(const Reply &reply) const
{
    if (reply.raw == LineExchange::portFailure()) {
        const QString reason = m_exchange.port().errorString();
        return reason.isEmpty() ? QCoreApplication::translate("BlockCommands", "port failure") : reason;
    }
    if (reply.raw == LineExchange::noReply())
        return QCoreApplication::translate("BlockCommands", "no reply within %1 ms").arg(m_exchange.replyTimeoutMs());
    if (reply.raw == LineExchange::overlongReply())
        return QCoreApplication::translate("BlockCommands", "a reply longer than any the radio gives, without its end");
    if (reply.otherEcho)
        return QCoreApplication::translate("BlockCommands", "a reply to another command (its echo is not the command sent)");
    return QCoreApplication::translate("BlockCommands", "unexpected reply of %1 characters").arg(reply.raw.size());
}

namespace {

const char *const VariantCodes[] = {"33", "66", "99", "CC"};

} // namespace

QString BlockCommands::variantCode(int variant)
{
    if (variant < 0 || variant >= int(std::size(VariantCodes)))
        return QString();
    return QLatin1String(VariantCodes[variant]);
}

int BlockCommands::variantForCode(const QString &code)
{
    for (int v = 0; v < int(std::size(VariantCodes)); ++v) {
        if (code == QLatin1String(VariantCodes[v]))
            return v;
    }
    return -1;
}
