#include "UsbAdapter.h"

#include <algorithm>

namespace {

constexpr qint64 NanosecondsPerMillisecond = 1000000;

} // namespace

UsbAdapter::UsbAdapter(int latencyMs, QObject *parent)
    : QObject(parent), m_latencyMs(latencyMs)
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &UsbAdapter::tick);
    scheduleTick();
}

qint64 UsbAdapter::nextTickNs() const
{
    const qint64 period = m_latencyMs * NanosecondsPerMillisecond;
    return (nowNs() / period + 1) * period;
}

void UsbAdapter::take(const QByteArray &bytes)
{
    const qint64 now = nowNs();
    m_waiting += bytes;
    m_arrivals.insert(m_arrivals.end(), size_t(bytes.size()), now);
    while (m_waiting.size() >= PacketBytes)
        pass(PacketBytes);
}

void UsbAdapter::flush()
{
    while (!m_waiting.isEmpty())
        pass(int(std::min<qsizetype>(m_waiting.size(), PacketBytes)));
}

void UsbAdapter::pass(int count)
{
    emit deliver(m_waiting.left(count));
    m_waiting.remove(0, count);
    m_arrivals.erase(m_arrivals.begin(), m_arrivals.begin() + count);
}

void UsbAdapter::tick()
{
    // The tick that was due last (the event loop may run it late): what
    // had come by then goes, in packets; what came later waits.
    const qint64 period = m_latencyMs * NanosecondsPerMillisecond;
    const qint64 due = nowNs() / period * period;
    int ready = 0;
    while (ready < int(m_arrivals.size()) && m_arrivals[size_t(ready)] <= due)
        ++ready;
    while (ready > 0) {
        const int count = std::min(ready, PacketBytes);
        pass(count);
        ready -= count;
    }
    scheduleTick();
}

void UsbAdapter::scheduleTick()
{
    const qint64 waitNs = nextTickNs() - nowNs();
    m_timer.start(int((waitNs + NanosecondsPerMillisecond - 1) / NanosecondsPerMillisecond));
}
