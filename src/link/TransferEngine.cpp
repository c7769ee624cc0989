#include "TransferEngine.h"

#include "BlockCommands.h"
#include "ImageRecords.h"
#include "ChannelCodec.h"
#include "LineExchange.h"
#include "MemoryMap.h"
#include "Module1.h"
#include "RadioPort.h"
#include "SettingsCodec.h"
#include "VfoCodec.h"

#include <QHash>

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

// "slots 0–285 written, 286–603 unchanged" when stopped before slot `next`.
QString slotRange(int next, const QString &done, const QString &rest)
{
    const int last = Module1::ChannelCount - 1;
    if (next == 0)
        return QStringLiteral("no slot %1, 0\u2013%2 %3").arg(done).arg(last).arg(rest);
    return QStringLiteral("slots 0\u2013%1 %2, %3\u2013%4 %5").arg(next - 1).arg(done).arg(next).arg(last).arg(rest);
}

// "record 0320, slots 3, 7, 12" for written addresses.
QString describeRecords(const QList<int> &addresses)
{
    QStringList records;
    QStringList channelSlots;
    for (int address : addresses) {
        const int slot = ImageRecords::slotAt(address);
        if (slot < 0)
            records.append(MemoryMap::addressText(address));
        else
            channelSlots.append(QString::number(slot));
    }
    QStringList parts;
    if (!records.isEmpty())
        parts.append((records.size() == 1 ? QStringLiteral("record ") : QStringLiteral("records "))
                     + records.join(QStringLiteral(", ")));
    if (!channelSlots.isEmpty())
        parts.append((channelSlots.size() == 1 ? QStringLiteral("slot ") : QStringLiteral("slots "))
                     + channelSlots.join(QStringLiteral(", ")));
    return parts.isEmpty() ? QStringLiteral("nothing") : parts.join(QStringLiteral(", "));
}

TransferResult undecodable(const QString &what, const DecodeResult &decoded, int slot = -1)
{
    return TransferResult(Outcome::Unexpected, what + QStringLiteral(": ") + decoded.field(), slot);
}

} // namespace

TransferEngine::TransferEngine(Module1 &state, RadioPort &port, QObject *parent)
    : QObject(parent),
      m_state(state),
      m_target(&state),
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

void TransferEngine::requestStop()
{
    if (m_busy)
        m_stopRequested = true;
}

TransferResult TransferEngine::interrupted(const QString &what)
{
    m_exchange->TxEnd();
    return TransferResult(Outcome::Interrupted, what);
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
    m_running = kind;
    emit transferStarted(kind);
    const TransferResult result = (this->*step)();
    emit transferFinished(kind, result);
    return result;
}

TransferResult TransferEngine::request(std::initializer_list<std::pair<Kind, Step>> steps)
{
    if (m_busy)
        return TransferResult(Outcome::Refused);
    setBusy(true);
    m_stopRequested = false;
    TransferResult result;
    for (const auto &[kind, step] : steps) {
        if (m_stopRequested) {
            result = TransferResult(Outcome::Interrupted, QStringLiteral("nothing more was transferred"));
            break;
        }
        result = runStep(kind, step);
        if (!result.ok())
            break;
    }
    setBusy(false);
    return result;
}

TransferResult TransferEngine::readMemory()
{
    return request({{Kind::ReadMemory, &TransferEngine::doReadMemory}});
}

TransferResult TransferEngine::writeMemory()
{
    return request({{Kind::WriteMemory, &TransferEngine::doWriteMemory}});
}

TransferResult TransferEngine::readSettings()
{
    return request({{Kind::ReadSettings, &TransferEngine::doReadSettings}});
}

TransferResult TransferEngine::writeSettings()
{
    return request({{Kind::WriteSettings, &TransferEngine::doWriteSettings}});
}

TransferResult TransferEngine::autoSelect()
{
    return request({{Kind::AutoSelect, &TransferEngine::doAutoSelect}});
}

TransferResult TransferEngine::readAll()
{
    return request({{Kind::ReadSettings, &TransferEngine::doReadSettings},
                    {Kind::ReadMemory, &TransferEngine::doReadMemory}});
}

TransferResult TransferEngine::writeAll()
{
    return request({{Kind::WriteSettings, &TransferEngine::doWriteSettings},
                    {Kind::WriteMemory, &TransferEngine::doWriteMemory}});
}

