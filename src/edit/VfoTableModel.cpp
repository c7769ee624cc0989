#include "edit/VfoTableModel.h"

#include "app/CloneDocument.h"
#include "codec/ChannelLabel.h"

VfoTableModel::VfoTableModel(const CloneDocument &document, QObject *parent)
    : QAbstractTableModel(parent), m_document(document)
{
    connect(&document, &CloneDocument::vfoChanged, this, [this](int r) {
        emit dataChanged(index(r, 0), index(r, Vocabulary::VfoGridColumns - 1), {Qt::DisplayRole});
    });
}

int VfoTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : CloneImage::VfoCount;
}

int VfoTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Vocabulary::VfoGridColumns;
}

QVariant VfoTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QVariant();
    const VfoRow &row = m_document.vfo(index.row());
    if (role == Qt::DisplayRole)
        return row.text(ChannelColumn(index.column()));
    return ChannelLabel::spokenCell(ChannelLabel::vfoLabel(index.row()), ChannelLabel::vfoHeaders(), row.texts(),
                                    index.column());
}

QVariant VfoTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return ChannelLabel::vfoHeaders().value(section);
    return ChannelLabel::vfoLabel(section);
}
