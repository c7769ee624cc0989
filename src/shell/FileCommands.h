#pragma once

#include "files/BackupStore.h"

#include <QObject>
#include <QString>

#include <functional>

class CloneImage;
class FileResult;
class MainStatusBar;
class MemoryGrid;
class CloneDocument;
class Prompter;
class QWidget;

// The main window's file commands: New, Open, Open Backup, Save, Save As,
// the CSV import and export, the channel lists of other programs and the
// PDF export, with the save prompt
// before the document is replaced and the caption that names the file.
// Files are read and written by the file layer; this turns its results
// into the window's messages.
class FileCommands : public QObject
{
    Q_OBJECT
public:
    // "Korvan QT-R70 Clone Files (*.R70)|*.R70|All Files (*.*)|*.*".
    static QString cloneFileFilter();
    // "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*".
    static QString csvFileFilter();
    static QString pdfFileFilter();

    FileCommands(CloneDocument &document, Prompter &prompter, QWidget *window, MainStatusBar *statusBar,
                 MemoryGrid *memoryGrid, QObject *parent = nullptr);

    // The backups Open Backup lists.
    void setBackupStore(const BackupStore &store) { m_backups = store; }
    // Shows a written PDF in the system's viewer (tests replace it).
    void setDocumentOpener(std::function<void(const QString &)> opener) { m_openDocument = std::move(opener); }

    // The shared file dialog's start name: the name chosen last.
    QString commonDialogFileName() const { return m_commonDialogFileName; }
    void setCommonDialogFileName(const QString &name) { m_commonDialogFileName = name; }

    // "Save changes to settings?" when there are unsaved changes; false
    // when the command that asked must not go on.
    bool confirmSaveChanges();
    // load with its messages; true when loaded.
    bool loadCloneFile(const QString &path);
    // A recovered image becomes the document, with unsaved changes, as
    // belonging to `documentPath` (a new document when empty).
    void adoptRecovered(const CloneImage &image, const QString &documentPath);
    // File > Save; true when the file was written.
    bool save();

    void newFile();
    void open();
    void openBackup();
    bool saveAs();
    void importCsv();
    void exportCsv();
    // A channel list in the layout other programs share: the preview, then
    // its rows from the current row on, as one step.
    void importList();
    // The channels in use in that layout.
    void exportList();
    void exportPdf();

signals:
    void captionChanged(const QString &caption);
    // A clone file was opened or saved.
    void fileUsed(const QString &path);

private:
    // What an export's save dialog proposes: "hf-list.pdf" for hf-list.R70.
    QString proposedName(const QString &suffix) const;
    // The document holds a file's image now: it is current and unchanged.
    void becomeCurrent(const QString &path);
    bool writeCloneFile(const QString &path);
    void showFileError(const FileResult &result);

    CloneDocument &m_document;
    Prompter &m_prompter;
    QWidget *m_window;
    MainStatusBar *m_statusBar;
    MemoryGrid *m_memoryGrid;
    BackupStore m_backups = BackupStore::forThisUser();
    QString m_commonDialogFileName;
    std::function<void(const QString &)> m_openDocument;
};
