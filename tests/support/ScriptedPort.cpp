#include "ScriptedPort.h"

#include <QThread>

ScriptedPort::ScriptedPort(QObject *parent)
    : RadioPort(parent)
{
}

void ScriptedPort::failAt(int index, Failure how)
{
    m_failIndex = index;
    m_failHow = how;
}

bool ScriptedPort::open()
{
    if (!m_openError.isEmpty()) {
        m_errorString = m_openError;
        return false;
    }
    m_open = true;
    m_failed = false;
    m_inbox.clear();
    m_pending.clear();
    m_failPending = false;
    ++m_openCount;
    return true;
}

void ScriptedPort::close()
{
    m_open = false;
    m_pending.clear();
    m_failPending = false;
}

void ScriptedPort::fail(const QString &reason)
{
    m_failed = true;
    m_errorString = reason;
}

bool ScriptedPort::write(const QByteArray &data)
{
    if (!m_open || m_failed)
        return false;
    const int index = m_attempts++;
    if (index == m_failIndex && m_failHow == Failure::Write) {
        fail(QStringLiteral("Input/output error"));
        return false;
    }
    m_written.append(data);
    if (index == m_failIndex && m_failHow == Failure::Read) {
        m_failPending = true;
        return true;
    }
    if (m_responder)
        m_pending += m_responder(data);
    return true;
}

bool ScriptedPort::waitForReadyRead(int ms)
{
    if (!m_open || m_failed)
        return false;
    if (m_failPending) {
        m_failPending = false;
        fail(QStringLiteral("Input/output error"));
        emit errorOccurred();
        return false;
    }
    if (m_pending.isEmpty()) {
        QThread::msleep(ulong(qMax(ms, 0)));
        return false;
    }
    m_inbox += m_pending.takeFirst();
    emit readyRead();
    return true;
}

void ScriptedPort::inject(const QByteArray &bytes)
{
    m_inbox += bytes;
}

bool ScriptedPort::readAll(QByteArray &received)
{
    if (!m_open || m_failed)
        return false;
    received += m_inbox;
    m_inbox.clear();
    return true;
}

QByteArrayList ScriptedPort::echoAnd(const QByteArray &command, const QByteArray &answer)
{
    return {command + answer};
}

QByteArrayList ScriptedPort::inPieces(const QByteArray &bytes, int size)
{
    QByteArrayList pieces;
    for (int at = 0; at < bytes.size(); at += size)
        pieces.append(bytes.mid(at, size));
    return pieces;
}
