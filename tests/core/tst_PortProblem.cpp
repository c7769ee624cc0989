// The reason given when a serial device cannot be opened: permission
// (which group, which command), owner only, busy, missing, no device.
#include "FakeSerialPortList.h"
#include "link/PortNames.h"
#include "link/PortProblem.h"
#include "link/SerialRadioPort.h"
#include "SimProcess.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

using Kind = PortProblem::Kind;
Q_DECLARE_METATYPE(PortProblem::Kind)
Q_DECLARE_METATYPE(QSerialPort::SerialPortError)

namespace {

constexpr uid_t Nobody = 65534;
constexpr int Held = 0;

DeviceAccess deviceFile(unsigned mode, bool accessible, bool onRecord = false)
{
    return DeviceAccess{true, true, accessible, "root", "dialout", mode, "ham", onRecord};
}

} // namespace

class tst_PortProblem : public QObject
{
    Q_OBJECT
private slots:
    void reasons_data();
    void reasons();
    void throughTheCommandLine_data();
    void throughTheCommandLine();
};

void tst_PortProblem::reasons_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QSerialPort::SerialPortError>("error");
    QTest::addColumn<DeviceAccess>("access");
    QTest::addColumn<QList<DetectedPort>>("present");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QStringList>("says");
    const DetectedPort acm = FakeSerialPortList::device("/dev/ttyACM0", "USB Serial", "A1");
    const DetectedPort builtIn = FakeSerialPortList::device("/dev/ttyS0");
    const DeviceAccess absent = DeviceAccess{true, false, false, {}, {}, 0, "ham", false};
    QTest::newRow("missing, one USB device") << "/dev/ttyUSB0" << QSerialPort::DeviceNotFoundError << absent << QList{acm, builtIn} << Kind::Missing
        << QStringList{"No such file or directory: /dev/ttyUSB0.", "not plugged in", "present: /dev/ttyACM0 (USB Serial, 0403:6001), /dev/ttyS0.",
                       "assign it to port 1 in Tool > COM Port Setup (or give qtr70 --port /dev/ttyACM0)"};
    QTest::newRow("no device on macOS") << "" << QSerialPort::DeviceNotFoundError << absent << QList<DetectedPort>{} << Kind::NoDevice
        << QStringList{"No device for port 1"};
    QTest::newRow("not in the group") << "/dev/ttyUSB0" << QSerialPort::PermissionError << deviceFile(0660, false) << QList{acm} << Kind::NotInGroup
        << QStringList{"Permission denied: /dev/ttyUSB0.", "group dialout", "`sudo usermod -aG dialout $USER`, then log out and in again."};
    QTest::newRow("joined, not logged in again") << "/dev/ttyUSB0" << QSerialPort::PermissionError << deviceFile(0660, false, true) << QList{acm}
        << Kind::GroupNotYetActive << QStringList{"ham is in that group", "log out and in again"};
    QTest::newRow("owner only") << "/dev/ttyUSB0" << QSerialPort::PermissionError << deviceFile(0600, false) << QList{acm} << Kind::OwnerOnly
        << QStringList{"Only its owner, root, may open it (mode 600)"};
    QTest::newRow("held by another program") << "/dev/ttyUSB0" << QSerialPort::PermissionError << deviceFile(0660, true) << QList{acm} << Kind::Busy
        << QStringList{"Device busy: /dev/ttyUSB0.", "Another program holds it"};
    QTest::newRow("held, Windows") << "COM3" << QSerialPort::PermissionError << DeviceAccess{} << QList<DetectedPort>{} << Kind::Busy
        << QStringList{"Device busy: COM3."};
}

void tst_PortProblem::reasons()
{
    QFETCH(QString, device);
    QFETCH(QSerialPort::SerialPortError, error);
    QFETCH(DeviceAccess, access);
    QFETCH(QList<DetectedPort>, present);
    QFETCH(QStringList, says);
    const QTemporaryDir dir;
    const FakeSerialPortList list(present);
    const PortNames names(list, PortAssignments(dir.filePath("ports.ini")));
    PortMapping mapping = names.mappingFor(1);
    mapping.device = device;
    const PortProblem problem = PortProblem::diagnose(mapping, error, "No such file or directory", access, names);
    QTEST(problem.kind(), "kind");
    for (const QString &words : says)
        QVERIFY2(problem.reason().contains(words), qPrintable(problem.reason()));
}

void tst_PortProblem::throughTheCommandLine_data()
{
    // mode: the radio's terminal goes to root:dialout with it, and qtr70 runs as
    // uid/gid 65534 without supplementary groups; Held: the test holds it open.
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("port"); // RADIO: the terminal
    QTest::addColumn<QString>("says");
    QTest::newRow("group may open it") << 0660 << "RADIO" << "belongs to group dialout, which nobody is not in. Run `sudo usermod -aG dialout $USER`";
    QTest::newRow("owner only") << 0600 << "RADIO" << "Only its owner, root, may open it (mode 600)";
    QTest::newRow("busy") << Held << "RADIO" << "Another program holds it";
    QTest::newRow("missing") << Held << "/dev/ttyUSB13" << "No such file or directory: /dev/ttyUSB13. It is not there";
}

void tst_PortProblem::throughTheCommandLine()
{
    QFETCH(int, mode);
    QFETCH(QString, port);
    SimProcess sim;
    QVERIFY(sim.start({}));
    const QByteArray terminal = QFile::encodeName(sim.devicePath());
    const group *dialout = getgrnam("dialout");
    QVERIFY(dialout);
    SerialRadioPort holder;
    holder.setDevicePath(sim.devicePath());
    QProcess qtr70;
    if (mode == Held) {
        QVERIFY(holder.open());
    } else {
        QVERIFY(chown(terminal.constData(), 0, dialout->gr_gid) == 0 && chmod(terminal.constData(), mode_t(mode)) == 0);
        qtr70.setChildProcessModifier([] {
            if (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0)
                _exit(127);
        });
    }
    qtr70.start(qEnvironmentVariable("QTR70_BIN"), {"identify", "--port", port == "RADIO" ? sim.devicePath() : port});
    QVERIFY(qtr70.waitForFinished());
    const QString err = QString::fromLocal8Bit(qtr70.readAllStandardError());
    QCOMPARE(qtr70.exitCode(), 1);
    QFETCH(QString, says);
    QVERIFY2(err.startsWith("COM Port Error: ") && err.contains(says), qPrintable(err));
}

QTEST_GUILESS_MAIN(tst_PortProblem)
#include "tst_PortProblem.moc"
