#include "BlockCommands.h"
#include "ChannelCodec.h"
#include "LineExchange.h"
#include "MemoryMap.h"
#include "Module1.h"
#include "ScriptedPort.h"
#include "SettingsCodec.h"
#include "TransferEngine.h"
#include "TransferRunner.h"
#include "VfoCodec.h"

#include <QHash>
#include <QMap>
#include <QSignalSpy>
#include <QtTest>

using Outcome = TransferResult::Outcome;
Q_DECLARE_METATYPE(TransferResult::Outcome)

namespace {

constexpr int ShortBoundMs = 50;
constexpr int FailingSlot = 100;
const QByteArray Silent = "<silent>";
const QByteArray PortError = "<port error>";

// A radio inside the test: echoes every command; answers reads from its
// memory, stores writes, says OK to its model name, identifies itself, and
// gives the echo alone to the end command. Single commands can be given
// another answer (after the echo), silence or a port error.
struct FakeRadio
{
    QMap<int, QString> memory;
    QByteArray model = "QTR70";
    QByteArray identity = "QTR7099xx00";
    QHash<QByteArray, QByteArray> overrides;

    QByteArrayList respond(const QByteArray &command) const
    {
        if (overrides.contains(command)) {
            const QByteArray answer = overrides.value(command);
            return answer == Silent ? QByteArrayList{} : ScriptedPort::echoAnd(command, answer);
        }
        const QByteArray line = command.chopped(2);
        if (line.startsWith("KV~F") && line.endsWith('R'))
            return ScriptedPort::echoAnd(command, memory.value(line.mid(4, 4).toInt(nullptr, 16)).toLatin1() + "\r\n");
        if (line.startsWith("KV~F") && line.at(8) == 'W')
            return ScriptedPort::echoAnd(command, "OK\r\n");
        if (line == model)
            return ScriptedPort::echoAnd(command, "OK\r\n");
        if (line == "KV~WHO")
            return ScriptedPort::echoAnd(command, identity + "\r\n");
        return {command};
    }

    void store(const QByteArray &command)
    {
        if (command.startsWith("KV~F") && command.at(8) == 'W')
            memory[command.mid(4, 4).toInt(nullptr, 16)] = QString::fromLatin1(command.mid(9, 64));
    }
};

// A radio image with every third channel in use, each with its own
// frequency, factory settings and default VFOs.
Module1 sampleImage()
{
    Module1 image;
    SettingsCodec::LoadDefaultSettings(image);
    VfoCodec::LoadDefaultVfo(image);
    for (int n = 0; n < Module1::ChannelCount; n += 3) {
        image.ChannelInUse[n] = true;
        image.ChannelValue[n][0] = 7000000 + 1000 * n;
        image.ChannelText[n][9] = QStringLiteral("CH%1").arg(n);
    }
    // The texts as the radio's records give them.
    for (int n = 0; n < Module1::ChannelCount; ++n)
        ChannelCodec::DecodeChannel(image, ChannelCodec::EncodeChannel(image, n), n);
    return image;
}

void loadInto(FakeRadio &radio, Module1 &image)
{
    SettingsCodec::EncodeSettings(image);
    radio.memory[MemoryMap::SettingsRecord1] = image.SettingsLine1;
    radio.memory[MemoryMap::SettingsRecord2] = image.SettingsLine2;
    radio.memory[MemoryMap::VfoA] = VfoCodec::EncodeVfo(image, 0);
    radio.memory[MemoryMap::VfoB] = VfoCodec::EncodeVfo(image, 1);
    for (int n = 0; n < Module1::ChannelCount; ++n)
        radio.memory[MemoryMap::channelAddress(n)] = ChannelCodec::EncodeChannel(image, n);
}

// Marks every channel row so that a replaced row can be told apart.
void markRows(Module1 &state)
{
    for (int n = 0; n < Module1::ChannelCount; ++n) {
        state.ChannelInUse[n] = true;
        state.ChannelValue[n][0] = 1;
        state.ChannelText[n][9] = QStringLiteral("OLD");
    }
}

bool rowEquals(const Module1 &a, const Module1 &b, int n)
{
    return a.ChannelInUse[n] == b.ChannelInUse[n] && a.ChannelValue[n] == b.ChannelValue[n]
        && a.ChannelText[n] == b.ChannelText[n];
}

QString readLine(int address)
{
    return BlockCommands::readCommand(address);
}

struct Harness
{
    Module1 state;
    ScriptedPort port;
    FakeRadio radio;
    TransferEngine engine{state, port};

