#pragma once

#include "files/FileAccess.h"
#include "files/FileResult.h"

#include <QString>

class QFile;

// Opens a file to read, as a file operation's access allows: with
// NeverBlock only a regular file is opened (a FIFO would hold the opening
// until a program writes into it), without waiting on the way.
class InputFile
{
public:
    // Success with `file` open for reading, or a File Open Error saying
    // why (the name, the system's reason, "not a regular file").
    static FileResult open(QFile &file, const QString &path, FileAccess access);
};
