#pragma once

#include <QList>

class QTableView;

// Hands the width a grid's viewport has beyond what its columns need to
// some of its columns in equal shares, and takes it back as the grid
// narrows. What a column needs is its width without its share; a width
// set by anyone else meanwhile (widened for a longer text, dragged by the
// user) becomes what it needs.
class SpareWidth
{
public:
    SpareWidth(QTableView *grid, const QList<int> &columns);

    // Shares out the spare width as the viewport and the columns are now.
    void spread();

private:
    QTableView *m_grid;
    QList<int> m_columns;
    // Per shared column: its share, and the width it was given with it.
    QList<int> m_shares;
    QList<int> m_given;
};