    Harness()
    {
        port.setResponder([this](const QByteArray &command) {
            radio.store(command);
            return radio.respond(command);
        });
        engine.exchange().setReplyTimeoutMs(ShortBoundMs);
        engine.setPauseMs(0);
    }

    TransferResult run(const QString &name) { return runTransfer(engine, name); }

    QStringList sent() const
    {
        QStringList lines;
        for (const QByteArray &line : port.written())
            lines.append(QString::fromLatin1(line));
        return lines;
    }
};

const QStringList AllTransfers = {"readMemory", "writeMemory", "readSettings", "writeSettings",
                                  "autoSelect", "readAll",     "writeAll"};

} // namespace

class tst_TransferEngine : public QObject
{
    Q_OBJECT

private slots:
    void commandSequence_data();
    void commandSequence();
    void readMemoryReplacesTheTable();
    void readMemoryFailsAtSlot100_data();
    void readMemoryFailsAtSlot100();
    void writeMemoryFailsPartWay_data();
    void writeMemoryFailsPartWay();
    void readSettingsFailsPartWay_data();
    void readSettingsFailsPartWay();
    void writeSettingsSendsRecordsRebuiltFromSelections();
    void allStopsWhenSettingsFail_data();
    void allStopsWhenSettingsFail();
    void portCannotBeOpened_data();
    void portCannotBeOpened();
    void portStaysOpenAfterFailure();
    void autoSelect_data();
    void autoSelect();
    void refusedWhileBusy_data();
    void refusedWhileBusy();
};

void tst_TransferEngine::commandSequence_data()
{
    QTest::addColumn<QString>("transfer");
    QTest::addColumn<QStringList>("expected");

    // The records a write sends come from the state the transfer starts with.
    Module1 state;
    SettingsCodec::EncodeSettings(state);
    const QString end = LineExchange::endCommand();
    const QString check = QStringLiteral("QTR70\r\n");

    QStringList readMemory;
    QStringList writeMemory{check};
    for (int n = 0; n < Module1::ChannelCount; ++n) {
        readMemory << readLine(MemoryMap::channelAddress(n));
        writeMemory << BlockCommands::writeCommand(MemoryMap::channelAddress(n), ChannelCodec::EncodeChannel(state, n));
    }
    readMemory << end;
    writeMemory << end;
    const QStringList readSettings{readLine(0x0300), readLine(0x0320), readLine(0x0400), readLine(0x0500), end};
    const QStringList writeSettings{check,
                                    BlockCommands::writeCommand(0x0300, state.SettingsLine1),
                                    BlockCommands::writeCommand(0x0320, state.SettingsLine2),
                                    BlockCommands::writeCommand(0x0400, VfoCodec::EncodeVfo(state, 0)),
                                    BlockCommands::writeCommand(0x0500, VfoCodec::EncodeVfo(state, 1)),
                                    end};

    QTest::newRow("Read Memory") << "readMemory" << readMemory;
    QTest::newRow("Write Memory") << "writeMemory" << writeMemory;
    QTest::newRow("Read Settings") << "readSettings" << readSettings;
    QTest::newRow("Write Settings") << "writeSettings" << writeSettings;
    QTest::newRow("Auto Select") << "autoSelect" << QStringList{"KV~WHO\r\n"};
    QTest::newRow("Read ALL") << "readAll" << readSettings + readMemory;
    QTest::newRow("Write ALL") << "writeAll" << writeSettings + writeMemory;
}

