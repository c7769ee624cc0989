#include "VirtualRadio.h"

#include "link/BlockCommands.h"

#include <array>

namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");
const QByteArray IdentifyCommand = QByteArrayLiteral("KV~WHO");
const QByteArray EndCommand = QByteArrayLiteral("KV~E");
const QByteArray BlockPrefix = QByteArrayLiteral("KV~F");
constexpr char ReadMark = 'R';
constexpr char WriteMark = 'W';
constexpr int AddressDigits = 4;
const QByteArray Accepted = QByteArrayLiteral("OK");
const QByteArray Refused = QByteArrayLiteral("NG");

const QByteArray UninterpretedCode = QByteArrayLiteral("00");
const QByteArray StandardRangeCode = QByteArrayLiteral("00");

// Wrong content for the garbage fault: two-letter answers become "XX",
// longer ones a run of 'Z'.
constexpr char GarbageShort = 'X';
constexpr char GarbageLong = 'Z';

bool isHex(const QByteArray &text)
{
    for (char c : text) {
        const bool digit = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
        if (!digit)
            return false;
    }
    return true;
}

} // namespace

const QStringList &VirtualRadio::modelNames()
{
    static const QStringList names = {BlockCommands::primaryModel(), BlockCommands::secondaryModel()};
    return names;
}

VirtualRadio::VirtualRadio(const RadioImage &image, const QString &model, int variant,
                           bool extended, const SimFault &fault)
    : m_image(image), m_model(model), m_variant(variant), m_extended(extended), m_fault(fault)
{
    // close-after=0 answers nothing: the terminal closes at once.
    m_closeRequested = m_fault.kind() == SimFault::Kind::CloseAfter && m_fault.count() == 0;
}

QByteArray VirtualRadio::identification() const
{
    const int option = (m_variant >= Vocabulary::ModelJ && m_variant <= Vocabulary::ModelA)
        ? m_variant
        : Vocabulary::ModelE;
    return m_model.toLatin1() + BlockCommands::variantCode(option).toLatin1() + UninterpretedCode
        + (m_extended ? BlockCommands::extendedRangeCode().toLatin1() : StandardRangeCode);
}

VirtualRadio::Command VirtualRadio::classify(const QByteArray &body, int &address,
                                             Record &data) const
{
    if (body == IdentifyCommand)
        return Command::Identify;
    if (body == EndCommand)
        return Command::End;
    if (modelNames().contains(QString::fromLatin1(body)))
        return body == m_model.toLatin1() ? Command::OwnModel : Command::OtherModel;
    if (!body.startsWith(BlockPrefix))
        return Command::Unknown;

    const QByteArray addressText = body.mid(BlockPrefix.size(), AddressDigits);
    const int markAt = BlockPrefix.size() + AddressDigits;
    if (addressText.size() != AddressDigits || !isHex(addressText) || body.size() <= markAt)
        return Command::Unknown;
    address = addressText.toInt(nullptr, 16);

    const char mark = body.at(markAt);
    const QByteArray rest = body.mid(markAt + 1);
    if (mark == ReadMark && rest.isEmpty())
        return Command::Read;
    if (mark == WriteMark && RecordText::split(QString::fromLatin1(rest), data))
        return Command::Write;
    return Command::Unknown;
}

QByteArray VirtualRadio::answer(Command command, int address, const Record &data, bool &answered)
{
    const bool refuseAll = m_fault.kind() == SimFault::Kind::NoOk;
    answered = true;
    switch (command) {
    case Command::Identify:
        return identification();
    case Command::OwnModel:
        return refuseAll ? Refused : Accepted;
    case Command::OtherModel:
        return Refused;
    case Command::Read:
        return RecordText::join(m_image.block(address)).toLatin1();
    case Command::Write:
        if (refuseAll)
            return Refused;
        m_image.setBlock(address, data);
        return Accepted;
    case Command::End:
        return refuseAll ? Refused : Accepted;
    case Command::Unknown:
        break;
    }
    answered = false;
    return QByteArray();
}

QByteArray VirtualRadio::disturbed(const QByteArray &answer) const
{
    switch (m_fault.kind()) {
    case SimFault::Kind::Garbage:
        return QByteArray(answer.size(), answer.size() == Accepted.size() ? GarbageShort : GarbageLong);
    case SimFault::Kind::Short:
        return answer.left(answer.size() - 1);
    default:
        break;
    }
    return answer;
}

QByteArray VirtualRadio::reply(const QByteArray &line)
{
    ++m_commandCount;
    const SimFault::Kind kind = m_fault.kind();
    if (kind == SimFault::Kind::Silent)
        return QByteArray();
    const bool counted = kind == SimFault::Kind::HangAfter || kind == SimFault::Kind::CloseAfter;
    if (counted && m_commandCount > m_fault.count())
        return QByteArray();
    if (kind == SimFault::Kind::CloseAfter && m_commandCount == m_fault.count())
        m_closeRequested = true;

    QByteArray body = line;
    if (body.endsWith('\n'))
        body.chop(1);
    if (body.endsWith('\r'))
        body.chop(1);

    int address = 0;
    Record data{};
    bool answered = false;
    const Command command = classify(body, address, data);
    const QByteArray text = answer(command, address, data, answered);
    if (!answered || kind == SimFault::Kind::EchoOnly)
        return line;
    return line + disturbed(text) + LineEnd;
}
