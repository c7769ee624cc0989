#pragma once

#include "codec/CloneImage.h"
#include "files/FileResult.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// Automatic backups: every image that comes from the radio is also kept as
// a clone file "YYYY-MM-DD_HHMMSS_<what>.R70" in one folder, the same for
// the desktop program and the command-line tool (the desktop program's
// per-user data folder's "backups"). Folders written before are listed
// too. The newest 100 are kept, and never the newest of each kind deleted.
class BackupStore
{
public:
    enum class Kind { Settings, Memory, All, BeforeWrite };
    static constexpr int Keep = 100;
    // Backups of one kind within one second beyond this are refused.
    static constexpr int MaxNamesPerSecond = 999;

    // Backups go into `folder`; `earlier` folders are listed beside it.
    explicit BackupStore(const QString &folder, const QStringList &earlier = {});
    // The per-user folder (~/.local/share/qtr70-clone/backups on Linux),
    // whichever program asks; the command-line tool's earlier folder
    // (qtr70/backups) is listed beside it.
    static BackupStore forThisUser();

    QString folder() const { return m_folder; }

    struct Entry
    {
        QString path;
        Kind kind = Kind::All;
        QDateTime when;
    };

    // Writes the image atomically under a new name for `when`, then prunes.
    // On success `path` (when given) gets the file's path.
    FileResult save(const CloneImage &image, Kind kind, const QDateTime &when, QString *path = nullptr) const;
    // Every backup in the folder and the earlier ones, newest first.
    QList<Entry> list() const;
    // Deletes the oldest written beyond Keep, sparing the newest of each
    // kind and `spared` (the backup just taken).
    void prune(const QString &spared = QString()) const;

    // "settings", "memory", "all", "before-write".
    static QString kindName(Kind kind);
    // "settings, VFOs" / "channels" / "settings, VFOs, channels" / "the radio before a write".
    static QString contents(Kind kind);

private:
    QString m_folder;
    QStringList m_earlier;
};
