#include "files/BackupStore.h"

#include "files/CloneFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <vector>

namespace {

const char *const TimeFormat = "yyyy-MM-dd_HHmmss";
constexpr BackupStore::Kind Kinds[] = {BackupStore::Kind::Settings, BackupStore::Kind::Memory,
                                       BackupStore::Kind::All, BackupStore::Kind::BeforeWrite};

const QRegularExpression &namePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2}_\\d{6})_(settings|memory|all|before-write)(?:-(\\d+))?\\.R70$"));
    return pattern;
}

} // namespace

BackupStore::BackupStore(const QString &folder, const QStringList &earlier)
    : m_folder(folder), m_earlier(earlier)
{
}

BackupStore BackupStore::forThisUser()
{
    // Named here, not by the running program's name, so that both programs
    // keep one folder.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return BackupStore(data + QStringLiteral("/qtr70-clone/backups"), {data + QStringLiteral("/qtr70/backups")});
}

QString BackupStore::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Settings:
        return QStringLiteral("settings");
    case Kind::Memory:
        return QStringLiteral("memory");
    case Kind::All:
        return QStringLiteral("all");
    case Kind::BeforeWrite:
        break;
    }
    return QStringLiteral("before-write");
}

QString BackupStore::contents(Kind kind)
{
    switch (kind) {
    case Kind::Settings:
        return QCoreApplication::translate("BackupStore", "settings and VFOs read from the radio");
    case Kind::Memory:
        return QCoreApplication::translate("BackupStore", "channels read from the radio");
    case Kind::All:
        return QCoreApplication::translate("BackupStore", "settings, VFOs and channels read from the radio");
    case Kind::BeforeWrite:
        break;
    }
    return QCoreApplication::translate("BackupStore", "the whole radio before a write");
}

FileResult BackupStore::save(const CloneImage &image, Kind kind, const QDateTime &when, QString *path) const
{
    QDir dir(m_folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return FileResult::failure(FileResult::Error::FileOpenError,
                                   QCoreApplication::translate("BackupStore", "cannot create the folder ") + m_folder);
    // The name is taken by creating the file exclusively, so that two
    // programs backing up in the same second never replace each other's.
    const QString stem = when.toString(QLatin1String(TimeFormat)) + QLatin1Char('_') + kindName(kind);
    QString target;
    for (int n = 1; target.isEmpty(); ++n) {
        const QString name = n == 1 ? stem + QStringLiteral(".R70") : stem + QStringLiteral("-%1.R70").arg(n);
        QFile placeholder(dir.filePath(name));
        if (placeholder.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            target = placeholder.fileName();
        else if (!placeholder.exists() || n > MaxNamesPerSecond)
            return FileResult::failure(FileResult::Error::FileOpenError,
                                       placeholder.errorString() + QStringLiteral(": ") + placeholder.fileName());
    }
    const FileResult result = CloneFile::write(target, image);
    if (!result.ok()) {
        QFile::remove(target);
        return result;
    }
    if (path)
        *path = target;
    prune(target);
    return result;
}

QList<BackupStore::Entry> BackupStore::list() const
{
    QList<Entry> entries;
    for (const QString &folder : QStringList{m_folder} + m_earlier) {
        const QStringList names = QDir(folder).entryList({QStringLiteral("*.R70")}, QDir::Files);
        for (const QString &name : names) {
            const QRegularExpressionMatch m = namePattern().match(name);
            if (!m.hasMatch())
                continue;
            Entry entry;
            entry.path = QDir(folder).filePath(name);
            entry.when = QDateTime::fromString(m.captured(1), QLatin1String(TimeFormat));
            for (Kind kind : Kinds) {
                if (kindName(kind) == m.captured(2))
                    entry.kind = kind;
            }
            entries.append(entry);
        }
    }
    // Newest first; within one second, the later name (its -N) first.
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        if (a.when != b.when)
            return a.when > b.when;
        return a.path.size() != b.path.size() ? a.path.size() > b.path.size() : a.path > b.path;
    });
    return entries;
}

void BackupStore::prune(const QString &spared) const
{
    // By when each was written: a clock set back gives names that sort
    // wrongly, the files' times follow the order of writing. Each time is
    // read once: a sort whose order changed under it (a file touched or
    // gone meanwhile) would run past its ends.
    std::vector<std::pair<qint64, Entry>> entries;
    for (const Entry &entry : list())
        entries.emplace_back(QFileInfo(entry.path).lastModified().toMSecsSinceEpoch(), entry);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto &a, const auto &b) { return a.first > b.first; });
    QList<Kind> seen;
    int kept = 0;
    for (const auto &[written, entry] : entries) {
        const bool newestOfKind = !seen.contains(entry.kind);
        if (newestOfKind)
            seen.append(entry.kind);
        if (kept < Keep || newestOfKind || entry.path == spared)
            ++kept;
        else
            QFile::remove(entry.path);
    }
}
