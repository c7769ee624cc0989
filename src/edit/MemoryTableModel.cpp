#include "edit/MemoryTableModel.h"

#include "app/CloneDocument.h"
#include "codec/ChannelLabel.h"
#include "edit/SlotLabels.h"

namespace {

// `rows` widened to take in first..last.
void include(std::pair<int, int> &rows, int first, int last)
{
    const bool none = rows.first > rows.second;
    rows = {none ? first : qMin(rows.first, first), none ? last : qMax(rows.second, last)};
}

} // namespace

MemoryTableModel::MemoryTableModel(const CloneDocument &document, QObject *parent)
    : QAbstractTableModel(parent), m_document(document), m_marked(CloneImage::ChannelCount, false)
{
    for (int n = 0; n < CloneImage::ChannelCount; ++n)
        m_marked[n] = m_document.channelPending(n);
    m_batch.setSingleShot(true);
    m_batch.setInterval(BatchMs);
    connect(&m_batch, &QTimer::timeout, this, &MemoryTableModel::announcePending);
    connect(&document, &CloneDocument::channelsChanged, this, &MemoryTableModel::onChannelsChanged);
    connect(&document, &CloneDocument::baselineChanged, this, &MemoryTableModel::onBaselineChanged);
}

int MemoryTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : CloneImage::ChannelCount;
}

int MemoryTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Vocabulary::ChannelGridColumns;
}

QVariant MemoryTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QVariant();
    const ChannelRow &row = m_document.channel(index.row());
    const QString shown = row.text(ChannelColumn(index.column()));
    if (role == Qt::DisplayRole)
        return shown;
    // A screen reader reads the row cell by cell: the first names the row
    // (an empty slot says so), the others their column and value.
    return ChannelLabel::spokenCell(ChannelLabel::spokenLabel(index.row()), ChannelLabel::memoryHeaders(), row.texts(),
                                    index.column());
}

QVariant MemoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical && section >= 0 && section < CloneImage::ChannelCount && m_marked.at(section)) {
        if (role == SlotLabels::PendingRole)
            return true;
        if (role == Qt::ToolTipRole)
            return tr("Changed since the radio was last read or written, or the file opened");
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return ChannelLabel::memoryHeaders().value(section);
    return ChannelLabel::gridLabel(section);
}

void MemoryTableModel::setBatching(bool batching)
{
    m_batching = batching;
    if (!batching) {
        m_batch.stop();
        announcePending();
    }
}

void MemoryTableModel::onChannelsChanged(int first, int last)
{
    include(m_pendingRows, first, last);
    // A label is drawn anew only when its mark comes or goes.
    for (int n = first; n <= last; ++n) {
        const bool marked = m_document.channelPending(n);
        if (marked != m_marked.at(n)) {
            m_marked[n] = marked;
            include(m_pendingMarks, n, n);
        }
    }
    if (!m_batching)
        announcePending();
    else if (!m_batch.isActive())
        m_batch.start();
}

void MemoryTableModel::onBaselineChanged()
{
    for (int n = 0; n < CloneImage::ChannelCount; ++n)
        m_marked[n] = m_document.channelPending(n);
    emit headerDataChanged(Qt::Vertical, 0, CloneImage::ChannelCount - 1);
}

void MemoryTableModel::announcePending()
{
    const Rows rows = std::exchange(m_pendingRows, Rows{1, 0});
    const Rows marks = std::exchange(m_pendingMarks, Rows{1, 0});
    if (rows.first <= rows.second)
        emit dataChanged(index(rows.first, 0), index(rows.second, Vocabulary::ChannelGridColumns - 1),
                         {Qt::DisplayRole});
    if (marks.first <= marks.second)
        emit headerDataChanged(Qt::Vertical, marks.first, marks.second);
}
