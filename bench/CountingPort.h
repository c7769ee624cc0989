#pragma once

#include "link/RadioPort.h"

// Passes everything through to another port and counts the characters
// that cross the wire in each direction.
class CountingPort : public RadioPort
{
    Q_OBJECT
public:
    explicit CountingPort(RadioPort &inner, QObject *parent = nullptr);

    qint64 sent() const { return m_sent; }
    qint64 received() const { return m_received; }
    void resetCounts();

    bool open() override { return m_inner.open(); }
    void close() override { m_inner.close(); }
    bool isOpen() const override { return m_inner.isOpen(); }
    bool write(const QByteArray &data) override;
    bool readAll(QByteArray &received) override;
    QString errorString() const override { return m_inner.errorString(); }
    QString deviceName() const override { return m_inner.deviceName(); }

private:
    RadioPort &m_inner;
    qint64 m_sent = 0;
    qint64 m_received = 0;
};
