#include "WirePacer.h"

#include <algorithm>

namespace {

constexpr qint64 NanosecondsPerMillisecond = 1000000;

} // namespace

WirePacer::WirePacer(bool paced, QObject *parent)
    : QObject(parent), m_paced(paced)
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &WirePacer::service);
}

void WirePacer::receive(const QByteArray &bytes)
{
    const qint64 arrival = now();
    qsizetype from = 0;
    while (from < bytes.size()) {
        if (m_partial.isEmpty())
            m_partialFirstByteNs = arrival;
        const qsizetype lf = bytes.indexOf('\n', from);
        if (lf < 0) {
            m_partial += bytes.mid(from);
            break;
        }
        m_partial += bytes.mid(from, lf + 1 - from);
        m_lines.push_back(Line{m_partial, m_partialFirstByteNs, arrival});
        m_partial.clear();
        from = lf + 1;
    }
    service();
}

void WirePacer::service()
{
    if (!m_paced) {
        while (!m_lines.empty()) {
            const Line line = m_lines.front();
            m_lines.pop_front();
            const QByteArray reply = m_handler ? m_handler(line.text) : QByteArray();
            if (!reply.isEmpty())
                emit transmit(reply);
            emit replyFinished();
        }
        return;
    }

    m_timer.stop();
    for (;;) {
        const qint64 t = now();
        if (m_replyInFlight) {
            const qint64 due = std::min<qint64>(m_reply.size(), (t - m_replyStartNs) / CharacterTimeNs);
            if (due > m_replySent) {
                const int count = int(due) - m_replySent;
                const int from = m_replySent;
                m_replySent = int(due);
                emit transmit(m_reply.mid(from, count));
            }
            if (m_replySent < m_reply.size()) {
                scheduleAt(m_replyStartNs + (m_replySent + 1) * CharacterTimeNs, t);
                return;
            }
            m_wireFreeNs = m_replyStartNs + m_reply.size() * CharacterTimeNs;
            m_replyInFlight = false;
            m_reply.clear();
            emit replyFinished();
            continue;
        }
        if (m_lines.empty())
            return;

        const Line &line = m_lines.front();
        const qint64 start = std::max(line.firstByteNs, m_wireFreeNs);
        const qint64 received = std::max(start + line.text.size() * CharacterTimeNs, line.lastByteNs);
        if (received > t) {
            scheduleAt(received, t);
            return;
        }
        const QByteArray text = line.text;
        m_lines.pop_front();
        m_reply = m_handler ? m_handler(text) : QByteArray();
        m_replyStartNs = received;
        m_replySent = 0;
        m_replyInFlight = true;
    }
}

void WirePacer::scheduleAt(qint64 dueNs, qint64 nowNs)
{
    // Round up: waking early would only find nothing due and sleep again.
    const qint64 waitNs = std::max<qint64>(0, dueNs - nowNs);
    m_timer.start(int((waitNs + NanosecondsPerMillisecond - 1) / NanosecondsPerMillisecond));
}
