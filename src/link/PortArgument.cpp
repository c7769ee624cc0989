#include "link/PortArgument.h"

#include "link/PortNames.h"
#include "link/SerialPortList.h"
#include "link/SerialRadioPort.h"

#include <QFileInfo>

namespace {

#ifdef Q_OS_WIN
const QString PathSeparators = QStringLiteral("/\\");
#else
const QString PathSeparators = QStringLiteral("/");
const QString DeviceFolder = QStringLiteral("/dev/");
#endif

bool looksLikePath(const QString &value)
{
    for (const QChar separator : PathSeparators) {
        if (value.contains(separator))
            return true;
    }
    return QFileInfo::exists(value);
}

} // namespace

PortArgument PortArgument::resolve(const QString &value, const SerialPortList &ports)
{
    if (value.isEmpty())
        return PortArgument(Kind::Invalid, 0, QString());
    bool isNumber = false;
    const int number = value.toInt(&isNumber);
    if (isNumber && PortNames::isValid(number))
        return PortArgument(Kind::PortNumber, number, QString());
    if (!isNumber && looksLikePath(value)) {
        const QFileInfo path(value);
        return PortArgument(Kind::Device, 0, path.isRelative() ? path.absoluteFilePath() : value);
    }

    const QList<DetectedPort> detected = ports.available();
    for (const DetectedPort &port : detected) {
        if (port.serialNumber == value)
            return PortArgument(Kind::Device, 0, port.systemPath);
    }
    if (isNumber)
        return PortArgument(Kind::Invalid, 0, QString());
    for (const DetectedPort &port : detected) {
        if (port.matches(value))
            return PortArgument(Kind::Device, 0, port.systemPath);
    }
#ifdef Q_OS_WIN
    return PortArgument(Kind::Device, 0, value);
#else
    return PortArgument(Kind::Device, 0, DeviceFolder + value);
#endif
}

bool PortArgument::applyTo(SerialRadioPort &port) const
{
    switch (m_kind) {
    case Kind::PortNumber:
        port.setPortNumber(m_portNumber);
        return true;
    case Kind::Device:
        port.setDevicePath(m_devicePath);
        return true;
    case Kind::Invalid:
        break;
    }
    return false;
}
