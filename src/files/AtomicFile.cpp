#include "AtomicFile.h"

#include <QSaveFile>

FileResult AtomicFile::write(const QString &path, const QByteArray &bytes)
{
    // Unbuffered: a buffered QSaveFile reports success from commit() even
    // when its last flush was cut short (a full disk, a file size limit),
    // and would put a truncated file in place of the old one.
    QSaveFile file(path);
    const auto failure = [&] {
        return FileResult::failure(FileResult::Error::FileOpenError,
                                   file.errorString() + QStringLiteral(": ") + path);
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure();
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return failure();  // the temporary file is removed, the old one stays
        done += written;
    }
    if (!file.commit())
        return failure();
    return FileResult::success();
}
