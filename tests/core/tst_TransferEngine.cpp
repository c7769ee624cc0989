#include "app/CloneDocument.h"
#include "codec/ChannelCodec.h"
#include "codec/MemoryMap.h"
#include "link/BlockCommands.h"
#include "link/LineExchange.h"
#include "ScriptedPort.h"
#include "codec/SettingsCodec.h"
#include "StateSnapshot.h"
#include "link/TransferEngine.h"
#include "session/RadioSession.h"
#include "TransferRunner.h"
#include "codec/VfoCodec.h"

#include <QHash>
#include <QMap>
#include <QSignalSpy>
#include <QTemporaryDir>
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
CloneImage sampleImage()
{
    CloneImage image = CloneImage::factory(Vocabulary::ModelE, false);
    for (int n = 0; n < CloneImage::ChannelCount; n += 3) {
        ChannelRow &row = image.channels[n];
        row.inUse = true;
        row.frequency = 7000000 + 1000 * n;
        row.name = QStringLiteral("CH%1").arg(n);
    }
    // The texts as the radio's records give them.
    for (ChannelRow &row : image.channels)
        ChannelCodec::decode(ChannelCodec::encode(row), row);
    return image;
}

// Puts the image into the radio; the image's settings lines become the
// records the radio holds.
void loadInto(FakeRadio &radio, CloneImage &image)
{
    const SettingsCodec::Lines lines = SettingsCodec::encode(image.selections);
    image.settingsLine1 = lines.line1;
    image.settingsLine2 = lines.line2;
    radio.memory[MemoryMap::SettingsRecord1] = image.settingsLine1;
    radio.memory[MemoryMap::SettingsRecord2] = image.settingsLine2;
    radio.memory[MemoryMap::VfoA] = VfoCodec::encode(image.vfos[0]);
    radio.memory[MemoryMap::VfoB] = VfoCodec::encode(image.vfos[1]);
    for (int n = 0; n < CloneImage::ChannelCount; ++n)
        radio.memory[MemoryMap::channelAddress(n)] = ChannelCodec::encode(image.channels[n]);
}

// Marks every channel row so that a replaced row can be told apart.
void markRows(CloneDocument &state)
{
    CloneImage image = state.image();
    for (ChannelRow &row : image.channels) {
        row.inUse = true;
        row.frequency = 1;
        row.name = QStringLiteral("OLD");
    }
    state.setImage(image);
}

QString readLine(int address)
{
    return BlockCommands::readCommand(address);
}

struct Harness
{
    CloneDocument state;
    ScriptedPort port;
    FakeRadio radio;
    RadioSession session{state, port};
    TransferEngine &engine = session.engine();
    QTemporaryDir backups;

    Harness()
    {
        session.setBackupStore(BackupStore(backups.path()));
        port.setResponder([this](const QByteArray &command) {
            radio.store(command);
            return radio.respond(command);
        });
        engine.exchange().setReplyTimeoutMs(ShortBoundMs);
        engine.setPauseMs(0);
    }

    TransferResult run(const QString &name) { return runTransfer(session, name); }

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
    void portHeldForTheJobOnly();
    void autoSelect_data();
    void autoSelect();
    void refusedWhileBusy_data();
    void refusedWhileBusy();
};

