#include "edit/SlotLabels.h"

#include <QPainter>

SlotLabels::SlotLabels(QWidget *parent)
    : QHeaderView(Qt::Vertical, parent)
{
    // As a table view's own row header: a click selects the row.
    setSectionsClickable(true);
    setHighlightSections(true);
}

QColor SlotLabels::markColor()
{
    return QColor(0xE0, 0x7A, 0x10);
}

void SlotLabels::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    QHeaderView::paintSection(painter, rect, logicalIndex);
    if (!model() || !model()->headerData(logicalIndex, Qt::Vertical, PendingRole).toBool())
        return;
    constexpr int Inset = 2;
    // The base leaves the painter clipped to nothing.
    painter->save();
    painter->setClipRect(rect);
    painter->fillRect(QRect(rect.right() - Inset - MarkWidth, rect.top() + Inset, MarkWidth, rect.height() - 2 * Inset),
                      markColor());
    painter->restore();
}
