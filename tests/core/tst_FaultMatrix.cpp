// Every transfer against every fault of the virtual radio and against a
// port that does not exist: the outcome and message, the rows replaced
// before the failure and untouched after it, the busy flag cleared, and the
// next transfer working again.
#include "app/CloneDocument.h"
#include "files/CloneFile.h"
#include "link/LineExchange.h"
#include "link/SerialRadioPort.h"
#include "SimProcess.h"
#include "StateSnapshot.h"
#include "link/TransferEngine.h"
#include "session/RadioSession.h"
#include "TransferRunner.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int BoundMs = 300;
// A transfer that hangs would take far longer than this.
constexpr qint64 NoHangMs = 20 * BoundMs + 5000;

using Outcome = TransferResult::Outcome;
using Kind = TransferEngine::Kind;

enum class Transfer { ReadMemory, WriteMemory, ReadSettings, WriteSettings, AutoSelect, ReadAll, WriteAll };

QString transferName(Transfer t)
{
    static const char *const names[] = {"readMemory", "writeMemory", "readSettings", "writeSettings",
                                        "autoSelect", "readAll", "writeAll"};
    return QLatin1String(names[int(t)]);
}

// An image whose every row differs from anything the radio holds.
CloneImage markedImage()
{
    CloneImage image = CloneImage::factory(Vocabulary::ModelE, false);
    for (ChannelRow &row : image.channels) {
        // 0.000.001 USB 0 Fast High Wide Off Off, split 0.000.000, "OLD"
        row = ChannelRow();
        row.inUse = true;
        row.frequency = 1;
        row.name = QStringLiteral("OLD");
    }
    for (VfoRow &vfo : image.vfos) {
        vfo.frequency = 2;
    }
    image.selections[0] = 3;  // RIT/TXIT, the radio's is Off
    return image;
}

} // namespace

Q_DECLARE_METATYPE(Transfer)

class tst_FaultMatrix : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void matrix_data();
    void matrix();
    void cleanupTestCase();

private:
    CloneImage m_radio;  // what a fresh virtual radio holds
    QStringList m_table;
};

void tst_FaultMatrix::initTestCase()
{
    SimProcess sim;
    QVERIFY(sim.start({}));
    SerialRadioPort port;
    port.setDevicePath(sim.devicePath());
    TransferEngine engine(port);
    engine.setPauseMs(0);
    const TransferEngine::Transfer read = engine.readAll(CloneImage::factory(Vocabulary::ModelE, false));
    QVERIFY(read.ok());
    m_radio = read.image;
}