void tst_TransferEngine::commandSequence()
{
    QFETCH(QString, transfer);
    QFETCH(QStringList, expected);

    Harness h;
    Module1 image = sampleImage();
    loadInto(h.radio, image);

    const TransferResult result = h.run(transfer);
    QCOMPARE(result.outcome(), Outcome::Normal);
    QCOMPARE(h.sent(), expected);
    // Auto Select leaves TransferOk alone.
    QCOMPARE(h.state.TransferOk, transfer != "autoSelect");
    QCOMPARE(h.port.openCount(), 1);
}

void tst_TransferEngine::readMemoryReplacesTheTable()
{
    Harness h;
    Module1 image = sampleImage();
    loadInto(h.radio, image);
    markRows(h.state);
    QSignalSpy slotSpy(&h.engine, &TransferEngine::slotChanged);
    QSignalSpy rows(&h.engine, &TransferEngine::channelDecoded);
    // Each row is in the table when its signal comes.
    bool rowReadyWhenSignalled = true;
    connect(&h.engine, &TransferEngine::channelDecoded, this,
            [&](int n) { rowReadyWhenSignalled &= rowEquals(h.state, image, n); });

    QCOMPARE(h.engine.readMemory().outcome(), Outcome::Normal);

    QCOMPARE(slotSpy.count(), Module1::ChannelCount);
    QCOMPARE(rows.count(), Module1::ChannelCount);
    for (int n = 0; n < Module1::ChannelCount; ++n) {
        QCOMPARE(slotSpy.at(n).at(0).toInt(), n);
        QCOMPARE(rows.at(n).at(0).toInt(), n);
        QVERIFY2(rowEquals(h.state, image, n), qPrintable(QString::number(n)));
    }
    QVERIFY(rowReadyWhenSignalled);
    QVERIFY(h.state.TransferOk);
    QVERIFY(!h.state.DataChanged);
}

void tst_TransferEngine::readMemoryFailsAtSlot100_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("transferOkBefore");
    QTest::addColumn<Outcome>("outcome");

    const QByteArray record = QByteArray(64, '0');
    QTest::newRow("silent, TransferOk false") << Silent << false << Outcome::CommunicationFailure;
    QTest::newRow("silent, TransferOk true") << Silent << true << Outcome::CommunicationFailure;
    QTest::newRow("76 characters") << record.left(63) + "\r\n" << true << Outcome::CommunicationFailure;
    QTest::newRow("78 characters") << record + "0\r\n" << false << Outcome::CommunicationFailure;
    QTest::newRow("port error") << PortError << true << Outcome::PortFailure;
    QTest::newRow("does not decode") << QByteArray(64, 'Z') + "\r\n" << true << Outcome::Unexpected;
}

void tst_TransferEngine::readMemoryFailsAtSlot100()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, transferOkBefore);
    QFETCH(Outcome, outcome);

    Harness h;
    Module1 image = sampleImage();
    loadInto(h.radio, image);
    markRows(h.state);
    const Module1 before = h.state;
    h.state.TransferOk = transferOkBefore;
    const QByteArray failing = readLine(MemoryMap::channelAddress(FailingSlot)).toLatin1();
    if (answer == PortError)
        h.port.failAt(FailingSlot, ScriptedPort::Failure::Read);
    else
        h.radio.overrides[failing] = answer;

    const TransferResult result = h.engine.readMemory();

    QCOMPARE(result.outcome(), outcome);
    QCOMPARE(result.failedSlot(), FailingSlot);
    QVERIFY2(result.detail().startsWith("slot 100: "), qPrintable(result.detail()));
    for (int n = 0; n < FailingSlot; ++n)
        QVERIFY2(rowEquals(h.state, image, n), qPrintable(QString::number(n)));
    for (int n = FailingSlot; n < Module1::ChannelCount; ++n)
        QVERIFY2(rowEquals(h.state, before, n), qPrintable(QString::number(n)));
    QCOMPARE(h.state.TransferOk, transferOkBefore);
    // The transfer ends at the failing slot: no end command.
    QCOMPARE(h.port.written().size(), FailingSlot + 1);
    QCOMPARE(h.port.written().last(), failing);
    QVERIFY(!h.engine.isBusy());
}

