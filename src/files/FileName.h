#pragma once

#include "files/FileResult.h"

#include <QCoreApplication>
#include <QString>

// Whether a path held as text names exactly the file it says. A name that
// reached the program as bytes that are not valid in the system's encoding
// (a command-line argument "out\xff.csv") arrives with U+FFFD in place of
// those bytes; opening it would touch another file ("out\xef\xbf\xbd.csv").
class FileName
{
public:
    // False when the path holds U+FFFD or a NUL, or does not come back
    // unchanged from the system's encoding (QFile::encodeName, decodeName).
    static bool isRepresentable(const QString &path);
    // Success, or a File Open Error saying why the name cannot be used.
    static FileResult check(const QString &path);
    // The reason check() gives.
    static QString notRepresentableReason()
    {
        return QCoreApplication::translate("FileName", "the file name cannot be represented exactly");
    }
};
