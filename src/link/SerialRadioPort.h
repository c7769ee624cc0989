#pragma once

#include "link/RadioPort.h"

#include <QCoreApplication>
#include <QSerialPort>

// The radio's serial port: 9600 baud, 8 data bits, no parity, 1 stop bit,
// no flow control. Closed until a transfer opens it; open until it is
// closed (the session closes it when its job ends). A port that has failed
// (device gone, read or write error) counts as closed, so the next transfer
// reopens it; the failed device itself is closed as soon as the event loop
// runs.
// Opening discards whatever the device had received before.
class SerialRadioPort : public RadioPort
{
    Q_OBJECT
public:
    static constexpr qint32 BaudRate = 9600;
    // A start bit, 8 data bits and a stop bit.
    static constexpr int BitsPerCharacter = 10;

    explicit SerialRadioPort(QObject *parent = nullptr);
    ~SerialRadioPort() override;

    // Port 1..14; other numbers are ignored. Choosing another port (or
    // leaving an explicit device path) closes the port.
    void setPortNumber(int portNumber) override;
    // Uses this device instead of the port number's device; an empty path
    // goes back to the port number. A change closes the port.
    void setDevicePath(const QString &path);
    QString devicePath() const { return m_devicePath; }

    bool open() override;
    void close() override;
    bool isOpen() const override;
    bool write(const QByteArray &data) override;
    bool readAll(QByteArray &received) override;
    bool waitForReadyRead(int ms) override;
    bool discardInput() override;
    QString errorString() const override;
    QString deviceName() const override;
    int characterMicroseconds() const override { return BitsPerCharacter * 1000000 / BaudRate; }

    // The reason given when the device goes away while open.
    static QString hangUpReason()
    {
        return QCoreApplication::translate("SerialRadioPort", "the device was disconnected or hung up");
    }

private:
    // Takes an exclusive lock on the open device; false when another
    // process holds it.
    bool lockDevice();
    void onSerialError(QSerialPort::SerialPortError error);
    // Marks the port failed with the reason for `error`; the device is
    // closed underneath once control is back in the port's event loop.
    void fail(QSerialPort::SerialPortError error);
    void closeDevice();

    QSerialPort m_serial;
    QString m_devicePath;
    bool m_failed = false;
    bool m_ignoreErrors = false; // while closing, and while discarding at open
    quint64 m_generation = 0; // each opening and closing starts a new one
    QString m_errorString;
};
