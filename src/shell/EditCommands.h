#pragma once

#include "app/DocumentEdits.h"

#include <QList>
#include "codec/Vocabulary.h"

#include <QObject>

#include <optional>
#include <QString>

class MainStatusBar;
class MemoryGrid;
class CloneDocument;
class Prompter;
class QAction;
class QWidget;
class StringTable;
class VfoGrid;
class ChannelDialog;

// The main window's edit commands: the edit dialog for a channel or a
// VFO, Clear and Clear All, Cut, Copy and Paste of channel rows, Undo and
// Redo, each change one step of the document's history.
class EditCommands : public QObject
{
    Q_OBJECT
public:
    EditCommands(CloneDocument &document, Prompter &prompter, QWidget *window, MainStatusBar *statusBar,
                 MemoryGrid *memoryGrid, VfoGrid *vfoGrid, QObject *parent = nullptr);

    // The one edit dialog, for both grids (loaded at start-up).
    ChannelDialog *editDialog();

    void editChannel();
    void editVfo();
    void clear();
    void clearAll();
    void cut();
    void copy();
    void paste();
    void undo();
    void redo();
    // Moves the selected channels `by` slots (-1 up, 1 down), each swapping
    // places with its neighbour; nothing past the first or last slot.
    void moveChannels(int by);
    // The selected channels dropped `by` slots away (dragged by their
    // labels): moved, one undo step, or with `copy` copied over the slots
    // there. Nothing when a row would leave the memory.
    void dropChannels(int by, bool copy);
    // Sorts the selected channels (with one row selected, its bank) by the
    // key the user picks; empty slots last.
    void sortChannels();
    // Sets one column of every selected channel in use to an item of that
    // column's list; a row the radio's rules would refuse stays as it is.
    void setForSelected();
    // The same for the VFO grid's current row: Set for Selected (no Skip
    // column), and Move, which swaps VFO A and B.
    void setForVfo();
    void moveVfo(int by);
    // Asks for a label ("155", "A12", "B-P2") and makes that row current.
    void goTo();
    // Edit > Undo and Redo name the step they would take: the captions of
    // `undoId` and `redoId` in `strings`, then the step.
    void showHistory(QAction *undoEntry, QAction *redoEntry, const StringTable &strings, int undoId, int redoId) const;

private:
    // OK / Cancel under CLEAR OK, `warning` over `question`; true for OK.
    bool confirmClear(const QString &question, const QString &warning);
    // A column of the grids' lists and an item of it, as the user picks
    // them for Set for Selected, for `target` ("the 5 selected channels in
    // use", "VFO A").
    std::optional<DocumentEdits::ColumnValue> askColumnItem(bool withSkip, const QString &target);

    CloneDocument &m_document;
    Prompter &m_prompter;
    QWidget *m_window;
    MainStatusBar *m_statusBar;
    MemoryGrid *m_memoryGrid;
    VfoGrid *m_vfoGrid;
    ChannelDialog *m_editDialog = nullptr;
};
