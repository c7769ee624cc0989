#pragma once

#include <QWidget>

class FindBar;
class CloneDocument;
class MemoryGrid;
class QProgressBar;
class QPushButton;

// The page "Memorys": the button row above the memory grid ("Clear" above
// "Clear All", "Up" above "Down", "Insert" above "Delete" (never
// available), "Read Memory" above "Write Memory"), the grid, and the
// progress bar of the memory transfers (hidden when none runs) with the
// Stop button of the transfers that can be stopped beside it.
class MemoryPage : public QWidget
{
    Q_OBJECT
public:
    explicit MemoryPage(const CloneDocument &document, QWidget *parent = nullptr);

    MemoryGrid *grid() const { return m_grid; }
    QProgressBar *progressBar() const { return m_progress; }
    QPushButton *clearButton() const { return m_clear; }
    QPushButton *clearAllButton() const { return m_clearAll; }
    QPushButton *upButton() const { return m_up; }
    QPushButton *downButton() const { return m_down; }
    QPushButton *readMemoryButton() const { return m_readMemory; }
    QPushButton *writeMemoryButton() const { return m_writeMemory; }
    QPushButton *stopButton() const { return m_stop; }
    FindBar *findBar() const { return m_findBar; }

private:
    QPushButton *button(const QString &name, const QString &caption, int widthTwips);

    MemoryGrid *m_grid = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_clear = nullptr;
    QPushButton *m_clearAll = nullptr;
    QPushButton *m_up = nullptr;
    QPushButton *m_down = nullptr;
    QPushButton *m_readMemory = nullptr;
    QPushButton *m_writeMemory = nullptr;
    QPushButton *m_stop = nullptr;
    FindBar *m_findBar = nullptr;
};