void tst_FaultMatrix::matrix_data()
{
    QTest::addColumn<QString>("fault");  // empty: healthy radio; "none": no port at all
    QTest::addColumn<Transfer>("transfer");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("failedSlot");  // memory transfers: first slot not replaced / not written

    const auto add = [](const QString &fault, Transfer t, Outcome o, int slot = -1) {
        QTest::addRow("%s %s", qPrintable(fault.isEmpty() ? QStringLiteral("healthy") : fault),
                      qPrintable(transferName(t)))
            << fault << t << int(o) << slot;
    };
    const Transfer all[] = {Transfer::ReadMemory,    Transfer::WriteMemory, Transfer::ReadSettings,
                            Transfer::WriteSettings, Transfer::AutoSelect,  Transfer::ReadAll,
                            Transfer::WriteAll};
    for (Transfer t : all) {
        // Only Read Memory reaches slot 0 before these faults show; the
        // others fail at the model check, the identification or a settings
        // record.
        const int slot = t == Transfer::ReadMemory ? 0 : -1;
        add("", t, Outcome::Normal);
        add("none", t, Outcome::Unexpected);
        add("silent", t, Outcome::CommunicationFailure, slot);
        add("echo-only", t, Outcome::CommunicationFailure, slot);
        add("short", t, Outcome::CommunicationFailure, slot);
        const bool reads = t == Transfer::ReadMemory || t == Transfer::ReadSettings || t == Transfer::ReadAll;
        // Garbage of the right length passes the exchange and fails to decode.
        add("garbage", t, reads ? Outcome::Unexpected : Outcome::CommunicationFailure, slot);
        add("no-ok", t, reads || t == Transfer::AutoSelect ? Outcome::Normal : Outcome::CommunicationFailure, slot);
    }
    // Silent after N commands.
    add("hang-after=0", Transfer::ReadMemory, Outcome::CommunicationFailure, 0);
    add("hang-after=100", Transfer::ReadMemory, Outcome::CommunicationFailure, 100);
    add("hang-after=603", Transfer::ReadMemory, Outcome::CommunicationFailure, 603);
    add("hang-after=604", Transfer::ReadMemory, Outcome::Normal);  // only the end command unanswered
    add("hang-after=1", Transfer::WriteMemory, Outcome::CommunicationFailure, 0);
    add("hang-after=301", Transfer::WriteMemory, Outcome::CommunicationFailure, 300);
    add("hang-after=1", Transfer::ReadSettings, Outcome::CommunicationFailure);
    add("hang-after=2", Transfer::ReadSettings, Outcome::CommunicationFailure);
    add("hang-after=4", Transfer::ReadSettings, Outcome::Normal);
    add("hang-after=3", Transfer::WriteSettings, Outcome::CommunicationFailure);
    add("hang-after=0", Transfer::AutoSelect, Outcome::CommunicationFailure);
    add("hang-after=5", Transfer::ReadAll, Outcome::CommunicationFailure, 0);
    add("hang-after=55", Transfer::ReadAll, Outcome::CommunicationFailure, 50);
    add("hang-after=8", Transfer::WriteAll, Outcome::CommunicationFailure, 1);
    add("hang-after=4", Transfer::WriteAll, Outcome::CommunicationFailure);
    // The terminal closes after N commands.
    add("close-after=0", Transfer::ReadMemory, Outcome::PortFailure, 0);
    add("close-after=100", Transfer::ReadMemory, Outcome::PortFailure, 100);
    add("close-after=1", Transfer::WriteMemory, Outcome::PortFailure, 0);
    add("close-after=400", Transfer::WriteMemory, Outcome::PortFailure, 399);
    add("close-after=2", Transfer::ReadSettings, Outcome::PortFailure);
    add("close-after=2", Transfer::WriteSettings, Outcome::PortFailure);
    add("close-after=0", Transfer::AutoSelect, Outcome::PortFailure);
    add("close-after=10", Transfer::ReadAll, Outcome::PortFailure, 5);
    add("close-after=6", Transfer::WriteAll, Outcome::PortFailure);
    add("close-after=9", Transfer::WriteAll, Outcome::PortFailure, 2);
}

