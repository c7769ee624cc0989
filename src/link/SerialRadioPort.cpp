#include "link/SerialRadioPort.h"

#include "link/LowLatency.h"
#include "link/PortNames.h"
#include "link/PortProblem.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#endif

namespace {

// What the open device has to tell without waiting, as poll() says it; 0
// where that cannot be told.
#ifdef Q_OS_UNIX
constexpr short HangUpEvents = POLLHUP | POLLERR | POLLNVAL;

short deviceEvents(const QSerialPort &serial)
{
    const int fd = int(serial.handle());
    if (fd < 0)
        return 0;
    pollfd device{fd, POLLIN, 0};
    return ::poll(&device, 1, 0) == 1 ? device.revents : 0;
}
#else
constexpr short HangUpEvents = 0;

short deviceEvents(const QSerialPort &)
{
    return 0;
}
#endif

// True when the open device has been hung up (the cable pulled, a USB
// adapter unplugged, the far end of a pseudo-terminal closed): reading it
// then gives end of file, which Qt reports as a read error with whatever
// errno last held.
bool hungUp(const QSerialPort &serial)
{
    return (deviceEvents(serial) & HangUpEvents) != 0;
}

} // namespace

SerialRadioPort::SerialRadioPort(QObject *parent)
    : RadioPort(parent), m_serial(this) // a child: it moves with the port to a transfer's thread
{
    connect(&m_serial, &QSerialPort::readyRead, this, &RadioPort::readyRead);
    connect(&m_serial, &QSerialPort::errorOccurred, this, &SerialRadioPort::onSerialError);
}

SerialRadioPort::~SerialRadioPort()
{
    closeDevice();
}

void SerialRadioPort::closeDevice()
{
    // Closing a device that has gone away reports errors of its own (its
    // settings cannot be restored); they are not this port's news.
    m_ignoreErrors = true;
    m_serial.close();
    m_serial.clearError();
    m_ignoreErrors = false;
    ++m_generation;
}

void SerialRadioPort::setPortNumber(int portNumber)
{
    if (!PortNames::isValid(portNumber))
        return;
    if (portNumber == m_portNumber && m_devicePath.isEmpty())
        return;
    close();
    m_portNumber = portNumber;
    m_devicePath.clear();
}

void SerialRadioPort::setDevicePath(const QString &path)
{
    if (path == m_devicePath)
        return;
    close();
    m_devicePath = path;
}

QString SerialRadioPort::deviceName() const
{
    return m_devicePath.isEmpty() ? PortNames::deviceFor(m_portNumber) : m_devicePath;
}

bool SerialRadioPort::lockDevice()
{
#ifdef Q_OS_UNIX
    // Qt's lock file goes by the name and its exclusive mode does not hold
    // against root: a lock on the open device itself holds for every path
    // that leads to it (a symbolic link, a port number) and every user.
    const int fd = int(m_serial.handle());
    if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return false;
    // And no other open of the terminal, where the system allows it.
    (void)::ioctl(fd, TIOCEXCL);
    return true;
#else
    return true;
#endif
}

bool SerialRadioPort::open()
{
    // A failed port may still be open underneath; start it afresh.
    if (m_serial.isOpen())
        closeDevice();
    ++m_generation;
    m_failed = false;
    m_errorString.clear();

    m_serial.setPortName(deviceName());
    m_serial.setBaudRate(BaudRate);
    m_serial.setDataBits(QSerialPort::Data8);
    m_serial.setParity(QSerialPort::NoParity);
    m_serial.setStopBits(QSerialPort::OneStop);
    m_serial.setFlowControl(QSerialPort::NoFlowControl);
    m_serial.setReadBufferSize(0);
    if (!m_serial.open(QIODevice::ReadWrite)) {
        m_errorString = PortProblem::whenOpening(deviceName(), m_devicePath.isEmpty() ? m_portNumber : 0,
                                                 m_serial.error(), m_serial.errorString())
                            .reason();
        m_serial.clearError();
        return false;
    }
    if (!lockDevice()) {
        closeDevice();
        m_errorString = PortProblem::whenOpening(deviceName(), m_devicePath.isEmpty() ? m_portNumber : 0,
                                                 QSerialPort::PermissionError, QString())
                            .reason();
        return false;
    }
    // A USB adapter hands over each reply's tail without waiting for its
    // latency timer, where its driver allows; a refusal changes nothing.
    LowLatency::request(int(m_serial.handle()));
    // Whatever the device received before it was opened (a radio that was
    // already talking, a previous program's leftovers) is no part of any
    // reply: discard it in the device itself, not only in Qt's buffer.
    // A device that hangs up meanwhile fails the first exchange, as it
    // would a moment later.
    m_ignoreErrors = true;
    const bool cleared = m_serial.clear(QSerialPort::AllDirections);
    m_ignoreErrors = false;
    if (!cleared) {
        const QSerialPort::SerialPortError error = m_serial.error();
        m_serial.clearError();
        if (error == QSerialPort::ResourceError || hungUp(m_serial))
            fail(QSerialPort::ResourceError);
    }
    return true;
}

