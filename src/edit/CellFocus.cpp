#include "edit/CellFocus.h"

#include <QAccessible>
#include <QPointer>
#include <QTableView>

void CellFocus::announce(QTableView &view)
{
    // After the grid's own focus event, which would otherwise come last
    // and have a reader say the table ("table with 604 rows") instead.
    QMetaObject::invokeMethod(&view, [grid = QPointer<QTableView>(&view)] {
        if (grid && grid->hasFocus())
            tellCurrent(*grid);
    }, Qt::QueuedConnection);
}

void CellFocus::tellCurrent(QTableView &view)
{
    const QModelIndex current = view.currentIndex();
    if (!QAccessible::isActive() || !current.isValid())
        return;
    // The table's child index of a cell: the header row and the label
    // column come first, as Qt counts them.
    QAccessibleEvent event(&view, QAccessible::Focus);
    event.setChild((current.row() + 1) * (view.model()->columnCount() + 1) + current.column() + 1);
    QAccessible::updateAccessibility(&event);
}
