#pragma once

#include <QObject>

class FileCommands;
class QAction;
class QMenu;

// The recent clone files in the File menu, before Exit: "&1 radio.R70" ..
// "&8 ...", so that Alt+F then 1-8 opens them (the full path as tooltip).
// A file that is gone is shown greyed, and "Remove Missing Files" takes
// such entries away. The list follows every file opened or saved.
class RecentFilesMenu : public QObject
{
    Q_OBJECT
public:
    RecentFilesMenu(QMenu *fileMenu, QAction *before, FileCommands &files, QObject *parent = nullptr);

    // Builds the entries anew from the stored list.
    void refresh();

private:
    void open(const QString &path);

    QMenu *m_menu;
    QAction *m_before;
    FileCommands &m_files;
    QList<QAction *> m_entries;
};
