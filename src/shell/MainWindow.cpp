#include "shell/MainWindow.h"

#include "app/CloneDocument.h"
#include "app/SignalWatcher.h"
#include "codec/Vocabulary.h"
#include "edit/FindBar.h"
#include "edit/MemoryGrid.h"
#include "edit/MemoryPage.h"
#include "edit/Prompter.h"
#include "edit/SettingsPage.h"
#include "edit/Twips.h"
#include "edit/VfoGrid.h"
#include "link/LineExchange.h"
#include "link/RadioPort.h"
#include "link/SystemSerialPortList.h"
#include "shell/DesignedPlacement.h"
#include "shell/EditCommands.h"
#include "shell/FileCommands.h"
#include "shell/GuideWindow.h"
#include "shell/LocalizeForm.h"
#include "shell/MainMenus.h"
#include "shell/MainStatusBar.h"
#include "edit/PageStack.h"
#include "shell/RecentFilesMenu.h"
#include "shell/RecoveryKeeper.h"
#include "shell/TransferPanel.h"
#include "shell/PortDialog.h"
#include "shell/SeveralRadiosDialog.h"
#include "shell/AboutBox.h"
#include "shell/Icons.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <cstdio>
#include <cstring>

#include <unistd.h>

using Job = RadioSession::Job;

MainWindow::MainWindow(CloneDocument &document, Prompter &prompter, RadioPort &port, const PortFile &portFile,
                 const StringTable &strings, QWidget *parent)
    : QMainWindow(parent),
      m_state(document),
      m_prompter(prompter),
      m_port(port),
      m_portFile(portFile),
      m_strings(strings),
      m_session(document, port)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(Icons::program());

    m_splashTimer = new QTimer(this);
    m_splashTimer->setObjectName(QStringLiteral("Timer1"));
    m_splashTimer->setSingleShot(true);
    m_splashTimer->setTimerType(Qt::PreciseTimer);

    MainMenus::build(*this);
    buildPages();
    m_statusBar = new MainStatusBar(this);
    setStatusBar(m_statusBar);

    m_files = new FileCommands(m_state, m_prompter, this, m_statusBar, memoryGrid(), this);
    m_files->setBackupStore(m_session.backupStore());
    connect(m_files, &FileCommands::captionChanged, this, &QWidget::setWindowTitle);
    new RecentFilesMenu(findChild<QMenu *>(QStringLiteral("mnuFile")), findChild<QAction *>(QStringLiteral("mnuFileExit")),
                        *m_files, this);
    m_edits = new EditCommands(m_state, m_prompter, this, m_statusBar, memoryGrid(), vfoGrid(), this);
    m_transfers = new TransferPanel(m_session, m_prompter, this, m_memoryPage, m_settingsPage, m_statusBar, m_transferOk,
                                    [this](int tab) { switchToPage(tab); }, this);
    m_recovery = new RecoveryKeeper(m_state, m_prompter, this, RecoveryStore::folderForThisUser(), this);
    connect(m_files, &FileCommands::fileUsed, m_recovery, &RecoveryKeeper::update);
    // A signal that came during a transfer closes the window once it has stopped.
    connect(m_transfers, &TransferPanel::finished, this, [this] {
        if (m_endingSignal != 0)
            QTimer::singleShot(0, this, &QWidget::close);
    });
    connectPages();
    m_placement = new DesignedPlacement(this, [this] { keepDesignedLayout(); }, [this] { releaseDesignedLayout(); });
}

MainWindow::~MainWindow()
{
    // Kept only for a window a signal ended; one closed by the user (or
    // torn down by its owner) leaves none behind.
    if (m_endingSignal == 0)
        m_recovery->discard();
}

void MainWindow::setBackupStore(const BackupStore &store)
{
    m_session.setBackupStore(store);
    m_files->setBackupStore(store);
}

void MainWindow::setDocumentOpener(std::function<void(const QString &)> opener)
{
    m_files->setDocumentOpener(std::move(opener));
}

