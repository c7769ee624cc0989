#pragma once

#include "FileResult.h"

#include <QByteArray>
#include <QString>

class Module1;

// CSV export of the VFO rows and channels 0-199, and CSV import of channel
// and VFO records. Import reads the layout export writes, so export then
// import gives back the same rows.
class CsvExchange
{
public:
    static constexpr int FirstRecordField = 4;
    static constexpr int ValueFields = 15;
    static constexpr int ExportedChannels = 200;

    struct ImportResult
    {
        FileResult file;
        int channels = 0; // memory records stored
        int vfos = 0;     // VFO records stored
        int dropped = 0;  // records begun but not stored
    };

    // The whole CSV text: header, VFO A, VFO B, channels 0-199 in use.
    static QByteArray exportBytes(const Module1 &state);
    // Writes the CSV atomically; on success CurrentFileName := empty and the
    // caption shows the CSV file. DataChanged is left as it was.
    static FileResult CsvExport(Module1 &state, const QString &path);

    // Stores every record of a CSV text into the tables; afterwards
    // CurrentFileName := empty and caption := AppTitle. DataChanged := true
    // when at least one record was stored, else left as it was.
    static ImportResult importBytes(Module1 &state, const QByteArray &bytes);
    // Reads a CSV file; a file that cannot be read changes nothing.
    static ImportResult CsvImport(Module1 &state, const QString &path);
};
