#include "SimSession.h"

#include <QSaveFile>

#include <cstdio>

SimSession::SimSession(const SimOptions &options, const VirtualRadio &radio, QObject *parent)
    : QObject(parent), m_options(options), m_radio(radio), m_pacer(options.paced())
{
    m_pacer.setHandler([this](const QByteArray &line) { return handleLine(line); });
    connect(&m_pty, &PtyEndpoint::received, &m_pacer, &WirePacer::receive);
    if (options.usbLatencyMs() > 0) {
        m_adapter = new UsbAdapter(options.usbLatencyMs(), this);
        connect(&m_pacer, &WirePacer::transmit, m_adapter, &UsbAdapter::take);
        connect(m_adapter, &UsbAdapter::deliver, &m_pty, &PtyEndpoint::write);
    } else {
        connect(&m_pacer, &WirePacer::transmit, &m_pty, &PtyEndpoint::write);
    }
    connect(&m_pacer, &WirePacer::replyFinished, this, &SimSession::onReplyFinished);
    m_drainTimer.setInterval(DrainCheckMs);
    connect(&m_drainTimer, &QTimer::timeout, this, &SimSession::checkDrained);
}

bool SimSession::start(QString &error)
{
    if (!m_pty.open(error))
        return false;
    if (!m_options.linkPath().isEmpty() && !m_pty.createLink(m_options.linkPath(), error))
        return false;
    if (!m_options.logPath().isEmpty() && !m_log.open(m_options.logPath(), error))
        return false;
    if (m_radio.closeRequested())
        startClosing();
    return true;
}

QByteArray SimSession::handleLine(const QByteArray &line)
{
    if (m_closing)
        return QByteArray();
    m_log.append(line);
    return m_radio.reply(line);
}

void SimSession::onReplyFinished()
{
    if (m_radio.closeRequested())
        startClosing();
}

void SimSession::startClosing()
{
    if (m_closing)
        return;
    m_closing = true;
    // What the adapter holds goes out before the line is dropped.
    if (m_adapter)
        m_adapter->flush();
    m_drainDeadline.setRemainingTime(DrainLimitMs);
    m_drainTimer.start();
}

void SimSession::checkDrained()
{
    if (m_pty.unreadByProgram() == 0 || m_drainDeadline.hasExpired())
        finish();
}

void SimSession::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_drainTimer.stop();

    int exitCode = 0;
    if (!m_options.savePath().isEmpty()) {
        QSaveFile file(m_options.savePath());
        const bool saved = file.open(QIODevice::WriteOnly)
            && file.write(m_radio.image().toCloneFile(m_radio.variant(), m_radio.extended())) >= 0
            && file.commit();
        if (!saved) {
            std::fprintf(stderr, "qtr70-sim: cannot write %s: %s\n", qPrintable(m_options.savePath()),
                         qPrintable(file.errorString()));
            exitCode = 1;
        }
    }
    m_pty.close();
    emit finished(exitCode);
}