void tst_TransferEngine::writeMemoryFailsPartWay_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<Outcome>("outcome");

    QTest::newRow("NG at slot 7") << 7 << QByteArray("NG\r\n") << Outcome::CommunicationFailure;
    QTest::newRow("silent at slot 0") << 0 << Silent << Outcome::CommunicationFailure;
    QTest::newRow("port error at slot 603") << 603 << PortError << Outcome::PortFailure;
}

void tst_TransferEngine::writeMemoryFailsPartWay()
{
    QFETCH(int, slot);
    QFETCH(QByteArray, answer);
    QFETCH(Outcome, outcome);

    Harness h;
    h.state = sampleImage();
    h.state.TransferOk = true;
    const QByteArray failing =
        BlockCommands::writeCommand(MemoryMap::channelAddress(slot), ChannelCodec::EncodeChannel(h.state, slot))
            .toLatin1();
    if (answer == PortError)
        h.port.failAt(slot + 1, ScriptedPort::Failure::Read); // after the model check
    else
        h.radio.overrides[failing] = answer;

    const TransferResult result = h.engine.writeMemory();

    QCOMPARE(result.outcome(), outcome);
    QCOMPARE(result.failedSlot(), slot);
    QCOMPARE(h.port.written().last(), failing);
    // The slots before the failing one are in the radio, the rest are not.
    for (int n = 0; n < slot; ++n)
        QCOMPARE(h.radio.memory.value(MemoryMap::channelAddress(n)), ChannelCodec::EncodeChannel(h.state, n));
    QVERIFY(!h.radio.memory.contains(MemoryMap::channelAddress(slot + 1)));
    QVERIFY(h.state.TransferOk);
}

void tst_TransferEngine::readSettingsFailsPartWay_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<bool>("line1Read");
    QTest::addColumn<bool>("settingsShown");

    const QByteArray undecodable = QByteArray(64, 'Z') + "\r\n";
    QTest::newRow("silent at 0300") << 0x0300 << Silent << Outcome::CommunicationFailure << false << false;
    QTest::newRow("silent at 0320") << 0x0320 << Silent << Outcome::CommunicationFailure << true << false;
    QTest::newRow("settings do not decode") << 0x0320 << undecodable << Outcome::Unexpected << true << false;
    QTest::newRow("port error at 0400") << 0x0400 << PortError << Outcome::PortFailure << true << true;
    QTest::newRow("VFO A does not decode") << 0x0400 << undecodable << Outcome::Unexpected << true << true;
    QTest::newRow("VFO B does not decode") << 0x0500 << undecodable << Outcome::Unexpected << true << true;
}

void tst_TransferEngine::readSettingsFailsPartWay()
{
    QFETCH(int, address);
    QFETCH(QByteArray, answer);
    QFETCH(Outcome, outcome);
    QFETCH(bool, line1Read);
    QFETCH(bool, settingsShown);

    Harness h;
    Module1 image = sampleImage();
    // The radio's settings and VFOs differ from the program's.
    image.SettingSelection[0] = 1;
    image.VfoValue[0][0] = 14200000;
    image.VfoValue[1][0] = 21300000;
    loadInto(h.radio, image);
    SettingsCodec::LoadDefaultSettings(h.state);
    VfoCodec::LoadDefaultVfo(h.state);
    const Module1 before = h.state;
    if (answer == PortError)
        h.port.failAt(2, ScriptedPort::Failure::Read);
    else
        h.radio.overrides[readLine(address).toLatin1()] = answer;
    QSignalSpy settingsSignal(&h.engine, &TransferEngine::settingsDecoded);
    QSignalSpy vfoSignal(&h.engine, &TransferEngine::vfoDecoded);

    QCOMPARE(h.engine.readSettings().outcome(), outcome);

    QCOMPARE(h.state.SettingsLine1, line1Read ? image.SettingsLine1 : before.SettingsLine1);
    QCOMPARE(h.state.SettingSelection, settingsShown ? image.SettingSelection : before.SettingSelection);
    QCOMPARE(settingsSignal.count(), settingsShown ? 1 : 0);
    // Both VFO rows or neither: a failed read leaves both as they were.
    QCOMPARE(h.state.VfoText, before.VfoText);
    QCOMPARE(h.state.VfoValue, before.VfoValue);
    QCOMPARE(vfoSignal.count(), 0);
    QVERIFY(!h.state.TransferOk);
    QVERIFY(!h.sent().contains(LineExchange::endCommand()));
}

