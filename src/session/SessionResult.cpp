#include "session/SessionResult.h"

#include "link/TransferEngine.h"

QString SessionResult::changesText() const
{
    const QString wrote = TransferEngine::describeRecords(written);
    switch (changes) {
    case Changes::NothingToWrite:
        return QStringLiteral("The radio already holds these settings and channels; nothing was written.");
    case Changes::Declined:
        return QStringLiteral("Nothing was written.");
    case Changes::BackupFailed:
        return QStringLiteral("The backup of what the radio holds could not be written (%1), so nothing was "
                              "written.")
            .arg(backupProblem);
    case Changes::Written:
        if (transfer.ok())
            return QStringLiteral("Wrote %1.").arg(wrote);
        if (transfer.outcome() == TransferResult::Outcome::Interrupted)
            return written.isEmpty() ? QStringLiteral("Stopped before writing; nothing was written.")
                                     : QStringLiteral("Stopped; wrote %1.").arg(wrote);
        return written.isEmpty() ? QStringLiteral("Nothing was written before the failure.")
                                 : QStringLiteral("Written to the radio before the failure: %1.").arg(wrote);
    case Changes::NotAsked:
        break;
    }
    return transfer.outcome() == TransferResult::Outcome::Interrupted
        ? QStringLiteral("Stopped before writing; nothing was written.")
        : QString();
}
