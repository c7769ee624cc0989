#include "files/AtomicFile.h"

#include "files/FileName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The file that will be replaced: QSaveFile writes through symbolic links.
QString finalPath(const QString &path)
{
    QFileInfo info(path);
    int depth = 128;
    while (--depth > 0 && info.isSymLink())
        info.setFile(info.symLinkTarget());
    return depth > 0 ? info.filePath() : path;
}

#ifdef Q_OS_UNIX

// While it lives, a write beyond the file size limit (ulimit -f) fails with
// EFBIG instead of ending the process with SIGXFSZ.
class FileSizeSignalIgnored
{
public:
    FileSizeSignalIgnored()
    {
        struct sigaction ignore{};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        m_saved = sigaction(SIGXFSZ, &ignore, &m_previous) == 0;
    }
    ~FileSizeSignalIgnored()
    {
        if (m_saved)
            sigaction(SIGXFSZ, &m_previous, nullptr);
    }
    FileSizeSignalIgnored(const FileSizeSignalIgnored &) = delete;
    FileSizeSignalIgnored &operator=(const FileSizeSignalIgnored &) = delete;

private:
    struct sigaction m_previous{};
    bool m_saved = false;
};

struct Identity
{
    bool known = false;
    struct stat status{};
};

Identity identityOf(const QString &path)
{
    Identity id;
    id.known = ::stat(QFile::encodeName(path).constData(), &id.status) == 0
        && S_ISREG(id.status.st_mode);
    return id;
}

// Gives the open temporary file the old file's owner, group and permission
// bits, as far as the process may: only root may give a file to another
// user, and a user only to a group they belong to. Set-user-ID and
// set-group-ID bits are kept only with the owner or group they belong to.
void keepIdentity(int fd, const Identity &old)
{
    if (!old.known || fd < 0)
        return;
    struct stat now{};
    if (::fstat(fd, &now) != 0)
        return;
    if (now.st_uid != old.status.st_uid || now.st_gid != old.status.st_gid) {
        if (::fchown(fd, old.status.st_uid, old.status.st_gid) != 0)
            (void)!::fchown(fd, uid_t(-1), old.status.st_gid);
        if (::fstat(fd, &now) != 0)
            return;
    }
    mode_t mode = old.status.st_mode & 07777;
    if (now.st_uid != old.status.st_uid)
        mode &= ~mode_t(S_ISUID);
    if (now.st_gid != old.status.st_gid)
        mode &= ~mode_t(S_ISGID);
    // Best effort: some file systems (FAT) have no permission bits.
    (void)::fchmod(fd, mode);
}

bool canWriteIn(const QString &folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

bool canWrite(const QString &file)
{
    return ::access(QFile::encodeName(file).constData(), W_OK) == 0;
}

// What stands at a path that exists and is not a regular file: a character
// device or a FIFO (a terminal, /dev/null, /dev/stdout, a pipe) is written
// straight into; anything else (a folder, a block device, a socket) is
// refused. Neither is ever renamed over.
enum class Special { None, Stream, Refused };

Special specialAt(const QString &path)
{
    struct stat status{};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return Special::None;
    return S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode) ? Special::Stream : Special::Refused;
}

FileResult writeStream(const QString &path, const QByteArray &bytes, FileAccess access)
{
    const auto failure = [&path](const QString &reason) {
        return FileResult::failure(FileResult::Error::FileOpenError, reason + QStringLiteral(": ") + path);
    };
    const auto systemFailure = [&failure] { return failure(QString::fromLocal8Bit(std::strerror(errno))); };
    const bool neverBlock = access == FileAccess::NeverBlock;
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CLOEXEC | O_NOCTTY | (neverBlock ? O_NONBLOCK : 0));
    if (fd < 0)
        return errno == ENXIO && neverBlock ? failure(QCoreApplication::translate("AtomicFile", "no program reads from it")) : systemFailure();
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && errno == EAGAIN && neverBlock) {
            // The reader has the data so far; it gets a while for the rest.
            struct pollfd ready{fd, POLLOUT, 0};
            const int polled = ::poll(&ready, 1, AtomicFile::OutputStallMs);
            if (polled > 0 || (polled < 0 && errno == EINTR))
                continue;
            ::close(fd);
            return failure(QCoreApplication::translate("AtomicFile", "the program reading it stopped taking data"));
        }
        if (written <= 0) {
            const FileResult result = systemFailure();
            ::close(fd);
            return result;
        }
        done += written;
    }
    if (::close(fd) != 0 && errno != EINTR)
        return systemFailure();
    return FileResult::success();
}

// Makes the rename itself durable.
void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)::fsync(fd);
    ::close(fd);
}

#endif // Q_OS_UNIX

} // namespace

FileResult AtomicFile::write(const QString &path, const QByteArray &bytes, FileAccess access)
{
    // Never write to another name than the one asked for.
    const FileResult name = FileName::check(path);
    if (!name.ok())
        return name;

    const QString target = finalPath(path);
#ifndef Q_OS_UNIX
    Q_UNUSED(access);
#endif
    [[maybe_unused]] const QString folder = QFileInfo(target).absolutePath();
#ifdef Q_OS_UNIX
    const FileSizeSignalIgnored sizeLimitFails;
    switch (specialAt(path)) {
    case Special::Stream:
        return writeStream(path, bytes, access);
    case Special::Refused:
        return FileResult::failure(FileResult::Error::FileOpenError,
                                   QCoreApplication::translate("AtomicFile", "not a regular file: ") + path);
    case Special::None:
        break;
    }
    const Identity old = identityOf(target);
#endif

    // Unbuffered: a buffered QSaveFile reports success from commit() even
    // when its last flush was cut short (a full disk, a file size limit),
    // and would put a truncated file in place of the old one.
    QSaveFile file(path);
    const auto failure = [&] {
        return FileResult::failure(FileResult::Error::FileOpenError,
                                   file.errorString() + QStringLiteral(": ") + path);
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
#ifdef Q_OS_UNIX
        // The file could be written, but not replaced: writing it in place
        // would leave it destroyed if the write failed half-way.
        if (old.known && canWrite(target) && !canWriteIn(folder))
            return FileResult::failure(
                FileResult::Error::FileOpenError,
                QCoreApplication::translate("AtomicFile", "the folder %1 cannot be written, so the file cannot be replaced safely: %2")
                    .arg(QDir::toNativeSeparators(folder), path));
#endif
        return failure();
    }
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return failure();  // the temporary file is removed, the old one stays
        done += written;
    }
#ifdef Q_OS_UNIX
    keepIdentity(file.handle(), old);
#endif
    if (!file.commit())  // syncs the temporary file, then renames it
        return failure();
#ifdef Q_OS_UNIX
    syncFolder(folder);
#endif
    return FileResult::success();
}
