#pragma once

#include <QList>

class QTableWidget;

// Column widths of the two grids: the designed width of every column (in
// pixels), widened where the font needs more room for a title or a text,
// so that frequencies and names are never cut short.
class GridColumns
{
public:
    // Row labels get designPixels[0], data column c designPixels[c + 1].
    static void applyDesignWidths(QTableWidget *grid, const QList<int> &designPixels);
    // Widens the columns whose text in row r does not fit.
    static void widenForRow(QTableWidget *grid, int r);
    // Fills every cell with a read-only item and makes the grid select
    // whole single rows, as both grids do.
    static void makeReadOnlyRows(QTableWidget *grid);
    // The width that shows every column without scrolling.
    static int fullWidth(const QTableWidget *grid);
};