void tst_TransferEngine::commandSequence_data()
{
    QTest::addColumn<QString>("transfer");
    QTest::addColumn<QStringList>("expected");

    // The records a write sends come from the document the transfer starts
    // with (a fresh one: empty tables).
    const CloneImage image;
    const SettingsCodec::Lines lines = SettingsCodec::encode(image.selections);
    const QString end = LineExchange::endCommand();
    const QString check = QStringLiteral("QTR70\r\n");

    QStringList readMemory;
    QStringList writeMemory{check};
    for (int n = 0; n < CloneImage::ChannelCount; ++n) {
        readMemory << readLine(MemoryMap::channelAddress(n));
        writeMemory << BlockCommands::writeCommand(MemoryMap::channelAddress(n),
                                                   ChannelCodec::encode(image.channels[n]));
    }
    readMemory << end;
    writeMemory << end;
    const QStringList readSettings{readLine(0x0300), readLine(0x0320), readLine(0x0400), readLine(0x0500), end};
    const QStringList writeSettings{check,
                                    BlockCommands::writeCommand(0x0300, lines.line1),
                                    BlockCommands::writeCommand(0x0320, lines.line2),
                                    BlockCommands::writeCommand(0x0400, VfoCodec::encode(image.vfos[0])),
                                    BlockCommands::writeCommand(0x0500, VfoCodec::encode(image.vfos[1])),
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
    CloneImage image = sampleImage();
    loadInto(h.radio, image);

    const TransferResult result = h.run(transfer);
    QCOMPARE(result.outcome(), Outcome::Normal);
    QCOMPARE(h.sent(), expected);
    QCOMPARE(h.port.openCount(), 1);
}

void tst_TransferEngine::readMemoryReplacesTheTable()
{
    Harness h;
    CloneImage image = sampleImage();
    loadInto(h.radio, image);
    markRows(h.state);
    QSignalSpy slotSpy(&h.engine, &TransferEngine::slotChanged);
    QSignalSpy rows(&h.state, &CloneDocument::channelsChanged);
    QSignalSpy otherParts(&h.state, &CloneDocument::settingsChanged);
    // Each row is in the document when its signal comes.
    bool rowReadyWhenSignalled = true;
    connect(&h.state, &CloneDocument::channelsChanged, this,
            [&](int n) { rowReadyWhenSignalled &= h.state.channel(n) == image.channels[n]; });

    QCOMPARE(h.run("readMemory").outcome(), Outcome::Normal);

    QCOMPARE(slotSpy.count(), CloneImage::ChannelCount);
    QCOMPARE(rows.count(), CloneImage::ChannelCount);
    for (int n = 0; n < CloneImage::ChannelCount; ++n) {
        QCOMPARE(slotSpy.at(n).at(0).toInt(), n);
        QCOMPARE(rows.at(n), (QVariantList{n, n}));
        QCOMPARE(h.state.channel(n), image.channels[n]);
    }
    QVERIFY(rowReadyWhenSignalled);
    QCOMPARE(otherParts.count(), 0);
    QVERIFY(!h.state.hasUnsavedChanges());
}

void tst_TransferEngine::readMemoryFailsAtSlot100_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<Outcome>("outcome");

    const QByteArray record = QByteArray(64, '0');
    QTest::newRow("silent") << Silent << Outcome::CommunicationFailure;
    QTest::newRow("76 characters") << record.left(63) + "\r\n" << Outcome::CommunicationFailure;
    QTest::newRow("78 characters") << record + "0\r\n" << Outcome::CommunicationFailure;
    QTest::newRow("port error") << PortError << Outcome::PortFailure;
    QTest::newRow("does not decode") << QByteArray(64, 'Z') + "\r\n" << Outcome::Unexpected;
}

void tst_TransferEngine::readMemoryFailsAtSlot100()
{
    QFETCH(QByteArray, answer);
    QFETCH(Outcome, outcome);

    Harness h;
    CloneImage image = sampleImage();
    loadInto(h.radio, image);
    markRows(h.state);
    const CloneImage before = h.state.image();
    const QByteArray failing = readLine(MemoryMap::channelAddress(FailingSlot)).toLatin1();
    if (answer == PortError)
        h.port.failAt(FailingSlot, ScriptedPort::Failure::Read);
    else
        h.radio.overrides[failing] = answer;

    const TransferResult result = h.run("readMemory");

    QCOMPARE(result.outcome(), outcome);
    QCOMPARE(result.failedSlot(), FailingSlot);
    QVERIFY2(result.detail().startsWith("slot 100: "), qPrintable(result.detail()));
    for (int n = 0; n < FailingSlot; ++n)
        QCOMPARE(h.state.channel(n), image.channels[n]);
    for (int n = FailingSlot; n < CloneImage::ChannelCount; ++n)
        QCOMPARE(h.state.channel(n), before.channels[n]);
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
    h.state.setImage(sampleImage());
    const QByteArray failing =
        BlockCommands::writeCommand(MemoryMap::channelAddress(slot), ChannelCodec::encode(h.state.channel(slot)))
            .toLatin1();
    if (answer == PortError)
        h.port.failAt(slot + 1, ScriptedPort::Failure::Read); // after the model check
    else
        h.radio.overrides[failing] = answer;

    const TransferResult result = h.run("writeMemory");

    QCOMPARE(result.outcome(), outcome);
    QCOMPARE(result.failedSlot(), slot);
    QCOMPARE(h.port.written().last(), failing);
    // The slots before the failing one are in the radio, the rest are not.
    for (int n = 0; n < slot; ++n)
        QCOMPARE(h.radio.memory.value(MemoryMap::channelAddress(n)), ChannelCodec::encode(h.state.channel(n)));
    QVERIFY(!h.radio.memory.contains(MemoryMap::channelAddress(slot + 1)));
}

