#pragma once

#include "codec/CloneImage.h"
#include "files/FileAccess.h"
#include "files/FileResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

// The 610-line clone file (*.R70): header, two settings records, two VFO
// records, 604 channel records, end mark; CR LF line ends.
class CloneFile
{
public:
    static constexpr int LineCount = 610;
    static constexpr int RecordCount = LineCount - 2;
    // No valid line is longer; a longer one is refused before it is kept.
    static constexpr int MaxLineLength = 256;

    // A clone file's lines after every check of its form: the model option
    // and coverage version its header names, and the 608 record texts as
    // they stand (settings 1 and 2, VFO A and B, channel slots 0-603).
    struct Records
    {
        FileResult result;
        int variant = Vocabulary::ModelA;
        bool extendedRange = false;
        QStringList records;
    };

    // Reads a clone file's first 610 lines and checks them (what follows is
    // ignored): line lengths, the header, the end mark. A line longer than
    // MaxLineLength is a data error at once; a file that ends early a
    // file open error.
    static Records readRecords(QIODevice &device);
    // Decodes checked records into `image`, all or nothing: on failure the
    // image is left as it was.
    static FileResult decode(const Records &records, CloneImage &image);
    // readRecords then decode.
    static FileResult read(QIODevice &device, CloneImage &image);
    static FileResult fromBytes(const QByteArray &bytes, CloneImage &image);
    // Reads the file at `path` into `image` (all or nothing).
    static FileResult load(const QString &path, CloneImage &image, FileAccess access = FileAccess::Streams);

    // The whole file for an image; the settings lines are rebuilt from the
    // selections.
    static QByteArray toBytes(const CloneImage &image);
    // Writes the file atomically.
    static FileResult write(const QString &path, const CloneImage &image,
                                     FileAccess access = FileAccess::Streams);

    // "name - AppTitle" for a path.
    static QString captionFor(const QString &path);
};
