#include "edit/GridColumns.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>

#include <algorithm>

void GridColumns::applyDesignWidths(QTableView *grid, const QList<int> &designPixels)
{
    grid->verticalHeader()->setFixedWidth(designPixels.value(0));
    const int columns = grid->model()->columnCount();
    for (int c = 0; c < columns; ++c) {
        const int title = grid->horizontalHeader()->sectionSizeHint(c);
        grid->setColumnWidth(c, std::max(designPixels.value(c + 1), title));
    }
}

void GridColumns::widenForRows(QTableView *grid, int first, int last)
{
    const QAbstractItemModel *model = grid->model();
    const int columns = model->columnCount();
    // The grid line takes one pixel of the cell.
    const int line = grid->showGrid() ? 1 : 0;
    for (int c = 0; c < columns; ++c) {
        int needed = 0;
        for (int r = first; r <= last; ++r) {
            const QModelIndex index = model->index(r, c);
            if (!model->data(index).toString().isEmpty())
                needed = std::max(needed, grid->sizeHintForIndex(index).width() + line);
        }
        if (needed > grid->columnWidth(c))
            grid->setColumnWidth(c, needed);
    }
}

int GridColumns::fullWidth(const QTableView *grid)
{
    int width = grid->verticalHeader()->width() + 2 * grid->frameWidth();
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        width += grid->columnWidth(c);
    return width;
}

void GridColumns::makeReadOnlyRows(QTableView *grid)
{
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setWordWrap(false);
    grid->setTabKeyNavigation(false);
}

bool GridColumns::isEditKey(const QKeyEvent *event)
{
    const int key = event->key();
    return event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier
        ? key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2
        : false;
}
