#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QThread;

// The serial line to the radio, as the link sees it. One implementation
// drives a real serial port; tests hand in scripted ports. A transfer uses
// it from one thread, blocking: it writes a command, then waits for what
// arrives.
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
    // Blocks until something new has arrived (true), or the port fails, or
    // `ms` milliseconds pass (false). What arrived is then for readAll().
    virtual bool waitForReadyRead(int ms) = 0;
    // Drops everything received that nothing has read: what the port
    // buffers and, for a device, what the system holds for it. False when
    // the port is not open or has failed.
    virtual bool discardInput();
    // The system's reason for the last failure ("Permission denied").
    virtual QString errorString() const = 0;
    // The device this port opens ("/dev/ttyUSB0", "COM3").
    virtual QString deviceName() const = 0;

    // How long one character takes on the line, in microseconds; 0 when
    // the port keeps no pace of its own.
    virtual int characterMicroseconds() const { return 0; }

    // Moves the port, and whatever it drives, to `thread`; called on the
    // thread it lives in, while it is closed or between two exchanges.
    virtual void moveTo(QThread *thread) { moveToThread(thread); }

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
