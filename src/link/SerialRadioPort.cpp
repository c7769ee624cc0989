#include "SerialRadioPort.h"

#include "PortNames.h"
#include "PortProblem.h"

SerialRadioPort::SerialRadioPort(QObject *parent)
    : RadioPort(parent)
{
    connect(&m_serial, &QSerialPort::readyRead, this, &RadioPort::readyRead);
    connect(&m_serial, &QSerialPort::errorOccurred, this, &SerialRadioPort::onSerialError);
}

SerialRadioPort::~SerialRadioPort()
{
    m_serial.close();
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

bool SerialRadioPort::open()
{
    // A failed port is still open underneath; start it afresh.
    if (m_serial.isOpen())
        m_serial.close();
    m_failed = false;
    m_errorString.clear();

    m_serial.setPortName(deviceName());
    m_serial.setBaudRate(BaudRate);
    m_serial.setDataBits(QSerialPort::Data8);
    m_serial.setParity(QSerialPort::NoParity);
    m_serial.setStopBits(QSerialPort::OneStop);
    m_serial.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_serial.open(QIODevice::ReadWrite)) {
        m_errorString = PortProblem::whenOpening(deviceName(), m_devicePath.isEmpty() ? m_portNumber : 0,
                                                 m_serial.error(), m_serial.errorString())
                            .reason();
        m_serial.clearError();
        return false;
    }
    return true;
}

void SerialRadioPort::close()
{
    m_serial.close();
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
        m_failed = true;
        m_errorString = m_serial.errorString();
        return false;
    }
    return true;
}

bool SerialRadioPort::readAll(QByteArray &received)
{
    if (!isOpen())
        return false;
    received += m_serial.readAll();
    return true;
}

QString SerialRadioPort::errorString() const
{
    if (!m_errorString.isEmpty())
        return m_errorString;
    if (!m_serial.isOpen())
        return QStringLiteral("Port not open");
    return QString();
}

void SerialRadioPort::onSerialError(QSerialPort::SerialPortError error)
{
    // Open failures are reported by open() itself; NoError only clears.
    if (error == QSerialPort::NoError || !m_serial.isOpen())
        return;
    m_failed = true;
    // Qt's text for a vanished device is whatever errno last held; say
    // what happened first.
    const QString reason = m_serial.errorString();
    m_errorString = error == QSerialPort::ResourceError
        ? QStringLiteral("device no longer available (%1)").arg(reason)
        : reason;
    emit errorOccurred();
}
