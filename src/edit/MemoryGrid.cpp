#include "MemoryGrid.h"

#include "ChannelLabel.h"
#include "GridColumns.h"
#include "Module1.h"
#include "Twips.h"

#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

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
    fitRowsToView();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);

    GridColumns::makeReadOnlyRows(this);
    // The scroll position counts rows, so the top row is the scroll value.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    applyColumnWidths();
    RefreshMemoryGrid();

    // A click or drag on the row labels ends like one on the rows.
    verticalHeader()->viewport()->installEventFilter(this);
    connect(verticalHeader(), &QHeaderView::sectionDoubleClicked, this, &MemoryGrid::editRequested);
}

void MemoryGrid::fitRowsToView()
{
    const int textHeight = fontMetrics().height() + RowPadding;
    const int height = qMax(textHeight, viewport()->height() / WindowRows);
    if (verticalHeader()->defaultSectionSize() != height)
        verticalHeader()->setDefaultSectionSize(height);
}

bool MemoryGrid::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Resize)
        fitRowsToView();
    return QTableWidget::viewportEvent(event);
}

void MemoryGrid::changeEvent(QEvent *event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitRowsToView();
}

int MemoryGrid::visibleRows() const
{
    return qMax(1, viewport()->height() / qMax(1, rowHeight(0)));
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

// --- selection --------------------------------------------------------------

int MemoryGrid::currentDataRow() const
{
    const int r = currentRow();
    return r >= 0 ? r : 0;
}

void MemoryGrid::selectDataRow(int r)
{
    if (r < 0 || r >= rowCount())
        return;
    // Making a row current scrolls it into view on its own; the callers
    // decide about scrolling themselves.
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    selectionModel()->setCurrentIndex(model()->index(r, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    setAutoScroll(scrolls);
}

int MemoryGrid::topRow() const
{
    return verticalScrollBar()->value();
}

void MemoryGrid::setTopRow(int r)
{
    verticalScrollBar()->setValue(r);
}

void MemoryGrid::settleSelection(int endRow)
{
    selectDataRow(endRow >= 0 ? endRow : currentDataRow());
}

void MemoryGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableWidget::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    settleSelection(viewport()->rect().contains(at) ? rowAt(at.y()) : -1);
}

void MemoryGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableWidget::mouseDoubleClickEvent(event);
    emit editRequested();
}

bool MemoryGrid::eventFilter(QObject *watched, QEvent *event)
{
    // The labels select while pressed and dragged; the row reached is
    // current by the time the button is released.
    if (watched == verticalHeader()->viewport() && event->type() == QEvent::MouseButtonRelease)
        settleSelection(-1);
    return QTableWidget::eventFilter(watched, event);
}

void MemoryGrid::moveUp()
{
    int r = currentDataRow();
    if (r > 0) {
        --r;
        selectDataRow(r);
    }
    const int top = topRow();
    if (r < top)
        setTopRow(r);
    else if (r >= top + visibleRows())
        setTopRow(r - (visibleRows() - 1));
}

void MemoryGrid::moveDown()
{
    int r = currentDataRow();
    if (r < LastDownRow) {
        ++r;
        selectDataRow(r);
    }
    const int top = topRow();
    const int window = visibleRows();
    const bool inView = r >= top && r < top + window;
    if (inView) {
        if (r == rowCount() - 1)
            setTopRow(rowCount() - window);
    } else if (r < top) {
        setTopRow(r);
    } else {
        setTopRow(r - (window - 1));
    }
}
