#include "edit/SpareWidth.h"

#include <QHeaderView>
#include <QTableView>

SpareWidth::SpareWidth(QTableView *grid, const QList<int> &columns)
    : m_grid(grid), m_columns(columns), m_shares(columns.size(), 0), m_given(columns.size(), -1)
{
}

void SpareWidth::spread()
{
    if (m_columns.isEmpty())
        return;
    const int columns = m_grid->horizontalHeader()->count();
    int needed = 0;
    for (int c = 0; c < columns; ++c)
        needed += m_grid->columnWidth(c);
    QList<int> own(m_columns.size());
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        const int width = m_grid->columnWidth(m_columns[i]);
        if (width != m_given[i])
            m_shares[i] = 0;
        own[i] = width - m_shares[i];
        needed -= m_shares[i];
    }
    const int spare = qMax(0, m_grid->viewport()->width() - needed);
    const int count = int(m_columns.size());
    for (int i = 0; i < count; ++i) {
        m_shares[i] = spare / count + (i < spare % count ? 1 : 0);
        m_given[i] = own[i] + m_shares[i];
        m_grid->setColumnWidth(m_columns[i], m_given[i]);
    }
}