void tst_TransferEngine::readSettingsFailsPartWay_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<bool>("settingsShown");

    // The settings lines and selections change together, once both lines
    // are read and decode.
    const QByteArray undecodable = QByteArray(64, 'Z') + "\r\n";
    QTest::newRow("silent at 0300") << 0x0300 << Silent << Outcome::CommunicationFailure << false;
    QTest::newRow("silent at 0320") << 0x0320 << Silent << Outcome::CommunicationFailure << false;
    QTest::newRow("settings do not decode") << 0x0320 << undecodable << Outcome::Unexpected << false;
    QTest::newRow("port error at 0400") << 0x0400 << PortError << Outcome::PortFailure << true;
    QTest::newRow("VFO A does not decode") << 0x0400 << undecodable << Outcome::Unexpected << true;
    QTest::newRow("VFO B does not decode") << 0x0500 << undecodable << Outcome::Unexpected << true;
}

void tst_TransferEngine::readSettingsFailsPartWay()
{
    QFETCH(int, address);
    QFETCH(QByteArray, answer);
    QFETCH(Outcome, outcome);
    QFETCH(bool, settingsShown);

    Harness h;
    CloneImage image = sampleImage();
    // The radio's settings and VFOs differ from the program's.
    image.selections[0] = 1;
    image.vfos[0].frequency = 14200000;
    image.vfos[1].frequency = 21300000;
    loadInto(h.radio, image);
    h.state.setImage(CloneImage::factory(Vocabulary::ModelE, false));
    const CloneImage before = h.state.image();
    if (answer == PortError)
        h.port.failAt(2, ScriptedPort::Failure::Read);
    else
        h.radio.overrides[readLine(address).toLatin1()] = answer;
    QSignalSpy settingsSignal(&h.state, &CloneDocument::settingsChanged);
    QSignalSpy vfoSignal(&h.state, &CloneDocument::vfoChanged);

    QCOMPARE(h.run("readSettings").outcome(), outcome);

    const CloneImage &after = h.state.image();
    const CloneImage &settings = settingsShown ? image : before;
    QCOMPARE(after.settingsLine1, settings.settingsLine1);
    QCOMPARE(after.settingsLine2, settings.settingsLine2);
    QCOMPARE(after.selections, settings.selections);
    QCOMPARE(settingsSignal.count(), settingsShown ? 1 : 0);
    // Both VFO rows or neither: a failed read leaves both as they were.
    QCOMPARE(after.vfos, before.vfos);
    QCOMPARE(vfoSignal.count(), 0);
    QVERIFY(!h.sent().contains(LineExchange::endCommand()));
}

void tst_TransferEngine::writeSettingsSendsRecordsRebuiltFromSelections()
{
    Harness h;
    CloneImage image = CloneImage::factory(Vocabulary::ModelE, false);
    image.selections[3] = 1;
    image.settingsLine1 = QString(64, '7'); // stale text, never sent
    h.state.setImage(image);
    const SettingsCodec::Lines expected = SettingsCodec::encode(image.selections);

    QCOMPARE(h.run("writeSettings").outcome(), Outcome::Normal);
    QCOMPARE(h.radio.memory.value(MemoryMap::SettingsRecord1), expected.line1);
    QCOMPARE(h.radio.memory.value(MemoryMap::SettingsRecord2), expected.line2);
    QCOMPARE(h.state.image().settingsLine1, expected.line1);
    QCOMPARE(h.state.image().settingsLine2, expected.line2);
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
    CloneImage image = sampleImage();
    loadInto(h.radio, image);
    h.radio.model = "QTR50"; // refuses both model names
    h.radio.overrides[failing] = Silent;
    QSignalSpy started(&h.engine, &TransferEngine::transferStarted);
    QSignalSpy finished(&h.engine, &TransferEngine::transferFinished);
    QSignalSpy busy(&h.engine, &TransferEngine::busyChanged);

    QCOMPARE(h.run(transfer).outcome(), Outcome::CommunicationFailure);
    QCOMPARE(h.port.written().size(), commandsSent);
    // Only the settings step ran.
    QCOMPARE(started.count(), 1);
    const auto settingsKind = transfer == "readAll" ? TransferEngine::Kind::ReadSettings
                                                    : TransferEngine::Kind::WriteSettings;
    QCOMPARE(started.at(0).at(0).value<TransferEngine::Kind>(), settingsKind);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(busy.count(), 2);
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
    h.state.setImage(sampleImage());
    const QString before = stateSnapshot(h.state);
    QSignalSpy started(&h.engine, &TransferEngine::transferStarted);

    const TransferResult result = h.run(transfer);
    QCOMPARE(result.outcome(), Outcome::Unexpected);
    QCOMPARE(result.detail(), QString("Permission denied: scripted"));
    QCOMPARE(result.message(), QString("COM Port Error"));
    QVERIFY(h.port.written().isEmpty());
    // Read/Write ALL do not go on to their second step.
    QCOMPARE(started.count(), 1);
    QCOMPARE(stateSnapshot(h.state), before);
}

