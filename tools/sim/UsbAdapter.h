#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>

// A USB serial adapter between the radio and the program, as an FTDI chip
// passes data on: what the radio sends waits in the chip's buffer and goes
// to the host as a packet of at most PacketBytes, at once when that many
// wait, else when the chip's free-running latency timer ticks with
// something waiting. Ticks come at whole multiples of the latency on the
// adapter's clock, however late the event loop wakes.
class UsbAdapter : public QObject
{
    Q_OBJECT
public:
    static constexpr int PacketBytes = 62;

    explicit UsbAdapter(int latencyMs, QObject *parent = nullptr);

    int latencyMs() const { return m_latencyMs; }
    // The adapter's clock, and the time of its timer's next tick on it.
    qint64 nowNs() const { return m_clock.nsecsElapsed(); }
    qint64 nextTickNs() const;

public slots:
    // Bytes the radio sends.
    void take(const QByteArray &bytes);
    // Passes on whatever waits (the radio hangs up).
    void flush();

signals:
    // A packet for the host.
    void deliver(const QByteArray &packet);

private:
    void tick();
    void scheduleTick();
    void pass(int count);

    const int m_latencyMs;
    QElapsedTimer m_clock;
    QTimer m_timer;
    QByteArray m_waiting;
    // When each byte of m_waiting came, in order: a tick the event loop
    // runs late passes on only what had come by its time.
    std::deque<qint64> m_arrivals;
};
