#pragma once

#include "BackupStore.h"
#include "PortFile.h"
#include "StringTable.h"
#include "TransferEngine.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <functional>

class DesignedPlacement;
class FileResult;
class MainStatusBar;
class MemoryGrid;
class MemoryPage;
class Module1;
class Prompter;
class QAction;
class QMenu;
class QStackedWidget;
class QTabBar;
class QTimer;
class QToolBar;
class RadioPort;
class SettingsPage;
class TransferResult;
class VfoGrid;
class dlgCOM;
class dlgModify;
class frmAbout;

// The main window: menus, toolbar, the tab strip over the settings page and
// the memory page, the status bar; the transfers, the file commands, the
// port dialog and the about box as the window runs them.
class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    // The least time the splash screen stays up (Timer1).
    static constexpr int SplashMinimumMs = 2000;
    static constexpr int WindowWidthTwips = 10200;
    static constexpr int WindowHeightTwips = 7905;
    // Tabs of TabStrip1.
    static constexpr int SettingsTab = 0;
    static constexpr int MemoryTab = 1;
    // Captions of Edit > Undo and Edit > Redo in the string table.
    static constexpr int UndoCaptionId = 1211;
    static constexpr int RedoCaptionId = 1212;

    // "Korvan QT-R70 Clone Files (*.R70)|*.R70|All Files (*.*)|*.*".
    static QString cloneFileFilter();
    // "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*".
    static QString csvFileFilter();
    static QString pdfFileFilter();

    // Where images read from the radio are kept (the per-user folder).
    void setBackupStore(const BackupStore &store) { m_backups = store; }
    const BackupStore &backupStore() const { return m_backups; }

    // Shows a written PDF in the system's viewer (tests replace it).
    void setDocumentOpener(std::function<void(const QString &)> opener) { m_openDocument = std::move(opener); }

    // The window works on `document` and talks to the radio through
    // `port`; both belong to the caller and outlive the window.
    frmMain(Module1 &document, Prompter &prompter, RadioPort &port, const PortFile &portFile,
            const StringTable &strings, QWidget *parent = nullptr);
    ~frmMain() override;

    // Runs the window's load: captions from the string table, size, the
    // port number from the port file, factory settings and VFOs, Timer1,
    // caption, first page, the command-line file; DataChanged := false.
    // Then loads the edit dialog without showing it.
    void Form_Load();

    // Timer1's interval (tests shorten it).
    void setSplashMinimumMs(int ms) { m_splashMinimumMs = ms; }
    TransferEngine &engine() { return *m_engine; }
    RadioPort &port() { return m_port; }

    SettingsPage *settingsPage() const { return m_settingsPage; }
    MemoryPage *memoryPage() const { return m_memoryPage; }
    MemoryGrid *memoryGrid() const;
    VfoGrid *vfoGrid() const;
    MainStatusBar *mainStatusBar() const { return m_statusBar; }
    // The one edit dialog, for both grids (loaded at start-up).
    dlgModify *editDialog();
    int selectedTab() const;

    // The shared file dialog's start name: the name chosen last.
    QString commonDialogFileName() const { return m_commonDialogFileName; }
    void setCommonDialogFileName(const QString &name) { m_commonDialogFileName = name; }

    // Set by each of the four record transfers at its normal end; cleared
    // by Read ALL and Write ALL before they start.
    bool TransferOk = false;

    // LoadCloneFile with its messages; true when loaded.
    bool loadCloneFile(const QString &path);
    // File > Save; true when the file was written.
    bool saveCloneFile();

protected:
    void closeEvent(QCloseEvent *event) override;
    QMenu *createPopupMenu() override;

private slots:
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileOpenBackup_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExit_Click();
    void mnuImport_Click();
    void mnuExport_Click();
    void mnuExportPdf_Click();
    void mnuEditUndo_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuViewToolbar_Click();
    void mnuStatusBar_Click();
    void mnuReSet_Click();
    void mnuReMem_Click();
    void mnuReAll_Click();
    void mnuWrSet_Click();
    void mnuWrMem_Click();
    void mnuWrAll_Click();
    void mnuWrChanges_Click();
    void mnuToolsOptions_Click();
    void mnuHelpAbout_Click();
    void TabStrip1_Click();
    void cmbRxData_Click();
    void cmbTxData_Click();
    void cmbRxData1_Click();
    void cmbTxData1_Click();
    void cmdAuto_Click();
    void cmbClear_Click();
    void cmbClAll_Click();
    void MSFlexGrid1_DblClick();
    void MSFlexGrid2_DblClick();

