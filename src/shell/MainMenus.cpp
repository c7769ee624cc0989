#include "shell/MainMenus.h"

#include "app/Module1.h"
#include "shell/Icons.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QUndoStack>

#include <vector>

namespace {

using Slot = void (frmMain::*)();

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

// One row of a menu's table: an entry, a separator (no name of a slot
// and id 0) or a submenu (`submenu` set).
struct Entry
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

const char *const PrintingTip = "To print the channel list: File > Export PDF, then print the PDF.";

// The menus of the menu bar, in order.
struct Menu
{
    const char *name;
    int captionId;
    const char *parent; // nullptr: on the menu bar
    std::vector<Entry> entries;
};

QMenu *addMenu(frmMain &window, QMenu *parent, const char *name, int captionId)
{
    QMenu *menu = parent ? parent->addMenu(QString::number(captionId))
                         : window.menuBar()->addMenu(QString::number(captionId));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

void MainMenus::build(frmMain &window)
{
    buildMenus(window);
    buildToolBar(window);
}

void MainMenus::buildMenus(frmMain &window)
{
    const Menu menus[] = {
        {"mnuFile", 1000, nullptr,
         {{"mnuFileNew", 1001, &frmMain::mnuFileNew_Click, {QKeySequence(Qt::CTRL | Qt::Key_N)}},
          {"mnuFileOpen", 1002, &frmMain::mnuFileOpen_Click, keysFor(QKeySequence::Open, Qt::CTRL | Qt::Key_O)},
          {"mnuFileOpenBackup", 1209, &frmMain::mnuFileOpenBackup_Click},
          {"mnuFileSave", 1003, &frmMain::mnuFileSave_Click, keysFor(QKeySequence::Save, Qt::CTRL | Qt::Key_S)},
          {"mnuFileSaveAs", 1004, &frmMain::mnuFileSaveAs_Click,
           keysFor(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
          {"mnuFileBar0"},
          {"mnuImport", 1201, &frmMain::mnuImport_Click},
          {"mnuExport", 1202, &frmMain::mnuExport_Click},
          {"mnuExportPdf", 1208, &frmMain::mnuExportPdf_Click},
          {"mnuImportList", 1222, &frmMain::mnuImportList_Click},
          {"mnuExportList", 1223, &frmMain::mnuExportList_Click},
          {"mnuFileBar1"},
          // Printing is not offered: both entries are shown greyed, and
          // say where printing is.
          {"mnuFilePageSetup", 1005, nullptr, {}, false, true, PrintingTip},
          {"mnuFilePrint", 1006, nullptr, {}, false, true, PrintingTip},
          {"mnuFileBar2"},
          {"mnuFileExit", 1007, &frmMain::mnuFileExit_Click, keysFor(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q), true}}},
        {"mnuEdit", 1008, nullptr,
         {{"mnuEditUndo", 1009, &frmMain::mnuEditUndo_Click},
          {"mnuEditBar0"},
          {"mnuUndo", frmMain::UndoCaptionId, &frmMain::mnuUndo_Click, keysFor(QKeySequence::Undo)},
          {"mnuRedo", frmMain::RedoCaptionId, &frmMain::mnuRedo_Click, redoKeys()},
          {"mnuEditBar1"},
          {"mnuCut", 1213, &frmMain::mnuCut_Click, keysFor(QKeySequence::Cut)},
          {"mnuCopy", 1214, &frmMain::mnuCopy_Click, keysFor(QKeySequence::Copy)},
          {"mnuPaste", 1215, &frmMain::mnuPaste_Click, keysFor(QKeySequence::Paste)},
          {"mnuEditBar2"},
          {"mnuMoveUp", 1216, &frmMain::mnuMoveUp_Click, {QKeySequence(Qt::ALT | Qt::Key_Up)}},
          {"mnuMoveDown", 1217, &frmMain::mnuMoveDown_Click, {QKeySequence(Qt::ALT | Qt::Key_Down)}},
          {"mnuFind", 1221, &frmMain::mnuFind_Click, keysFor(QKeySequence::Find, Qt::CTRL | Qt::Key_F)},
          {"mnuGoTo", 1218, &frmMain::mnuGoTo_Click, {QKeySequence(Qt::CTRL | Qt::Key_G)}},
          {"mnuSort", 1219, &frmMain::mnuSort_Click},
          {"mnuSetForSelected", 1220, &frmMain::mnuSetForSelected_Click}}},
        {"mnuView", 1010, nullptr,
         {{"mnuViewToolbar", 1011, &frmMain::mnuViewToolbar_Click, {}, true},
          {"mnuStatusBar", 1100, &frmMain::mnuStatusBar_Click, {}, true}}},
        {"mnuTools", 1012, nullptr, {}},
        {"mnuRe", 1203, "mnuTools",
         {{"mnuReSet", 1205, &frmMain::mnuReSet_Click},
          {"mnuReMem", 1206, &frmMain::mnuReMem_Click},
          {"mnuReAll", 1207, &frmMain::mnuReAll_Click}}},
        {"mnuWr", 1204, "mnuTools",
         {{"mnuWrSet", 1205, &frmMain::mnuWrSet_Click},
          {"mnuWrMem", 1206, &frmMain::mnuWrMem_Click},
          {"mnuWrAll", 1207, &frmMain::mnuWrAll_Click},
          {"mnuWrChanges", 1210, &frmMain::mnuWrChanges_Click}}},
        {"mnuToolsItems", 0, "mnuTools", {{"mnuToolsOptions", 1013, &frmMain::mnuToolsOptions_Click}}},
        {"mnuHelp", 1014, nullptr,
         {{"mnuHelpGuide", 1224, &frmMain::mnuHelpGuide_Click, keysFor(QKeySequence::HelpContents, Qt::Key_F1), true},
          {"mnuHelpAbout", 1016, &frmMain::mnuHelpAbout_Click, {}, true}}},
    };

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
                action->setStatusTip(QLatin1String(e.statusTip));
                action->setToolTip(QLatin1String(e.statusTip));
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
    QObject::connect(&window.m_state.history(), &QUndoStack::indexChanged, &window, &frmMain::showHistory);
    QObject::connect(&window.m_state.history(), &QUndoStack::cleanChanged, &window, &frmMain::showHistory);
}

void MainMenus::buildToolBar(frmMain &window)
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
        const char *caption;
        const char *theme;
        const char *image;
        int toolTipId;
        bool separatorBefore;
        Slot slot;
    };
    const Button buttons[] = {
        {"tbNew", "New", "document-new", "new", 1017, false, &frmMain::mnuFileNew_Click},
        {"tbOpen", "Open", "document-open", "open", 1018, false, &frmMain::mnuFileOpen_Click},
        {"tbSave", "Save", "document-save", "save", 1019, false, &frmMain::mnuFileSave_Click},
        {"tbHelp", "Help", "help-about", "help", 1021, true, &frmMain::mnuHelpAbout_Click},
    };
    for (const Button &b : buttons) {
        if (b.separatorBefore)
            toolBar->addSeparator();
        QAction *action = toolBar->addAction(Icons::themed(QLatin1String(b.theme), QLatin1String(b.image)),
                                             QLatin1String(b.caption));
        action->setObjectName(QLatin1String(b.name));
        action->setToolTip(QString::number(b.toolTipId));
        QObject::connect(action, &QAction::triggered, &window, window.whenIdle(b.slot));
    }
}
