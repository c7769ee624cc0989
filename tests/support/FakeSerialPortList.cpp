#include "FakeSerialPortList.h"

DetectedPort FakeSerialPortList::usb(const QString &path, const QString &description, const QString &serialNumber,
                                     quint16 vendorId, quint16 productId)
{
    DetectedPort port = plain(path);
    port.description = description;
    port.manufacturer = QStringLiteral("FTDI");
    port.serialNumber = serialNumber;
    port.hasUsbIds = true;
    port.vendorId = vendorId;
    port.productId = productId;
    return port;
}

DetectedPort FakeSerialPortList::plain(const QString &path)
{
    DetectedPort port;
    port.systemPath = path;
    port.portName = path.startsWith(QLatin1String("/dev/")) ? path.mid(int(qstrlen("/dev/"))) : path;
    return port;
}
