#pragma once

#include "CloneImage.h"
#include "FileResult.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Automatic backups: every image that comes from the radio is also kept as
// a clone file "YYYY-MM-DD_HHMMSS_<what>.R70" in one folder (the per-user
// data folder's "backups"). The newest 100 are kept, and never the newest
// of each kind deleted.
class BackupStore
{
public:
    enum class Kind { Settings, Memory, All, BeforeWrite };
    static constexpr int Keep = 100;

    explicit BackupStore(const QString &folder);
    // AppDataLocation/backups of this user.
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
    // Every backup in the folder, newest first.
    QList<Entry> list() const;
    // Deletes the oldest beyond Keep, sparing the newest of each kind.
    void prune() const;

    // "settings", "memory", "all", "before-write".
    static QString kindName(Kind kind);
    // "settings, VFOs" / "channels" / "settings, VFOs, channels" / "the radio before a write".
    static QString contents(Kind kind);

private:
    QString m_folder;
};
