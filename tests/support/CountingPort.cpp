#include "CountingPort.h"

CountingPort::CountingPort(RadioPort &inner, QObject *parent)
    : RadioPort(parent), m_inner(inner)
{
    connect(&m_inner, &RadioPort::readyRead, this, &RadioPort::readyRead);
    connect(&m_inner, &RadioPort::errorOccurred, this, &RadioPort::errorOccurred);
}

void CountingPort::resetCounts()
{
    m_sent = 0;
    m_received = 0;
    m_writes = 0;
    m_reads = 0;
}

bool CountingPort::write(const QByteArray &data)
{
    if (!m_inner.write(data))
        return false;
    m_sent += data.size();
    ++m_writes;
    return true;
}

bool CountingPort::readAll(QByteArray &received)
{
    const qsizetype before = received.size();
    const bool ok = m_inner.readAll(received);
    if (received.size() > before)
        ++m_reads;
    m_received += received.size() - before;
    return ok;
}
