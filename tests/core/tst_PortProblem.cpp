// The reason given when a serial device cannot be opened: permission
// (which group, which command), owner only, busy, missing, no device.
#include "FakeSerialPortList.h"
#include "PortNames.h"
#include "PortProblem.h"
#include "SerialRadioPort.h"
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

DeviceAccess deviceFile(unsigned mode, bool accessible, bool onRecord = false)
{
    DeviceAccess access;
    access.known = access.exists = true;
    access.accessible = accessible;
    access.owner = "root";
    access.group = "dialout";
    access.mode = mode;
    access.userName = "ham";
    access.userInGroupOnRecord = onRecord;
    return access;
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

    const DetectedPort acm = FakeSerialPortList::usb("/dev/ttyACM0", "USB Serial", "A1");
    const DetectedPort builtIn = FakeSerialPortList::plain("/dev/ttyS0");
    const DeviceAccess absent = DeviceAccess{true, false, false, {}, {}, 0, "ham", false};
    QTest::newRow("missing, one USB device") << "/dev/ttyUSB0" << QSerialPort::DeviceNotFoundError << absent << QList{acm, builtIn} << Kind::Missing
        << QStringList{"No such file or directory: /dev/ttyUSB0.", "not plugged in", "present: /dev/ttyACM0 (USB Serial, 0403:6001), /dev/ttyS0.",
                       "assign it to port 1 in Tool > COM Port Setup (or give qtr70 --port /dev/ttyACM0)"};
    QTest::newRow("missing, nothing present") << "/dev/ttyUSB0" << QSerialPort::DeviceNotFoundError << absent << QList<DetectedPort>{} << Kind::Missing
        << QStringList{"No serial device is present."};
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
    QTest::newRow("anything else") << "/dev/ttyUSB0" << QSerialPort::UnsupportedOperationError << deviceFile(0666, true) << QList{acm} << Kind::Other
        << QStringList{"SYSTEM: /dev/ttyUSB0"};
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
    const QString systemText = error == QSerialPort::DeviceNotFoundError ? "No such file or directory" : "SYSTEM";
    const PortProblem problem = PortProblem::diagnose(mapping, error, systemText, access, names);
    QTEST(problem.kind(), "kind");
    for (const QString &words : says)
        QVERIFY2(problem.reason().contains(words), qPrintable(problem.reason()));
}

void tst_PortProblem::throughTheCommandLine_data()
{
    QTest::addColumn<int>("mode");      // of the radio's terminal, handed to root:dialout; 0: left as it is
    QTest::addColumn<bool>("asNobody"); // qtr70 runs as uid/gid 65534 without supplementary groups
    QTest::addColumn<bool>("held");     // the test holds the terminal open
    QTest::addColumn<QString>("port");  // RADIO: the terminal
    QTest::addColumn<QString>("says");

    QTest::newRow("group may open it") << 0660 << true << false << "RADIO" << "belongs to group dialout, which nobody is not in. Run `sudo usermod -aG dialout $USER`";
    QTest::newRow("owner only") << 0600 << true << false << "RADIO" << "Only its owner, root, may open it (mode 600)";
    QTest::newRow("busy") << 0 << false << true << "RADIO" << "Another program holds it";
    QTest::newRow("missing") << 0 << false << false << "14" << "No such file or directory: /dev/ttyUSB13. It is not there";
}

void tst_PortProblem::throughTheCommandLine()
{
    QFETCH(int, mode);
    QFETCH(bool, asNobody);
    QFETCH(bool, held);
    QFETCH(QString, port);
    QFETCH(QString, says);

    SimProcess sim;
    QVERIFY(sim.start({}));
    const QByteArray terminal = QFile::encodeName(sim.devicePath());
    const group *dialout = getgrnam("dialout");
    QVERIFY(dialout);
    if (mode != 0)
        QVERIFY(chown(terminal.constData(), 0, dialout->gr_gid) == 0 && chmod(terminal.constData(), mode_t(mode)) == 0);
    SerialRadioPort holder;
    holder.setDevicePath(sim.devicePath());
    if (held)
        QVERIFY(holder.open());

    const QTemporaryDir config;
    QProcess qtr70;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config.path());
    environment.remove("QTR70_COM14");
    qtr70.setProcessEnvironment(environment);
    if (asNobody) {
        qtr70.setChildProcessModifier([] {
            if (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0)
                _exit(127);
        });
    }
    qtr70.start(qEnvironmentVariable("QTR70_BIN"), {"identify", "--port", port == "RADIO" ? sim.devicePath() : port});
    QVERIFY(qtr70.waitForFinished());
    const QString err = QString::fromLocal8Bit(qtr70.readAllStandardError());
    QCOMPARE(qtr70.exitCode(), 1);
    QVERIFY2(err.startsWith("COM Port Error: ") && err.contains(says), qPrintable(err));
    if (port == "14" && QFile::exists("/dev/ttyS0"))
        QVERIFY2(err.contains("Serial devices present: ") && err.contains("/dev/ttyS0"), qPrintable(err));
}

QTEST_GUILESS_MAIN(tst_PortProblem)
#include "tst_PortProblem.moc"
