#include "ScriptedPort.h"

#include <QTimer>

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
    ++m_openCount;
    ++m_generation;
    return true;
}

void ScriptedPort::close()
{
    m_open = false;
    ++m_generation;
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
        const quint64 generation = m_generation;
        QTimer::singleShot(0, this, [this, generation] {
            if (generation != m_generation)
                return;
            fail(QStringLiteral("Input/output error"));
            emit errorOccurred();
        });
        return true;
    }
    if (m_responder)
        deliver(m_responder(data), m_generation);
    return true;
}

void ScriptedPort::deliver(QByteArrayList pieces, quint64 generation)
{
    if (pieces.isEmpty())
        return;
    QTimer::singleShot(0, this, [this, pieces, generation]() mutable {
        if (generation != m_generation || m_failed)
            return;
        m_inbox += pieces.takeFirst();
        emit readyRead();
        deliver(pieces, generation);
    });
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
