#pragma once

#include "codec/CloneImage.h"
#include "files/FileAccess.h"
#include "files/FileResult.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// CSV export of the VFO rows and channels 0-199, and CSV import of channel
// and VFO records. Import reads the layout export writes, so export then
// import gives back the same rows. Both work on images; what becomes of
// the session's file name and caption is the caller's business.
class CsvExchange
{
public:
    static constexpr int FirstRecordField = 4;
    static constexpr int ValueFields = 15;
    static constexpr int ExportedChannels = 200;

    struct ImportResult
    {
        FileResult file;
        CloneImage image; // the image with every stored record
        int channels = 0; // memory records stored
        int vfos = 0;     // VFO records stored
        int dropped = 0;  // records begun but not stored
        // "line 4: Frequency 99.000.000 is outside the range (1.6MHz - 30MHz)"
        // for each record refused by the radio's rules or for a value
        // without a meaning.
        QStringList refused;
        bool stored() const { return channels + vfos > 0; }
    };

    // The whole CSV text: header, VFO A, VFO B, channels 0-199 in use.
    static QByteArray exportBytes(const CloneImage &image);
    // Writes the CSV atomically.
    static FileResult exportFile(const CloneImage &image, const QString &path, FileAccess access = FileAccess::Streams);

    // Stores every record of a CSV stream into a copy of `image`, record by
    // record (memory does not grow with the stream).
    static ImportResult importFrom(QIODevice &device, const CloneImage &image);
    static ImportResult importBytes(const QByteArray &bytes, const CloneImage &image);
    // The channel a memory record's 15 value fields stand for, by the
    // import's rules, stored into `row`: -1, or the index of the first
    // field that has no meaning (`row` is then untouched).
    static int channelFromFields(const QStringList &fields, ChannelRow &row);
    // Why value field `failed` of a record has no meaning, by its caption.
    static QString fieldProblem(const QStringList &fields, int failed);

    // Reads a CSV file; a file that cannot be opened stores nothing.
    static ImportResult importFile(const QString &path, const CloneImage &image, FileAccess access = FileAccess::Streams);
};
