#include "edit/MemoryTableModel.h"

#include "app/Module1.h"
#include "codec/ChannelLabel.h"
#include "edit/SlotLabels.h"

MemoryTableModel::MemoryTableModel(const Module1 &document, QObject *parent)
    : QAbstractTableModel(parent), m_document(document)
{
    connect(&document, &Module1::channelsChanged, this, &MemoryTableModel::onChannelsChanged);
    connect(&document, &Module1::baselineChanged, this,
            [this] { emit headerDataChanged(Qt::Vertical, 0, CloneImage::ChannelCount - 1); });
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
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    const ChannelRow &row = m_document.channel(index.row());
    return row.inUse ? row.text[size_t(index.column())] : QString();
}

QVariant MemoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical && section >= 0 && section < CloneImage::ChannelCount
        && m_document.channelPending(section)) {
        if (role == SlotLabels::PendingRole)
            return true;
        if (role == Qt::ToolTipRole)
            return QStringLiteral("Changed since the radio was last read or written, or the file opened");
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return ChannelLabel::memoryHeaders().value(section);
    return ChannelLabel::gridLabel(section);
}

void MemoryTableModel::onChannelsChanged(int first, int last)
{
    emit dataChanged(index(first, 0), index(last, Vocabulary::ChannelGridColumns - 1), {Qt::DisplayRole});
    emit headerDataChanged(Qt::Vertical, first, last);
}