void tst_TransferEngine::writeSettingsSendsRecordsRebuiltFromSelections()
{
    Harness h;
    SettingsCodec::LoadDefaultSettings(h.state);
    h.state.SettingSelection[3] = 1;
    h.state.SettingsLine1 = QString(64, '7'); // stale text, never sent
    Module1 expected = h.state;
    SettingsCodec::EncodeSettings(expected);

    QCOMPARE(h.engine.writeSettings().outcome(), Outcome::Normal);
    QCOMPARE(h.radio.memory.value(MemoryMap::SettingsRecord1), expected.SettingsLine1);
    QCOMPARE(h.radio.memory.value(MemoryMap::SettingsRecord2), expected.SettingsLine2);
    QCOMPARE(h.state.SettingsLine1, expected.SettingsLine1);
}

void tst_TransferEngine::allStopsWhenSettingsFail_data()
{
    QTest::addColumn<QString>("transfer");
    QTest::addColumn<QByteArray>("failing");
    QTest::addColumn<int>("commandsSent");

    QTest::newRow("Read ALL") << "readAll" << readLine(0x0320).toLatin1() << 2;
    QTest::newRow("Write ALL, model check") << "writeAll" << QByteArray("QTR60\r\n") << 2;
}

void tst_TransferEngine::allStopsWhenSettingsFail()
{
    QFETCH(QString, transfer);
    QFETCH(QByteArray, failing);
    QFETCH(int, commandsSent);

    Harness h;
    Module1 image = sampleImage();
    loadInto(h.radio, image);
    h.radio.model = "QTR50"; // refuses both model names
    h.radio.overrides[failing] = Silent;
    h.state.TransferOk = true;
    QSignalSpy finished(&h.engine, &TransferEngine::transferFinished);

    QCOMPARE(h.run(transfer).outcome(), Outcome::CommunicationFailure);
    QCOMPARE(h.port.written().size(), commandsSent);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!h.state.TransferOk);
}

void tst_TransferEngine::portCannotBeOpened_data()
{
    QTest::addColumn<QString>("transfer");
    for (const QString &name : AllTransfers)
        QTest::newRow(qPrintable(name)) << name;
}

void tst_TransferEngine::portCannotBeOpened()
{
    QFETCH(QString, transfer);

    Harness h;
    h.port.setOpenError(QStringLiteral("Permission denied"));
    h.state.TransferOk = true;
    const int variant = h.state.ModelVariant;

    const TransferResult result = h.run(transfer);
    QCOMPARE(result.outcome(), Outcome::Unexpected);
    QCOMPARE(result.detail(), QString("Permission denied: scripted"));
    QCOMPARE(result.message(), QString("COM Port Error"));
    QVERIFY(h.port.written().isEmpty());
    // Read/Write ALL clear TransferOk before their first step.
    QCOMPARE(h.state.TransferOk, !transfer.endsWith("All"));
    QCOMPARE(h.state.ModelVariant, variant);
    QVERIFY(!h.state.DataChanged);
}

void tst_TransferEngine::portStaysOpenAfterFailure()
{
    Harness h;
    Module1 image = sampleImage();
    loadInto(h.radio, image);
    h.radio.overrides["KV~WHO\r\n"] = Silent;

    QCOMPARE(h.engine.autoSelect().outcome(), Outcome::CommunicationFailure);
    QVERIFY(h.port.isOpen());
    QCOMPARE(h.engine.readSettings().outcome(), Outcome::Normal);
    QCOMPARE(h.port.openCount(), 1);

    // A port closed in between (another port chosen) is opened again.
    h.port.close();
    QCOMPARE(h.engine.readSettings().outcome(), Outcome::Normal);
    QCOMPARE(h.port.openCount(), 2);
}

