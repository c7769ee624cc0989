#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The serial line to the radio, as the link sees it. One implementation
// drives a real serial port; tests hand in scripted ports.
class RadioPort : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~RadioPort() override;

    // Opens the device; false (with errorString() set) when it cannot.
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Queues the bytes for sending; false when the port is not open or
    // has failed.
    virtual bool write(const QByteArray &data) = 0;
    // Appends everything received so far to `received`; never blocks.
    // False when the port is not open or has failed.
    virtual bool readAll(QByteArray &received) = 0;
    // Drops everything received that nothing has read: what the port
    // buffers and, for a device, what the system holds for it. False when
    // the port is not open or has failed.
    virtual bool discardInput();
    // The system's reason for the last failure ("Permission denied").
    virtual QString errorString() const = 0;
    // The device this port opens ("/dev/ttyUSB0", "COM3").
    virtual QString deviceName() const = 0;

    // How long one character takes on the line, in microseconds; 0 when
    // the port keeps no pace of its own (then it never holds arrivals).
    virtual int characterMicroseconds() const { return 0; }
    // Held, the port need not report what arrives and may leave it in the
    // device, sparing a wake-up for every character; released, it reports
    // whatever waits by readyRead(). Ports without a pace ignore this.
    virtual void holdArrivals(bool hold) { Q_UNUSED(hold); }

    // The port number (1..14) the program keeps between runs; other
    // numbers are ignored. Choosing another number closes the port.
    virtual void setPortNumber(int portNumber);
    int portNumber() const { return m_portNumber; }

signals:
    // New bytes arrived.
    void readyRead();
    // The port failed (the device went away, a read or write failed).
    void errorOccurred();

protected:
    int m_portNumber = 1;
};