void tst_FaultMatrix::matrix()
{
    QFETCH(QString, fault);
    QFETCH(Transfer, transfer);
    QFETCH(int, outcome);
    QFETCH(int, failedSlot);

    SimProcess faulty;
    SerialRadioPort port;
    QTemporaryDir dir;
    const QString saved = dir.filePath("radio.R70");
    if (fault == "none") {
        port.setDevicePath(dir.filePath("no-such-tty"));
    } else {
        QStringList args{"--save", saved};
        if (!fault.isEmpty())
            args << "--fault" << fault;
        QVERIFY(faulty.start(args));
        port.setDevicePath(faulty.devicePath());
    }

    CloneDocument state;
    state.setImage(markedImage());
    const CloneImage before = state.image();
    RadioSession session(state, port);
    QTemporaryDir backups;
    session.setBackupStore(BackupStore(backups.path()));
    TransferEngine &engine = session.engine();
    engine.exchange().setReplyTimeoutMs(BoundMs);
    engine.setPauseMs(0);
    QSignalSpy steps(&engine, &TransferEngine::transferFinished);

    QElapsedTimer clock;
    clock.start();
    const TransferResult result = runTransfer(session, transferName(transfer));
    const qint64 elapsed = clock.elapsed();

    // A radio that closes its terminal at once may be gone before the port
    // is open rather than at the first exchange: "COM Port Error" either way.
    const bool goneBeforeOpen = fault == "close-after=0" && result.outcome() == Outcome::Unexpected;
    const auto seen = [goneBeforeOpen](Outcome o) {
        return goneBeforeOpen && o == Outcome::Unexpected ? int(Outcome::PortFailure) : int(o);
    };
    QCOMPARE(seen(result.outcome()), outcome);
    QVERIFY2(elapsed < NoHangMs, qPrintable(QString::number(elapsed)));
    QVERIFY(!engine.isBusy());
    const QString message = result.message();
    QCOMPARE(message, outcome == int(Outcome::CommunicationFailure) ? QString("Communication Error")
                      : outcome == int(Outcome::Normal)             ? QString()
                                                                    : QString("COM Port Error"));
    if (!result.ok())
        QVERIFY(!result.detail().isEmpty());

    const bool normal = result.ok();
    const bool readsMemory = transfer == Transfer::ReadMemory || transfer == Transfer::ReadAll;
    const bool readsSettings = transfer == Transfer::ReadSettings || transfer == Transfer::ReadAll;
    // The ALL commands go on to their memory step only after the settings
    // step ended normally; the last step's end is the transfer's.
    const bool all = transfer == Transfer::ReadAll || transfer == Transfer::WriteAll;
    const bool secondStep = all && steps.first().at(1).value<TransferResult>().ok();
    QCOMPARE(steps.count(), secondStep ? 2 : 1);
    QCOMPARE(seen(steps.last().at(1).value<TransferResult>().outcome()), outcome);

    // Channel rows: those read before the failure come from the radio, every
    // other row is untouched; none is half-decoded.
    const bool memoryTransfer = transfer != Transfer::ReadSettings && transfer != Transfer::WriteSettings
        && transfer != Transfer::AutoSelect;
    if (!normal && memoryTransfer && !goneBeforeOpen)
        QCOMPARE(result.failedSlot(), failedSlot);
    int replaced = 0;
    if (readsMemory)
        replaced = normal ? CloneDocument::ChannelCount : qMax(0, result.failedSlot());
    for (int n = 0; n < CloneDocument::ChannelCount; ++n)
        QCOMPARE(state.channel(n), (n < replaced ? m_radio : before).channels[n]);
    // The VFO rows change together or not at all.
    const bool vfoFromRadio = state.image().vfos == m_radio.vfos;
    const bool vfoAsBefore = state.image().vfos == before.vfos;
    QVERIFY(vfoFromRadio || vfoAsBefore);
    if (!readsSettings)
        QVERIFY(vfoAsBefore);
    if (readsSettings && normal)
        QVERIFY(vfoFromRadio);

    // Writes: the radio holds the rows written before the failure.
    if (!fault.isEmpty() && fault != "none" && (transfer == Transfer::WriteMemory || transfer == Transfer::WriteAll)
        && failedSlot > 0) {
        faulty.stop();
        CloneImage written;
        QVERIFY(CloneFile::load(saved, written).ok());
        for (int n = 0; n < CloneDocument::ChannelCount; ++n)
            QCOMPARE(written.channels[n], (n < failedSlot ? before : m_radio).channels[n]);
    }

    // The next transfer works again, on the same engine and port object.
    if (!normal) {
        faulty.stop();
        SimProcess healthy;
        QVERIFY(healthy.start({}));
        port.setDevicePath(healthy.devicePath());
        QVERIFY(runTransfer(session, transferName(transfer)).ok());
    }
    m_table.append(QStringLiteral("%1 | %2 | %3").arg(fault.isEmpty() ? "healthy" : fault, transferName(transfer),
                                                      normal ? QStringLiteral("normal end") : message));
}

void tst_FaultMatrix::cleanupTestCase()
{
    qInfo().noquote() << "\nfault | transfer | outcome\n" + m_table.join('\n');
}

QTEST_GUILESS_MAIN(tst_FaultMatrix)
#include "tst_FaultMatrix.moc"
