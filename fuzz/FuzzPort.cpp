#include "FuzzPort.h"

#include <QThread>

#include <algorithm>

bool FuzzPort::write(const QByteArray &)
{
    if (!isOpen())
        return false;
    m_lastReply.clear();
    if (m_pos >= m_size)
        return true;  // silent
    const std::uint8_t length = m_data[m_pos++];
    if (length == FailMarker) {
        m_failed = true;
        emit errorOccurred();
        return true;
    }
    const size_t take = std::min<size_t>(length, m_size - m_pos);
    m_lastReply = QByteArray(reinterpret_cast<const char *>(m_data + m_pos), int(take));
    m_pos += take;
    m_inbox += m_lastReply;
    emit readyRead();
    return true;
}

bool FuzzPort::readAll(QByteArray &received)
{
    if (!isOpen())
        return false;
    received += m_inbox;
    m_inbox.clear();
    return true;
}

bool FuzzPort::waitForReadyRead(int ms)
{
    QThread::msleep(ulong(qMax(ms, 0)));
    return false;
}
