#include "edit/MemoryGrid.h"

#include "app/CloneDocument.h"
#include "codec/ChannelLabel.h"
#include "edit/CellFocus.h"
#include "edit/GridColumns.h"
#include "edit/MemoryTableModel.h"
#include "edit/SlotLabels.h"
#include "edit/Twips.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

MemoryGrid::MemoryGrid(const CloneDocument &document, QWidget *parent)
    : QTableView(parent),
      m_model(new MemoryTableModel(document, this)),
      m_spareWidth(this, {int(ChannelColumn::Frequency), int(ChannelColumn::Name)})
{
    setObjectName(QStringLiteral("MSFlexGrid1"));
    setAccessibleName(tr("Memory channels"));
    setVerticalHeader(new SlotLabels(this));
    setModel(m_model);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fitRowsToView();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);

    GridColumns::makeReadOnlyRows(this);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The scroll position counts rows, so the top row is the scroll value.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    applyColumnWidths();
    widenForRows(0, CloneDocument::ChannelCount - 1);
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &from, const QModelIndex &to) { widenForRows(from.row(), to.row()); });

    // A click or drag on the row labels ends like one on the rows.
    verticalHeader()->viewport()->installEventFilter(this);
    connect(verticalHeader(), &QHeaderView::sectionDoubleClicked, this, &MemoryGrid::editRequested);
}

QString MemoryGrid::cellText(int r, int c) const
{
    return m_model->data(m_model->index(r, c)).toString();
}

void MemoryGrid::widenForRows(int first, int last)
{
    GridColumns::widenForRows(this, first, last);
    m_spareWidth.spread();
}

void MemoryGrid::setBatching(bool batching)
{
    m_model->setBatching(batching);
}

void MemoryGrid::fitRowsToView()
{
    const int textHeight = fontMetrics().height() + RowPadding;
    const int shared = m_keptRowHeight > 0 ? m_keptRowHeight : viewport()->height() / WindowRows;
    const int height = qMax(textHeight, shared);
    if (verticalHeader()->defaultSectionSize() != height)
        verticalHeader()->setDefaultSectionSize(height);
}

void MemoryGrid::keepRowHeight()
{
    m_keptRowHeight = 0;
    fitRowsToView();
    m_keptRowHeight = verticalHeader()->defaultSectionSize();
}

void MemoryGrid::releaseRowHeight()
{
    m_keptRowHeight = 0;
    fitRowsToView();
}

bool MemoryGrid::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        fitRowsToView();
        m_spareWidth.spread();
    }
    return QTableView::viewportEvent(event);
}

void MemoryGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
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
    for (int c = 0; c <= Vocabulary::ChannelGridColumns; ++c)
        design.append(Twips::toPixelsX(Vocabulary::columnWidths()[size_t(c)], this));
    GridColumns::applyDesignWidths(this, design);
}

// --- selection --------------------------------------------------------------

int MemoryGrid::currentDataRow() const
{
    const int r = currentIndex().row();
    return r >= 0 ? r : 0;
}

void MemoryGrid::selectDataRow(int r)
{
    if (r < 0 || r >= model()->rowCount())
        return;
    // Making a row current scrolls it into view on its own; the callers
    // decide about scrolling themselves.
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    selectionModel()->setCurrentIndex(model()->index(r, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    setAutoScroll(scrolls);
}

QList<int> MemoryGrid::selectedDataRows() const
{
    QList<int> rows;
    // Only the rows shown: a range selected across rows hidden by the
    // find bar's filter does not reach them.
    for (const QModelIndex &index : selectionModel()->selectedRows()) {
        if (!isRowHidden(index.row()))
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty())
        rows.append(currentDataRow());
    return rows;
}

void MemoryGrid::selectDataRows(int first, int last)
{
    selectDataRow(first);
    if (last <= first || last >= model()->rowCount())
        return;
    const QItemSelection rows(model()->index(first, 0), model()->index(last, model()->columnCount() - 1));
    selectionModel()->select(rows, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void MemoryGrid::selectRows(const QList<int> &rows)
{
    if (rows.isEmpty())
        return;
    selectDataRow(rows.constFirst());
    QItemSelection selection;
    for (const int r : rows)
        selection.select(model()->index(r, 0), model()->index(r, model()->columnCount() - 1));
    selectionModel()->select(selection, QItemSelectionModel::Select | QItemSelectionModel::Rows);
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

bool MemoryGrid::extendsSelection(const QMouseEvent *event)
{
    return event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
}

void MemoryGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    if (extendsSelection(event))
        return;
    const QPoint at = event->position().toPoint();
    settleSelection(viewport()->rect().contains(at) ? rowAt(at.y()) : -1);
}

void MemoryGrid::keyPressEvent(QKeyEvent *event)
{
    if (GridColumns::isEditKey(event)) {
        emit editRequested();
        return;
    }
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit clearRequested();
        return;
    }
    const int before = currentIndex().row();
    QTableView::keyPressEvent(event);
    // A move to another row without Shift (Ctrl+Home, Ctrl+Down...) selects
    // just the row reached: what Clear or Cut acts on is what is seen.
    const QModelIndex now = currentIndex();
    if (now.isValid() && now.row() != before && !(event->modifiers() & Qt::ShiftModifier))
        selectionModel()->setCurrentIndex(now, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void MemoryGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    emit editRequested();
}

bool MemoryGrid::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool mouseEvent =
        type == QEvent::MouseButtonPress || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease;
    if (watched != verticalHeader()->viewport() || !mouseEvent)
        return QTableView::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    // Several rows selected: their labels carry them, dropped where the
    // button is released (with Ctrl, copies stay behind).
    if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton
        && mouse->modifiers() == Qt::NoModifier) {
        const int row = verticalHeader()->logicalIndexAt(mouse->position().toPoint());
        const QList<int> rows = selectedDataRows();
        m_dragFrom = rows.size() > 1 && rows.contains(row) ? row : -1;
        if (m_dragFrom >= 0)
            return true;
    }
    if (m_dragFrom >= 0 && event->type() == QEvent::MouseMove)
        return true;
    if (m_dragFrom >= 0 && event->type() == QEvent::MouseButtonRelease) {
        const int to = verticalHeader()->logicalIndexAt(mouse->position().toPoint());
        const int by = to < 0 ? 0 : to - m_dragFrom;
        m_dragFrom = -1;
        if (by != 0)
            emit rowsDropped(by, mouse->modifiers() & Qt::ControlModifier);
        return true;
    }
    // The labels select while pressed and dragged; the row reached is
    // current by the time the button is released.
    if (event->type() == QEvent::MouseButtonRelease && !extendsSelection(mouse))
        settleSelection(-1);
    return QTableView::eventFilter(watched, event);
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
        if (r == model()->rowCount() - 1)
            setTopRow(model()->rowCount() - window);
    } else if (r < top) {
        setTopRow(r);
    } else {
        setTopRow(r - (window - 1));
    }
}

void MemoryGrid::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    CellFocus::announce(*this);
}