QString MainWindow::commonDialogFileName() const
{
    return m_files->commonDialogFileName();
}

// --- building -------------------------------------------------------------

void MainWindow::buildPages()
{
    auto *central = new QWidget(this);
    m_tabStrip = new QTabBar(central);
    m_tabStrip->setObjectName(QStringLiteral("TabStrip1"));
    m_tabStrip->addTab(QStringLiteral("Settings"));
    m_tabStrip->addTab(QStringLiteral("Memory"));
    m_tabStrip->setExpanding(false);
    m_tabStrip->setDrawBase(false);

    auto *client = new QFrame(central);
    client->setFrameShape(QFrame::StyledPanel);
    // The pages scroll in a window smaller than designed.
    auto *pageArea = new QScrollArea(client);
    pageArea->setObjectName(QStringLiteral("PageArea"));
    pageArea->setFrameShape(QFrame::NoFrame);
    pageArea->setFocusPolicy(Qt::NoFocus);
    pageArea->setWidgetResizable(true);
    m_frames = new PageStack;
    m_settingsPage = new SettingsPage(m_state, m_frames);
    m_memoryPage = new MemoryPage(m_state, m_frames);
    m_frames->addWidget(m_settingsPage);
    m_frames->addWidget(m_memoryPage);
    pageArea->setWidget(m_frames);
    auto *clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(2, 2, 2, 2);
    clientLayout->addWidget(pageArea);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabStrip);
    layout->addWidget(client, 1);
    setCentralWidget(central);

    connect(m_tabStrip, &QTabBar::currentChanged, this, &MainWindow::showSelectedTab);
    const struct
    {
        QKeyCombination key;
        int step;
    } tabKeys[] = {
        {Qt::CTRL | Qt::Key_Tab, 1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
        {Qt::CTRL | Qt::Key_PageDown, 1},
        {Qt::CTRL | Qt::Key_PageUp, -1},
    };
    for (const auto &tabKey : tabKeys) {
        const int step = tabKey.step;
        connect(new QShortcut(QKeySequence(tabKey.key), this), &QShortcut::activated, this, [this, step] {
            const int count = m_tabStrip->count();
            m_tabStrip->setCurrentIndex((m_tabStrip->currentIndex() + step + count) % count);
        });
    }

}

void MainWindow::connectPages()
{
    connect(m_settingsPage->readSettingsButton(), &QPushButton::clicked, this, whenIdle(&MainWindow::readSettings));
    connect(m_settingsPage->writeSettingsButton(), &QPushButton::clicked, this, whenIdle(&MainWindow::writeSettings));
    connect(m_settingsPage->autoSelectButton(), &QPushButton::clicked, this, whenIdle(&MainWindow::autoSelect));
    connect(m_memoryPage->readMemoryButton(), &QPushButton::clicked, this, whenIdle(&MainWindow::readMemory));
    connect(m_memoryPage->writeMemoryButton(), &QPushButton::clicked, this, whenIdle(&MainWindow::writeMemory));

    // Insert and Delete are never available, so they have no handler.
    connect(m_memoryPage->clearButton(), &QPushButton::clicked, this, whenIdle(&MainWindow::clearSelected));
    connect(m_memoryPage->clearAllButton(), &QPushButton::clicked, this, whenIdle(&MainWindow::clearAll));
    connect(m_memoryPage->upButton(), &QPushButton::clicked, memoryGrid(), &MemoryGrid::moveUp);
    connect(m_memoryPage->downButton(), &QPushButton::clicked, memoryGrid(), &MemoryGrid::moveDown);
    connect(memoryGrid(), &MemoryGrid::editRequested, this, whenIdle(&MainWindow::editChannel));
    connect(memoryGrid(), &MemoryGrid::clearRequested, this, whenIdle(&MainWindow::clearSelected));
    connect(memoryGrid(), &MemoryGrid::rowsDropped, this, &MainWindow::memoryRowsDropped);
    connect(vfoGrid(), &VfoGrid::editRequested, this, whenIdle(&MainWindow::editVfo));
    connect(vfoGrid(), &QAbstractItemView::doubleClicked, this, whenIdle(&MainWindow::editVfo));
    connect(vfoGrid()->verticalHeader(), &QHeaderView::sectionDoubleClicked, this,
            whenIdle(&MainWindow::editVfo));
}

