#include "shell/RecentFilesMenu.h"

#include "files/RecentFiles.h"
#include "shell/FileCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

RecentFilesMenu::RecentFilesMenu(QMenu *fileMenu, QAction *before, FileCommands &files, QObject *parent)
    : QObject(parent), m_menu(fileMenu), m_before(before), m_files(files)
{
    connect(&files, &FileCommands::fileUsed, this, [this](const QString &path) {
        RecentFiles::add(path);
        refresh();
    });
    refresh();
}

void RecentFilesMenu::refresh()
{
    qDeleteAll(m_entries);
    m_entries.clear();
    const QStringList files = RecentFiles::list();
    bool missing = false;
    for (int i = 0; i < files.size(); ++i) {
        const QString &path = files.at(i);
        auto *entry = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), m_menu);
        entry->setObjectName(QStringLiteral("mnuRecent%1").arg(i + 1));
        entry->setToolTip(path);
        entry->setStatusTip(path);
        const bool exists = QFileInfo::exists(path);
        missing = missing || !exists;
        entry->setEnabled(exists);
        connect(entry, &QAction::triggered, this, [this, path] { open(path); });
        m_entries.append(entry);
    }
    if (missing) {
        auto *remove = new QAction(tr("Remove Missing Files"), m_menu);
        remove->setObjectName(QStringLiteral("mnuRecentRemoveMissing"));
        connect(remove, &QAction::triggered, this, [this] {
            RecentFiles::removeMissing();
            refresh();
        });
        m_entries.append(remove);
    }
    m_menu->insertActions(m_before, m_entries);
    if (!m_entries.isEmpty())
        m_entries.append(m_menu->insertSeparator(m_before));  // between them and Exit
}

void RecentFilesMenu::open(const QString &path)
{
    if (m_files.confirmSaveChanges())
        m_files.loadCloneFile(path);
}
