#include "frmMain.h"

#include "ChannelClipboard.h"
#include "ChannelLabel.h"
#include "CloneFile.h"
#include "CsvExchange.h"
#include "DesignedPlacement.h"
#include "FileResult.h"
#include "Icons.h"
#include "LocalizeForm.h"
#include "MainStatusBar.h"
#include "MemoryGrid.h"
#include "MemoryPage.h"
#include "Module1.h"
#include "Prompter.h"
#include "SavePrompt.h"
#include "RadioPort.h"
#include "SettingsPage.h"
#include "Twips.h"
#include "VfoCodec.h"
#include "Vocabulary.h"
#include "VfoGrid.h"
#include "ImageReport.h"
#include "ReportPdf.h"
#include "SafeText.h"
#include "dlgCOM.h"
#include "dlgExportPdf.h"
#include "dlgModify.h"
#include "frmAbout.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <QEventLoop>
#include <QFrame>
#include <QHeaderView>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

using Kind = TransferEngine::Kind;

const QString ErrorCaption = QStringLiteral("ERROR");
const QString ClearCaption = QStringLiteral("CLEAR OK");
const QString ClearWarning = QStringLiteral("Clear cannot be undone.");
const QString ClearOneQuestion = QStringLiteral("Are you sure that you want to do the clear?");
const QString ClearAllQuestion = QStringLiteral("Are you sure that you want to clear all memory?");

// "1 channel", "2 channels".
QString counted(int count, const char *one, const char *many)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(count == 1 ? one : many);
}

bool isMemoryTransfer(Kind kind)
{
    return kind == Kind::ReadMemory || kind == Kind::WriteMemory;
}

// A slot's label without the blanks that align it in the grid: "A5", "B-P1".
QString slotName(int slot)
{
    return ChannelLabel::gridLabel(slot).remove(QLatin1Char(' '));
}

// The undo step of a transfer that changes the document; empty for one
// that does not.
QString stepOf(Kind kind)
{
    switch (kind) {
    case Kind::ReadMemory:
        return QStringLiteral("Read Memory from the radio");
    case Kind::ReadSettings:
        return QStringLiteral("Read Settings from the radio");
    case Kind::AutoSelect:
        return QStringLiteral("Auto Select");
    case Kind::WriteMemory:
    case Kind::WriteSettings:
        break;
    }
    return QString();
}

// The standard keys of an entry, or `fallback` where the platform has none.
QList<QKeySequence> keysFor(QKeySequence::StandardKey key, const QKeySequence &fallback)
{
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    return keys.isEmpty() ? QList<QKeySequence>{fallback} : keys;
}

} // namespace

QString frmMain::cloneFileFilter()
{
    return QStringLiteral("Korvan QT-R70 Clone Files (*.R70);;All Files (*.*)");
}

QString frmMain::csvFileFilter()
{
    return QStringLiteral("CSV Files (*.csv);;All Files (*.*)");
}

QString frmMain::pdfFileFilter()
{
    return QStringLiteral("PDF Files (*.pdf);;All Files (*.*)");
}

frmMain::frmMain(Module1 &document, Prompter &prompter, RadioPort &port, const PortFile &portFile,
                 const StringTable &strings, QWidget *parent)
    : QMainWindow(parent),
      m_state(document),
      m_prompter(prompter),
      m_port(port),
      m_portFile(portFile),
      m_strings(strings)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(Icons::program());
    m_openDocument = [](const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };

    m_engine = new TransferEngine(m_state, m_port, this);
    connect(m_engine, &TransferEngine::busyChanged, this, [this](bool busy) { m_transferRunning = busy; });

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setSingleShot(true);
    m_timer1->setTimerType(Qt::PreciseTimer);

    buildMenus();
    buildToolBar();
    buildPages();
    m_statusBar = new MainStatusBar(this);
    setStatusBar(m_statusBar);
    connectEngine();
    m_placement = new DesignedPlacement(this, [this] { keepDesignedLayout(); }, [this] { releaseDesignedLayout(); });
}

frmMain::~frmMain() = default;

// --- building -------------------------------------------------------------

QAction *frmMain::addEntry(QMenu *menu, const char *name, int captionId)
{
    // Designed with the string id as caption; LocalizeForm puts the text on.
    auto *action = new QAction(QString::number(captionId), this);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    return action;
}