void SerialRadioPort::close()
{
    closeDevice();
    m_failed = false;
}

bool SerialRadioPort::isOpen() const
{
    return m_serial.isOpen() && !m_failed;
}

bool SerialRadioPort::write(const QByteArray &data)
{
    if (!isOpen())
        return false;
    if (m_serial.write(data) != data.size()) {
        fail(m_serial.error());
        return false;
    }
    // On the wire now: nothing else is going to send it.
    m_serial.flush();
    return !m_failed;
}

bool SerialRadioPort::readAll(QByteArray &received)
{
    if (!isOpen())
        return false;
    received += m_serial.readAll();
    return true;
}

bool SerialRadioPort::waitForReadyRead(int ms)
{
    if (!isOpen())
        return false;
    // Qt waits on the device itself, without an event loop; a device that
    // hangs up meanwhile reports its error (and so fails the port) here.
    return m_serial.waitForReadyRead(qMax(ms, 0)) && !m_failed;
}

bool SerialRadioPort::discardInput()
{
    if (!isOpen())
        return false;
    m_serial.readAll();
    // The system's input queue too (tcflush); a device gone meanwhile
    // fails here as it would a moment later.
    m_ignoreErrors = true;
    const bool cleared = m_serial.clear(QSerialPort::Input);
    m_ignoreErrors = false;
    if (!cleared) {
        const QSerialPort::SerialPortError error = m_serial.error();
        m_serial.clearError();
        if (error == QSerialPort::ResourceError || hungUp(m_serial)) {
            fail(QSerialPort::ResourceError);
            return false;
        }
    }
    return true;
}

QString SerialRadioPort::errorString() const
{
    if (!m_errorString.isEmpty())
        return m_errorString;
    if (!m_serial.isOpen())
        return QCoreApplication::translate("SerialRadioPort", "Port not open");
    return QString();
}

void SerialRadioPort::onSerialError(QSerialPort::SerialPortError error)
{
    // Open failures are reported by open() itself; NoError only clears; a
    // wait that found nothing is no failure of the port. Once failed, the
    // first reason stands and is reported once.
    if (error == QSerialPort::TimeoutError) {
        m_serial.clearError();
        return;
    }
    if (error == QSerialPort::NoError || !m_serial.isOpen() || m_ignoreErrors || m_failed)
        return;
    fail(error);
    emit errorOccurred();
}

void SerialRadioPort::fail(QSerialPort::SerialPortError error)
{
    m_failed = true;
    // Qt's text for a vanished device is whatever errno last held (often
    // the "Inappropriate ioctl for device" of a probe made while opening),
    // so it is not repeated: say what happened.
    const bool gone = error == QSerialPort::ResourceError || hungUp(m_serial);
    m_errorString = gone ? hangUpReason() : m_serial.errorString();
    // Stop listening to the failed device: a hung-up one is readable for
    // ever and would report the same end of file again and again. Closed
    // from the event loop, not from inside Qt's own notification.
    QMetaObject::invokeMethod(
        this,
        [this, generation = m_generation] {
            if (generation == m_generation && m_failed)
                closeDevice();
        },
        Qt::QueuedConnection);
}