bool TransferEngine::ensureOpen(TransferResult &failure)
{
    if (m_port.isOpen() || m_port.open()) {
        emit portOpened(m_running);
        return true;
    }
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
        if (m_stopRequested)
            return interrupted(slotRange(n, QStringLiteral("read"), QStringLiteral("not read")));
        emit slotChanged(n);
        const BlockCommands::RecordReply reply = m_commands->ReadRecord(MemoryMap::channelAddress(n));
        if (!reply.ok())
            return failed(*m_commands, reply, slotName(n), n);
        ChannelRow row = m_target->channel(n);
        const DecodeResult decoded = ChannelCodec::DecodeChannel(reply.recordText, row);
        if (!decoded)
            return undecodable(slotName(n), decoded, n);
        m_target->setChannel(n, row);
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
        if (m_stopRequested)
            return interrupted(slotRange(n, QStringLiteral("written"), QStringLiteral("unchanged")));
        emit slotChanged(n);
        pause();
        const QString record = ChannelCodec::EncodeChannel(m_target->channel(n));
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
    pause();

    const BlockCommands::RecordReply line2 = m_commands->ReadRecord(MemoryMap::SettingsRecord2);
    if (!line2.ok())
        return failed(*m_commands, line2, recordName(MemoryMap::SettingsRecord2));
    SettingSelections selections = m_target->image().SettingSelection;
    const DecodeResult settings = SettingsCodec::DecodeSettings(line1.recordText, line2.recordText, selections);
    if (!settings)
        return undecodable(QStringLiteral("settings"), settings);
    m_target->setSettings(line1.recordText, line2.recordText, selections);
    pause();

    const BlockCommands::RecordReply vfoA = m_commands->ReadRecord(MemoryMap::VfoA);
    if (!vfoA.ok())
        return failed(*m_commands, vfoA, recordName(MemoryMap::VfoA));
    pause();
    const BlockCommands::RecordReply vfoB = m_commands->ReadRecord(MemoryMap::VfoB);
    if (!vfoB.ok())
        return failed(*m_commands, vfoB, recordName(MemoryMap::VfoB));

    // Both VFO rows or neither.
    VfoRow rowA = m_target->vfo(0);
    VfoRow rowB = m_target->vfo(1);
    const DecodeResult decodedA = VfoCodec::DecodeVfo(vfoA.recordText, rowA);
    if (!decodedA)
        return undecodable(QStringLiteral("VFO A"), decodedA);
    const DecodeResult decodedB = VfoCodec::DecodeVfo(vfoB.recordText, rowB);
    if (!decodedB)
        return undecodable(QStringLiteral("VFO B"), decodedB);
    m_target->setVfo(0, rowA);
    m_target->setVfo(1, rowB);
    pause();

    return endNormally();
}

