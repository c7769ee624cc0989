#include "link/SystemSerialPortList.h"

#include <QSerialPortInfo>

#include <algorithm>

QList<DetectedPort> SystemSerialPortList::available() const
{
    QList<DetectedPort> ports;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        DetectedPort port;
        port.systemPath = info.systemLocation();
        port.portName = info.portName();
        port.description = info.description();
        port.manufacturer = info.manufacturer();
        port.serialNumber = info.serialNumber();
        port.hasUsbIds = info.hasVendorIdentifier() && info.hasProductIdentifier();
        port.vendorId = info.vendorIdentifier();
        port.productId = info.productIdentifier();
        ports.append(port);
    }
    std::sort(ports.begin(), ports.end(),
              [](const DetectedPort &a, const DetectedPort &b) { return a.systemPath < b.systemPath; });
    return ports;
}
