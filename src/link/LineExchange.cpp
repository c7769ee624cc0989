#include "link/LineExchange.h"

#include "link/RadioPort.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

LineExchange::LineExchange(RadioPort &port, QObject *parent)
    : QObject(parent), m_port(port)
{
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
    QByteArray reply;

    if (!m_port.write(command.toLatin1()))
        return portFailure();

    enum class End { Running, Complete, TimedOut, PortFailed };
    End end = End::Running;

    QEventLoop loop;
    QTimer bound;
    bound.setSingleShot(true);
    bound.setTimerType(Qt::PreciseTimer);
    QElapsedTimer clock;
    clock.start();

    auto finish = [&](End how) {
        if (end != End::Running)
            return;
        end = how;
        loop.quit();
    };

    // While part of the reply is in and more is missing, the port holds
    // what arrives until `wake` fires, shortly before the rest is due.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    bool holding = false;
    auto hold = [&](bool on) {
        if (on != holding)
            m_port.holdArrivals(on);
        holding = on;
    };
    const int expected = qMax(replyLength, int(command.size()) + CompletionMargin + 1);
    const qint64 characterUs = m_port.characterMicroseconds();
    auto sleepForRest = [&] {
        const qint64 passed = expected - reply.size() - WakeMarginCharacters;
        if (characterUs <= 0 || passed < ShortestSleepCharacters)
            return;
        // To the nearest millisecond, and never past the bound: what has
        // come by then still counts.
        const qint64 ms = qMin((passed * characterUs + 500) / 1000, m_replyTimeoutMs - clock.elapsed() - 1);
        if (ms < 1)
            return;
        hold(true);
        wake.start(int(ms));
    };

    // Collects what has arrived; ends the wait once the reply is complete.
    // Past the limit nothing more is kept: the port is still drained (so
    // that nothing piles up below), but the reply can no longer complete.
    const int limit = replyLimit(command);
    bool overflowed = false;
    QByteArray arrived;
    auto collect = [&] {
        if (end != End::Running)
            return;
        arrived.clear();
        if (!m_port.readAll(arrived)) {
            finish(End::PortFailed);
            return;
        }
        if (overflowed || arrived.isEmpty())
            return;
        if (reply.size() + arrived.size() > limit) {
            overflowed = true;
            reply.clear();
            reply.squeeze();
            return;
        }
        reply += arrived;
        if (isComplete(command, reply))
            finish(End::Complete);
        else
            sleepForRest();
    };
    connect(&m_port, &RadioPort::readyRead, &loop, collect);
    connect(&m_port, &RadioPort::errorOccurred, &loop, [&] { finish(End::PortFailed); });
    connect(&bound, &QTimer::timeout, &loop, [&] { finish(End::TimedOut); });
    connect(&wake, &QTimer::timeout, &loop, [&] { hold(false); });

    bound.start(m_replyTimeoutMs);
    collect();
    if (end == End::Running)
        loop.exec();
    bound.stop();
    wake.stop();
    hold(false);

    switch (end) {
    case End::Complete:
        return QString::fromLatin1(reply);
    case End::PortFailed:
        return portFailure();
    case End::Running:
    case End::TimedOut:
        break;
    }
    // A radio that flooded the line did reply: too much.
    return overflowed ? overlongReply() : noReply();
}

void LineExchange::pause(int ms)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(qMax(ms, 0));
    loop.exec();
}

void LineExchange::sendEnd()
{
    exchange(endCommand());
    pause(m_endPauseMs);
}
