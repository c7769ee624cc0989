// Transfers over the real serial port path against the virtual radio
// (qtr70-sim on a pseudo-terminal, unpaced).

#include "app/CloneDocument.h"
#include "codec/MemoryMap.h"
#include "codec/SettingsCodec.h"
#include "files/CloneFile.h"
#include "link/BlockCommands.h"
#include "link/LineExchange.h"
#include "link/SerialRadioPort.h"
#include "SimProcess.h"
#include "StateSnapshot.h"
#include "link/TransferEngine.h"
#include "session/RadioSession.h"
#include "TransferRunner.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

using Outcome = TransferResult::Outcome;
Q_DECLARE_METATYPE(TransferResult::Outcome)

namespace {

// A bound long enough for an unpaced sim, short enough that the fault
// cases end quickly.
constexpr int TestBoundMs = 300;
constexpr int FailingSlot = 100;

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The program's side: the document, the real serial port on the sim's terminal,
// the engine.
struct Program
{
    CloneDocument state;
    SerialRadioPort port;
    RadioSession session{state, port};
    TransferEngine &engine = session.engine();
    QTemporaryDir backups;

    explicit Program(const QString &device, int boundMs = TestBoundMs, int pauseMs = TransferEngine::DefaultPauseMs)
    {
        session.setBackupStore(BackupStore(backups.path()));
        port.setDevicePath(device);
        engine.exchange().setReplyTimeoutMs(boundMs);
        engine.setPauseMs(pauseMs);
    }

    TransferResult run(const QString &name) { return runTransfer(session, name); }
};

} // namespace

class tst_TransferEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readAllThenWriteAllPreservesTheImage();
    void readMemoryFailsAtSlot100();
    void qtr60RadioAcceptedOnSecondTry();
    void identification_data();
    void identification();
    void faultModes_data();
    void faultModes();
    void readAllFailsInMemoryStep();
    void radioGoneThenPortReopened();
    void transferGoesOnWhileThisThreadIsBusy();

private:
    QTemporaryDir m_dir;
};

void tst_TransferEndToEnd::init()
{
    if (qEnvironmentVariableIsEmpty("QTR70_SIM_BIN"))
        QSKIP("QTR70_SIM_BIN is not set (qtr70-sim not built)");
    QVERIFY(m_dir.isValid());
}

void tst_TransferEndToEnd::readAllThenWriteAllPreservesTheImage()
{
    // Radio A holds the factory image with its sample channels.
    const QString savedA = m_dir.filePath("a.R70");
    SimProcess simA;
    QVERIFY(simA.start({"--save", savedA}));
    Program program(simA.devicePath());
    QSignalSpy steps(&program.engine, &TransferEngine::transferFinished);
    QCOMPARE(program.run("readAll").outcome(), Outcome::Normal);
    QCOMPARE(steps.count(), 2);
    const auto &channels = program.state.image().channels;
    QVERIFY(std::count_if(channels.begin(), channels.end(), [](const ChannelRow &row) { return row.inUse; }) > 0);
    simA.stop();
    QCOMPARE(simA.exitCode(), 0);

    // Radio B starts empty and gets everything written.
    const QString blankImage = m_dir.filePath("blank.R70");
    QVERIFY(writeBytes(blankImage, CloneFile::toBytes(CloneImage::factory(Vocabulary::ModelE, false))));
    const QString savedB = m_dir.filePath("b.R70");
    const QString log = m_dir.filePath("b.log");
    SimProcess simB;
    QVERIFY(simB.start({"--image", blankImage, "--save", savedB, "--log", log}));
    program.port.setDevicePath(simB.devicePath());
    QCOMPARE(program.run("writeAll").outcome(), Outcome::Normal);
    simB.stop();
    QCOMPARE(simB.exitCode(), 0);

    const QByteArray imageA = readBytes(savedA);
    QVERIFY(!imageA.isEmpty());
    QCOMPARE(readBytes(savedB), imageA);

    // Write ALL: model check, settings and VFO writes, end command, model
    // check, 604 channel writes in ascending order, end command.
    QStringList expected{"QTR70"};
    for (int address : {0x0300, 0x0320, 0x0400, 0x0500})
        expected << "KV~F" + MemoryMap::addressText(address) + "W";
    expected << "KV~E" << "QTR70";
    for (int n = 0; n < CloneDocument::ChannelCount; ++n)
        expected << "KV~F" + MemoryMap::channelAddressText(n) + "W";
    expected << "KV~E";
    QStringList logged = QString::fromLatin1(readBytes(log)).split('\n', Qt::SkipEmptyParts);
    for (QString &line : logged) {
        if (line.startsWith("KV~F")) {
            QCOMPARE(line.size(), 9 + 64);
            line.truncate(9);
        }
    }
    QCOMPARE(logged, expected);
}

