#include "TransferEngine.h"

#include "BlockCommands.h"
#include "ChannelCodec.h"
#include "LineExchange.h"
#include "MemoryMap.h"
#include "Module1.h"
#include "RadioPort.h"
#include "SettingsCodec.h"
#include "VfoCodec.h"

#include <array>
#include <utility>

namespace {

using Outcome = TransferResult::Outcome;

QString slotName(int slot)
{
    return QStringLiteral("slot %1").arg(slot);
}

QString recordName(int address)
{
    return QStringLiteral("record %1").arg(MemoryMap::addressText(address));
}

// The outcome of an operation the radio or the port refused.
TransferResult failed(const BlockCommands &commands, const BlockCommands::Reply &reply,
                      const QString &what, int slot = -1)
{
    const Outcome outcome = reply.status == BlockCommands::Status::PortFailure
        ? Outcome::PortFailure
        : Outcome::CommunicationFailure;
    return TransferResult(outcome, what + QStringLiteral(": ") + commands.describe(reply), slot);
}

TransferResult undecodable(const QString &what, const DecodeResult &decoded, int slot = -1)
{
    return TransferResult(Outcome::Unexpected, what + QStringLiteral(": ") + decoded.field(), slot);
}

} // namespace

TransferEngine::TransferEngine(Module1 &state, RadioPort &port, QObject *parent)
    : QObject(parent),
      m_state(state),
      m_port(port),
      m_exchange(std::make_unique<LineExchange>(port)),
      m_commands(std::make_unique<BlockCommands>(*m_exchange))
{
}

TransferEngine::~TransferEngine() = default;

bool TransferEngine::isBusy() const
{
    return m_busy;
}

LineExchange &TransferEngine::exchange()
{
    return *m_exchange;
}

void TransferEngine::setPauseMs(int ms)
{
    m_pauseMs = ms;
    m_exchange->setEndPauseMs(ms);
}

void TransferEngine::setBusy(bool busy)
{
    m_busy = busy;
    emit busyChanged(busy);
}

TransferResult TransferEngine::runStep(Kind kind, Step step)
{
    emit transferStarted(kind);
    const TransferResult result = (this->*step)();
    emit transferFinished(kind, result);
    return result;
}

TransferResult TransferEngine::request(Kind kind, Step step)
{
    if (m_busy)
        return TransferResult(Outcome::Refused);
    setBusy(true);
    const TransferResult result = runStep(kind, step);
    setBusy(false);
    return result;
}

TransferResult TransferEngine::readMemory()
{
    return request(Kind::ReadMemory, &TransferEngine::doReadMemory);
}

TransferResult TransferEngine::writeMemory()
{
    return request(Kind::WriteMemory, &TransferEngine::doWriteMemory);
}

TransferResult TransferEngine::readSettings()
{
    return request(Kind::ReadSettings, &TransferEngine::doReadSettings);
}

TransferResult TransferEngine::writeSettings()
{
    return request(Kind::WriteSettings, &TransferEngine::doWriteSettings);
}

TransferResult TransferEngine::autoSelect()
{
    return request(Kind::AutoSelect, &TransferEngine::doAutoSelect);
}

TransferResult TransferEngine::readAll()
{
    if (m_busy)
        return TransferResult(Outcome::Refused);
    setBusy(true);
    m_state.TransferOk = false;
    TransferResult result = runStep(Kind::ReadSettings, &TransferEngine::doReadSettings);
    if (m_state.TransferOk)
        result = runStep(Kind::ReadMemory, &TransferEngine::doReadMemory);
    setBusy(false);
    return result;
}

TransferResult TransferEngine::writeAll()
{
    if (m_busy)
        return TransferResult(Outcome::Refused);
    setBusy(true);
    m_state.TransferOk = false;
    TransferResult result = runStep(Kind::WriteSettings, &TransferEngine::doWriteSettings);
    if (m_state.TransferOk)
        result = runStep(Kind::WriteMemory, &TransferEngine::doWriteMemory);
    setBusy(false);
    return result;
}

bool TransferEngine::ensureOpen(TransferResult &failure)
{
    if (m_port.isOpen() || m_port.open())
        return true;
    // A serial port's reason names its device itself, with what to do about it.
    const QString reason = m_port.errorString();
    failure = TransferResult(Outcome::Unexpected, reason.contains(m_port.deviceName())
                                                      ? reason
                                                      : reason + QStringLiteral(": ") + m_port.deviceName());
    return false;
}

bool TransferEngine::beginWrite(TransferResult &failure)
{
    if (!ensureOpen(failure))
        return false;
    const BlockCommands::Reply check = m_commands->CheckModel();
    if (!check.ok()) {
        failure = failed(*m_commands, check, QStringLiteral("model check"));
        return false;
    }
    pause();
    return true;
}

TransferResult TransferEngine::endNormally()
{
    m_exchange->TxEnd();
    m_state.TransferOk = true;
    return TransferResult();
}

void TransferEngine::pause()
{
    m_exchange->Wait(m_pauseMs);
}

