#include "files/FileName.h"

#include <QFile>

bool FileName::isRepresentable(const QString &path)
{
    if (path.contains(QChar::ReplacementCharacter) || path.contains(QChar::Null))
        return false;
    return QFile::decodeName(QFile::encodeName(path)) == path;
}

FileResult FileName::check(const QString &path)
{
    if (isRepresentable(path))
        return FileResult::success();
    return FileResult::failure(FileResult::Error::FileOpenError,
                               notRepresentableReason() + QStringLiteral(": ") + path);
}
