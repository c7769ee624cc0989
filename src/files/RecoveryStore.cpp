#include "files/RecoveryStore.h"

#include "files/AtomicFile.h"
#include "files/CloneFile.h"
#include "files/InputFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString CopySuffix = QStringLiteral(".R70");
const QString NoteSuffix = QStringLiteral(".note");
const QString LockSuffix = QStringLiteral(".lock");
// A note holds a path and a time; more is no note of ours.
constexpr qint64 MaxNoteBytes = 64 * 1024;

// The note beside a copy: the document's path, then when it was kept.
QByteArray noteText(const QString &documentPath, const QDateTime &when)
{
    return "file=" + documentPath.toUtf8() + "\n" + "kept=" + when.toString(Qt::ISODateWithMs).toUtf8() + "\n";
}

bool readNote(const QString &path, RecoveryStore::Orphan &orphan)
{
    QFile file;
    if (!InputFile::open(file, path, FileAccess::NeverBlock).ok())
        return false;
    for (const QByteArray &line : file.read(MaxNoteBytes).split('\n')) {
        if (line.startsWith("file="))
            orphan.documentPath = QString::fromUtf8(line.mid(5));
        else if (line.startsWith("kept="))
            orphan.when = QDateTime::fromString(QString::fromUtf8(line.mid(5)), Qt::ISODateWithMs);
    }
    return orphan.when.isValid();
}

} // namespace

RecoveryStore::RecoveryStore(const QString &folder)
    : m_folder(folder)
{
    static int stores = 0;
    m_name = QStringLiteral("recovery-%1-%2").arg(QCoreApplication::applicationPid()).arg(++stores);
}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::folderForThisUser()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/qtr70-clone/recovery");
}

QString RecoveryStore::copyPath() const
{
    return m_lock ? m_folder + QLatin1Char('/') + m_name + CopySuffix : QString();
}

FileResult RecoveryStore::keep(const CloneImage &image, const QString &documentPath, const QDateTime &when)
{
    const QString base = m_folder + QLatin1Char('/') + m_name;
    if (!m_lock) {
        if (!QDir().mkpath(m_folder))
            return FileResult::failure(FileResult::Error::FileOpenError, QCoreApplication::translate("RecoveryStore", "cannot make the folder ") + m_folder);
        auto lock = std::make_unique<QLockFile>(base + LockSuffix);
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            return FileResult::failure(FileResult::Error::FileOpenError, QCoreApplication::translate("RecoveryStore", "cannot lock ") + base + LockSuffix);
        m_lock = std::move(lock);
    }
    // The copy first: a note always names a complete copy.
    const FileResult copy = CloneFile::write(base + CopySuffix, image, FileAccess::NeverBlock);
    if (!copy.ok())
        return copy;
    return AtomicFile::write(base + NoteSuffix, noteText(documentPath, when), FileAccess::NeverBlock);
}

void RecoveryStore::discard()
{
    if (!m_lock)
        return;
    const QString base = m_folder + QLatin1Char('/') + m_name;
    QFile::remove(base + NoteSuffix);
    QFile::remove(base + CopySuffix);
    m_lock.reset();  // unlocks and removes the lock file
}

QList<RecoveryStore::Orphan> RecoveryStore::orphans() const
{
    QList<Orphan> found;
    const QDir folder(m_folder);
    for (const QString &name : folder.entryList({QStringLiteral("recovery-*") + NoteSuffix}, QDir::Files)) {
        const QString base = folder.filePath(name.chopped(NoteSuffix.size()));
        // The lock is free only when the window that held it has ended.
        QLockFile lock(base + LockSuffix);
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        Orphan orphan;
        orphan.path = base + CopySuffix;
        if (readNote(base + NoteSuffix, orphan) && QFile::exists(orphan.path))
            found.append(orphan);
    }
    std::sort(found.begin(), found.end(), [](const Orphan &a, const Orphan &b) { return a.when > b.when; });
    return found;
}

FileResult RecoveryStore::load(const Orphan &orphan, CloneImage &image)
{
    return CloneFile::load(orphan.path, image, FileAccess::NeverBlock);
}

void RecoveryStore::remove(const Orphan &orphan)
{
    const QString base = orphan.path.chopped(CopySuffix.size());
    QFile::remove(base + NoteSuffix);
    QFile::remove(orphan.path);
    QFile::remove(base + LockSuffix);
}
