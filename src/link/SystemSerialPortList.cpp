#include "link/SystemSerialPortList.h"

#include <QFile>
#include <QSerialPortInfo>

#include <algorithm>

namespace {

// The latency timer Linux shows for a USB serial adapter (FTDI's driver
// does), in ms; -1 where there is none.
int latencyTimer(const QString &portName)
{
#ifdef Q_OS_LINUX
    QFile file(QStringLiteral("/sys/class/tty/%1/device/latency_timer").arg(portName));
    if (portName.contains(QLatin1Char('/')) || !file.open(QIODevice::ReadOnly))
        return -1;
    bool number = false;
    const int ms = QString::fromLatin1(file.read(16)).trimmed().toInt(&number);
    return number ? ms : -1;
#else
    Q_UNUSED(portName);
    return -1;
#endif
}

} // namespace

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
        port.latencyTimerMs = latencyTimer(port.portName);
        ports.append(port);
    }
    std::sort(ports.begin(), ports.end(),
              [](const DetectedPort &a, const DetectedPort &b) { return a.systemPath < b.systemPath; });
    return ports;
}
