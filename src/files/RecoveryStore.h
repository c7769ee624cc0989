#pragma once

#include "codec/CloneImage.h"
#include "files/FileResult.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>

class QLockFile;

// Recovery copies: while a window's document has unsaved changes, a copy
// of it is kept in one folder (the per-user data folder's "recovery"), a
// clone file beside a note of the file it belongs to and when it was
// kept, both written atomically. A window holds a lock on its copy while it
// runs; a copy whose window has ended without removing it (a crash, a
// kill, a power loss, a signal) is an orphan, which the next start offers
// to restore.
class RecoveryStore
{
public:
    // One left behind by a window that has ended.
    struct Orphan
    {
        QString path;         // the kept clone file
        QString documentPath; // the file it belongs to; empty for a new document
        QDateTime when;       // when it was kept
    };

    explicit RecoveryStore(const QString &folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    // ~/.local/share/qtr70-clone/recovery on Linux.
    static QString folderForThisUser();
    QString folder() const { return m_folder; }

    // Keeps (or replaces) this store's copy of `image`, which belongs to
    // `documentPath`.
    FileResult keep(const CloneImage &image, const QString &documentPath, const QDateTime &when);
    // Removes this store's copy, if it keeps one.
    void discard();
    // The clone file of this store's copy; empty when it keeps none.
    QString copyPath() const;

    // Copies of windows that no longer run, newest first.
    QList<Orphan> orphans() const;
    static FileResult load(const Orphan &orphan, CloneImage &image);
    static void remove(const Orphan &orphan);

private:
    QString m_folder;
    // Names this store's copy: "recovery-<process>-<n>".
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
};
