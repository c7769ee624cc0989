#pragma once

#include "SerialPortList.h"

// A device list of the test's making, in the order given.
class FakeSerialPortList : public SerialPortList
{
public:
    FakeSerialPortList() = default;
    explicit FakeSerialPortList(const QList<DetectedPort> &ports) : m_ports(ports) {}

    QList<DetectedPort> available() const override { return m_ports; }
    void setPorts(const QList<DetectedPort> &ports) { m_ports = ports; }

    // A device as the system reports a USB serial adapter.
    static DetectedPort usb(const QString &path, const QString &description, const QString &serialNumber,
                            quint16 vendorId = DefaultVendorId, quint16 productId = DefaultProductId);
    // A device with nothing but its path (a built-in serial port).
    static DetectedPort plain(const QString &path);

    static constexpr quint16 DefaultVendorId = 0x0403;
    static constexpr quint16 DefaultProductId = 0x6001;

private:
    QList<DetectedPort> m_ports;
};
