#include "link/LineExchange.h"

#include "link/RadioPort.h"

#include <QDeadlineTimer>
#include <QThread>

LineExchange::LineExchange(RadioPort &port, QObject *parent)
    : QObject(parent), m_port(port)
{
}

LineExchange::Reply::Reply(const QString &command, int replyLength, qint64 characterUs)
    : m_command(command),
      m_limit(replyLimit(command)),
      m_expected(qMax(replyLength, int(command.size()) + CompletionMargin + 1)),
      m_characterUs(characterUs)
{
}

bool LineExchange::Reply::take(const QByteArray &arrived)
{
    m_grown = false;
    // Past the limit nothing more is kept: the port is still drained (so
    // that nothing piles up below), but the reply can no longer complete.
    if (m_overflowed || arrived.isEmpty())
        return false;
    if (m_text.size() + arrived.size() > m_limit) {
        m_overflowed = true;
        m_text.clear();
        m_text.squeeze();
        return false;
    }
    m_text += arrived;
    m_grown = true;
    return isComplete(m_command, m_text);
}

int LineExchange::Reply::sleepBeforeRest(qint64 leftMs) const
{
    const qint64 passed = m_expected - m_text.size() - WakeMarginCharacters;
    if (!m_grown || m_characterUs <= 0 || passed < ShortestSleepCharacters)
        return 0;
    // To the nearest millisecond, and never past the bound: what has come
    // by then still counts.
    return int(qMax<qint64>(0, qMin((passed * m_characterUs + 500) / 1000, leftMs - 1)));
}

bool LineExchange::isComplete(const QString &command, const QByteArray &reply)
{
    return reply.size() > command.size() + CompletionMargin && reply.endsWith('\n');
}

QString LineExchange::exchange(const QString &command, int replyLength)
{
    // Whatever came before this command is no part of its reply: what Qt
    // holds and what the system holds for the device alike.
    if (!m_port.discardInput())
        return portFailure();
    if (!m_port.write(command.toLatin1()))
        return portFailure();

    const QDeadlineTimer bound(m_replyTimeoutMs, Qt::PreciseTimer);
    Reply reply(command, replyLength, m_port.characterMicroseconds());
    QByteArray arrived;
    for (;;) {
        arrived.clear();
        if (!m_port.readAll(arrived))
            return portFailure();
        if (reply.take(arrived))
            return QString::fromLatin1(reply.text());
        // While part of the reply is in and more is missing, the device
        // keeps what arrives until shortly before the rest is due.
        const qint64 left = bound.remainingTime();
        const int sleepMs = reply.sleepBeforeRest(left);
        if (sleepMs > 0)
            QThread::msleep(ulong(sleepMs));
        else if (left <= 0)
            break;
        else
            m_port.waitForReadyRead(int(left));
    }
    // A radio that flooded the line did reply: too much.
    return reply.overflowed() ? overlongReply() : noReply();
}

void LineExchange::pause(int ms)
{
    QThread::msleep(ulong(qMax(ms, 0)));
}

void LineExchange::sendEnd()
{
    exchange(endCommand());
    pause(m_endPauseMs);
}
