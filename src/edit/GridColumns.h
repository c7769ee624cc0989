#pragma once

#include <QList>

class QKeyEvent;
class QTableView;

// Column widths of the two grids: the designed width of every column
// (Vocabulary::columnWidths(): entries 0-11 for the memory grid's label
// column and eleven data columns, 0-8 for the VFO grid's), widened where
// the font needs more room for a title or a text, so that frequencies and
// names are never cut short.
class GridColumns
{
public:
    // Row labels get designPixels[0], data column c designPixels[c + 1].
    static void applyDesignWidths(QTableView *grid, const QList<int> &designPixels);
    // Widens the columns whose text in rows first..last does not fit.
    static void widenForRows(QTableView *grid, int first, int last);
    // Makes the grid a read-only view that selects whole single rows, as
    // both grids do; Tab moves on to the next control.
    static void makeReadOnlyRows(QTableView *grid);
    // Enter, Return and F2 open the edit dialog for the current row.
    static bool isEditKey(const QKeyEvent *event);
    // The width that shows every column without scrolling.
    static int fullWidth(const QTableView *grid);
};
