#pragma once

#include "edit/SpareWidth.h"

#include <QTableView>

class MemoryTableModel;
class CloneDocument;

// The memory grid MSFlexGrid1: a view of the document's channel rows
// through MemoryTableModel (row r shows channel slot r, column c its column
// c: Frequency .. Skip; the slot labels are the vertical header). Columns
// widen where a new text needs more room.
//
// Selection: after every plain click or drag exactly one whole row is
// selected, the row where the pointer was released, and it is the current
// row with the current cell in the first data column. Shift and Ctrl with a
// click, and Shift with the arrow keys, select several rows for copying,
// cutting and clearing; dragging such a selection by a label moves it. "Up" and "Down" move the
// current row and keep it in the window of rows in view; "Down" moves only
// inside the first bank. The rows share the grid's height so that 13 of
// them are in view (fewer only when that would cut their text) until the
// window keeps their height: from then on a taller grid shows more rows
// (a larger font still makes them as tall as their text needs). Frequency
// and Name share the width the grid has beyond what its columns need.
class MemoryGrid : public QTableView
{
    Q_OBJECT
public:
    // Rows in view at once.
    static constexpr int WindowRows = 13;
    // Room above and below a row's text.
    static constexpr int RowPadding = 4;
    // "Down" moves no further than the last row of the first bank.
    static constexpr int LastDownRow = 199;

    explicit MemoryGrid(const CloneDocument &document, QWidget *parent = nullptr);

    // The text grid row r shows in column c.
    QString cellText(int r, int c) const;

    // The current table row; row 0 until a row has been made current.
    int currentDataRow() const;
    // The selected rows, ascending; the current row when none is.
    QList<int> selectedDataRows() const;
    // Selects rows first..last, the first one current, without scrolling.
    void selectDataRows(int first, int last);
    // Makes row r current (first data column) and selects it whole,
    // without scrolling.
    void selectDataRow(int r);
    // Selects exactly `rows` (ascending), the first one current.
    void selectRows(const QList<int> &rows);
    // The row shown at the top and scrolling to put a row there.
    int topRow() const;
    void setTopRow(int r);
    // Whole rows in view: WindowRows until the row height is kept, unless
    // the grid is too low for them.
    int visibleRows() const;

    // The rows keep their present height from now on instead of sharing
    // the grid's height; releaseRowHeight() has them share it again.
    void keepRowHeight();
    void releaseRowHeight();

    // While a transfer reads the radio: the rows it changes are shown in
    // batches (MemoryTableModel::setBatching).
    void setBatching(bool batching);

public slots:
    // The "Up" button (Command5) and the "Down" button (Command4).
    void moveUp();
    void moveDown();

signals:
    // A double-click on a row or on its label, or Enter, Return or F2:
    // edit the current row.
    void editRequested();
    // The Delete key: clear the selected rows.
    void clearRequested();
    // Several selected rows were dragged by their labels `by` rows; with
    // `copy` (Ctrl held at the drop) they are copied there instead.
    void rowsDropped(int by, bool copy);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyColumnWidths();
    void widenForRows(int first, int last);
    void fitRowsToView();
    // Shift or Ctrl held: a click adds to the selection.
    static bool extendsSelection(const QMouseEvent *event);
    // The mouse release rule: `endRow` (or the current row when the
    // pointer is off the rows) becomes the one selected, current row.
    void settleSelection(int endRow);

    MemoryTableModel *m_model = nullptr;
    SpareWidth m_spareWidth;
    // The kept row height; 0 while the rows share the grid's height.
    int m_keptRowHeight = 0;
    // The label row a drag of several selected rows started on; -1 else.
    int m_dragFrom = -1;
};
