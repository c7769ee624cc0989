#include "files/InputFile.h"

#include "files/FileName.h"

#include <QCoreApplication>
#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

FileResult failure(const QString &reason, const QString &path)
{
    return FileResult::failure(FileResult::Error::FileOpenError, reason + QStringLiteral(": ") + path);
}

} // namespace

FileResult InputFile::open(QFile &file, const QString &path, FileAccess access)
{
    // A name given as bytes the system's encoding lacks is no "No such file".
    if (const FileResult name = FileName::check(path); !name.ok())
        return name;
    file.setFileName(path);
#ifdef Q_OS_UNIX
    if (access == FileAccess::NeverBlock) {
        // Opening without waiting, then looking at what was opened: a FIFO
        // or device named by the path is never read.
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            return failure(QString::fromLocal8Bit(std::strerror(errno)), path);
        struct stat status{};
        if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
            ::close(fd);
            return failure(S_ISFIFO(status.st_mode) ? QCoreApplication::translate("InputFile", "a FIFO, not a file: the window reads only files")
                                                    : QCoreApplication::translate("InputFile", "not a regular file"),
                           path);
        }
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return failure(file.errorString(), path);
        }
        return FileResult::success();
    }
#else
    Q_UNUSED(access);
#endif
    if (!file.open(QIODevice::ReadOnly))
        return failure(file.errorString(), path);
    return FileResult::success();
}
