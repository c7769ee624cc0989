#include "CountingPort.h"
#include "TransferRunner.h"
#include "link/BlockCommands.h"
#include "link/LineExchange.h"
#include "link/PortNames.h"
#include "link/SerialRadioPort.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <functional>

#include <fcntl.h>
#include <poll.h>
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

// The radio's side of an exchange: reads what the program sends and, once
// `command` has arrived, runs `then` (answers, hangs up).
class PtyPeer
{
public:
    PtyPeer(PtyMaster &master, const QByteArray &command, std::function<void(PtyMaster &)> then)
        : m_notifier(master.fd(), QSocketNotifier::Read)
    {
        QObject::connect(&m_notifier, &QSocketNotifier::activated, [this, &master, command, then] {
            char buffer[512];
            const ssize_t n = ::read(master.fd(), buffer, sizeof buffer);
            if (n > 0)
                m_heard.append(buffer, int(n));
            if (!m_done && m_heard.contains(command)) {
                m_done = true;
                m_notifier.setEnabled(false);
                then(master);
            }
        });
    }
    QByteArray heard() const { return m_heard; }

private:
    QSocketNotifier m_notifier;
    QByteArray m_heard;
    bool m_done = false;
};

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
    void bytesWaitingAtOpenAreDiscarded();
    void bytesWaitingBeforeAnExchangeAreDiscarded();
    void hangUpDuringExchangeSaysSo();
    void exchangeReadsFewTimes_data();
    void exchangeReadsFewTimes();
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
    QCOMPARE(serial.errorString(), SerialRadioPort::hangUpReason());
}

void tst_SerialRadioPort::bytesWaitingAtOpenAreDiscarded()
{
    PtyMaster master;
    QVERIFY(master.isValid());
    // The radio talks before the program opens the port: the bytes wait in
    // the device's input queue (the terminal side is held open meanwhile,
    // raw, as a cable that is plugged in).
    const int held = ::open(QFile::encodeName(master.slavePath()).constData(), O_RDWR | O_NOCTTY);
    QVERIFY(held >= 0);
    const auto closeHeld = qScopeGuard([held] { ::close(held); });
    termios raw{};
    QCOMPARE(tcgetattr(held, &raw), 0);
    cfmakeraw(&raw);
    QCOMPARE(tcsetattr(held, TCSANOW, &raw), 0);
    QCOMPARE(::write(master.fd(), "STALE\r\n", 7), ssize_t(7));
    pollfd waiting{held, POLLIN, 0};
    QCOMPARE(::poll(&waiting, 1, 5000), 1);

    SerialRadioPort serial;
    serial.setDevicePath(master.slavePath());
    QVERIFY2(serial.open(), qPrintable(serial.errorString()));
    const QByteArray command = "KV~WHO\r\n";
    const QByteArray answer = "QTR70330000\r\n";
    PtyPeer radio(master, command, [&](PtyMaster &m) {
        const QByteArray reply = command + answer;
        QCOMPARE(::write(m.fd(), reply.constData(), reply.size()), ssize_t(reply.size()));
    });
    LineExchange exchange(serial);

    QCOMPARE(onWorkerThread(serial, [&] { return exchange.exchange(QString::fromLatin1(command)); }),
             QString::fromLatin1(command + answer));
}

void tst_SerialRadioPort::bytesWaitingBeforeAnExchangeAreDiscarded()
{
    // Junk arrives while the program does not listen (a question waits for
    // its answer): the device holds it, Qt has not read it.
    PtyMaster master;
    QVERIFY(master.isValid());
    SerialRadioPort serial;
    serial.setDevicePath(master.slavePath());
    QVERIFY2(serial.open(), qPrintable(serial.errorString()));
    QCOMPARE(::write(master.fd(), "JUNK\r\n", 6), ssize_t(6));
    QTest::qSleep(50);  // delivered, and no event loop ran to read it
    const QByteArray command = "QTR70\r\n";
    PtyPeer radio(master, command, [&](PtyMaster &m) {
        const QByteArray reply = command + "OK\r\n";
        QCOMPARE(::write(m.fd(), reply.constData(), reply.size()), ssize_t(reply.size()));
    });
    LineExchange exchange(serial);
    QCOMPARE(onWorkerThread(serial, [&] { return exchange.exchange(QString::fromLatin1(command)); }),
             QStringLiteral("QTR70\r\nOK\r\n"));
}

