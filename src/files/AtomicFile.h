#pragma once

#include "FileResult.h"

#include <QByteArray>
#include <QString>

// Replaces a file's contents all at once: the bytes go to a temporary file
// beside it, which takes the file's place only when every byte was written.
// A failed or interrupted write leaves the previous file as it was.
class AtomicFile
{
public:
    static FileResult write(const QString &path, const QByteArray &bytes);
};
