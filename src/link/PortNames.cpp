#include "link/PortNames.h"

#include "link/SerialPortList.h"
#include "link/SystemSerialPortList.h"

#include <QFileInfo>
#include <QtGlobal>

#include <algorithm>

namespace {

const QString MacDevicePrefix = QStringLiteral("/dev/cu.");
const QStringList MacUsbSerialNames = {QStringLiteral("/dev/cu.usbserial"), QStringLiteral("/dev/cu.usbmodem")};

bool isMacUsbSerial(const DetectedPort &port)
{
    if (!port.systemPath.startsWith(MacDevicePrefix))
        return false;
    if (port.hasUsbIds)
        return true;
    for (const QString &name : MacUsbSerialNames) {
        if (port.systemPath.startsWith(name))
            return true;
    }
    return false;
}

} // namespace

PortNames::PortNames(const SerialPortList &ports, const PortAssignments &assignments, Platform platform)
    : m_ports(ports), m_assignments(assignments), m_platform(platform)
{
}

QString PortNames::environmentVariableFor(int portNumber)
{
    return QStringLiteral("QTR70_COM%1").arg(portNumber);
}

QString PortNames::deviceFor(int portNumber)
{
    const SystemSerialPortList system;
    return PortNames(system, PortAssignments::forThisUser()).mappingFor(portNumber).device;
}

QList<DetectedPort> PortNames::detected() const
{
    if (!m_detected)
        m_detected = m_ports.available();
    return *m_detected;
}

QList<DetectedPort> PortNames::usbDevices() const
{
    QList<DetectedPort> usb;
    const QList<DetectedPort> all = detected();
    for (const DetectedPort &port : all) {
        if (port.hasUsbIds)
            usb.append(port);
    }
    return usb;
}

std::optional<DetectedPort> PortNames::find(const QString &device) const
{
    const QList<DetectedPort> all = detected();
    for (const DetectedPort &port : all) {
        if (port.matches(device))
            return port;
    }
    return std::nullopt;
}

bool PortNames::isPresent(const QString &device) const
{
    if (device.isEmpty())
        return false;
    return find(device).has_value() || QFileInfo::exists(device);
}

QString PortNames::guessFor(int portNumber) const
{
    switch (m_platform) {
    case Platform::Windows:
        return QStringLiteral("COM%1").arg(portNumber);
    case Platform::MacOS: {
        QList<DetectedPort> usb;
        const QList<DetectedPort> all = detected();
        for (const DetectedPort &port : all) {
            if (isMacUsbSerial(port))
                usb.append(port);
        }
        std::sort(usb.begin(), usb.end(),
                  [](const DetectedPort &a, const DetectedPort &b) { return a.systemPath < b.systemPath; });
        const int index = portNumber - FirstPort;
        return index < usb.size() ? usb.at(index).systemPath : QString();
    }
    case Platform::Linux:
        break;
    }
    return QStringLiteral("/dev/ttyUSB%1").arg(portNumber - FirstPort);
}

PortMapping PortNames::mappingFor(int portNumber) const
{
    PortMapping mapping;
    mapping.portNumber = portNumber;
    const QString overridden = qEnvironmentVariable(environmentVariableFor(portNumber).toLatin1().constData());
    const QString assigned = m_assignments.deviceFor(portNumber);
    if (!overridden.isEmpty()) {
        mapping.device = overridden;
        mapping.source = PortMapping::Source::Environment;
    } else if (!assigned.isEmpty()) {
        mapping.device = assigned;
        mapping.source = PortMapping::Source::Assignment;
    } else {
        mapping.device = guessFor(portNumber);
        mapping.source = PortMapping::Source::Guess;
    }
    mapping.present = isPresent(mapping.device);
    return mapping;
}
