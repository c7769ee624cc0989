#include "MemoryGrid.h"

#include "ChannelLabel.h"
#include "GridColumns.h"
#include "Module1.h"
#include "Twips.h"

#include <QHeaderView>


MemoryGrid::MemoryGrid(Module1 &state, QWidget *parent)
    : QTableWidget(Module1::ChannelCount, DataColumns, parent), m_state(state)
{
    setObjectName(QStringLiteral("MSFlexGrid1"));
    setHorizontalHeaderLabels(ChannelLabel::memoryHeaders());
    QStringList labels;
    for (int r = 0; r < Module1::ChannelCount; ++r)
        labels.append(ChannelLabel::gridLabel(r));
    setVerticalHeaderLabels(labels);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);

    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < DataColumns; ++c) {
            auto *item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            setItem(r, c, item);
        }
    }
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    applyColumnWidths();
    RefreshMemoryGrid();
}

void MemoryGrid::applyColumnWidths()
{
    QList<int> design;
    for (int c = 0; c <= DataColumns; ++c)
        design.append(Twips::toPixelsX(m_state.ColumnWidths[size_t(c)], this));
    GridColumns::applyDesignWidths(this, design);
}

void MemoryGrid::RefreshMemoryGrid()
{
    setUpdatesEnabled(false);
    for (int r = 0; r < Module1::ChannelCount; ++r)
        showRow(r);
    setUpdatesEnabled(true);
}

void MemoryGrid::showRow(int r)
{
    setRowTexts(r, !m_state.ChannelInUse[r]);
}

void MemoryGrid::writeRow(int r)
{
    setRowTexts(r, false);
}

void MemoryGrid::setRowTexts(int r, bool blank)
{
    for (int c = 0; c < DataColumns; ++c)
        item(r, c)->setText(blank ? QString() : m_state.ChannelText[r][c]);
    if (!blank)
        GridColumns::widenForRow(this, r);
}