std::function<void()> MainWindow::whenIdle(void (MainWindow::*slot)())
{
    return [this, slot] {
        if (!transferRunning())
            (this->*slot)();
    };
}

bool MainWindow::transferRunning() const
{
    return m_session.isBusy() || m_transfers->isRunning();
}

MemoryGrid *MainWindow::memoryGrid() const
{
    return m_memoryPage->grid();
}

VfoGrid *MainWindow::vfoGrid() const
{
    return m_settingsPage->vfoGrid();
}

int MainWindow::selectedTab() const
{
    return m_tabStrip->currentIndex();
}

QMenu *MainWindow::createPopupMenu()
{
    // The toolbar is shown and hidden from the View menu only.
    return nullptr;
}

// --- load and close ---------------------------------------------------------

void MainWindow::load()
{
    LocalizeForm::apply(this, m_strings);
    m_placement->open(QSize(Twips::toPixelsX(WindowWidthTwips, this), Twips::toPixelsY(WindowHeightTwips, this)));
    m_frames->setCurrentWidget(m_settingsPage);

    m_port.setPortNumber(m_portFile.read());

    const CloneImage defaults = CloneImage::factory(m_state.image().modelVariant, m_state.image().extendedRange);
    m_state.setSettings(defaults.settingsLine1, defaults.settingsLine2, defaults.selections);
    for (int r = 0; r < CloneImage::VfoCount; ++r)
        m_state.setVfo(r, defaults.vfos[size_t(r)]);

    // The splash screen stays up at least this long.
    QEventLoop splashWait;
    connect(m_splashTimer, &QTimer::timeout, &splashWait, &QEventLoop::quit);
    m_splashTimer->start(m_splashMinimumMs);
    splashWait.exec();

    setWindowTitle(Vocabulary::appTitle());
    showSelectedTab();

    m_state.setBaseline(m_state.image());
    if (!m_state.commandLineFile().isEmpty())
        m_files->loadCloneFile(m_state.commandLineFile());
    m_state.startHistory();
    showHistory();
    // Once the window is up: the question stands over the window it
    // concerns, not over the splash screen.
    QTimer::singleShot(0, this, [this] {
        m_recovery->offerOrphans([this](const CloneImage &image, const QString &documentPath) {
            m_files->adoptRecovered(image, documentPath);
        });
    });
}

void MainWindow::keepDesignedLayout()
{
    // A page lays itself out when it is shown: the memory page is shown for
    // a moment (nothing is painted meanwhile) so that its grid measures its
    // rows at this size.
    QWidget *focus = QApplication::focusWidget();
    QWidget *shown = m_frames->currentWidget();
    m_frames->setCurrentWidget(m_memoryPage);
    memoryGrid()->keepRowHeight();
    m_frames->setCurrentWidget(shown);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    m_frames->setMinimumSize(m_frames->size());
}

void MainWindow::releaseDesignedLayout()
{
    m_frames->setMinimumSize(0, 0);
    memoryGrid()->releaseRowHeight();
}

ChannelDialog *MainWindow::editDialog()
{
    return m_edits->editDialog();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (transferRunning()) {
        event->ignore();
        return;
    }
    // Ended by a signal, nobody answers: the recovery copy keeps the edits.
    if (m_endingSignal != 0) {
        m_recovery->keepNow();
    } else {
        if (!m_files->confirmSaveChanges()) {
            event->ignore();
            return;
        }
        m_recovery->discard();
    }
    unload();
    event->accept();
}

