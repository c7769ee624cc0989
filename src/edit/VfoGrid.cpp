#include "edit/VfoGrid.h"

#include "app/CloneDocument.h"
#include "edit/CellFocus.h"
#include "edit/GridColumns.h"
#include "edit/Twips.h"
#include "edit/VfoTableModel.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QResizeEvent>

VfoGrid::VfoGrid(const CloneDocument &document, QWidget *parent)
    : QTableView(parent), m_model(new VfoTableModel(document, this))
{
    setObjectName(QStringLiteral("MSFlexGrid2"));
    setAccessibleName(QStringLiteral("VFO"));
    setModel(m_model);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    GridColumns::makeReadOnlyRows(this);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    applyColumnWidths();
    widen(0, CloneImage::VfoCount - 1);
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &from, const QModelIndex &to) { widen(from.row(), to.row()); });
}

QString VfoGrid::cellText(int r, int c) const
{
    return m_model->data(m_model->index(r, c)).toString();
}

int VfoGrid::currentDataRow() const
{
    return qMax(0, currentIndex().row());
}

void VfoGrid::keyPressEvent(QKeyEvent *event)
{
    if (GridColumns::isEditKey(event)) {
        emit editRequested();
        return;
    }
    QTableView::keyPressEvent(event);
}

void VfoGrid::applyColumnWidths()
{
    QList<int> design;
    for (int c = 0; c <= Vocabulary::VfoGridColumns; ++c)
        design.append(Twips::toPixelsX(Vocabulary::columnWidths()[size_t(c)], this));
    GridColumns::applyDesignWidths(this, design);
    fitWidth();
}

void VfoGrid::widen(int first, int last)
{
    GridColumns::widenForRows(this, first, last);
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
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        applyColumnWidths();
        widen(0, CloneImage::VfoCount - 1);
    }
}

void VfoGrid::resizeEvent(QResizeEvent *event)
{
    const int lineHeight = (height() - 2 * frameWidth()) / (CloneImage::VfoCount + 1);
    horizontalHeader()->setFixedHeight(lineHeight);
    verticalHeader()->setDefaultSectionSize(lineHeight);
    QTableView::resizeEvent(event);
}

void VfoGrid::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    CellFocus::announce(*this);
}
