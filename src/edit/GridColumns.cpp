#include "GridColumns.h"

#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>

void GridColumns::applyDesignWidths(QTableWidget *grid, const QList<int> &designPixels)
{
    grid->verticalHeader()->setFixedWidth(designPixels.value(0));
    for (int c = 0; c < grid->columnCount(); ++c) {
        const int title = grid->horizontalHeader()->sectionSizeHint(c);
        grid->setColumnWidth(c, std::max(designPixels.value(c + 1), title));
    }
}

void GridColumns::widenForRow(QTableWidget *grid, int r)
{
    for (int c = 0; c < grid->columnCount(); ++c) {
        const QTableWidgetItem *cell = grid->item(r, c);
        if (!cell || cell->text().isEmpty())
            continue;
        // The grid line takes one pixel of the cell.
        const int needed = grid->sizeHintForIndex(grid->model()->index(r, c)).width()
            + (grid->showGrid() ? 1 : 0);
        if (needed > grid->columnWidth(c))
            grid->setColumnWidth(c, needed);
    }
}

int GridColumns::fullWidth(const QTableWidget *grid)
{
    int width = grid->verticalHeader()->width() + 2 * grid->frameWidth();
    for (int c = 0; c < grid->columnCount(); ++c)
        width += grid->columnWidth(c);
    return width;
}

void GridColumns::makeReadOnlyRows(QTableWidget *grid)
{
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < grid->columnCount(); ++c) {
            auto *item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            grid->setItem(r, c, item);
        }
    }
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setWordWrap(false);
}
