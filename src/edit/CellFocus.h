#pragma once

class QTableView;

// Tells a screen reader which cell of a grid has the focus when the grid
// takes the keyboard focus (Qt says so only when the current cell
// changes): coming back to a grid names the row it is on.
class CellFocus
{
public:
    static void announce(QTableView &view);

private:
    static void tellCurrent(QTableView &view);
};
