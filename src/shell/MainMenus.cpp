#include "shell/MainMenus.h"

#include "app/CloneDocument.h"
#include "shell/Icons.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QUndoStack>

#include <vector>

namespace {

using Slot = void (MainWindow::*)();

// The standard keys of an entry, or `fallback` where the platform has none.
QList<QKeySequence> keysFor(QKeySequence::StandardKey key, const QKeySequence &fallback = QKeySequence())
{
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    return keys.isEmpty() && !fallback.isEmpty() ? QList<QKeySequence>{fallback} : keys;
}

// Redo: the platform's keys and Ctrl+Y, which most programs take too.
QList<QKeySequence> redoKeys()
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence y(Qt::CTRL | Qt::Key_Y);
    if (!keys.contains(y))
        keys.append(y);
    return keys;
}

QMenu *addMenu(MainWindow &window, QMenu *parent, const char *name, int captionId)
{
    QMenu *menu = parent ? parent->addMenu(QString::number(captionId))
                         : window.menuBar()->addMenu(QString::number(captionId));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

void MainMenus::build(MainWindow &window)
{
    buildMenus(window);
    buildToolBar(window);
}

// One row of a menu's table: an entry, a separator (no name of a slot
// and id 0) or a submenu (`submenu` set).
struct MainMenus::Entry
{
    const char *name;
    int captionId = 0;
    Slot slot = nullptr;
    QList<QKeySequence> keys = {};
    // Runs also while a transfer runs (Exit, About).
    bool always = false;
    bool disabled = false;
    // Said in the status bar while the entry is highlighted.
    const char *statusTip = nullptr;
};

// The menus of the menu bar, in order.
struct MainMenus::Menu
{
    const char *name;
    int captionId;
    const char *parent; // nullptr: on the menu bar
    std::vector<Entry> entries;
};

namespace {

const char *const PrintingTip = QT_TRANSLATE_NOOP("MainMenus", "To print the channel list: File > Export PDF, then print the PDF.");

} // namespace

const std::vector<MainMenus::Menu> &MainMenus::table()
{
    static const std::vector<Menu> menus = {
        {"mnuFile", 1000, nullptr,
         {{"mnuFileNew", 1001, &MainWindow::newFile, {QKeySequence(Qt::CTRL | Qt::Key_N)}},
          {"mnuFileOpen", 1002, &MainWindow::openFile, keysFor(QKeySequence::Open, Qt::CTRL | Qt::Key_O)},
          {"mnuFileOpenBackup", 1209, &MainWindow::openBackup},
          {"mnuFileSave", 1003, &MainWindow::saveFile, keysFor(QKeySequence::Save, Qt::CTRL | Qt::Key_S)},
          {"mnuFileSaveAs", 1004, &MainWindow::saveFileAs,
           keysFor(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
          {"mnuFileBar0"},
          {"mnuImport", 1201, &MainWindow::importCsv},
          {"mnuExport", 1202, &MainWindow::exportCsv},
          {"mnuExportPdf", 1208, &MainWindow::exportPdf},
          {"mnuImportList", 1222, &MainWindow::importList},
          {"mnuExportList", 1223, &MainWindow::exportList},
          {"mnuFileBar1"},
          // Printing is not offered: both entries are shown greyed, and
          // say where printing is.
          {"mnuFilePageSetup", 1005, nullptr, {}, false, true, PrintingTip},
          {"mnuFilePrint", 1006, nullptr, {}, false, true, PrintingTip},
          {"mnuFileBar2"},
          {"mnuFileExit", 1007, &MainWindow::quit, keysFor(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q), true}}},
        {"mnuEdit", 1008, nullptr,
         {{"mnuEditUndo", 1009, &MainWindow::editCurrentRow},
          {"mnuEditBar0"},
          {"mnuUndo", MainWindow::UndoCaptionId, &MainWindow::undo, keysFor(QKeySequence::Undo)},
          {"mnuRedo", MainWindow::RedoCaptionId, &MainWindow::redo, redoKeys()},
          {"mnuEditBar1"},
          {"mnuCut", 1213, &MainWindow::cut, keysFor(QKeySequence::Cut)},
          {"mnuCopy", 1214, &MainWindow::copy, keysFor(QKeySequence::Copy)},
          {"mnuPaste", 1215, &MainWindow::paste, keysFor(QKeySequence::Paste)},
          {"mnuEditBar2"},
          {"mnuMoveUp", 1216, &MainWindow::moveUp, {QKeySequence(Qt::ALT | Qt::Key_Up)}},
          {"mnuMoveDown", 1217, &MainWindow::moveDown, {QKeySequence(Qt::ALT | Qt::Key_Down)}},
          {"mnuFind", 1221, &MainWindow::showFindBar, keysFor(QKeySequence::Find, Qt::CTRL | Qt::Key_F)},
          {"mnuGoTo", 1218, &MainWindow::goTo, {QKeySequence(Qt::CTRL | Qt::Key_G)}},
          {"mnuSort", 1219, &MainWindow::sort},
          {"mnuSetForSelected", 1220, &MainWindow::setForSelected}}},
        {"mnuView", 1010, nullptr,
         {{"mnuViewToolbar", 1011, &MainWindow::toggleToolBar, {}, true},
          {"mnuStatusBar", 1100, &MainWindow::toggleStatusBar, {}, true}}},
        {"mnuTools", 1012, nullptr, {}},
        {"mnuRe", 1203, "mnuTools",
         {{"mnuReSet", 1205, &MainWindow::readSettings},
          {"mnuReMem", 1206, &MainWindow::readMemory},
          {"mnuReAll", 1207, &MainWindow::readAll}}},
        {"mnuWr", 1204, "mnuTools",
         {{"mnuWrSet", 1205, &MainWindow::writeSettings},
          {"mnuWrMem", 1206, &MainWindow::writeMemory},
          {"mnuWrAll", 1207, &MainWindow::writeAll},
          {"mnuWrChanges", 1210, &MainWindow::writeChanges}}},
        {"mnuToolsItems", 0, "mnuTools",
         {{"mnuWriteSeveral", 1225, &MainWindow::writeToSeveralRadios},
          {"mnuToolsOptions", 1013, &MainWindow::choosePort}}},
        {"mnuHelp", 1014, nullptr,
         {{"mnuHelpGuide", 1224, &MainWindow::showGuide, keysFor(QKeySequence::HelpContents, Qt::Key_F1), true},
          {"mnuHelpAbout", 1016, &MainWindow::showAbout, {}, true}}},
    };
    return menus;
}

void MainMenus::buildMenus(MainWindow &window)
{
    const std::vector<Menu> &menus = table();

    QHash<QString, QMenu *> made;
    for (const Menu &m : menus) {
        // Entries without a menu of their own go straight into the parent.
        QMenu *menu = m.captionId == 0 ? made.value(QLatin1String(m.parent))
                                       : addMenu(window, made.value(QLatin1String(m.parent)), m.name, m.captionId);
        made.insert(QLatin1String(m.name), menu);
        for (const Entry &e : m.entries) {
            if (e.captionId == 0) {
                menu->addSeparator()->setObjectName(QLatin1String(e.name));
                continue;
            }
            auto *action = new QAction(QString::number(e.captionId), &window);
            action->setObjectName(QLatin1String(e.name));
            action->setShortcuts(e.keys);
            action->setEnabled(!e.disabled);
            if (e.statusTip) {
                const QString tip = QCoreApplication::translate("MainMenus", e.statusTip);
                action->setStatusTip(tip);
                action->setToolTip(tip);
            }
            menu->addAction(action);
            if (e.slot) {
                if (e.always)
                    QObject::connect(action, &QAction::triggered, &window, e.slot);
                else
                    QObject::connect(action, &QAction::triggered, &window, window.whenIdle(e.slot));
            }
        }
    }

    const auto action = [&window](const char *name) { return window.findChild<QAction *>(QLatin1String(name)); };
    window.m_undo = action("mnuUndo");
    window.m_redo = action("mnuRedo");
    // Move Up, Move Down and Set for Selected serve the VFO grid too.
    window.m_memoryPageEntries = {action("mnuCut"),  action("mnuCopy"), action("mnuPaste"),
                                  action("mnuGoTo"), action("mnuFind"), action("mnuSort")};
    window.m_viewToolbar = action("mnuViewToolbar");
    window.m_viewStatusBar = action("mnuStatusBar");
    for (QAction *toggle : {window.m_viewToolbar, window.m_viewStatusBar}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    QObject::connect(&window.m_state.history(), &QUndoStack::indexChanged, &window, &MainWindow::showHistory);
    QObject::connect(&window.m_state.history(), &QUndoStack::cleanChanged, &window, &MainWindow::showHistory);
}

void MainMenus::buildToolBar(MainWindow &window)
{
    auto *toolBar = new QToolBar(&window);
    toolBar->setObjectName(QStringLiteral("tbToolBar"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    window.addToolBar(Qt::TopToolBarArea, toolBar);
    window.m_toolBar = toolBar;

    struct Button
    {
        const char *name;
        const char *theme;
        const char *image;
        int toolTipId;
        bool separatorBefore;
        Slot slot;
    };
    const Button buttons[] = {
        {"tbNew", "document-new", "new", 1017, false, &MainWindow::newFile},
        {"tbOpen", "document-open", "open", 1018, false, &MainWindow::openFile},
        {"tbSave", "document-save", "save", 1019, false, &MainWindow::saveFile},
        {"tbHelp", "help-about", "help", 1021, true, &MainWindow::showAbout},
    };
    for (const Button &b : buttons) {
        if (b.separatorBefore)
            toolBar->addSeparator();
        // The caption, which readers say, is the tooltip's text: the string
        // table gives both.
        QAction *action = toolBar->addAction(Icons::themed(QLatin1String(b.theme), QLatin1String(b.image)),
                                             QString::number(b.toolTipId));
        action->setObjectName(QLatin1String(b.name));
        action->setToolTip(QString::number(b.toolTipId));
        QObject::connect(action, &QAction::triggered, &window, window.whenIdle(b.slot));
    }
}
