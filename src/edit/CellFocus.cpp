#include "edit/CellFocus.h"

#include <QAccessible>
#include <QTableView>

void CellFocus::announce(QTableView &view)
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