void MainWindow::endBySignal(int signalNumber)
{
    if (m_endingSignal != 0) {
        m_recovery->keepNow();
        ::_exit(SignalWatcher::ExitBase + signalNumber);
    }
    m_endingSignal = signalNumber;
    m_prompter.setUnattended(true);
    m_recovery->keepNow();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != this && window->isVisible() && window->isModal())
            window->close();
    }
    if (transferRunning()) {
        std::fputs(qPrintable(tr("qtr70-clone: %1: stopping the transfer at the next record\n")
                                  .arg(QString::fromLocal8Bit(strsignal(signalNumber)))),
                   stderr);
        m_session.requestStop();
        return;
    }
    QTimer::singleShot(0, this, &QWidget::close);
}

void MainWindow::unload()
{
    m_portFile.write(m_port.portNumber());

    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (*it != this && (*it)->isVisible())
            (*it)->close();
    }

    if (!isMinimized())
        writePlacement();
}

void MainWindow::writePlacement()
{
    const QRect frame = frameGeometry();
    QSettings settings(Vocabulary::appTitle(), Vocabulary::appTitle());
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(QStringLiteral("MainLeft"), Twips::fromPixelsX(frame.left(), this));
    settings.setValue(QStringLiteral("MainTop"), Twips::fromPixelsY(frame.top(), this));
    settings.setValue(QStringLiteral("MainWidth"), Twips::fromPixelsX(frame.width(), this));
    settings.setValue(QStringLiteral("MainHeight"), Twips::fromPixelsY(frame.height(), this));
    settings.endGroup();
}

// --- pages ------------------------------------------------------------------

void MainWindow::showPage(int tab)
{
    const bool memory = tab == MemoryTab;
    QWidget *hidden = m_frames->currentWidget();
    QWidget *focused = QApplication::focusWidget();
    const bool focusHidden = focused && hidden && hidden != (memory ? static_cast<QWidget *>(m_memoryPage) : m_settingsPage)
        && hidden->isAncestorOf(focused);
    m_settingsPage->setEnabled(!memory);
    m_memoryPage->setEnabled(memory);
    for (QAction *entry : std::as_const(m_memoryPageEntries))
        entry->setEnabled(memory);
    m_frames->setCurrentWidget(memory ? static_cast<QWidget *>(m_memoryPage) : m_settingsPage);
    m_shownTab = tab;
    // The keyboard leaves the page that went away for the tab strip, which
    // names the page now shown.
    if (focusHidden && isActiveWindow())
        m_tabStrip->setFocus(Qt::OtherFocusReason);
}

void MainWindow::switchToPage(int tab)
{
    if (m_tabStrip->currentIndex() == tab)
        return;
    {
        const QSignalBlocker quiet(m_tabStrip);
        m_tabStrip->setCurrentIndex(tab);
    }
    showPage(tab);
}

void MainWindow::showSelectedTab()
{
    if (transferRunning()) {
        // No page change while a transfer runs: the tab goes back.
        const QSignalBlocker quiet(m_tabStrip);
        m_tabStrip->setCurrentIndex(m_shownTab);
        return;
    }
    showPage(m_tabStrip->currentIndex());
}

void MainWindow::showHistory()
{
    m_edits->showHistory(m_undo, m_redo, m_strings, UndoCaptionId, RedoCaptionId);
}

// --- the handlers -----------------------------------------------------------

void MainWindow::newFile()
{
    m_files->newFile();
}

void MainWindow::openFile()
{
    m_files->open();
}

void MainWindow::openBackup()
{
    m_files->openBackup();
}

void MainWindow::saveFile()
{
    m_files->save();
}

void MainWindow::saveFileAs()
{
    m_files->saveAs();
}

void MainWindow::quit()
{
    close();
}

void MainWindow::importCsv()
{
    m_files->importCsv();
}

void MainWindow::exportCsv()
{
    m_files->exportCsv();
}

void MainWindow::importList()
{
    m_files->importList();
}

void MainWindow::exportList()
{
    m_files->exportList();
}

void MainWindow::exportPdf()
{
    m_files->exportPdf();
}

