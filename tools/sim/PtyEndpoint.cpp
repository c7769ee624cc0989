#include "PtyEndpoint.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int ReadChunk = 4096;

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

bool makeRaw(int fd)
{
    termios mode{};
    if (tcgetattr(fd, &mode) != 0)
        return false;
    cfmakeraw(&mode);
    return tcsetattr(fd, TCSANOW, &mode) == 0;
}

} // namespace

PtyEndpoint::PtyEndpoint(QObject *parent)
    : QObject(parent)
{
}

PtyEndpoint::~PtyEndpoint()
{
    close();
}

bool PtyEndpoint::open(QString &error)
{
    close();
    char name[256] = {};
    int master = -1;
    int slave = -1;
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        error = systemError("openpty");
        return false;
    }
    const bool configured = makeRaw(master) && makeRaw(slave)
        && fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK) == 0
        && fcntl(master, F_SETFD, FD_CLOEXEC) == 0 && fcntl(slave, F_SETFD, FD_CLOEXEC) == 0;
    if (!configured) {
        error = systemError("pseudo-terminal setup");
        ::close(master);
        ::close(slave);
        return false;
    }
    m_master = master;
    m_slave = slave;
    m_devicePath = QString::fromLocal8Bit(name);

    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &PtyEndpoint::readAvailable);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &PtyEndpoint::flush);
    return true;
}

bool PtyEndpoint::createLink(const QString &path, QString &error)
{
    const QFileInfo existing(path);
    if (existing.isSymLink()) {
        QFile::remove(path);
    } else if (existing.exists()) {
        error = QStringLiteral("%1 exists and is no symbolic link").arg(path);
        return false;
    }
    if (::symlink(QFile::encodeName(m_devicePath).constData(), QFile::encodeName(path).constData()) != 0) {
        error = systemError(qPrintable(path));
        return false;
    }
    m_linkPath = path;
    return true;
}

void PtyEndpoint::write(const QByteArray &bytes)
{
    if (m_master < 0)
        return;
    m_pending += bytes;
    flush();
}

void PtyEndpoint::flush()
{
    while (!m_pending.isEmpty()) {
        const ssize_t n = ::write(m_master, m_pending.constData(), size_t(m_pending.size()));
        if (n > 0) {
            m_pending.remove(0, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // Full (EAGAIN) or failing: wait until the terminal takes more.
        break;
    }
    m_writeNotifier->setEnabled(!m_pending.isEmpty());
}

void PtyEndpoint::readAvailable()
{
    QByteArray bytes;
    char buffer[ReadChunk];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
            // The terminal is gone; stop listening rather than spin on it.
            m_readNotifier->setEnabled(false);
        }
        break;
    }
    if (!bytes.isEmpty())
        emit received(bytes);
}

int PtyEndpoint::unreadByProgram() const
{
    if (m_slave < 0)
        return 0;
    int queued = 0;
    if (::ioctl(m_slave, TIOCINQ, &queued) != 0)
        queued = 0;
    return queued + int(m_pending.size());
}

void PtyEndpoint::close()
{
    delete m_readNotifier;
    m_readNotifier = nullptr;
    delete m_writeNotifier;
    m_writeNotifier = nullptr;
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
    m_master = -1;
    m_slave = -1;
    m_pending.clear();
    if (!m_linkPath.isEmpty()) {
        // Only our own link: someone may have put another one there since.
        if (QFileInfo(m_linkPath).symLinkTarget() == QFileInfo(m_devicePath).absoluteFilePath())
            QFile::remove(m_linkPath);
        m_linkPath.clear();
    }
}
