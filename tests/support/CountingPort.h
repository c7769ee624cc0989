#pragma once

#include "link/RadioPort.h"

// Passes everything through to another port and counts what crosses it:
// the characters in each direction, the commands written and the reads
// that brought something (each one a wake-up of the program).
class CountingPort : public RadioPort
{
    Q_OBJECT
public:
    explicit CountingPort(RadioPort &inner, QObject *parent = nullptr);

    qint64 sent() const { return m_sent; }
    qint64 received() const { return m_received; }
    qint64 writes() const { return m_writes; }
    qint64 reads() const { return m_reads; }
    void resetCounts();

    bool open() override { return m_inner.open(); }
    void close() override { m_inner.close(); }
    bool isOpen() const override { return m_inner.isOpen(); }
    bool write(const QByteArray &data) override;
    bool readAll(QByteArray &received) override;
    QString errorString() const override { return m_inner.errorString(); }
    QString deviceName() const override { return m_inner.deviceName(); }
    int characterMicroseconds() const override { return m_inner.characterMicroseconds(); }
    bool waitForReadyRead(int ms) override { return m_inner.waitForReadyRead(ms); }
    void moveTo(QThread *thread) override
    {
        m_inner.moveTo(thread);
        moveToThread(thread);
    }

private:
    RadioPort &m_inner;
    qint64 m_sent = 0;
    qint64 m_received = 0;
    qint64 m_writes = 0;
    qint64 m_reads = 0;
};