void tst_TransferEndToEnd::readMemoryFailsAtSlot100()
{
    // What the radio holds, read from an unfaulted radio.
    SimProcess reference;
    QVERIFY(reference.start({}));
    Program expected(reference.devicePath(), TestBoundMs, 0);
    QCOMPARE(expected.run("readMemory").outcome(), Outcome::Normal);
    reference.stop();

    SimProcess sim;
    QVERIFY(sim.start({"--fault", QStringLiteral("hang-after=%1").arg(FailingSlot)}));
    Program program(sim.devicePath(), TestBoundMs, 0);
    CloneImage before;
    for (ChannelRow &row : before.channels) {
        row.inUse = true;
        row.name = QStringLiteral("OLD");
    }
    program.state.setImage(before);

    const TransferResult result = program.run("readMemory");
    QCOMPARE(result.outcome(), Outcome::CommunicationFailure);
    QCOMPARE(result.failedSlot(), FailingSlot);
    QCOMPARE(result.message(), QString("Communication Error"));
    for (int n = 0; n < FailingSlot; ++n)
        QCOMPARE(program.state.channel(n), expected.state.channel(n));
    for (int n = FailingSlot; n < CloneDocument::ChannelCount; ++n)
        QCOMPARE(program.state.channel(n), before.channels[n]);
    QVERIFY(!program.port.isOpen());  // let go of with the job
}

void tst_TransferEndToEnd::qtr60RadioAcceptedOnSecondTry()
{
    const QString log = m_dir.filePath("qtr60.log");
    SimProcess sim;
    QVERIFY(sim.start({"--model", "QTR60", "--log", log}));
    Program program(sim.devicePath(), TestBoundMs, 0);

    QCOMPARE(program.run("writeSettings").outcome(), Outcome::Normal);
    const QStringList logged = QString::fromLatin1(readBytes(log)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(logged.mid(0, 3), (QStringList{"QTR70", "QTR60", "KV~F0300W" + program.state.image().settingsLine1}));
    QCOMPARE(logged.size(), 7);
}

void tst_TransferEndToEnd::identification_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("extended");

    QTest::newRow("J") << QStringList{"--variant", "J"} << 0 << false;
    QTest::newRow("T extended") << QStringList{"--variant", "T", "--extended"} << 1 << true;
    QTest::newRow("E") << QStringList{"--variant", "E"} << 2 << false;
    QTest::newRow("A extended, QTR60") << QStringList{"--variant", "A", "--extended", "--model", "QTR60"} << 3
                                       << true;
}

void tst_TransferEndToEnd::identification()
{
    QFETCH(QStringList, args);
    QFETCH(int, variant);
    QFETCH(bool, extended);

    SimProcess sim;
    QVERIFY(sim.start(args));
    Program program(sim.devicePath());
    program.state.setModel(variant == 0 ? 1 : 0, !extended);

    QCOMPARE(program.run("autoSelect").outcome(), Outcome::Normal);
    QCOMPARE(program.state.image().modelVariant, variant);
    QCOMPARE(program.state.image().extendedRange, extended);
    QVERIFY(program.state.hasUnsavedChanges());
}

void tst_TransferEndToEnd::faultModes_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("transfer");
    QTest::addColumn<Outcome>("outcome");

    const Outcome comm = Outcome::CommunicationFailure;
    QTest::newRow("silent, Read Memory") << "silent" << "readMemory" << comm;
    QTest::newRow("silent, Write Memory") << "silent" << "writeMemory" << comm;
    QTest::newRow("silent, Auto Select") << "silent" << "autoSelect" << comm;
    QTest::newRow("echo-only, Read Settings") << "echo-only" << "readSettings" << comm;
    QTest::newRow("echo-only, Write Settings") << "echo-only" << "writeSettings" << comm;
    QTest::newRow("garbage, Read Memory") << "garbage" << "readMemory" << Outcome::Unexpected;
    QTest::newRow("garbage, Read Settings") << "garbage" << "readSettings" << Outcome::Unexpected;
    QTest::newRow("garbage, Write Memory") << "garbage" << "writeMemory" << comm;
    QTest::newRow("garbage, Auto Select") << "garbage" << "autoSelect" << comm;
    QTest::newRow("short, Read Memory") << "short" << "readMemory" << comm;
    QTest::newRow("short, Write Settings") << "short" << "writeSettings" << comm;
    QTest::newRow("short, Auto Select") << "short" << "autoSelect" << comm;
    QTest::newRow("no-ok, Write Memory") << "no-ok" << "writeMemory" << comm;
    QTest::newRow("no-ok, Read Settings (end answer ignored)") << "no-ok" << "readSettings" << Outcome::Normal;
    QTest::newRow("hang-after=3, Write Settings") << "hang-after=3" << "writeSettings" << comm;
    QTest::newRow("hang-after=2, Read ALL") << "hang-after=2" << "readAll" << comm;
    QTest::newRow("close-after=2, Read Settings") << "close-after=2" << "readSettings" << Outcome::PortFailure;
    QTest::newRow("close-after=3, Write Memory") << "close-after=3" << "writeMemory" << Outcome::PortFailure;
}

