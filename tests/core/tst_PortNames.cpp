// Which device a port number leads to (environment, assignment, guess on
// each platform), the port argument of qtr70, and `qtr70 ports`.
#include "FakeSerialPortList.h"
#include "link/PortArgument.h"
#include "link/PortAssignments.h"
#include "link/PortNames.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using Platform = PortNames::Platform;
using Source = PortMapping::Source;
Q_DECLARE_METATYPE(PortNames::Platform)
Q_DECLARE_METATYPE(PortMapping::Source)

namespace {

const QList<DetectedPort> MacPorts = {
    FakeSerialPortList::device("/dev/cu.Bluetooth-Incoming-Port"), FakeSerialPortList::device("/dev/cu.usbserial-B"),
    FakeSerialPortList::device("/dev/tty.usbserial-B"), FakeSerialPortList::device("/dev/cu.usbmodem-A"),
    FakeSerialPortList::device("/dev/cu.SLAB_USBtoUART", "CP2102", "0001")};
const QList<DetectedPort> LinuxPorts = {FakeSerialPortList::device("/dev/ttyACM0", "USB Serial", "A50285BI"),
                                        FakeSerialPortList::device("/dev/ttyUSB0", "FT232R", "2000001")};

} // namespace

class tst_PortNames : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mapping_data();
    void mapping();
    void portArgument_data();
    void portArgument();
    void portsCommand();
    void assignmentsFileBounded_data();
    void assignmentsFileBounded();

private:
    QTemporaryDir m_dir;
};

void tst_PortNames::initTestCase()
{
    for (const char *name : {"present", "regular.txt"})
        QVERIFY(QFile(m_dir.filePath(name)).open(QIODevice::WriteOnly));
}

void tst_PortNames::mapping_data()
{
    QTest::addColumn<Platform>("platform");
    QTest::addColumn<QList<DetectedPort>>("ports");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("assigned");
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("device");
    QTest::addColumn<Source>("source");
    QTest::addColumn<bool>("present");
    const QString file = m_dir.filePath("present");
    QTest::newRow("linux guess") << Platform::Linux << LinuxPorts << 1 << "" << "" << "/dev/ttyUSB0" << Source::Guess << true;
    QTest::newRow("assignment over guess") << Platform::Linux << LinuxPorts << 1 << "/dev/ttyACM0" << "" << "/dev/ttyACM0" << Source::Assignment << true;
    QTest::newRow("environment over assignment") << Platform::Linux << LinuxPorts << 1 << "/dev/ttyACM0" << file << file << Source::Environment << true;
    QTest::newRow("windows") << Platform::Windows << QList<DetectedPort>{FakeSerialPortList::device("COM7")} << 7 << "" << "" << "COM7" << Source::Guess << true;
    // USB cu. devices in path order: cu.SLAB_USBtoUART, cu.usbmodem-A, cu.usbserial-B; no fourth.
    QTest::newRow("macOS first") << Platform::MacOS << MacPorts << 1 << "" << "" << "/dev/cu.SLAB_USBtoUART" << Source::Guess << true;
    QTest::newRow("macOS none left") << Platform::MacOS << MacPorts << 4 << "" << "" << "" << Source::Guess << false;
}

void tst_PortNames::mapping()
{
    QFETCH(Platform, platform);
    QFETCH(QList<DetectedPort>, ports);
    QFETCH(int, port);
    QFETCH(QString, assigned);
    QFETCH(QString, environment);
    const QString store = m_dir.filePath(QTest::currentDataTag() + QStringLiteral(".ini"));
    // Written by one object, read by another: as across a restart.
    QVERIFY(PortAssignments(store).assign(port, assigned));
    const QByteArray variable = PortNames::environmentVariableFor(port).toLatin1();
    qputenv(variable.constData(), environment.toLocal8Bit());
    const FakeSerialPortList list(ports);
    const PortMapping mapping = PortNames(list, PortAssignments(store), platform).mappingFor(port);
    qunsetenv(variable.constData());
    QTEST(mapping.device, "device");
    QTEST(mapping.source, "source");
    QTEST(mapping.present, "present");
}

