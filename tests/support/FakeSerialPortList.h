#pragma once

#include "link/SerialPortList.h"

// A device list of the test's making, in the order given.
class FakeSerialPortList : public SerialPortList
{
public:
    explicit FakeSerialPortList(const QList<DetectedPort> &ports = {}) : m_ports(ports) {}
    QList<DetectedPort> available() const override { return m_ports; }
    void setPorts(const QList<DetectedPort> &ports) { m_ports = ports; }

    // A built-in serial port when there is no description, else a USB
    // serial adapter (FTDI, 0403:6001).
    static DetectedPort device(const QString &path, const QString &description = {}, const QString &serialNumber = {})
    {
        const bool usb = !description.isEmpty();
        return DetectedPort{path, path.section(QLatin1Char('/'), -1), description, usb ? QStringLiteral("FTDI") : QString(),
                            serialNumber, usb, quint16(usb ? 0x0403 : 0), quint16(usb ? 0x6001 : 0)};
    }

private:
    QList<DetectedPort> m_ports;
};