void tst_TransferEngine::autoSelect_data()
{
    QTest::addColumn<QByteArray>("identity");
    QTest::addColumn<bool>("extendedBefore");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("extended");

    // The program starts with option 2 (QT-R70E).
    QTest::newRow("33, 00") << QByteArray("QTR7033xx00") << true << Outcome::Normal << 0 << false;
    QTest::newRow("66") << QByteArray("QTR7066xx00") << false << Outcome::Normal << 1 << false;
    QTest::newRow("99, AA") << QByteArray("QTR7099xxAA") << false << Outcome::Normal << 2 << true;
    QTest::newRow("QTR60, CC, AA") << QByteArray("QTR60CC--AA") << false << Outcome::Normal << 3 << true;
    QTest::newRow("range in lower case") << QByteArray("QTR70CCxxaa") << true << Outcome::Normal << 3 << false;
    QTest::newRow("unknown variant") << QByteArray("QTR7044xxAA") << true << Outcome::CommunicationFailure << 2
                                     << false;
    QTest::newRow("variant in lower case") << QByteArray("QTR70ccxxAA") << false << Outcome::CommunicationFailure
                                           << 2 << false;
    QTest::newRow("other model") << QByteArray("QTR8033xxAA") << true << Outcome::CommunicationFailure << 2
                                 << true;
    QTest::newRow("20 characters") << QByteArray("QTR7033xxA") << true << Outcome::CommunicationFailure << 2
                                   << true;
}

void tst_TransferEngine::autoSelect()
{
    QFETCH(QByteArray, identity);
    QFETCH(bool, extendedBefore);
    QFETCH(Outcome, outcome);
    QFETCH(int, variant);
    QFETCH(bool, extended);

    Harness h;
    h.radio.identity = identity;
    h.state.ExtendedRange = extendedBefore;
    h.state.ModelVariant = Module1::ModelE;
    QSignalSpy selected(&h.engine, &TransferEngine::modelSelected);

    QCOMPARE(h.engine.autoSelect().outcome(), outcome);
    QCOMPARE(h.state.ModelVariant, variant);
    QCOMPARE(h.state.ExtendedRange, extended);
    const bool normal = outcome == Outcome::Normal;
    QCOMPARE(h.state.DataChanged, normal);
    QCOMPARE(selected.count(), normal ? 1 : 0);
    if (normal)
        QCOMPARE(selected.at(0).at(0).toInt(), variant);
    QVERIFY(!h.state.TransferOk);
}

void tst_TransferEngine::refusedWhileBusy_data()
{
    QTest::addColumn<QString>("second");
    for (const QString &name : AllTransfers)
        QTest::newRow(qPrintable(name)) << name;
}

void tst_TransferEngine::refusedWhileBusy()
{
    QFETCH(QString, second);

    Harness h;
    Module1 image = sampleImage();
    loadInto(h.radio, image);
    h.state.TransferOk = true;
    QSignalSpy busy(&h.engine, &TransferEngine::busyChanged);
    QSignalSpy started(&h.engine, &TransferEngine::transferStarted);
    TransferResult refused;
    bool wasBusy = false;
    // Started from within the running transfer's event loop.
    connect(&h.engine, &TransferEngine::slotChanged, this, [&](int slot) {
        if (slot != 3)
            return;
        wasBusy = h.engine.isBusy();
        refused = h.run(second);
    });

    QCOMPARE(h.engine.readMemory().outcome(), Outcome::Normal);

    QVERIFY(wasBusy);
    QCOMPARE(refused.outcome(), Outcome::Refused);
    QVERIFY(refused.message().isEmpty());
    QCOMPARE(started.count(), 1);
    QCOMPARE(busy.count(), 2);
    QVERIFY(!h.engine.isBusy());
    QCOMPARE(h.port.written().size(), Module1::ChannelCount + 1);
    QVERIFY(h.state.TransferOk);
    QCOMPARE(h.state.ModelVariant, Module1::ModelE);
}

QTEST_GUILESS_MAIN(tst_TransferEngine)
#include "tst_TransferEngine.moc"
