#include "files/RecentFiles.h"

#include "codec/Vocabulary.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString Key = QStringLiteral("RecentFiles/Files");

} // namespace

QStringList RecentFiles::list()
{
    const QSettings settings(Vocabulary::appTitle(), Vocabulary::appTitle());
    return settings.value(Key).toStringList().mid(0, Keep);
}

void RecentFiles::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = list();
    files.removeAll(absolute);
    files.prepend(absolute);
    store(files.mid(0, Keep));
}

void RecentFiles::removeMissing()
{
    QStringList files = list();
    files.removeIf([](const QString &file) { return !QFileInfo::exists(file); });
    store(files);
}

void RecentFiles::store(const QStringList &files)
{
    QSettings settings(Vocabulary::appTitle(), Vocabulary::appTitle());
    settings.setValue(Key, files);
}
