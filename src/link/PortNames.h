#pragma once

#include "link/DetectedPort.h"
#include "link/PortAssignments.h"
#include "link/PortMapping.h"

#include <QList>
#include <QString>

#include <optional>

class SerialPortList;

// Which device a port number (1..14) leads to, in this order: the device
// named by the environment variable QTR70_COM<n>; the device the user
// assigned to port n; the platform's guess:
// - Windows: COM<n>;
// - macOS: the n-th USB serial "cu." device in path order (a /dev/cu.*
//   device with USB ids, or named cu.usbserial* or cu.usbmodem*); none when
//   fewer are plugged in;
// - Linux and other systems: /dev/ttyUSB<n-1>.
class PortNames
{
public:
    static constexpr int FirstPort = 1;
    static constexpr int LastPort = 14;
    static constexpr int PortCount = LastPort - FirstPort + 1;

    enum class Platform { Linux, MacOS, Windows };
#if defined(Q_OS_WIN)
    static constexpr Platform ThisPlatform = Platform::Windows;
#elif defined(Q_OS_MACOS)
    static constexpr Platform ThisPlatform = Platform::MacOS;
#else
    static constexpr Platform ThisPlatform = Platform::Linux;
#endif

    // The device list is asked once, on first need, and kept.
    PortNames(const SerialPortList &ports, const PortAssignments &assignments,
              Platform platform = ThisPlatform);

    static bool isValid(int portNumber) { return portNumber >= FirstPort && portNumber <= LastPort; }
    // The name of the environment variable that overrides port n.
    static QString environmentVariableFor(int portNumber);
    // The device port n opens, with the system's devices and this user's
    // assignments.
    static QString deviceFor(int portNumber);

    PortMapping mappingFor(int portNumber) const;
    // The devices the system reports, in path order.
    QList<DetectedPort> detected() const;
    // The detected devices on USB (USB ids known), which a clone cable makes.
    QList<DetectedPort> usbDevices() const;
    // The detected device with this path or name.
    std::optional<DetectedPort> find(const QString &device) const;
    // Whether the device is there: detected, or an existing file.
    bool isPresent(const QString &device) const;
    // The platform's guess for port n; empty when there is none.
    QString guessFor(int portNumber) const;

private:
    const SerialPortList &m_ports;
    PortAssignments m_assignments;
    Platform m_platform;
    mutable std::optional<QList<DetectedPort>> m_detected;
};
