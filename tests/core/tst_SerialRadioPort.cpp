#include "PortNames.h"
#include "SerialRadioPort.h"

#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The far end of a pseudo-terminal: what the radio's side of the cable sees.
class PtyMaster
{
public:
    PtyMaster()
    {
        m_fd = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_fd >= 0 && grantpt(m_fd) == 0 && unlockpt(m_fd) == 0)
            m_slave = QString::fromLocal8Bit(ptsname(m_fd));
    }
    ~PtyMaster() { close(); }

    bool isValid() const { return !m_slave.isEmpty(); }
    QString slavePath() const { return m_slave; }
    int fd() const { return m_fd; }
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd = -1;
    QString m_slave;
};

// Runs the event loop until `spy` has a signal or the time is up.
bool waitFor(QSignalSpy &spy)
{
    return !spy.isEmpty() || spy.wait(5000);
}

} // namespace

class tst_SerialRadioPort : public QObject
{
    Q_OBJECT

private slots:
    void closedAtStart();
    void framing();
    void bytesBothWays();
    void portChangeCloses_data();
    void portChangeCloses();
    void openFailureKeepsSystemReason();
    void lostDeviceCountsAsClosed();
};

void tst_SerialRadioPort::closedAtStart()
{
    qunsetenv("QTR70_COM1");
    SerialRadioPort serial;
    QVERIFY(!serial.isOpen());
    QCOMPARE(serial.portNumber(), 1);
    QCOMPARE(serial.deviceName(), PortNames::deviceFor(1));
    QByteArray received;
    QVERIFY(!serial.readAll(received));
    QVERIFY(!serial.write("QTR70\r\n"));
}

void tst_SerialRadioPort::framing()
{
    PtyMaster master;
    QVERIFY(master.isValid());
    SerialRadioPort serial;
    serial.setDevicePath(master.slavePath());
    QVERIFY2(serial.open(), qPrintable(serial.errorString()));

    // The pseudo-terminal's line settings are those of its terminal side.
    termios mode{};
    QCOMPARE(tcgetattr(master.fd(), &mode), 0);
    QCOMPARE(cfgetospeed(&mode), speed_t(B9600));
    QCOMPARE(cfgetispeed(&mode), speed_t(B9600));
    QCOMPARE(mode.c_cflag & CSIZE, tcflag_t(CS8));
    QCOMPARE(mode.c_cflag & PARENB, tcflag_t(0));
    QCOMPARE(mode.c_cflag & CSTOPB, tcflag_t(0));
    QCOMPARE(mode.c_cflag & CRTSCTS, tcflag_t(0));
    QCOMPARE(mode.c_iflag & (IXON | IXOFF), tcflag_t(0));
}

void tst_SerialRadioPort::bytesBothWays()
{
    PtyMaster master;
    QVERIFY(master.isValid());
    SerialRadioPort serial;
    serial.setDevicePath(master.slavePath());
    QVERIFY(serial.open());
    QSignalSpy arrived(&serial, &RadioPort::readyRead);

    // Every byte value passes unchanged (no CR/LF translation, no echo).
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QVERIFY(serial.write(all));
    QSocketNotifier atMaster(master.fd(), QSocketNotifier::Read);
    QSignalSpy sent(&atMaster, &QSocketNotifier::activated);
    QByteArray atRadio;
    while (atRadio.size() < all.size()) {
        QVERIFY(waitFor(sent));
        sent.clear();
        char buffer[512];
        const ssize_t n = ::read(master.fd(), buffer, sizeof buffer);
        QVERIFY(n > 0);
        atRadio.append(buffer, n);
    }
    QCOMPARE(atRadio, all);
    atMaster.setEnabled(false);

    QCOMPARE(::write(master.fd(), all.constData(), all.size()), ssize_t(all.size()));
    QByteArray received("kept:");
    while (received.size() < all.size() + 5) {
        QVERIFY(waitFor(arrived));
        arrived.clear();
        QVERIFY(serial.readAll(received));
    }
    QCOMPARE(received, "kept:" + all);
}

void tst_SerialRadioPort::portChangeCloses_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("staysOpen");

    QTest::newRow("another port number") << "port 2" << false;
    QTest::newRow("same device path") << "same path" << true;
    QTest::newRow("another device path") << "other path" << false;
    QTest::newRow("port number out of range ignored") << "port 15" << true;
}

void tst_SerialRadioPort::portChangeCloses()
{
    QFETCH(QString, change);
    QFETCH(bool, staysOpen);

    PtyMaster master;
    QVERIFY(master.isValid());
    SerialRadioPort serial;
    serial.setDevicePath(master.slavePath());
    QVERIFY(serial.open());

    if (change == "port 2")
        serial.setPortNumber(2);
    else if (change == "same path")
        serial.setDevicePath(master.slavePath());
    else if (change == "other path")
        serial.setDevicePath("/dev/null");
    else if (change == "port 15")
        serial.setPortNumber(15);
    QCOMPARE(serial.isOpen(), staysOpen);
    QCOMPARE(serial.portNumber(), change == "port 2" ? 2 : 1);
}

void tst_SerialRadioPort::openFailureKeepsSystemReason()
{
    QTemporaryDir dir;
    SerialRadioPort serial;
    const QString missing = dir.filePath("no-such-device");
    serial.setDevicePath(missing);
    QVERIFY(!serial.open());
    QVERIFY(!serial.isOpen());
    QCOMPARE(serial.deviceName(), missing);
    QVERIFY2(serial.errorString().contains("No such file"), qPrintable(serial.errorString()));
}

void tst_SerialRadioPort::lostDeviceCountsAsClosed()
{
    PtyMaster master;
    QVERIFY(master.isValid());
    SerialRadioPort serial;
    serial.setDevicePath(master.slavePath());
    QVERIFY(serial.open());
    QSignalSpy failed(&serial, &RadioPort::errorOccurred);

    master.close(); // the cable is pulled
    QVERIFY(waitFor(failed));
    QVERIFY(!serial.isOpen());
    QByteArray received;
    QVERIFY(!serial.readAll(received));
    QVERIFY(!serial.errorString().isEmpty());
}

QTEST_GUILESS_MAIN(tst_SerialRadioPort)
#include "tst_SerialRadioPort.moc"
