#pragma once

#include <QHeaderView>

// The memory grid's row labels. A row whose model header reports
// PendingRole carries the pending-change mark: a narrow bar at the right
// edge, beyond the left-aligned text, so that the label keeps its whole
// width ("B191", never "B19...") in the column's designed width.
class SlotLabels : public QHeaderView
{
    Q_OBJECT
public:
    // Header data role: true for a row with a pending change.
    static constexpr int PendingRole = Qt::UserRole + 1;

    explicit SlotLabels(QWidget *parent = nullptr);

    // The bar's colour and width in pixels.
    static QColor markColor();
    static constexpr int MarkWidth = 3;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
};
