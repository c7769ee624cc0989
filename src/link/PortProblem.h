#pragma once

#include "link/DeviceAccess.h"
#include "link/PortMapping.h"

#include <QSerialPort>
#include <QString>

class PortNames;

// Why a serial device could not be opened, in words a user can act on:
// which group to join and how, that another program holds the device, or
// that it is not plugged in and which devices are.
class PortProblem
{
public:
    enum class Kind {
        NoDevice,          // the port number leads to no device at all
        Missing,           // the device is not there
        NotInGroup,        // its group may open it; this user is not in the group
        GroupNotYetActive, // this user joined the group, this session predates it
        OwnerOnly,         // no group may open it, only its owner
        Busy,              // another program holds it
        Other,             // anything else: the system's words
    };

    PortProblem(Kind kind, const QString &reason) : m_kind(kind), m_reason(reason) {}

    // Opening `mapping.device` failed with `error` and the system's
    // `systemText`; `access` holds the file system's facts about it and
    // `names` the devices present. A device given by path has port number 0.
    static PortProblem diagnose(const PortMapping &mapping, QSerialPort::SerialPortError error,
                                const QString &systemText, const DeviceAccess &access, const PortNames &names);
    // The same with the system's facts and devices, and this user's
    // assignments.
    static PortProblem whenOpening(const QString &device, int portNumber, QSerialPort::SerialPortError error,
                                   const QString &systemText);

    Kind kind() const { return m_kind; }
    // Starts with what failed and the device ("Permission denied:
    // /dev/ttyUSB0."), then what to do.
    QString reason() const { return m_reason; }

private:
    static PortProblem missing(const PortMapping &mapping, const QString &systemText, const PortNames &names);
    static PortProblem noPermission(const QString &device, const DeviceAccess &access);

    Kind m_kind;
    QString m_reason;
};