void tst_SerialRadioPort::hangUpDuringExchangeSaysSo()
{
    PtyMaster master;
    QVERIFY(master.isValid());
    SerialRadioPort serial;
    serial.setDevicePath(master.slavePath());
    QVERIFY2(serial.open(), qPrintable(serial.errorString()));
    // The radio hears the command, then the cable is pulled.
    PtyPeer radio(master, "KV~WHO\r\n", [](PtyMaster &m) { m.close(); });
    LineExchange exchange(serial);
    QSignalSpy failed(&serial, &RadioPort::errorOccurred);

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(onWorkerThread(serial, [&] { return exchange.exchange("KV~WHO\r\n"); }), LineExchange::portFailure());
    QVERIFY2(clock.elapsed() < LineExchange::ReplyTimeoutMs, "a hang-up waited for the bound");
    QVERIFY(!serial.isOpen());
    const QString reason = serial.errorString();
    QCOMPARE(reason, SerialRadioPort::hangUpReason());
    QVERIFY2(!reason.contains("Inappropriate ioctl"), qPrintable(reason));

    // The gone device is not reported again and again.
    QTest::qWait(200);
    QCOMPARE(failed.size(), 1);
}

void tst_SerialRadioPort::exchangeReadsFewTimes_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("paced"); // at the wire's pace, or at once
    QTest::addColumn<int>("mostReads");

    const QByteArray record = QByteArray(64, '5') + "\r\n";
    QTest::newRow("record at the wire's pace") << record << true << 4;
    QTest::newRow("record at once") << record << false << 1;
    // The line end comes long before a record's length, or after it.
    QTest::newRow("short answer at the wire's pace") << QByteArray("NG\r\n") << true << 4;
    QTest::newRow("long answer at the wire's pace") << QByteArray(72, '5') + "\r\n" << true << 14;
}

void tst_SerialRadioPort::exchangeReadsFewTimes()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, paced);
    QFETCH(int, mostReads);

    PtyMaster master;
    SerialRadioPort serial;
    serial.setDevicePath(master.slavePath());
    QVERIFY2(master.isValid() && serial.open(), qPrintable(serial.errorString()));
    CountingPort port(serial);
    // Once the radio has heard the command, it sends every millisecond
    // the characters due by then.
    const QByteArray command = BlockCommands::readCommand(0x0600).toLatin1();
    const QByteArray reply = command + answer;
    QTimer pace;
    pace.setTimerType(Qt::PreciseTimer);
    QElapsedTimer since;
    qsizetype sent = 0;
    connect(&pace, &QTimer::timeout, this, [&] {
        const qint64 due = paced ? 1 + since.nsecsElapsed() / 1000 / serial.characterMicroseconds() : reply.size();
        const QByteArray next = reply.mid(sent, qMin(due, reply.size()) - sent);
        QCOMPARE(::write(master.fd(), next.constData(), size_t(next.size())), ssize_t(next.size()));
        sent += next.size();
        if (sent == reply.size())
            pace.stop();
    });
    PtyPeer radio(master, command, [&](PtyMaster &) {
        since.start();
        pace.start(1);
    });
    LineExchange exchange(port);

    QCOMPARE(onWorkerThread(port, [&] { return exchange.exchange(QString::fromLatin1(command), BlockCommands::ReadReplyLength); }),
             QString::fromLatin1(reply));
    QVERIFY2(port.reads() <= mostReads, qPrintable(QString::number(port.reads())));
}

QTEST_GUILESS_MAIN(tst_SerialRadioPort)
#include "tst_SerialRadioPort.moc"
