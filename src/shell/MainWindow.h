#pragma once

#include "files/BackupStore.h"
#include "link/PortFile.h"
#include "session/RadioSession.h"
#include "shell/StringTable.h"
#include "shell/UnattendedPrompter.h"

#include <QMainWindow>

#include <functional>

class DesignedPlacement;
class EditCommands;
class FileCommands;
class MainStatusBar;
class MemoryGrid;
class MemoryPage;
class CloneDocument;
class Prompter;
class QAction;
class QMenu;
class PageStack;
class QTabBar;
class QTimer;
class QToolBar;
class RadioPort;
class RecoveryKeeper;
class SettingsPage;
class TransferPanel;
class VfoGrid;
class PortDialog;
class ChannelDialog;
class AboutBox;
class GuideWindow;

// The main window: menus, toolbar, the tab strip over the settings page and
// the memory page, the status bar, and the handlers of its controls. The
// work is done by its rooms: the file commands, the edit commands and the
// transfer panel (on the session with the radio); the menus and the
// toolbar are built from tables.
class MainWindow : public QMainWindow
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

    // The window works on `document` and talks to the radio through
    // `port`; both belong to the caller and outlive the window.
    MainWindow(CloneDocument &document, Prompter &prompter, RadioPort &port, const PortFile &portFile,
            const StringTable &strings, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Runs the window's load: captions from the string table, size, the
    // port number from the port file, factory settings and VFOs, Timer1,
    // caption, first page, the command-line file; no unsaved changes.
    void load();

    // Where images read from the radio are kept (the per-user folder).
    void setBackupStore(const BackupStore &store);
    const BackupStore &backupStore() const { return m_session.backupStore(); }
    // Shows a written PDF in the system's viewer (tests replace it).
    void setDocumentOpener(std::function<void(const QString &)> opener);
    // Timer1's interval (tests shorten it).
    void setSplashMinimumMs(int ms) { m_splashMinimumMs = ms; }

    RadioSession &session() { return m_session; }
    // From the start of a transfer to its end (its messages included).
    bool transferRunning() const;
    RadioPort &port() { return m_port; }
    SettingsPage *settingsPage() const { return m_settingsPage; }
    MemoryPage *memoryPage() const { return m_memoryPage; }
    MemoryGrid *memoryGrid() const;
    VfoGrid *vfoGrid() const;
    MainStatusBar *mainStatusBar() const { return m_statusBar; }
    // The one edit dialog, for both grids (loaded at start-up).
    ChannelDialog *editDialog();
    int selectedTab() const;
    // The shared file dialog's start name: the name chosen last.
    QString commonDialogFileName() const;

    // Set by each of the four record transfers at its normal end; cleared
    // by Read ALL and Write ALL before they start.
    bool transferSucceeded() const { return m_transferOk; }

    // The signal (SIGTERM, SIGHUP, SIGINT) that is ending the window; 0
    // when none has come.
    int endingSignal() const { return m_endingSignal; }
    // Keeps the recovery copy of the window's document (when there are
    // unsaved changes) where the next start finds it.
    RecoveryKeeper *recovery() const { return m_recovery; }

public slots:
    // A termination signal: the edits are kept as a recovery copy, open
    // dialogs are cancelled, a running transfer stops at its next record
    // and ends the radio's session, then the window closes without asking.
    // A second signal ends the program at once.
    void endBySignal(int signalNumber);

protected:
    void closeEvent(QCloseEvent *event) override;
    QMenu *createPopupMenu() override;

private slots:
    void newFile();
    void openFile();
    void openBackup();
    void saveFile();
    void saveFileAs();
    void quit();
    void importCsv();
    void exportCsv();
    void importList();
    void exportList();
    void exportPdf();
    void editCurrentRow();
    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void moveUp();
    void moveDown();
    void goTo();
    void memoryRowsDropped(int by, bool copy);
    void showFindBar();
    void sort();
    void setForSelected();
    void toggleToolBar();
    void toggleStatusBar();
    void readSettings();
    void readMemory();
    void readAll();
    void writeSettings();
    void writeMemory();
    void writeAll();
    void writeChanges();
    // The open document's image to several radios at once.
    void writeToSeveralRadios();
    void choosePort();
    void showAbout();
    void showGuide();
    void showSelectedTab();
    void autoSelect();
    void clearSelected();
    void clearAll();
    void editChannel();
    void editVfo();

private:
    friend class MainMenus;

    void buildPages();
    void connectPages();
    // A command that does nothing while a transfer runs.
    std::function<void()> whenIdle(void (MainWindow::*slot)());

    // Shows the page of a tab (the tab strip's selection behaviour).
    void showPage(int tab);
    // Selects a tab and its page unless it is selected already.
    void switchToPage(int tab);
    void showHistory();

    // The memory grid's row height and the page area's least size, as the
    // window has them at its designed size; and letting go of them.
    void keepDesignedLayout();
    void releaseDesignedLayout();

    // What the window does when it closes.
    void unload();
    void writePlacement();

    CloneDocument &m_state;
    UnattendedPrompter m_prompter;
    RadioPort &m_port;
    PortFile m_portFile;
    StringTable m_strings;
    RadioSession m_session;

    FileCommands *m_files = nullptr;
    EditCommands *m_edits = nullptr;
    TransferPanel *m_transfers = nullptr;
    RecoveryKeeper *m_recovery = nullptr;
    int m_endingSignal = 0;
    bool m_transferOk = false;

    QTabBar *m_tabStrip = nullptr;
    PageStack *m_frames = nullptr;
    SettingsPage *m_settingsPage = nullptr;
    MemoryPage *m_memoryPage = nullptr;
    int m_shownTab = SettingsTab;
    QToolBar *m_toolBar = nullptr;
    MainStatusBar *m_statusBar = nullptr;
    QAction *m_viewToolbar = nullptr;
    QAction *m_viewStatusBar = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    // Cut, Copy, Paste, Go To, Find and Sort: enabled on the memory page only.
    QList<QAction *> m_memoryPageEntries;

    DesignedPlacement *m_placement = nullptr;
    QTimer *m_splashTimer = nullptr;
    int m_splashMinimumMs = SplashMinimumMs;

    AboutBox *m_about = nullptr;
    GuideWindow *m_guide = nullptr;
    PortDialog *m_portDialog = nullptr;
};
