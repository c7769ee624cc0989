#pragma once

#include "link/TransferResult.h"

#include <QList>
#include <QString>

// What a transfer run through the session ended with: the transfer's own
// result, the automatic backup it kept (or could not keep), and for Write
// Changes what became of the question and which records were written.
class SessionResult
{
public:
    enum class Backup { NotKept, Kept, Failed };
    enum class Changes {
        NotAsked,       // not Write Changes, or it ended before the question
        NothingToWrite, // the radio already held the image
        Declined,       // the user said no
        Written,        // the writes ran (see transfer for how they ended)
        BackupFailed,   // what the radio held could not be kept: nothing written
    };

    TransferResult transfer;
    Backup backup = Backup::NotKept;
    // The backup's file, or why it could not be written.
    QString backupPath;
    QString backupProblem;
    Changes changes = Changes::NotAsked;
    // Write Changes: the addresses written, ascending.
    QList<int> written;

    // The transfer ended normally and nothing was refused on the way.
    bool ok() const { return transfer.ok() && changes != Changes::BackupFailed; }
    // Write Changes' outcome as a sentence: "Wrote slots 3, 20 and 21.",
    // "Nothing was written.", the radio already holding the image, the
    // backup that failed, or what was written before a stop or failure.
    QString changesText() const;
};
