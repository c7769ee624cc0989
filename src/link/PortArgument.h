#pragma once

#include <QString>

class SerialPortList;
class SerialRadioPort;

// A port as a user names it on the command line (--port P), in this order:
// a number 1..14 (a port number); a path (contains a '/' or names an
// existing file: "./radio", "regular.txt"); the serial number of a detected
// device; the name of a detected device ("ttyACM0", "COM7"); otherwise a
// device name the system completes ("ttyUSB5" is /dev/ttyUSB5).
class PortArgument
{
public:
    enum class Kind {
        Invalid,    // empty, or a number outside 1..14 that no device has as serial number
        PortNumber, // port 1..14
        Device,     // a device path
    };

    // The device list is asked only when the value is neither a number nor
    // a path.
    static PortArgument resolve(const QString &value, const SerialPortList &ports);

    Kind kind() const { return m_kind; }
    bool isValid() const { return m_kind != Kind::Invalid; }
    int portNumber() const { return m_portNumber; }
    QString devicePath() const { return m_devicePath; }

    // Points the port at it; false when it is invalid.
    bool applyTo(SerialRadioPort &port) const;

private:
    PortArgument(Kind kind, int portNumber, const QString &devicePath)
        : m_kind(kind), m_portNumber(portNumber), m_devicePath(devicePath)
    {
    }

    Kind m_kind;
    int m_portNumber;
    QString m_devicePath;
};