QMenu *frmMain::addMenu(QMenu *parentMenu, const char *name, int captionId)
{
    QMenu *menu = parentMenu ? parentMenu->addMenu(QString::number(captionId))
                             : menuBar()->addMenu(QString::number(captionId));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

void frmMain::buildMenus()
{
    const auto separator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    QMenu *file = addMenu(nullptr, "mnuFile", 1000);
    QAction *fileNew = addEntry(file, "mnuFileNew", 1001);
    fileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(fileNew, &QAction::triggered, this, whenIdle(&frmMain::mnuFileNew_Click));
    QAction *fileOpen = addEntry(file, "mnuFileOpen", 1002);
    fileOpen->setShortcuts(keysFor(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)));
    connect(fileOpen, &QAction::triggered, this, whenIdle(&frmMain::mnuFileOpen_Click));
    connect(addEntry(file, "mnuFileOpenBackup", 1209), &QAction::triggered, this,
            whenIdle(&frmMain::mnuFileOpenBackup_Click));
    QAction *fileSave = addEntry(file, "mnuFileSave", 1003);
    fileSave->setShortcuts(keysFor(QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)));
    connect(fileSave, &QAction::triggered, this, whenIdle(&frmMain::mnuFileSave_Click));
    QAction *fileSaveAs = addEntry(file, "mnuFileSaveAs", 1004);
    fileSaveAs->setShortcuts(keysFor(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    connect(fileSaveAs, &QAction::triggered, this, whenIdle(&frmMain::mnuFileSaveAs_Click));
    separator(file, "mnuFileBar0");
    connect(addEntry(file, "mnuImport", 1201), &QAction::triggered, this, whenIdle(&frmMain::mnuImport_Click));
    connect(addEntry(file, "mnuExport", 1202), &QAction::triggered, this, whenIdle(&frmMain::mnuExport_Click));
    connect(addEntry(file, "mnuExportPdf", 1208), &QAction::triggered, this,
            whenIdle(&frmMain::mnuExportPdf_Click));
    separator(file, "mnuFileBar1");
    // Printing is not offered: both entries are shown greyed.
    addEntry(file, "mnuFilePageSetup", 1005)->setEnabled(false);
    addEntry(file, "mnuFilePrint", 1006)->setEnabled(false);
    separator(file, "mnuFileBar2");
    QAction *fileExit = addEntry(file, "mnuFileExit", 1007);
    fileExit->setShortcuts(keysFor(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    connect(fileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);

    QMenu *edit = addMenu(nullptr, "mnuEdit", 1008);
    connect(addEntry(edit, "mnuEditUndo", 1009), &QAction::triggered, this, whenIdle(&frmMain::mnuEditUndo_Click));
    separator(edit, "mnuEditBar0");
    m_undo = addEntry(edit, "mnuUndo", UndoCaptionId);
    m_undo->setShortcuts(QKeySequence::Undo);
    connect(m_undo, &QAction::triggered, this, whenIdle(&frmMain::mnuUndo_Click));
    m_redo = addEntry(edit, "mnuRedo", RedoCaptionId);
    m_redo->setShortcuts(keysFor(QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y)));
    connect(m_redo, &QAction::triggered, this, whenIdle(&frmMain::mnuRedo_Click));
    separator(edit, "mnuEditBar1");
    const struct
    {
        const char *name;
        int captionId;
        QKeySequence::StandardKey key;
        void (frmMain::*slot)();
    } clipboardEntries[] = {
        {"mnuCut", 1213, QKeySequence::Cut, &frmMain::mnuCut_Click},
        {"mnuCopy", 1214, QKeySequence::Copy, &frmMain::mnuCopy_Click},
        {"mnuPaste", 1215, QKeySequence::Paste, &frmMain::mnuPaste_Click},
    };
    for (const auto &entry : clipboardEntries) {
        QAction *action = addEntry(edit, entry.name, entry.captionId);
        action->setShortcuts(entry.key);
        connect(action, &QAction::triggered, this, whenIdle(entry.slot));
        m_clipboardEntries.append(action);
    }
    connect(&m_state.history(), &QUndoStack::indexChanged, this, &frmMain::showHistory);
    connect(&m_state.history(), &QUndoStack::cleanChanged, this, &frmMain::showHistory);

    QMenu *view = addMenu(nullptr, "mnuView", 1010);
    m_viewToolbar = addEntry(view, "mnuViewToolbar", 1011);
    m_viewStatusBar = addEntry(view, "mnuStatusBar", 1100);
    for (QAction *toggle : {m_viewToolbar, m_viewStatusBar}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    connect(m_viewToolbar, &QAction::triggered, this, &frmMain::mnuViewToolbar_Click);
    connect(m_viewStatusBar, &QAction::triggered, this, &frmMain::mnuStatusBar_Click);

    QMenu *tools = addMenu(nullptr, "mnuTools", 1012);
    QMenu *read = addMenu(tools, "mnuRe", 1203);
    connect(addEntry(read, "mnuReSet", 1205), &QAction::triggered, this, whenIdle(&frmMain::mnuReSet_Click));
    connect(addEntry(read, "mnuReMem", 1206), &QAction::triggered, this, whenIdle(&frmMain::mnuReMem_Click));
    connect(addEntry(read, "mnuReAll", 1207), &QAction::triggered, this, whenIdle(&frmMain::mnuReAll_Click));
    QMenu *write = addMenu(tools, "mnuWr", 1204);
    connect(addEntry(write, "mnuWrSet", 1205), &QAction::triggered, this, whenIdle(&frmMain::mnuWrSet_Click));
    connect(addEntry(write, "mnuWrMem", 1206), &QAction::triggered, this, whenIdle(&frmMain::mnuWrMem_Click));
    connect(addEntry(write, "mnuWrAll", 1207), &QAction::triggered, this, whenIdle(&frmMain::mnuWrAll_Click));
    connect(addEntry(write, "mnuWrChanges", 1210), &QAction::triggered, this,
            whenIdle(&frmMain::mnuWrChanges_Click));
    connect(addEntry(tools, "mnuToolsOptions", 1013), &QAction::triggered, this,
            whenIdle(&frmMain::mnuToolsOptions_Click));

    QMenu *help = addMenu(nullptr, "mnuHelp", 1014);
    connect(addEntry(help, "mnuHelpAbout", 1016), &QAction::triggered, this,
            &frmMain::mnuHelpAbout_Click);
}

void frmMain::buildToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    struct Button
    {
        const char *name;
        const char *caption;
        const char *theme;
        const char *image;
        int toolTipId;
        bool separatorBefore;
        void (frmMain::*slot)();
    };
    const Button buttons[] = {
        {"tbNew", "New", "document-new", "new", 1017, false, &frmMain::mnuFileNew_Click},
        {"tbOpen", "Open", "document-open", "open", 1018, false, &frmMain::mnuFileOpen_Click},
        {"tbSave", "Save", "document-save", "save", 1019, false, &frmMain::mnuFileSave_Click},
        {"tbHelp", "Help", "help-about", "help", 1021, true, &frmMain::mnuHelpAbout_Click},
    };
    for (const Button &b : buttons) {
        if (b.separatorBefore)
            m_toolBar->addSeparator();
        QAction *action = m_toolBar->addAction(Icons::themed(QLatin1String(b.theme), QLatin1String(b.image)),
                                               QLatin1String(b.caption));
        action->setObjectName(QLatin1String(b.name));
        // Designed with the string id as tooltip; LocalizeForm puts the text on.
        action->setToolTip(QString::number(b.toolTipId));
        connect(action, &QAction::triggered, this, whenIdle(b.slot));
    }
}

void frmMain::buildPages()
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
    m_frames = new QStackedWidget;
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

    connect(m_tabStrip, &QTabBar::currentChanged, this, &frmMain::TabStrip1_Click);
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

    connect(m_settingsPage->readSettingsButton(), &QPushButton::clicked, this, whenIdle(&frmMain::cmbRxData1_Click));
    connect(m_settingsPage->writeSettingsButton(), &QPushButton::clicked, this, whenIdle(&frmMain::cmbTxData1_Click));
    connect(m_settingsPage->autoSelectButton(), &QPushButton::clicked, this, whenIdle(&frmMain::cmdAuto_Click));
    connect(m_memoryPage->readMemoryButton(), &QPushButton::clicked, this, whenIdle(&frmMain::cmbRxData_Click));
    connect(m_memoryPage->writeMemoryButton(), &QPushButton::clicked, this, whenIdle(&frmMain::cmbTxData_Click));

    // Insert and Delete are never available, so they have no handler.
    connect(m_memoryPage->clearButton(), &QPushButton::clicked, this, whenIdle(&frmMain::cmbClear_Click));
    connect(m_memoryPage->clearAllButton(), &QPushButton::clicked, this, whenIdle(&frmMain::cmbClAll_Click));
    connect(m_memoryPage->upButton(), &QPushButton::clicked, memoryGrid(), &MemoryGrid::moveUp);
    connect(m_memoryPage->downButton(), &QPushButton::clicked, memoryGrid(), &MemoryGrid::moveDown);
    connect(memoryGrid(), &MemoryGrid::editRequested, this, whenIdle(&frmMain::MSFlexGrid1_DblClick));
    connect(memoryGrid(), &MemoryGrid::clearRequested, this, whenIdle(&frmMain::cmbClear_Click));
    connect(vfoGrid(), &VfoGrid::editRequested, this, whenIdle(&frmMain::MSFlexGrid2_DblClick));
    connect(vfoGrid(), &QAbstractItemView::doubleClicked, this, whenIdle(&frmMain::MSFlexGrid2_DblClick));
    connect(vfoGrid()->verticalHeader(), &QHeaderView::sectionDoubleClicked, this,
            whenIdle(&frmMain::MSFlexGrid2_DblClick));
}

void frmMain::connectEngine()
{
    connect(m_engine, &TransferEngine::transferStarted, this, &frmMain::prepareTransfer);
    connect(m_engine, &TransferEngine::portOpened, this, &frmMain::showProgressBar);
    connect(m_engine, &TransferEngine::slotChanged, this, &frmMain::showChannelStep);
    connect(m_engine, &TransferEngine::transferFinished, this, &frmMain::finishTransfer);
}

std::function<void()> frmMain::whenIdle(void (frmMain::*slot)())
{
    return [this, slot] {
        if (!m_transferRunning)
            (this->*slot)();
    };
}

MemoryGrid *frmMain::memoryGrid() const
{
    return m_memoryPage->grid();
}

VfoGrid *frmMain::vfoGrid() const
{
    return m_settingsPage->vfoGrid();
}

int frmMain::selectedTab() const
{
    return m_tabStrip->currentIndex();
}

QMenu *frmMain::createPopupMenu()
{
    // The toolbar is shown and hidden from the View menu only.
    return nullptr;
}

// --- load and close ---------------------------------------------------------

void frmMain::Form_Load()
{
    LocalizeForm::apply(this, m_strings);
    m_placement->open(QSize(Twips::toPixelsX(WindowWidthTwips, this), Twips::toPixelsY(WindowHeightTwips, this)));
    m_frames->setCurrentWidget(m_settingsPage);

    m_port.setPortNumber(m_portFile.read());

    const CloneImage defaults = CloneImage::factory(m_state.image().ModelVariant, m_state.image().ExtendedRange);
    m_state.setSettings(defaults.SettingsLine1, defaults.SettingsLine2, defaults.SettingSelection);
    for (int r = 0; r < CloneImage::VfoCount; ++r)
        m_state.setVfo(r, defaults.Vfo[size_t(r)]);

    // The splash screen stays up at least this long.
    QEventLoop splashWait;
    connect(m_timer1, &QTimer::timeout, &splashWait, &QEventLoop::quit);
    m_timer1->start(m_splashMinimumMs);
    splashWait.exec();

    setWindowTitle(Vocabulary::appTitle());
    TabStrip1_Click();

    m_state.setBaseline(m_state.image());
    if (!m_state.CommandLineFile.isEmpty())
        loadCloneFile(m_state.CommandLineFile);
    m_state.DataChanged = false;
    m_state.startHistory();
    showHistory();
}

void frmMain::keepDesignedLayout()
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

void frmMain::releaseDesignedLayout()
{
    m_frames->setMinimumSize(0, 0);
    memoryGrid()->releaseRowHeight();
}

dlgModify *frmMain::editDialog()
{
    if (!m_editDialog) {
        m_editDialog = new dlgModify(m_state, m_prompter, this);
        connect(m_editDialog, &dlgModify::okPressed, this, [this] { m_state.DataChanged = true; });
    }
    return m_editDialog;
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (m_transferRunning || !confirmSaveChanges()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload()
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

void frmMain::writePlacement()
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

void frmMain::showPage(int tab)
{
    const bool memory = tab == MemoryTab;
    m_settingsPage->setEnabled(!memory);
    m_memoryPage->setEnabled(memory);
    for (QAction *entry : std::as_const(m_clipboardEntries))
        entry->setEnabled(memory);
    m_frames->setCurrentWidget(memory ? static_cast<QWidget *>(m_memoryPage) : m_settingsPage);
    m_shownTab = tab;
}

void frmMain::switchToPage(int tab)
{
    if (m_tabStrip->currentIndex() == tab)
        return;
    {
        const QSignalBlocker quiet(m_tabStrip);
        m_tabStrip->setCurrentIndex(tab);
    }
    showPage(tab);
}

void frmMain::TabStrip1_Click()
{
    if (m_transferRunning) {
        // No page change while a transfer runs: the tab goes back.
        const QSignalBlocker quiet(m_tabStrip);
        m_tabStrip->setCurrentIndex(m_shownTab);
        return;
    }
    showPage(m_tabStrip->currentIndex());
}

// --- files ------------------------------------------------------------------

bool frmMain::confirmSaveChanges()
{
    const auto ask = [this] {
        const Prompter::Answer answer = m_prompter.askYesNoCancel(
            this, QStringLiteral("Save changes to settings?"), QStringLiteral("Save Changes"),
            Prompter::Icon::Information);
        switch (answer) {
        case Prompter::Answer::Yes:
            return SavePrompt::Answer::Yes;
        case Prompter::Answer::No:
            return SavePrompt::Answer::No;
        default:
            break;
        }
        return SavePrompt::Answer::Cancel;
    };
    return SavePrompt::ConfirmSaveChanges(m_state, ask, [this] { return saveCloneFile(); });
}

void frmMain::becomeCurrent(const QString &path)
{
    m_state.CurrentFileName = path;
    m_state.DataChanged = false;
    m_statusBar->setText(QString());
    setWindowTitle(CloneFile::captionFor(path));
}

void frmMain::showFileError(const FileResult &result)
{
    m_statusBar->setText(SafeText::escaped(result.detail()));
    m_prompter.message(this, result.message(), ErrorCaption, Prompter::Icon::Critical);
}

bool frmMain::loadCloneFile(const QString &path)
{
    CloneImage image = m_state.image();
    const FileResult result = CloneFile::LoadCloneFile(path, image);
    if (!result.ok()) {
        showFileError(result);
        return false;
    }
    m_state.setImage(image);
    m_state.setBaseline(image);
    m_state.startHistory();
    becomeCurrent(path);
    return true;
}

bool frmMain::writeCloneFile(const QString &path)
{
    m_state.encodeSettingsLines();
    const FileResult result = CloneFile::WriteCloneFile(path, m_state.image());
    if (!result.ok()) {
        showFileError(result);
        return false;
    }
    m_state.markSaved();
    becomeCurrent(path);
    return true;
}

bool frmMain::saveCloneFile()
{
    if (!m_state.CurrentFileName.isEmpty())
        return writeCloneFile(m_state.CurrentFileName);
    return saveCloneFileAs();
}

bool frmMain::saveCloneFileAs()
{
    const QString path = m_prompter.saveFileName(this, cloneFileFilter(), m_commonDialogFileName);
    if (path.isEmpty())
        return false;
    m_commonDialogFileName = path;
    return writeCloneFile(path);
}

void frmMain::mnuFileNew_Click()
{
    if (!confirmSaveChanges())
        return;
    m_state.setImage(CloneImage::factory(m_state.image().ModelVariant, m_state.image().ExtendedRange));
    m_state.setBaseline(m_state.image());
    m_state.startHistory();
    m_state.CurrentFileName.clear();
    m_state.DataChanged = false;
    setWindowTitle(Vocabulary::appTitle());
}

void frmMain::mnuFileOpen_Click()
{
    if (!confirmSaveChanges())
        return;
    const QString path = m_prompter.openFileName(this, cloneFileFilter(), m_commonDialogFileName);
    if (path.isEmpty())
        return;
    m_commonDialogFileName = path;
    loadCloneFile(path);
}

void frmMain::mnuFileOpenBackup_Click()
{
    if (!confirmSaveChanges())
        return;
    QDir().mkpath(m_backups.folder());
    const QString path = m_prompter.openFileName(this, cloneFileFilter(), m_backups.folder() + QLatin1Char('/'));
    if (path.isEmpty())
        return;
    loadCloneFile(path);
}

void frmMain::mnuFileSave_Click()
{
    saveCloneFile();
}

void frmMain::mnuFileSaveAs_Click()
{
    saveCloneFileAs();
}

void frmMain::mnuFileExit_Click()
{
    close();
}

void frmMain::mnuExport_Click()
{
    const QString path = m_prompter.saveFileName(this, csvFileFilter(), m_commonDialogFileName);
    if (path.isEmpty())
        return;
    m_commonDialogFileName = path;
    const FileResult result = CsvExchange::CsvExport(m_state.image(), path);
    if (!result.ok()) {
        showFileError(result);
        return;
    }
    // The next Save asks for a clone file name; the caption shows the CSV.
    m_state.CurrentFileName.clear();
    m_statusBar->setText(QString());
    setWindowTitle(CloneFile::captionFor(path));
}

void frmMain::mnuExportPdf_Click()
{
    dlgExportPdf options(this);
    if (options.exec() != QDialog::Accepted)
        return;
    options.remember();
    const QString path = m_prompter.saveFileName(this, pdfFileFilter(), QString());
    if (path.isEmpty())
        return;
    ReportOptions report = options.options();
    report.fileName = m_state.CurrentFileName;
    const FileResult result = ReportPdf::write(path, m_state.image(), report);
    if (!result.ok()) {
        showFileError(result);
        return;
    }
    m_statusBar->setText(QStringLiteral("Wrote %1").arg(QFileInfo(path).fileName()));
    if (options.openAfterSaving())
        m_openDocument(path);
}

void frmMain::mnuImport_Click()
{
    const QString path = m_prompter.openFileName(this, csvFileFilter(), m_commonDialogFileName);
    if (path.isEmpty())
        return;
    m_commonDialogFileName = path;
    const CsvExchange::ImportResult result = CsvExchange::CsvImport(path, m_state.image());
    if (!result.file.ok()) {
        showFileError(result.file);
        return;
    }
    if (result.stored()) {
        const Module1::Step step(m_state, QStringLiteral("Import ") + QFileInfo(path).fileName());
        m_state.setImage(result.image);
        m_state.DataChanged = true;
    }
    m_state.CurrentFileName.clear();
    setWindowTitle(Vocabulary::appTitle());
    memoryGrid()->selectDataRow(0);
    m_statusBar->setText(QStringLiteral("Imported %1 and %2; %3 dropped")
                             .arg(counted(result.channels, "channel", "channels"),
                                  counted(result.vfos, "VFO record", "VFO records"),
                                  counted(result.dropped, "record", "records")));
}

// --- editing ----------------------------------------------------------------

void frmMain::MSFlexGrid1_DblClick()
{
    const int row = memoryGrid()->currentDataRow();
    if (!editDialog()->openForChannel(row))
        return;
    const Module1::Step step(m_state, QStringLiteral("Edit channel ") + slotName(row));
    m_state.setChannel(row, editDialog()->editedChannel());
}

void frmMain::MSFlexGrid2_DblClick()
{
    const int row = vfoGrid()->currentDataRow();
    if (!editDialog()->openForVfo(row))
        return;
    const Module1::Step step(m_state, QStringLiteral("Edit ") + ChannelLabel::vfoLabel(row));
    m_state.setVfo(row, editDialog()->editedVfo());
}

void frmMain::mnuUndo_Click()
{
    m_state.undo();
}

void frmMain::mnuRedo_Click()
{
    m_state.redo();
}

void frmMain::showHistory()
{
    // "&" in a step's text (a file name) is no access key.
    const auto entry = [this](QAction *action, int captionId, bool can, QString step) {
        action->setEnabled(can);
        const QString caption = m_strings.text(captionId);
        action->setText(can ? caption + QStringLiteral(": ") + step.replace(QLatin1Char('&'), QStringLiteral("&&")) : caption);
    };
    const QUndoStack &history = m_state.history();
    entry(m_undo, UndoCaptionId, history.canUndo(), history.undoText());
    entry(m_redo, RedoCaptionId, history.canRedo(), history.redoText());
}

void frmMain::mnuCopy_Click()
{
    const QList<int> rows = memoryGrid()->selectedDataRows();
    QGuiApplication::clipboard()->setText(ChannelClipboard::copyText(m_state.image(), rows));
    m_statusBar->setText(QStringLiteral("Copied ") + channelsNamed(rows));
}

void frmMain::mnuCut_Click()
{
    mnuCopy_Click();
    const QList<int> rows = memoryGrid()->selectedDataRows();
    clearChannels(rows, QStringLiteral("Cut "));
    m_statusBar->setText(QStringLiteral("Cut ") + channelsNamed(rows));
}

void frmMain::mnuPaste_Click()
{
    const ChannelClipboard::Paste paste = ChannelClipboard::read(QGuiApplication::clipboard()->text());
    if (paste.rows.isEmpty()) {
        m_statusBar->setText(QStringLiteral("Nothing to paste: the clipboard holds no channel rows"));
        return;
    }
    const int first = memoryGrid()->currentDataRow();
    const int fitting = qMin(int(paste.rows.size()), Module1::ChannelCount - first);
    int stored = 0;
    {
        const Module1::Step step(m_state, QStringLiteral("Paste %1 at %2")
                                              .arg(counted(fitting, "channel", "channels"), slotName(first)));
        for (int i = 0; i < fitting; ++i) {
            if (paste.rows.at(i)) {
                m_state.setChannel(first + i, *paste.rows.at(i));
                ++stored;
            }
        }
    }
    if (stored > 0)
        m_state.DataChanged = true;
    memoryGrid()->selectDataRows(first, first + fitting - 1);

    QStringList problems = paste.problems;
    const int leftOver = int(paste.rows.size()) - fitting + paste.linesLeftOver;
    if (leftOver > 0)
        problems.append(QStringLiteral("%1 did not fit below %2").arg(counted(leftOver, "row", "rows"),
                                                                      slotName(Module1::ChannelCount - 1)));
    m_statusBar->setText(QStringLiteral("Pasted %1 at %2").arg(counted(stored, "channel", "channels"), slotName(first)));
    if (problems.isEmpty())
        return;
    constexpr int ShownProblems = 12;
    QStringList shown = problems.mid(0, ShownProblems);
    if (problems.size() > ShownProblems)
        shown.append(QStringLiteral("... and %1 more").arg(problems.size() - ShownProblems));
    m_prompter.message(this,
                       QStringLiteral("%1 of %2 pasted; these rows were left as they were:\r\n\r\n")
                               .arg(stored)
                               .arg(counted(int(paste.rows.size()) + paste.linesLeftOver, "row", "rows"))
                           + shown.join(QStringLiteral("\r\n")),
                       QStringLiteral("Paste"), Prompter::Icon::Exclamation);
}

QString frmMain::channelsNamed(const QList<int> &rows)
{
    return rows.size() == 1 ? QStringLiteral("channel ") + slotName(rows.constFirst())
                            : counted(int(rows.size()), "channel", "channels");
}

void frmMain::clearChannels(const QList<int> &rows, const QString &verb)
{
    const Module1::Step step(m_state, verb + channelsNamed(rows));
    m_state.DataChanged = true;
    for (const int row : rows)
        m_state.clearChannel(row);
}

void frmMain::mnuEditUndo_Click()
{
    // Modify: what a double-click on the grid of the selected tab does.
    if (selectedTab() == SettingsTab)
        MSFlexGrid2_DblClick();
    else
        MSFlexGrid1_DblClick();
}

bool frmMain::confirmClear(const QString &question)
{
    const Prompter::Answer answer =
        m_prompter.askOkCancel(this, ClearWarning + QStringLiteral("\r\n") + question, ClearCaption,
                               Prompter::Icon::Exclamation, Prompter::Answer::Cancel);
    return answer == Prompter::Answer::Ok;
}

void frmMain::cmbClear_Click()
{
    if (!confirmClear(ClearOneQuestion))
        return;
    clearChannels(memoryGrid()->selectedDataRows(), QStringLiteral("Clear "));
}

void frmMain::cmbClAll_Click()
{
    if (!confirmClear(ClearAllQuestion))
        return;
    const Module1::Step step(m_state, QStringLiteral("Clear All"));
    m_state.DataChanged = true;
    m_state.clearAllChannels();
}

// --- view, tools, help ------------------------------------------------------

void frmMain::mnuViewToolbar_Click()
{
    m_toolBar->setVisible(m_viewToolbar->isChecked());
}

void frmMain::mnuStatusBar_Click()
{
    m_statusBar->setVisible(m_viewStatusBar->isChecked());
}

void frmMain::mnuToolsOptions_Click()
{
    if (!m_portDialog)
        m_portDialog = new dlgCOM(m_port, this);
    m_portDialog->selectPort(m_port.portNumber());
    m_portDialog->exec();
}

void frmMain::mnuHelpAbout_Click()
{
    if (!m_about)
        m_about = new frmAbout(this);
    m_about->exec();
}

// --- transfers ----------------------------------------------------------------

void frmMain::cmbRxData_Click()
{
    runTransfer(Kind::ReadMemory);
}

void frmMain::cmbTxData_Click()
{
    runTransfer(Kind::WriteMemory);
}

void frmMain::cmbRxData1_Click()
{
    runTransfer(Kind::ReadSettings);
}

void frmMain::cmbTxData1_Click()
{
    runTransfer(Kind::WriteSettings);
}

void frmMain::cmdAuto_Click()
{
    runTransfer(Kind::AutoSelect);
}

void frmMain::mnuReSet_Click()
{
    switchToPage(SettingsTab);
    runTransfer(Kind::ReadSettings);
}

void frmMain::mnuReMem_Click()
{
    switchToPage(MemoryTab);
    runTransfer(Kind::ReadMemory);
}

void frmMain::mnuWrSet_Click()
{
    switchToPage(SettingsTab);
    runTransfer(Kind::WriteSettings);
}

void frmMain::mnuWrMem_Click()
{
    switchToPage(MemoryTab);
    runTransfer(Kind::WriteMemory);
}

void frmMain::mnuReAll_Click()
{
    const Module1::Step step(m_state, QStringLiteral("Read ALL from the radio"));
    TransferOk = false;
    m_pagesFollowTransfer = true;
    m_runningAll = true;
    m_transferClock.start();
    const TransferResult result = m_engine->readAll();
    m_runningAll = false;
    m_pagesFollowTransfer = false;
    if (result.ok())
        keepBackup(m_state.image(), BackupStore::Kind::All);
}

void frmMain::mnuWrChanges_Click()
{
    TransferOk = false;
    m_pagesFollowTransfer = true;
    m_writingChanges = true;
    bool writing = false;
    const TransferResult result =
        m_engine->writeChanges([this, &writing](const CloneImage &radio, const QList<int> &changed) {
            writing = confirmChanges(radio, changed);
            return writing;
        });
    m_writingChanges = false;
    m_pagesFollowTransfer = false;
    if (!result.ok() || !writing)
        return;
    m_state.setBaseline(m_state.image());
    m_statusBar->setText(QStringLiteral("Wrote ") + result.detail());
}

bool frmMain::confirmChanges(const CloneImage &radio, const QList<int> &changed)
{
    keepBackup(radio, BackupStore::Kind::BeforeWrite);
    const QString caption = QStringLiteral("Write Changes");
    if (changed.isEmpty()) {
        m_state.setBaseline(m_state.image());
        m_prompter.message(this, QStringLiteral("The radio already holds these settings and channels; nothing was written."),
                           caption, Prompter::Icon::Information);
        return false;
    }
    QStringList lines;
    for (const QString &line : ImageReport::diff(radio, m_state.image()))
        lines.append(SafeText::escaped(line));
    const QString text = QStringLiteral("%1 of the radio's records will change:\r\n\r\n").arg(changed.size())
        + lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\nWrite them to the radio?");
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool go = m_prompter.askOkCancel(this, text, caption, Prompter::Icon::Exclamation, Prompter::Answer::Cancel)
        == Prompter::Answer::Ok;
    QApplication::restoreOverrideCursor();
    return go;
}

void frmMain::keepBackup(const CloneImage &image, BackupStore::Kind kind)
{
    const FileResult result = m_backups.save(image, kind, QDateTime::currentDateTime());
    if (result.ok())
        return;
    m_statusBar->setText(result.detail());
    m_prompter.message(this, QStringLiteral("The backup of the radio could not be written.\r\n") + result.detail(),
                       QStringLiteral("Backup"), Prompter::Icon::Exclamation);
}

void frmMain::mnuWrAll_Click()
{
    TransferOk = false;
    m_pagesFollowTransfer = true;
    m_runningAll = true;
    m_transferClock.start();
    m_engine->writeAll();
    m_runningAll = false;
    m_pagesFollowTransfer = false;
}

void frmMain::runTransfer(Kind kind)
{
    m_transferClock.start();
    switch (kind) {
    case Kind::ReadMemory:
        m_engine->readMemory();
        break;
    case Kind::WriteMemory:
        m_engine->writeMemory();
        break;
    case Kind::ReadSettings:
        m_engine->readSettings();
        break;
    case Kind::WriteSettings:
        m_engine->writeSettings();
        break;
    case Kind::AutoSelect:
        m_engine->autoSelect();
        break;
    }
}

void frmMain::prepareTransfer(Kind kind)
{
    if (m_pagesFollowTransfer)
        switchToPage(isMemoryTransfer(kind) ? MemoryTab : SettingsTab);

    QList<QWidget *> own;
    switch (kind) {
    case Kind::ReadMemory:
    case Kind::WriteMemory:
        own = {m_memoryPage->readMemoryButton(), m_memoryPage->writeMemoryButton()};
        break;
    case Kind::ReadSettings:
    case Kind::WriteSettings:
        own = {m_settingsPage->readSettingsButton(), m_settingsPage->writeSettingsButton()};
        break;
    case Kind::AutoSelect:
        own = {m_settingsPage->autoSelectButton()};
        break;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (QWidget *button : own)
        button->setEnabled(false);
    showTransferStep(kind);
    m_transferStep = !stepOf(kind).isEmpty();
    if (m_transferStep)
        m_state.beginStep(stepOf(kind));
}

void frmMain::showProgressBar(Kind kind)
{
    // Once the port is open: a port that cannot be opened shows none.
    if (isMemoryTransfer(kind)) {
        m_memoryPage->progressBar()->setValue(0);
        m_memoryPage->progressBar()->show();
    }
}

void frmMain::finishTransfer(Kind kind, const TransferResult &result)
{
    // What the transfer changed is one step, also when it failed part-way.
    if (m_transferStep) {
        m_transferStep = false;
        m_state.endStep();
    }
    // A failure's message comes first; pointer, buttons and progress bar
    // are reset once it has been closed.
    if (result.ok()) {
        if (m_writingChanges)
            m_statusBar->setText(QString());
        else
            m_statusBar->setPassingText(doneText(kind));
        if (kind != Kind::AutoSelect)
            TransferOk = true;
    } else {
        m_statusBar->setText(SafeText::escaped(result.detail()));
        QString text = result.message();
        const qsizetype written = result.detail().indexOf(QLatin1String("written: "));
        if (m_writingChanges && written >= 0)
            text += QStringLiteral("\r\n\r\nWritten to the radio before the failure: ") + result.detail().mid(written + 9);
        m_prompter.message(this, text, ErrorCaption, Prompter::Icon::Critical);
        if (kind == Kind::ReadSettings && result.outcome() == TransferResult::Outcome::Unexpected) {
            vfoGrid()->setCurrentIndex(vfoGrid()->model()->index(0, 0));
            vfoGrid()->selectRow(0);
        }
    }
    QApplication::restoreOverrideCursor();
    resetTransferControls();
    if (!result.ok() || m_writingChanges)
        return;
    // What the radio holds now: the changes marked in the grid are measured from it.
    if (kind != Kind::AutoSelect)
        m_state.setBaseline(m_state.image());
    if (!m_runningAll) {
        if (kind == Kind::ReadSettings)
            keepBackup(m_state.image(), BackupStore::Kind::Settings);
        else if (kind == Kind::ReadMemory)
            keepBackup(m_state.image(), BackupStore::Kind::Memory);
    }
}

QString frmMain::doneText(Kind kind) const
{
    const QString seconds = QString::number(double(m_transferClock.elapsed()) / 1000.0, 'f', 1);
    const QString settings = m_runningAll ? QStringLiteral("settings and ") : QString();
    switch (kind) {
    case Kind::ReadMemory:
        return QStringLiteral("Read %1%2 channels in %3 s").arg(settings).arg(Module1::ChannelCount).arg(seconds);
    case Kind::WriteMemory:
        return QStringLiteral("Wrote %1%2 channels in %3 s").arg(settings).arg(Module1::ChannelCount).arg(seconds);
    case Kind::ReadSettings:
        return QStringLiteral("Read settings");
    case Kind::WriteSettings:
        return QStringLiteral("Wrote settings");
    case Kind::AutoSelect:
        break;
    }
    return QStringLiteral("Radio model: ") + ImageReport::model(m_state.image());
}

void frmMain::resetTransferControls()
{
    for (QPushButton *button :
         {m_settingsPage->readSettingsButton(), m_settingsPage->writeSettingsButton(),
          m_memoryPage->readMemoryButton(), m_memoryPage->writeMemoryButton(),
          m_settingsPage->autoSelectButton()}) {
        button->setEnabled(true);
    }
    m_memoryPage->progressBar()->hide();
    m_memoryPage->progressBar()->setValue(0);
}

void frmMain::showTransferStep(Kind kind)
{
    m_runningKind = kind;
    switch (kind) {
    case Kind::ReadSettings:
        m_statusBar->setText(QStringLiteral("Reading settings and VFOs"));
        break;
    case Kind::WriteSettings:
        m_statusBar->setText(QStringLiteral("Writing settings and VFOs"));
        break;
    case Kind::AutoSelect:
        m_statusBar->setText(QStringLiteral("Asking the radio for its model"));
        break;
    case Kind::ReadMemory:
    case Kind::WriteMemory:
        break;
    }
}

void frmMain::showChannelStep(int slot)
{
    m_memoryPage->progressBar()->setValue(slot);
    const QString step = m_runningKind == Kind::WriteMemory ? QStringLiteral("Writing channel %1 of %2")
                                                             : QStringLiteral("Reading channel %1 of %2");
    m_statusBar->setText(step.arg(slot + 1).arg(Module1::ChannelCount));
}