private:
    QAction *addEntry(QMenu *menu, const char *name, int captionId);
    QMenu *addMenu(QMenu *parentMenu, const char *name, int captionId);
    void buildMenus();
    void buildToolBar();
    void buildPages();
    void connectEngine();
    // A command that does nothing while a transfer runs.
    std::function<void()> whenIdle(void (frmMain::*slot)());

    // Shows the page of a tab (the tab strip's selection behaviour).
    void showPage(int tab);
    // Selects a tab and its page unless it is selected already.
    void switchToPage(int tab);

    bool confirmSaveChanges();
    // The document holds a file's image now: it is current and unchanged.
    void becomeCurrent(const QString &path);
    bool saveCloneFileAs();
    bool writeCloneFile(const QString &path);
    void showFileError(const FileResult &result);

    // OK / Cancel before a clear; true for OK.
    bool confirmClear(const QString &question);
    // "channel A5", "3 channels".
    static QString channelsNamed(const QList<int> &rows);
    // Empties channel rows as one step: `verb` and what was emptied.
    void clearChannels(const QList<int> &rows, const QString &verb);
    // Edit > Undo and Redo name the step they would take.
    void showHistory();

    void runTransfer(TransferEngine::Kind kind);
    // Read ALL / Write ALL: both steps through the engine, with the
    // controls of each step.
    void runBoth(TransferEngine::Kind first, TransferEngine::Kind second);
    // Disables a transfer's own buttons, shows the hourglass (and the
    // progress bar of a memory transfer) before it starts.
    void prepareTransfer(TransferEngine::Kind kind);
    void showProgressBar(TransferEngine::Kind kind);
    // Keeps the document's image as a backup of what the radio holds; a
    // failure is reported and changes nothing else.
    void keepBackup(const CloneImage &image, BackupStore::Kind kind);
    // Write Changes' question: the changes one line each; true to go on.
    bool confirmChanges(const CloneImage &radio, const QList<int> &changed);
    void finishTransfer(TransferEngine::Kind kind, const TransferResult &result);
    // What a transfer that ended normally did, for the status bar.
    QString doneText(TransferEngine::Kind kind) const;
    // Every transfer button enabled, default pointer, progress bar hidden.
    void resetTransferControls();
    void showTransferStep(TransferEngine::Kind kind);
    void showChannelStep(int slot);

    // The memory grid's row height and the page area's least size, as the
    // window has them at its designed size; and letting go of them.
    void keepDesignedLayout();
    void releaseDesignedLayout();

    // What the window does when it closes.
    void Form_Unload();
    void writePlacement();

    Module1 &m_state;
    Prompter &m_prompter;
    RadioPort &m_port;
    PortFile m_portFile;
    StringTable m_strings;

    TransferEngine *m_engine = nullptr;
    bool m_transferRunning = false;
    // Read ALL and Write ALL show the page of each step as it starts.
    bool m_pagesFollowTransfer = false;
    // Read ALL or Write ALL runs: its steps keep no backups of their own,
    // and its last step tells what both did.
    bool m_runningAll = false;
    bool m_writingChanges = false;
    BackupStore m_backups = BackupStore::forThisUser();
    TransferEngine::Kind m_runningKind = TransferEngine::Kind::ReadMemory;
    // Since the transfer the user started began.
    QElapsedTimer m_transferClock;

    QTabBar *m_tabStrip = nullptr;
    QStackedWidget *m_frames = nullptr;
    SettingsPage *m_settingsPage = nullptr;
    MemoryPage *m_memoryPage = nullptr;
    int m_shownTab = SettingsTab;
    QToolBar *m_toolBar = nullptr;
    MainStatusBar *m_statusBar = nullptr;
    QAction *m_viewToolbar = nullptr;
    QAction *m_viewStatusBar = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    // Cut, Copy and Paste: enabled on the memory page only.
    QList<QAction *> m_clipboardEntries;
    // A transfer that changes the document runs as one undo step.
    bool m_transferStep = false;

    DesignedPlacement *m_placement = nullptr;
    QTimer *m_timer1 = nullptr;
    int m_splashMinimumMs = SplashMinimumMs;

    frmAbout *m_about = nullptr;
    dlgCOM *m_portDialog = nullptr;
    dlgModify *m_editDialog = nullptr;
    QString m_commonDialogFileName;
    std::function<void(const QString &)> m_openDocument;
};
