#include "link/PortProblem.h"

#include "link/PortNames.h"
#include "link/SystemSerialPortList.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr int OctalBase = 8;
constexpr int ModeDigits = 3;

QString presentDevices(const PortNames &names)
{
    const QList<DetectedPort> ports = names.detected();
    if (ports.isEmpty())
        return QCoreApplication::translate("PortProblem", "No serial device is present.");
    QStringList listed;
    for (const DetectedPort &port : ports)
        listed.append(port.summary());
    return QCoreApplication::translate("PortProblem", "Serial devices present: %1.").arg(listed.join(QCoreApplication::translate("PortProblem", ", ")));
}

// What to assign when one USB serial device is plugged in and the port
// number leads elsewhere.
QString assignAdvice(const PortMapping &mapping, const PortNames &names)
{
    const QList<DetectedPort> usb = names.usbDevices();
    if (mapping.portNumber == 0 || usb.size() != 1 || usb.first().matches(mapping.device))
        return QString();
    const QString device = usb.first().systemPath;
    QString advice = QCoreApplication::translate("PortProblem", " The one USB serial device present is %1: assign it to port %2 in Tool > COM Port "
                                    "Setup (or give qtr70 --port %1).")
                         .arg(device)
                         .arg(mapping.portNumber);
    if (mapping.source == PortMapping::Source::Environment)
        advice += QCoreApplication::translate("PortProblem", " Port %1 leads elsewhere because %2 is set.")
                      .arg(mapping.portNumber)
                      .arg(PortNames::environmentVariableFor(mapping.portNumber));
    return advice;
}

} // namespace

PortProblem PortProblem::missing(const PortMapping &mapping, const QString &systemText, const PortNames &names)
{
    if (mapping.device.isEmpty()) {
        return PortProblem(Kind::NoDevice,
                           QCoreApplication::translate("PortProblem", "No device for port %1: port n is the n-th USB serial device, and not "
                                          "that many are plugged in. %2%3")
                               .arg(mapping.portNumber)
                               .arg(presentDevices(names), assignAdvice(mapping, names)));
    }
    const QString heading = systemText.isEmpty() ? QCoreApplication::translate("PortProblem", "No such device") : systemText;
    return PortProblem(Kind::Missing,
                       QCoreApplication::translate("PortProblem", "%1: %2. It is not there: the radio's cable is not plugged in, or its driver "
                                      "has not loaded. %3%4")
                           .arg(heading, mapping.device, presentDevices(names), assignAdvice(mapping, names)));
}

PortProblem PortProblem::noPermission(const QString &device, const DeviceAccess &access)
{
    const QString heading = QCoreApplication::translate("PortProblem", "Permission denied: %1. ").arg(device);
    if (!access.groupMayOpen()) {
        return PortProblem(Kind::OwnerOnly,
                           heading
                               + QCoreApplication::translate("PortProblem", "Only its owner, %1, may open it (mode %2): no group may, so joining a "
                                                "group does not help. Run the program as %1, or give the device to a "
                                                "group (a udev rule with GROUP=\"dialout\", MODE=\"0660\").")
                                     .arg(access.owner)
                                     .arg(access.mode, ModeDigits, OctalBase, QLatin1Char('0')));
    }
    if (access.userInGroupOnRecord) {
        return PortProblem(Kind::GroupNotYetActive,
                           heading
                               + QCoreApplication::translate("PortProblem", "It belongs to group %1; %2 is in that group, but this login session "
                                                "started before: log out and in again.")
                                     .arg(access.group, access.userName));
    }
    return PortProblem(Kind::NotInGroup,
                       heading
                           + QCoreApplication::translate("PortProblem", "It belongs to group %1, which %2 is not in. Run `sudo usermod -aG %1 "
                                            "$USER`, then log out and in again.")
                                 .arg(access.group, access.userName));
}

PortProblem PortProblem::diagnose(const PortMapping &mapping, QSerialPort::SerialPortError error,
                                  const QString &systemText, const DeviceAccess &access, const PortNames &names)
{
    if (mapping.device.isEmpty() || error == QSerialPort::DeviceNotFoundError || (access.known && !access.exists))
        return missing(mapping, systemText, names);
    if (error == QSerialPort::PermissionError) {
        // Where files tell, a device this process may use was refused
        // because someone holds it (its lock file, or exclusive use); on
        // Windows a held COM port is refused the same way.
        if (access.known && !access.accessible)
            return noPermission(mapping.device, access);
        return PortProblem(Kind::Busy,
                           QCoreApplication::translate("PortProblem", "Device busy: %1. Another program holds it (a terminal program, a modem "
                                          "manager, or another copy of this program): end it, then try again.")
                               .arg(mapping.device));
    }
    return PortProblem(Kind::Other, QStringLiteral("%1: %2").arg(systemText, mapping.device));
}

PortProblem PortProblem::whenOpening(const QString &device, int portNumber, QSerialPort::SerialPortError error,
                                     const QString &systemText)
{
    const SystemSerialPortList system;
    const PortNames names(system, PortAssignments::forThisUser());
    PortMapping mapping;
    if (PortNames::isValid(portNumber))
        mapping = names.mappingFor(portNumber);
    mapping.device = device;
    return diagnose(mapping, error, systemText, DeviceAccess::of(device), names);
}
