#include "session/SessionResult.h"

#include "link/TransferEngine.h"

#include <QCoreApplication>

QString SessionResult::changesText() const
{
    const QString wrote = TransferEngine::describeRecords(written);
    switch (changes) {
    case Changes::NothingToWrite:
        return QCoreApplication::translate("SessionResult", "The radio already holds these settings and channels; nothing was written.");
    case Changes::Declined:
        return QCoreApplication::translate("SessionResult", "Nothing was written.");
    case Changes::BackupFailed:
        return QCoreApplication::translate("SessionResult", "The backup of what the radio holds could not be written (%1), so nothing was "
                              "written.")
            .arg(backupProblem);
    case Changes::Written:
        if (transfer.ok())
            return QCoreApplication::translate("SessionResult", "Wrote %1.").arg(wrote);
        if (transfer.outcome() == TransferResult::Outcome::Interrupted)
            return written.isEmpty() ? QCoreApplication::translate("SessionResult", "Stopped before writing; nothing was written.")
                                     : QCoreApplication::translate("SessionResult", "Stopped; wrote %1.").arg(wrote);
        return written.isEmpty() ? QCoreApplication::translate("SessionResult", "Nothing was written before the failure.")
                                 : QCoreApplication::translate("SessionResult", "Written to the radio before the failure: %1.").arg(wrote);
    case Changes::NotAsked:
        break;
    }
    return transfer.outcome() == TransferResult::Outcome::Interrupted
        ? QCoreApplication::translate("SessionResult", "Stopped before writing; nothing was written.")
        : QString();
}
