#include "SimProcess.h"

#include <QEventLoop>
#include <QTimer>

SimProcess::~SimProcess()
{
    stop();
}

bool SimProcess::start(const QStringList &args)
{
    stop();
    m_devicePath.clear();
    const QString program = qEnvironmentVariable("QTR70_SIM_BIN");
    if (program.isEmpty())
        return false;

    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program, args);

    // Sleep in the event loop until a whole line is out, the sim ends, or
    // the time is up.
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&m_process, &QProcess::readyReadStandardOutput, &loop, [&] {
        if (m_process.canReadLine())
            loop.quit();
    });
    QObject::connect(&m_process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&m_process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    timeout.start(StartTimeoutMs);
    if (!m_process.canReadLine() && m_process.state() != QProcess::NotRunning)
        loop.exec();

    if (!m_process.canReadLine()) {
        stop();
        return false;
    }
    m_devicePath = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    return !m_devicePath.isEmpty();
}

void SimProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!waitForEnd(StopTimeoutMs)) {
        m_process.kill();
        waitForEnd(StopTimeoutMs);
    }
}

int SimProcess::exitCode() const
{
    if (m_process.state() != QProcess::NotRunning || m_process.exitStatus() != QProcess::NormalExit)
        return -1;
    return m_process.exitCode();
}

bool SimProcess::waitForEnd(int timeoutMs)
{
    if (m_process.state() == QProcess::NotRunning)
        return true;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&m_process, &QProcess::finished, &loop, &QEventLoop::quit);
    timeout.start(timeoutMs);
    loop.exec();
    return m_process.state() == QProcess::NotRunning;
}