TransferResult TransferEngine::doReadMemory()
{
    TransferResult failure;
    if (!ensureOpen(failure))
        return failure;

    for (int n = 0; n < Module1::ChannelCount; ++n) {
        emit slotChanged(n);
        const BlockCommands::RecordReply reply = m_commands->ReadRecord(MemoryMap::channelAddress(n));
        if (!reply.ok())
            return failed(*m_commands, reply, slotName(n), n);
        const DecodeResult decoded = ChannelCodec::DecodeChannel(m_state, reply.recordText, n);
        if (!decoded)
            return undecodable(slotName(n), decoded, n);
        emit channelDecoded(n);
        pause();
    }
    return endNormally();
}

TransferResult TransferEngine::doWriteMemory()
{
    TransferResult failure;
    if (!beginWrite(failure))
        return failure;
    for (int n = 0; n < Module1::ChannelCount; ++n) {
        emit slotChanged(n);
        pause();
        const QString record = ChannelCodec::EncodeChannel(m_state, n);
        const BlockCommands::Reply reply = m_commands->WriteRecord(MemoryMap::channelAddress(n), record);
        if (!reply.ok())
            return failed(*m_commands, reply, slotName(n), n);
    }
    pause();
    return endNormally();
}

TransferResult TransferEngine::doReadSettings()
{
    TransferResult failure;
    if (!ensureOpen(failure))
        return failure;

    const BlockCommands::RecordReply line1 = m_commands->ReadRecord(MemoryMap::SettingsRecord1);
    if (!line1.ok())
        return failed(*m_commands, line1, recordName(MemoryMap::SettingsRecord1));
    m_state.SettingsLine1 = line1.recordText;
    pause();

    const BlockCommands::RecordReply line2 = m_commands->ReadRecord(MemoryMap::SettingsRecord2);
    if (!line2.ok())
        return failed(*m_commands, line2, recordName(MemoryMap::SettingsRecord2));
    m_state.SettingsLine2 = line2.recordText;
    const DecodeResult settings = SettingsCodec::DecodeSettings(m_state);
    if (!settings)
        return undecodable(QStringLiteral("settings"), settings);
    emit settingsDecoded();
    pause();

    const BlockCommands::RecordReply vfoA = m_commands->ReadRecord(MemoryMap::VfoA);
    if (!vfoA.ok())
        return failed(*m_commands, vfoA, recordName(MemoryMap::VfoA));
    pause();
    const BlockCommands::RecordReply vfoB = m_commands->ReadRecord(MemoryMap::VfoB);
    if (!vfoB.ok())
        return failed(*m_commands, vfoB, recordName(MemoryMap::VfoB));

    // Both VFO rows or neither: VFO A is put back when VFO B does not decode.
    const Module1::VfoTextRow textA = m_state.VfoText[0];
    const Module1::VfoValueRow valueA = m_state.VfoValue[0];
    const DecodeResult decodedA = VfoCodec::DecodeVfo(m_state, vfoA.recordText, 0);
    if (!decodedA)
        return undecodable(QStringLiteral("VFO A"), decodedA);
    const DecodeResult decodedB = VfoCodec::DecodeVfo(m_state, vfoB.recordText, 1);
    if (!decodedB) {
        m_state.VfoText[0] = textA;
        m_state.VfoValue[0] = valueA;
        return undecodable(QStringLiteral("VFO B"), decodedB);
    }
    emit vfoDecoded();
    pause();

    return endNormally();
}

TransferResult TransferEngine::doWriteSettings()
{
    TransferResult failure;
    if (!beginWrite(failure))
        return failure;

    SettingsCodec::EncodeSettings(m_state);
    const std::array<std::pair<int, QString>, 4> records = {{
        {MemoryMap::SettingsRecord1, m_state.SettingsLine1},
        {MemoryMap::SettingsRecord2, m_state.SettingsLine2},
        {MemoryMap::VfoA, VfoCodec::EncodeVfo(m_state, 0)},
        {MemoryMap::VfoB, VfoCodec::EncodeVfo(m_state, 1)},
    }};
    for (const auto &[address, text] : records) {
        const BlockCommands::Reply reply = m_commands->WriteRecord(address, text);
        if (!reply.ok())
            return failed(*m_commands, reply, recordName(address));
        pause();
    }

    return endNormally();
}

TransferResult TransferEngine::doAutoSelect()
{
    TransferResult failure;
    if (!ensureOpen(failure))
        return failure;

    const BlockCommands::Identity identity = m_commands->IdentifyRadio();
    if (!identity.ok())
        return failed(*m_commands, identity, QStringLiteral("identification"));

    m_state.ExtendedRange = false;
    const int variant = BlockCommands::variantForCode(identity.variantCode);
    if (variant < 0) {
        return TransferResult(Outcome::CommunicationFailure,
                              QStringLiteral("identification: unknown variant code \"%1\"")
                                  .arg(identity.variantCode));
    }
    m_state.ModelVariant = variant;
    m_state.DataChanged = true;
    emit modelSelected(variant);
    m_state.ExtendedRange = identity.rangeCode == BlockCommands::extendedRangeCode();
    return TransferResult();
}
