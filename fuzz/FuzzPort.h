#pragma once

#include "link/RadioPort.h"

#include <QByteArray>

// A radio port whose replies come from fuzz data. The data is a sequence of
// chunks, each a length byte followed by that many bytes; every command
// written gets the next chunk as its reply. A length byte of FFh makes the
// port fail instead. When the data runs out, the radio stays silent.
class FuzzPort : public RadioPort
{
    Q_OBJECT
public:
    static constexpr std::uint8_t FailMarker = 0xFF;

    FuzzPort(const std::uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    // The reply given to the last command (empty when silent or failed).
    QByteArray lastReply() const { return m_lastReply; }

    bool open() override
    {
        m_open = true;
        m_failed = false;
        return true;
    }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open && !m_failed; }
    bool write(const QByteArray &) override;
    bool readAll(QByteArray &received) override;
    // Every reply arrives with its command: nothing more ever comes.
    bool waitForReadyRead(int ms) override;
    QString errorString() const override { return QStringLiteral("fuzzed failure"); }
    QString deviceName() const override { return QStringLiteral("fuzz"); }

private:
    const std::uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
    bool m_open = false;
    bool m_failed = false;
    QByteArray m_inbox;
    QByteArray m_lastReply;
};