void MainWindow::editCurrentRow()
{
    // Modify: what a double-click on the grid of the selected tab does.
    if (selectedTab() == SettingsTab)
        editVfo();
    else
        editChannel();
}

void MainWindow::undo()
{
    m_edits->undo();
}

void MainWindow::redo()
{
    m_edits->redo();
}

void MainWindow::cut()
{
    m_edits->cut();
}

void MainWindow::copy()
{
    m_edits->copy();
}

void MainWindow::paste()
{
    m_edits->paste();
}

void MainWindow::memoryRowsDropped(int by, bool copy)
{
    if (!m_transfers->isRunning())
        m_edits->dropChannels(by, copy);
}

void MainWindow::moveUp()
{
    if (m_shownTab == SettingsTab)
        m_edits->moveVfo(-1);
    else
        m_edits->moveChannels(-1);
}

void MainWindow::moveDown()
{
    if (m_shownTab == SettingsTab)
        m_edits->moveVfo(1);
    else
        m_edits->moveChannels(1);
}

void MainWindow::goTo()
{
    m_edits->goTo();
}

void MainWindow::showFindBar()
{
    m_memoryPage->findBar()->open();
}

void MainWindow::sort()
{
    m_edits->sortChannels();
}

void MainWindow::setForSelected()
{
    if (m_shownTab == SettingsTab)
        m_edits->setForVfo();
    else
        m_edits->setForSelected();
}

void MainWindow::editChannel()
{
    m_edits->editChannel();
}

void MainWindow::editVfo()
{
    m_edits->editVfo();
}

void MainWindow::clearSelected()
{
    m_edits->clear();
}

void MainWindow::clearAll()
{
    m_edits->clearAll();
}

void MainWindow::toggleToolBar()
{
    m_toolBar->setVisible(m_viewToolbar->isChecked());
}

void MainWindow::toggleStatusBar()
{
    m_statusBar->setVisible(m_viewStatusBar->isChecked());
}

void MainWindow::choosePort()
{
    if (!m_portDialog)
        m_portDialog = new PortDialog(m_port, this);
    m_portDialog->selectPort(m_port.portNumber());
    m_portDialog->exec();
}

void MainWindow::writeToSeveralRadios()
{
    const BackupStore backups = m_session.backupStore();
    const int pauseMs = m_session.pauseMs();
    const int replyTimeoutMs = m_session.engine().exchange().replyTimeoutMs();
    SeveralRadiosDialog dialog(m_state.image(), std::make_shared<SystemSerialPortList>(),
                               [=](RadioSession &session) {
                                   session.setBackupStore(backups);
                                   session.setPauseMs(pauseMs);
                                   session.setReplyTimeoutMs(replyTimeoutMs);
                               },
                               this);
    dialog.exec();
}

void MainWindow::showAbout()
{
    if (!m_about)
        m_about = new AboutBox(this);
    m_about->exec();
}

void MainWindow::showGuide()
{
    // Beside the window, not in its way: it stays open while the user works.
    if (!m_guide)
        m_guide = new GuideWindow(this);
    m_guide->show();
    m_guide->raise();
    m_guide->activateWindow();
}

void MainWindow::autoSelect()
{
    m_transfers->run(Job::AutoSelect);
}

void MainWindow::readSettings()
{
    switchToPage(SettingsTab);
    m_transfers->run(Job::ReadSettings);
}

void MainWindow::readMemory()
{
    switchToPage(MemoryTab);
    m_transfers->run(Job::ReadMemory);
}

void MainWindow::readAll()
{
    m_transfers->run(Job::ReadAll);
}

void MainWindow::writeSettings()
{
    switchToPage(SettingsTab);
    m_transfers->run(Job::WriteSettings);
}

void MainWindow::writeMemory()
{
    switchToPage(MemoryTab);
    m_transfers->run(Job::WriteMemory);
}

void MainWindow::writeAll()
{
    m_transfers->run(Job::WriteAll);
}

void MainWindow::writeChanges()
{
    m_transfers->writeChanges();
}
