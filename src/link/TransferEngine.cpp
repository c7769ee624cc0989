#include "link/TransferEngine.h"

#include "codec/ChannelCodec.h"
#include "codec/ImageRecords.h"
#include "codec/MemoryMap.h"
#include "codec/SettingsCodec.h"
#include "codec/VfoCodec.h"
#include "link/BlockCommands.h"
#include "link/LineExchange.h"
#include "link/RadioPort.h"

#include <QCoreApplication>
#include <QHash>

#include <array>
#include <utility>

namespace {

using Outcome = TransferResult::Outcome;

QString slotName(int slot)
{
    return QCoreApplication::translate("TransferEngine", "slot %1").arg(slot);
}

QString recordName(int address)
{
    return QCoreApplication::translate("TransferEngine", "record %1").arg(MemoryMap::addressText(address));
}

// The outcome of an operation the radio or the port refused.
TransferResult failed(const BlockCommands &commands, const BlockCommands::Reply &reply,
                      const QString &what, int slot = -1)
{
    const Outcome outcome = reply.status == BlockCommands::Status::PortFailure
        ? Outcome::PortFailure
        : Outcome::CommunicationFailure;
    return TransferResult(outcome, QStringLiteral("%1: %2").arg(what, commands.describe(reply)), slot);
}

// "slots 0–285 written, 286–603 unchanged" when stopped before slot `next`.
QString slotRange(int next, const QString &done, const QString &rest)
{
    const int last = CloneImage::ChannelCount - 1;
    if (next == 0)
        return QCoreApplication::translate("TransferEngine", "no slot %1, 0\u2013%2 %3").arg(done).arg(last).arg(rest);
    return QCoreApplication::translate("TransferEngine", "slots 0\u2013%1 %2, %3\u2013%4 %5").arg(next - 1).arg(done).arg(next).arg(last).arg(rest);
}

// "a, b and c".
QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return QCoreApplication::translate("TransferEngine", "%1 and %2").arg(QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", ")),
                                           items.constLast());
}

TransferResult undecodable(const QString &what, const DecodeResult &decoded, int slot = -1)
{
    return TransferResult(Outcome::Unexpected, what + QStringLiteral(": ") + decoded.field(), slot);
}

QHash<int, QString> recordTexts(const CloneImage &image)
{
    QHash<int, QString> texts;
    for (const ImageRecords::Entry &record : ImageRecords::of(image))
        texts.insert(record.address, record.text);
    return texts;
}

} // namespace

TransferEngine::TransferEngine(RadioPort &port, QObject *parent)
    : QObject(parent),
      m_port(port),
      m_exchange(std::make_unique<LineExchange>(port)),
      m_commands(std::make_unique<BlockCommands>(*m_exchange))
{
}

TransferEngine::~TransferEngine() = default;

QString TransferEngine::describeRecords(const QList<int> &addresses)
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
        parts.append((records.size() == 1 ? QCoreApplication::translate("TransferEngine", "record %1") : QCoreApplication::translate("TransferEngine", "records %1")).arg(listed(records)));
    if (!channelSlots.isEmpty())
        parts.append((channelSlots.size() == 1 ? QCoreApplication::translate("TransferEngine", "slot %1") : QCoreApplication::translate("TransferEngine", "slots %1")).arg(listed(channelSlots)));
    return parts.isEmpty() ? QCoreApplication::translate("TransferEngine", "nothing") : parts.join(QCoreApplication::translate("TransferEngine", " and "));
}

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
    m_exchange->sendEnd();
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

void TransferEngine::take(const ImagePatch &part)
{
    part.applyTo(m_image);
    emit partRead(part);
}

TransferResult TransferEngine::runStep(Kind kind, Step step)
{
    m_running = kind;
    emit transferStarted(kind);
    const TransferResult result = (this->*step)();
    emit transferFinished(kind, result);
    return result;
}

