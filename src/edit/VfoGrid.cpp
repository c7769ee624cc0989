#include "VfoGrid.h"

#include "ChannelLabel.h"
#include "GridColumns.h"
#include "Module1.h"
#include "Twips.h"

#include <QEvent>
#include <QHeaderView>
#include <QResizeEvent>

VfoGrid::VfoGrid(Module1 &state, QWidget *parent)
    : QTableWidget(Rows, DataColumns, parent), m_state(state)
{
    setObjectName(QStringLiteral("MSFlexGrid2"));
    // The VFO columns are the first eight of the memory grid.
    setHorizontalHeaderLabels(ChannelLabel::vfoHeaders());
    setVerticalHeaderLabels({ChannelLabel::vfoLabel(0), ChannelLabel::vfoLabel(1)});
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    GridColumns::makeReadOnlyRows(this);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    applyColumnWidths();
    UpdateVFOData();
}

void VfoGrid::applyColumnWidths()
{
    QList<int> design;
    for (int c = 0; c <= DataColumns; ++c)
        design.append(Twips::toPixelsX(m_state.ColumnWidths[size_t(c)], this));
    GridColumns::applyDesignWidths(this, design);
    fitWidth();
}

void VfoGrid::fitWidth()
{
    // Every column in view: the grid grows to the right where the font
    // needed wider columns than designed.
    const int full = GridColumns::fullWidth(this);
    if (full > width())
        resize(full, height());
}

void VfoGrid::changeEvent(QEvent *event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        applyColumnWidths();
        UpdateVFOData();
    }
}

void VfoGrid::resizeEvent(QResizeEvent *event)
{
    const int lineHeight = (height() - 2 * frameWidth()) / (Rows + 1);
    horizontalHeader()->setFixedHeight(lineHeight);
    verticalHeader()->setDefaultSectionSize(lineHeight);
    QTableWidget::resizeEvent(event);
}

void VfoGrid::UpdateVFOData()
{
    for (int r = 0; r < Rows; ++r)
        showRow(r);
}

void VfoGrid::showRow(int r)
{
    for (int c = 0; c < DataColumns; ++c)
        item(r, c)->setText(m_state.VfoText[r][c]);
    GridColumns::widenForRow(this, r);
    fitWidth();
}