void tst_TransferEngine::portHeldForTheJobOnly()
{
    // Each job opens the port and lets go of it when it ends, however it
    // ends, so that another program may use the radio in between.
    Harness h;
    CloneImage image = sampleImage();
    loadInto(h.radio, image);
    h.radio.overrides["KV~WHO\r\n"] = Silent;
    bool openDuringJob = false;
    QObject::connect(&h.engine, &TransferEngine::transferStarted, [&] { openDuringJob = true; });
    QObject::connect(&h.engine, &TransferEngine::partRead, [&] { openDuringJob = openDuringJob && h.port.isOpen(); });

    QCOMPARE(h.run("autoSelect").outcome(), Outcome::CommunicationFailure);
    QVERIFY(!h.port.isOpen());
    QCOMPARE(h.run("readAll").outcome(), Outcome::Normal);
    QVERIFY(openDuringJob);
    QVERIFY(!h.port.isOpen());
    QCOMPARE(h.port.openCount(), 2);  // once per job, both steps of Read ALL on one opening
}

void tst_TransferEngine::autoSelect_data()
{
    QTest::addColumn<QByteArray>("identity");
    QTest::addColumn<bool>("extendedBefore");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<bool>("modelSignalled");

    // The program starts with option 2 (QT-R70E). An identification of the
    // right form clears the coverage version before its variant code is
    // looked up; the views are told.
    const Outcome comm = Outcome::CommunicationFailure;
    QTest::newRow("33, 00") << QByteArray("QTR7033xx00") << true << Outcome::Normal << 0 << false << true;
    QTest::newRow("66") << QByteArray("QTR7066xx00") << false << Outcome::Normal << 1 << false << true;
    QTest::newRow("99, AA") << QByteArray("QTR7099xxAA") << false << Outcome::Normal << 2 << true << true;
    QTest::newRow("QTR60, CC, AA") << QByteArray("QTR60CC--AA") << false << Outcome::Normal << 3 << true << true;
    QTest::newRow("range in lower case") << QByteArray("QTR70CCxxaa") << true << Outcome::Normal << 3 << false
                                         << true;
    QTest::newRow("unknown variant") << QByteArray("QTR7044xxAA") << true << comm << 2 << false << true;
    QTest::newRow("variant in lower case") << QByteArray("QTR70ccxxAA") << false << comm << 2 << false << true;
    QTest::newRow("other model") << QByteArray("QTR8033xxAA") << true << comm << 2 << true << false;
    QTest::newRow("20 characters") << QByteArray("QTR7033xxA") << true << comm << 2 << true << false;
}

void tst_TransferEngine::autoSelect()
{
    QFETCH(QByteArray, identity);
    QFETCH(bool, extendedBefore);
    QFETCH(Outcome, outcome);
    QFETCH(int, variant);
    QFETCH(bool, extended);
    QFETCH(bool, modelSignalled);

    Harness h;
    h.radio.identity = identity;
    h.state.setModel(Vocabulary::ModelE, extendedBefore);
    QSignalSpy selected(&h.state, &CloneDocument::modelChanged);
    // The document holds the new model when the views are told.
    int variantWhenSignalled = -1;
    connect(&h.state, &CloneDocument::modelChanged, this,
            [&] { variantWhenSignalled = h.state.image().modelVariant; });

    QCOMPARE(h.run("autoSelect").outcome(), outcome);
    QCOMPARE(h.state.image().modelVariant, variant);
    QCOMPARE(h.state.image().extendedRange, extended);
    const bool normal = outcome == Outcome::Normal;
    QCOMPARE(h.state.hasUnsavedChanges(), normal);
    QCOMPARE(selected.count(), modelSignalled ? 1 : 0);
    if (modelSignalled)
        QCOMPARE(variantWhenSignalled, variant);
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
    CloneImage image = sampleImage();
    loadInto(h.radio, image);
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

    QCOMPARE(h.run("readMemory").outcome(), Outcome::Normal);

    QVERIFY(wasBusy);
    QCOMPARE(refused.outcome(), Outcome::Refused);
    QVERIFY(refused.message().isEmpty());
    QCOMPARE(started.count(), 1);
    QCOMPARE(busy.count(), 2);
    QVERIFY(!h.engine.isBusy());
    QCOMPARE(h.port.written().size(), CloneImage::ChannelCount + 1);
    QCOMPARE(h.state.image().modelVariant, int(Vocabulary::ModelE));
}

QTEST_GUILESS_MAIN(tst_TransferEngine)
#include "tst_TransferEngine.moc"