TransferEngine::Transfer TransferEngine::request(const CloneImage &image,
                                                 std::initializer_list<std::pair<Kind, Step>> steps)
{
    if (m_busy)
        return {TransferResult(Outcome::Refused), image, {}};
    setBusy(true);
    m_stopRequested = false;
    m_image = image;
    TransferResult result;
    for (const auto &[kind, step] : steps) {
        if (m_stopRequested) {
            result = TransferResult(Outcome::Interrupted, QCoreApplication::translate("TransferEngine", "nothing more was transferred"));
            break;
        }
        result = runStep(kind, step);
        if (!result.ok())
            break;
    }
    Transfer transfer{result, m_image, {}};
    m_image = CloneImage();
    setBusy(false);
    return transfer;
}

TransferEngine::Transfer TransferEngine::readMemory(const CloneImage &image)
{
    return request(image, {{Kind::ReadMemory, &TransferEngine::doReadMemory}});
}

TransferEngine::Transfer TransferEngine::writeMemory(const CloneImage &image)
{
    return request(image, {{Kind::WriteMemory, &TransferEngine::doWriteMemory}});
}

TransferEngine::Transfer TransferEngine::readSettings(const CloneImage &image)
{
    return request(image, {{Kind::ReadSettings, &TransferEngine::doReadSettings}});
}

TransferEngine::Transfer TransferEngine::writeSettings(const CloneImage &image)
{
    return request(image, {{Kind::WriteSettings, &TransferEngine::doWriteSettings}});
}

TransferEngine::Transfer TransferEngine::autoSelect(const CloneImage &image)
{
    return request(image, {{Kind::AutoSelect, &TransferEngine::doAutoSelect}});
}

TransferEngine::Transfer TransferEngine::readAll(const CloneImage &image)
{
    return request(image, {{Kind::ReadSettings, &TransferEngine::doReadSettings},
                           {Kind::ReadMemory, &TransferEngine::doReadMemory}});
}

TransferEngine::Transfer TransferEngine::writeAll(const CloneImage &image)
{
    return request(image, {{Kind::WriteSettings, &TransferEngine::doWriteSettings},
                           {Kind::WriteMemory, &TransferEngine::doWriteMemory}});
}

TransferEngine::Transfer TransferEngine::writeRecords(const QList<int> &addresses, const CloneImage &image)
{
    m_addresses = addresses;
    if (m_busy)
        return {TransferResult(Outcome::Refused), image, {}};
    setBusy(true);
    m_stopRequested = false;
    m_image = image;
    m_written.clear();
    const TransferResult result = doWriteRecords();
    setBusy(false);
    return {result, image, m_written};
}

TransferEngine::Transfer TransferEngine::verifyRecords(const QList<int> &addresses, const CloneImage &image)
{
    m_addresses = addresses;
    return request(image, {{Kind::ReadMemory, &TransferEngine::doVerifyRecords}});
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
    const BlockCommands::Reply check = m_commands->checkModel();
    if (!check.ok()) {
        failure = failed(*m_commands, check, QCoreApplication::translate("TransferEngine", "model check"));
        return false;
    }
    pause();
    return true;
}

TransferResult TransferEngine::endNormally()
{
    m_exchange->sendEnd();
    return TransferResult();
}

void TransferEngine::pause()
{
    m_exchange->pause(m_pauseMs);
}

TransferResult TransferEngine::doReadMemory()
{
    TransferResult failure;
    if (!ensureOpen(failure))
        return failure;

    for (int n = 0; n < CloneImage::ChannelCount; ++n) {
        if (m_stopRequested)
            return interrupted(slotRange(n, QCoreApplication::translate("TransferEngine", "read"), QCoreApplication::translate("TransferEngine", "not read")));
        emit slotChanged(n);
        emit recordStarted(n, CloneImage::ChannelCount);
        const BlockCommands::RecordReply reply = m_commands->readRecord(MemoryMap::channelAddress(n));
        if (!reply.ok())
            return failed(*m_commands, reply, slotName(n), n);
        ChannelRow row = m_image.channels.at(n);
        const DecodeResult decoded = ChannelCodec::decode(reply.recordText, row);
        if (!decoded)
            return undecodable(slotName(n), decoded, n);
        ImagePatch part;
        part.channelSlots.append(n);
        part.rows.append(row);
        take(part);
        pause();
    }
    return endNormally();
}