void tst_PortNames::portArgument_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("portNumber"); // 0: a device, -1: invalid
    QTest::addColumn<QString>("device");

    QTest::newRow("port number") << "3" << 3 << "";
    QTest::newRow("beyond 14") << "15" << -1 << "";
    QTest::newRow("existing file in this folder") << "regular.txt" << 0 << m_dir.filePath("regular.txt");
    QTest::newRow("relative path") << "sub/radio" << 0 << m_dir.filePath("sub/radio");
    QTest::newRow("serial number") << "A50285BI" << 0 << "/dev/ttyACM0";
    QTest::newRow("numeric serial number") << "2000001" << 0 << "/dev/ttyUSB0";
    QTest::newRow("detected name") << "ttyACM0" << 0 << "/dev/ttyACM0";
    QTest::newRow("other name") << "ttyS7" << 0 << "/dev/ttyS7";
}

void tst_PortNames::portArgument()
{
    QFETCH(QString, value);
    QFETCH(int, portNumber);
    QFETCH(QString, device);
    QVERIFY(QDir::setCurrent(m_dir.path()));

    const PortArgument argument = PortArgument::resolve(value, FakeSerialPortList(LinuxPorts));
    QCOMPARE(argument.isValid(), portNumber >= 0);
    QCOMPARE(argument.kind() == PortArgument::Kind::PortNumber, portNumber > 0);
    QCOMPARE(argument.portNumber(), qMax(portNumber, 0));
    QCOMPARE(argument.devicePath(), device);
}

// `qtr70 ports` on this machine, with a port set by the environment and one
// assigned by the user.
void tst_PortNames::portsCommand()
{
    const QString config = m_dir.filePath("config");
    QVERIFY(PortAssignments(config + "/qtr70-clone/ports.ini").assign(5, m_dir.filePath("present")));
    QVERIFY(PortAssignments(config + "/qtr70-clone/ports.ini").assign(6, "/dev/tty\x1b[2J"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config);
    environment.insert("QTR70_COM2", m_dir.filePath("gone"));
    QProcess qtr70;
    qtr70.setProcessEnvironment(environment);
    qtr70.start(qEnvironmentVariable("QTR70_BIN"), {"ports"});
    QVERIFY(qtr70.waitForFinished());
    const QString listing = QString::fromLocal8Bit(qtr70.readAllStandardOutput());
    QVERIFY2(listing.contains(QRegularExpression("\n  2 +" + m_dir.filePath("gone") + " +environment \\(QTR70_COM2\\) +not present\n")), qPrintable(listing));
    QVERIFY(listing.contains(QRegularExpression("\n  5 +" + m_dir.filePath("present") + " +assignment +present\n")));
    QVERIFY(listing.contains(QRegularExpression("\n  14 +/dev/ttyUSB13 +guess +not present\n")));
    QVERIFY2(listing.contains(QRegularExpression("\n  6 +/dev/tty\\\\x1B\\[2J +assignment")) && !listing.contains('\x1b'), qPrintable(listing));
    // Never opened: it may be the system console.
    if (QFile::exists("/dev/ttyS0"))
        QVERIFY(listing.contains(QRegularExpression("\n  /dev/ttyS0 ")));
}

void tst_PortNames::assignmentsFileBounded_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a FIFO") << "fifo";
    QTest::newRow("a value beyond the bound") << "long value";
    QTest::newRow("a file beyond the bound") << "large file";
}

void tst_PortNames::assignmentsFileBounded()
{
    // None of them is read (a FIFO without a writer would block), none
    // assigns a device.
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath("ports.ini");
    QFile file(path);
    if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QVERIFY(file.open(QIODevice::WriteOnly));
        const qsizetype length =
            kind == "long value" ? PortAssignments::MaxDeviceLength + 1 : PortAssignments::MaxFileSize;
        file.write("[Ports]\nCOM1=/dev/" + QByteArray(length, 'x') + "\n");
        file.close();
    }
    const PortAssignments assignments(path);
    QCOMPARE(assignments.deviceFor(1), QString());
    QCOMPARE(assignments.assign(2, "/dev/ttyUSB0"), kind == "long value");
}

QTEST_GUILESS_MAIN(tst_PortNames)
#include "tst_PortNames.moc"
