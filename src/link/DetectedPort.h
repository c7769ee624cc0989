#pragma once

#include <QString>
#include <QtGlobal>

// One serial device the system reports: what the port dialog lists and a
// port number can be assigned to.
class DetectedPort
{
public:
    QString systemPath;   // "/dev/ttyUSB0", "/dev/cu.usbserial-1410", "COM7"
    QString portName;     // "ttyUSB0", "cu.usbserial-1410", "COM7"
    QString description;  // "FT232R USB UART"
    QString manufacturer; // "FTDI"
    QString serialNumber; // "A50285BI"
    bool hasUsbIds = false;
    quint16 vendorId = 0;
    quint16 productId = 0;
    // A USB serial adapter's latency timer, where the system shows it
    // (Linux, FTDI); -1 where it does not.
    int latencyTimerMs = -1;

    // "0403:6001", or empty when the system knows no USB ids.
    QString usbIds() const;
    // "/dev/ttyUSB0 (FT232R USB UART, 0403:6001, latency timer 16 ms)";
    // the bare path when the system tells nothing more.
    QString summary() const;
    // Why and how to lower a latency timer above 1 ms; empty otherwise.
    QString latencyHint() const;
    // Whether `device` (a path or a name) is this device.
    bool matches(const QString &device) const;
};