TransferResult TransferEngine::doWriteMemory()
{
    TransferResult failure;
    if (!beginWrite(failure))
        return failure;
    for (int n = 0; n < CloneImage::ChannelCount; ++n) {
        if (m_stopRequested)
            return interrupted(slotRange(n, QCoreApplication::translate("TransferEngine", "written"), QCoreApplication::translate("TransferEngine", "unchanged")));
        emit slotChanged(n);
        emit recordStarted(n, CloneImage::ChannelCount);
        pause();
        const QString record = ChannelCodec::encode(m_image.channels.at(n));
        const BlockCommands::Reply reply = m_commands->writeRecord(MemoryMap::channelAddress(n), record);
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

    // The settings records and the VFOs: four records.
    constexpr int SettingsRecords = 4;
    emit recordStarted(0, SettingsRecords);
    const BlockCommands::RecordReply line1 = m_commands->readRecord(MemoryMap::SettingsRecord1);
    if (!line1.ok())
        return failed(*m_commands, line1, recordName(MemoryMap::SettingsRecord1));
    pause();

    emit recordStarted(1, SettingsRecords);
    const BlockCommands::RecordReply line2 = m_commands->readRecord(MemoryMap::SettingsRecord2);
    if (!line2.ok())
        return failed(*m_commands, line2, recordName(MemoryMap::SettingsRecord2));
    SettingSelections selections = m_image.selections;
    const DecodeResult settings = SettingsCodec::decode(line1.recordText, line2.recordText, selections);
    if (!settings)
        return undecodable(QCoreApplication::translate("TransferEngine", "settings"), settings);
    ImagePatch settingsPart;
    settingsPart.settings = ImagePatch::Settings{line1.recordText, line2.recordText, selections};
    take(settingsPart);
    pause();

    emit recordStarted(2, SettingsRecords);
    const BlockCommands::RecordReply vfoA = m_commands->readRecord(MemoryMap::VfoA);
    if (!vfoA.ok())
        return failed(*m_commands, vfoA, recordName(MemoryMap::VfoA));
    pause();
    emit recordStarted(3, SettingsRecords);
    const BlockCommands::RecordReply vfoB = m_commands->readRecord(MemoryMap::VfoB);
    if (!vfoB.ok())
        return failed(*m_commands, vfoB, recordName(MemoryMap::VfoB));

    // Both VFO rows or neither.
    std::array<VfoRow, CloneImage::VfoCount> rows = m_image.vfos;
    const DecodeResult decodedA = VfoCodec::decode(vfoA.recordText, rows[0]);
    if (!decodedA)
        return undecodable(QStringLiteral("VFO A"), decodedA);
    const DecodeResult decodedB = VfoCodec::decode(vfoB.recordText, rows[1]);
    if (!decodedB)
        return undecodable(QStringLiteral("VFO B"), decodedB);
    ImagePatch vfoPart;
    vfoPart.vfo = rows;
    take(vfoPart);
    pause();

    return endNormally();
}

TransferResult TransferEngine::doWriteSettings()
{
    TransferResult failure;
    if (!beginWrite(failure))
        return failure;

    const SettingsCodec::Lines lines = SettingsCodec::encode(m_image.selections);
    const std::array<std::pair<int, QString>, 4> records = {{
        {MemoryMap::SettingsRecord1, lines.line1},
        {MemoryMap::SettingsRecord2, lines.line2},
        {MemoryMap::VfoA, VfoCodec::encode(m_image.vfos[0])},
        {MemoryMap::VfoB, VfoCodec::encode(m_image.vfos[1])},
    }};
    QStringList written;
    for (const auto &[address, text] : records) {
        if (m_stopRequested) {
            return interrupted(written.isEmpty() ? QCoreApplication::translate("TransferEngine", "no settings record written")
                                                 : QCoreApplication::translate("TransferEngine", "records %1 written").arg(written.join(QStringLiteral(", "))));
        }
        emit recordStarted(int(written.size()), int(records.size()));
        written.append(MemoryMap::addressText(address));
        const BlockCommands::Reply reply = m_commands->writeRecord(address, text);
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

    const BlockCommands::Identity identity = m_commands->identifyRadio();
    if (!identity.ok())
        return failed(*m_commands, identity, QCoreApplication::translate("TransferEngine", "identification"));

    const int variant = BlockCommands::variantForCode(identity.variantCode);
    ImagePatch part;
    if (variant < 0) {
        // The coverage version is cleared before the code is looked up.
        part.model = ImagePatch::Model{m_image.modelVariant, false};
        take(part);
        return TransferResult(Outcome::CommunicationFailure,
                              QCoreApplication::translate("TransferEngine", "identification: unknown variant code \"%1\"")
                                  .arg(identity.variantCode));
    }
    part.model = ImagePatch::Model{variant, identity.rangeCode == BlockCommands::extendedRangeCode()};
    take(part);
    return TransferResult();
}

TransferResult TransferEngine::doWriteRecords()
{
    QList<int> settings;
    QList<int> channelSlots;
    for (int address : std::as_const(m_addresses))
        (ImageRecords::slotAt(address) < 0 ? settings : channelSlots).append(address);
    TransferResult result;
    for (const auto &[kind, addresses] : {std::pair{Kind::WriteSettings, settings}, std::pair{Kind::WriteMemory, channelSlots}}) {
        if (addresses.isEmpty())
            continue;
        if (m_stopRequested)
            return TransferResult(Outcome::Interrupted, QCoreApplication::translate("TransferEngine", "stopped between the settings and the channels"));
        m_running = kind;
        emit transferStarted(kind);
        result = writeSequence(kind, addresses);
        emit transferFinished(kind, result);
        if (!result.ok())
            return result;
    }
    return TransferResult();
}

TransferResult TransferEngine::writeSequence(Kind kind, const QList<int> &addresses)
{
    TransferResult failure;
    if (!beginWrite(failure))
        return failure;
    const QHash<int, QString> texts = recordTexts(m_image);
    const bool memory = kind == Kind::WriteMemory;
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        const int address = addresses.at(i);
        if (m_stopRequested)
            return interrupted(QCoreApplication::translate("TransferEngine", "stopped before %1").arg(ImageRecords::name(address)));
        const int slot = ImageRecords::slotAt(address);
        if (memory)
            emit slotChanged(slot);
        emit recordStarted(int(i), int(addresses.size()));
        if (memory)
            pause();
        const BlockCommands::Reply reply = m_commands->writeRecord(address, texts.value(address));
        if (!reply.ok())
            return failed(*m_commands, reply, ImageRecords::name(address), slot);
        m_written.append(address);
        if (!memory)
            pause();
    }
    if (memory)
        pause();
    return endNormally();
}

TransferResult TransferEngine::doVerifyRecords()
{
    TransferResult failure;
    if (!ensureOpen(failure))
        return failure;
    const QHash<int, QString> texts = recordTexts(m_image);
    QStringList different;
    for (qsizetype i = 0; i < m_addresses.size(); ++i) {
        const int address = m_addresses.at(i);
        if (m_stopRequested)
            return interrupted(QCoreApplication::translate("TransferEngine", "reading back stopped before %1").arg(ImageRecords::name(address)));
        const int slot = ImageRecords::slotAt(address);
        if (slot >= 0)
            emit slotChanged(slot);
        emit recordStarted(int(i), int(m_addresses.size()));
        const BlockCommands::RecordReply reply = m_commands->readRecord(address);
        if (!reply.ok())
            return failed(*m_commands, reply, ImageRecords::name(address), slot);
        if (reply.recordText.toUpper() != texts.value(address))
            different.append(ImageRecords::name(address));
        pause();
    }
    m_exchange->sendEnd();
    if (!different.isEmpty())
        return TransferResult(Outcome::CommunicationFailure,
                              QCoreApplication::translate("TransferEngine", "read back differs: %1").arg(different.join(QStringLiteral(", "))));
    return TransferResult();
}