void tst_TransferEndToEnd::faultModes()
{
    QFETCH(QString, fault);
    QFETCH(QString, transfer);
    QFETCH(Outcome, outcome);

    SimProcess sim;
    QVERIFY(sim.start({"--fault", fault}));
    Program program(sim.devicePath(), TestBoundMs, 0);
    QSignalSpy steps(&program.engine, &TransferEngine::transferFinished);

    const TransferResult result = program.run(transfer);
    QVERIFY2(result.outcome() == outcome, qPrintable(result.detail()));
    QVERIFY(!program.engine.isBusy());
    // Read/Write ALL go on to memory only after the settings step ended
    // normally.
    const bool secondStep = transfer.endsWith("All") && steps.first().at(1).value<TransferResult>().ok();
    QCOMPARE(steps.count(), secondStep ? 2 : 1);
}

void tst_TransferEndToEnd::readAllFailsInMemoryStep()
{
    // Settings, their end command, then 10 channel slots are answered.
    SimProcess sim;
    QVERIFY(sim.start({"--fault", "hang-after=15"}));
    Program program(sim.devicePath(), TestBoundMs, 0);
    QSignalSpy steps(&program.engine, &TransferEngine::transferFinished);

    const TransferResult result = program.run("readAll");
    QCOMPARE(result.outcome(), Outcome::CommunicationFailure);
    QCOMPARE(result.failedSlot(), 10);
    // Read Settings ended normally and kept what it read; then the memory
    // step failed.
    QCOMPARE(steps.count(), 2);
    QCOMPARE(steps.at(0).at(0).value<TransferEngine::Kind>(), TransferEngine::Kind::ReadSettings);
    QVERIFY(steps.at(0).at(1).value<TransferResult>().ok());
    QCOMPARE(steps.at(1).at(0).value<TransferEngine::Kind>(), TransferEngine::Kind::ReadMemory);
    QCOMPARE(steps.at(1).at(1).value<TransferResult>().outcome(), Outcome::CommunicationFailure);
    QCOMPARE(program.state.image().settingsLine1, QString(SettingsCodec::FactoryLine1));
    QCOMPARE(program.state.image().vfos[0].text(ChannelColumn::Frequency), QString("7.100.000"));
}

void tst_TransferEndToEnd::radioGoneThenPortReopened()
{
    SimProcess sim;
    QVERIFY(sim.start({"--fault", "close-after=1"}));
    Program program(sim.devicePath(), TestBoundMs, 0);

    const TransferResult first = program.run("readSettings");
    QCOMPARE(first.outcome(), Outcome::PortFailure);
    QVERIFY2(!first.detail().isEmpty(), qPrintable(first.detail()));
    // The failed port is given up; the next transfer tries to open it again
    // and reports why that fails.
    QVERIFY(!program.port.isOpen());
    sim.stop();
    const TransferResult second = program.run("readSettings");
    QCOMPARE(second.outcome(), Outcome::Unexpected);
    QVERIFY2(second.detail().startsWith("No such file or directory: " + sim.devicePath()), qPrintable(second.detail()));

    // A radio on another terminal works again.
    SimProcess other;
    QVERIFY(other.start({}));
    program.port.setDevicePath(other.devicePath());
    QCOMPARE(program.run("readSettings").outcome(), Outcome::Normal);
}

QTEST_GUILESS_MAIN(tst_TransferEndToEnd)
#include "tst_TransferEndToEnd.moc"

void tst_TransferEndToEnd::transferGoesOnWhileThisThreadIsBusy()
{
    // The session talks to the radio on a thread of its own: the thread
    // that started the job (the window's) may be busy meanwhile, and hears
    // of the progress and the end once it runs its event loop again.
    const QString log = m_dir.filePath("busy.log");
    SimProcess sim;
    QVERIFY(sim.start({"--log", log}));
    Program program(sim.devicePath());
    QSignalSpy finished(&program.session, &RadioSession::finished);
    QSignalSpy records(&program.session, &RadioSession::recordStarted);

    QVERIFY(program.session.start(RadioSession::Job::ReadSettings));
    QVERIFY(program.session.isBusy());
    QVERIFY(!program.session.start(RadioSession::Job::ReadMemory)); // one job at a time
    QThread::msleep(1500);
    const QStringList heard = QString::fromLatin1(readBytes(log)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(heard.size(), 5); // four records and the end command, while this thread slept
    QCOMPARE(heard.last(), QStringLiteral("KV~E"));
    QCOMPARE(finished.count(), 0);
    QCOMPARE(records.count(), 0);

    QVERIFY(finished.wait(5000));
    QCOMPARE(records.count(), 4);
    const SessionResult result = finished.first().first().value<SessionResult>();
    QCOMPARE(result.transfer.outcome(), Outcome::Normal);
    QVERIFY(!program.session.isBusy());
    QVERIFY(!program.port.isOpen());
    QCOMPARE(program.port.thread(), QThread::currentThread()); // handed back with the job's end
    QVERIFY(!program.state.image().settingsLine1.isEmpty());
}
