#pragma once

#include "files/FileAccess.h"
#include "files/FileResult.h"

#include <QByteArray>
#include <QString>

// Replaces a file's contents all at once: the bytes go to a temporary file
// beside it, which takes the file's place only when every byte was written
// and synced. A failed or interrupted write leaves the previous file as it
// was. The new file keeps the old one's permissions, and its owner and group
// where the process may set them.
//
// A character device or a FIFO (a terminal, /dev/null, a pipe) is written
// straight into, never replaced. With FileAccess::NeverBlock a FIFO that no
// program reads from fails at once ("no program reads from it"), and a
// reader that takes no data for OutputStallMs fails the write.
//
// Refused, with a File Open Error that says why:
// - a name that exists and is neither a regular file, a character device
//   nor a FIFO (a folder, a block device, a socket);
// - a name that cannot be represented exactly (FileName::isRepresentable);
// - a file in a folder that cannot take the temporary file: the file is not
//   rewritten in place, since a failure half-way would destroy it;
// - a write beyond the process's file size limit ("File too large"), which
//   would otherwise end the program with SIGXFSZ.
class AtomicFile
{
public:
    static constexpr int OutputStallMs = 5000;

    static FileResult write(const QString &path, const QByteArray &bytes, FileAccess access = FileAccess::Streams);
};
