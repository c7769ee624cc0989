#include "files/FileIdentity.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

bool FileIdentity::sameRegularFile(const QString &first, const QString &second)
{
#ifdef Q_OS_UNIX
    struct stat a{};
    struct stat b{};
    if (::stat(QFile::encodeName(first).constData(), &a) != 0 || ::stat(QFile::encodeName(second).constData(), &b) != 0)
        return false;
    return S_ISREG(a.st_mode) && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
#else
    const QFileInfo a(first);
    const QFileInfo b(second);
    return a.isFile() && b.isFile() && a.canonicalFilePath() == b.canonicalFilePath();
#endif
}