TransferResult TransferEngine::doWriteSettings()
{
    TransferResult failure;
    if (!beginWrite(failure))
        return failure;

    m_target->encodeSettingsLines();
    const CloneImage &image = m_target->image();
    const std::array<std::pair<int, QString>, 4> records = {{
        {MemoryMap::SettingsRecord1, image.SettingsLine1},
        {MemoryMap::SettingsRecord2, image.SettingsLine2},
        {MemoryMap::VfoA, VfoCodec::EncodeVfo(image.Vfo[0])},
        {MemoryMap::VfoB, VfoCodec::EncodeVfo(image.Vfo[1])},
    }};
    QStringList written;
    for (const auto &[address, text] : records) {
        if (m_stopRequested) {
            return interrupted(written.isEmpty() ? QStringLiteral("no settings record written")
                                                 : QStringLiteral("records %1 written").arg(written.join(QStringLiteral(", "))));
        }
        written.append(MemoryMap::addressText(address));
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

    const int variant = BlockCommands::variantForCode(identity.variantCode);
    if (variant < 0) {
        // The coverage version is cleared before the code is looked up.
        m_target->setModel(m_target->image().ModelVariant, false);
        return TransferResult(Outcome::CommunicationFailure,
                              QStringLiteral("identification: unknown variant code \"%1\"")
                                  .arg(identity.variantCode));
    }
    m_target->setModel(variant, identity.rangeCode == BlockCommands::extendedRangeCode());
    m_target->DataChanged = true;
    return TransferResult();
}

TransferResult TransferEngine::writeChanges(const ChangesConfirmation &confirm)
{
    if (m_busy)
        return TransferResult(Outcome::Refused);
    setBusy(true);
    m_stopRequested = false;
    const auto finish = [this](const TransferResult &result) {
        m_target = &m_state;
        setBusy(false);
        return result;
    };

    // What the radio holds, read as Read ALL reads it.
    Module1 radio;
    m_target = &radio;
    TransferResult result = runStep(Kind::ReadSettings, &TransferEngine::doReadSettings);
    if (result.ok())
        result = runStep(Kind::ReadMemory, &TransferEngine::doReadMemory);
    m_target = &m_state;
    if (!result.ok())
        return finish(result);

    const CloneImage wanted = m_state.image();
    const QList<int> changed = ImageRecords::differing(radio.image(), wanted);
    if (!confirm(radio.image(), changed) || changed.isEmpty())
        return finish(TransferResult(Outcome::Normal, QStringLiteral("nothing written")));

    QList<int> settings;
    QList<int> channelSlots;
    for (int address : changed)
        (ImageRecords::slotAt(address) < 0 ? settings : channelSlots).append(address);
    QList<int> written;
    for (const auto &[kind, addresses] : {std::pair{Kind::WriteSettings, settings}, std::pair{Kind::WriteMemory, channelSlots}}) {
        if (addresses.isEmpty())
            continue;
        emit transferStarted(kind);
        result = writeRecords(kind, addresses, written, wanted);
        emit transferFinished(kind, result);
        if (!result.ok())
            return finish(result);
        written += addresses;
    }

    emit transferStarted(Kind::ReadMemory);
    result = verifyRecords(written, wanted);
    emit transferFinished(Kind::ReadMemory, result);
    if (result.ok())
        result = TransferResult(Outcome::Normal, QStringLiteral("%1 written").arg(describeRecords(written)));
    return finish(result);
}

TransferResult TransferEngine::writeRecords(Kind kind, const QList<int> &addresses, const QList<int> &before,
                                            const CloneImage &image)
{
    // On failure: what was written, this sequence's records so far included.
    QList<int> done = before;
    const auto failedHere = [&](const TransferResult &failure) {
        return TransferResult(failure.outcome(),
                              failure.detail() + QStringLiteral("; written: ") + describeRecords(done),
                              failure.failedSlot());
    };
    TransferResult failure;
    if (!beginWrite(failure))
        return failedHere(failure);
    QHash<int, QString> texts;
    for (const ImageRecords::Entry &record : ImageRecords::of(image))
        texts.insert(record.address, record.text);
    const bool memory = kind == Kind::WriteMemory;
    for (int address : addresses) {
        const int slot = ImageRecords::slotAt(address);
        if (memory) {
            emit slotChanged(slot);
            pause();
        }
        const BlockCommands::Reply reply = m_commands->WriteRecord(address, texts.value(address));
        if (!reply.ok())
            return failedHere(failed(*m_commands, reply, ImageRecords::name(address), slot));
        done.append(address);
        if (!memory)
            pause();
    }
    if (memory)
        pause();
    return endNormally();
}

TransferResult TransferEngine::verifyRecords(const QList<int> &addresses, const CloneImage &image)
{
    const QString written = QStringLiteral("; written: ") + describeRecords(addresses);
    TransferResult failure;
    if (!ensureOpen(failure))
        return failure;
    QHash<int, QString> texts;
    for (const ImageRecords::Entry &record : ImageRecords::of(image))
        texts.insert(record.address, record.text);
    QStringList different;
    for (int address : addresses) {
        const int slot = ImageRecords::slotAt(address);
        if (slot >= 0)
            emit slotChanged(slot);
        const BlockCommands::RecordReply reply = m_commands->ReadRecord(address);
        if (!reply.ok()) {
            const TransferResult read = failed(*m_commands, reply, ImageRecords::name(address), slot);
            return TransferResult(read.outcome(), read.detail() + written, slot);
        }
        if (reply.recordText.toUpper() != texts.value(address))
            different.append(ImageRecords::name(address));
        pause();
    }
    m_exchange->TxEnd();
    if (!different.isEmpty()) {
        return TransferResult(Outcome::CommunicationFailure,
                              QStringLiteral("read back differs: ") + different.join(QStringLiteral(", ")) + written);
    }
    return TransferResult();
}
