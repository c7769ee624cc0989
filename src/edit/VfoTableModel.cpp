#include "edit/VfoTableModel.h"

#include "app/Module1.h"
#include "codec/ChannelLabel.h"

VfoTableModel::VfoTableModel(const Module1 &document, QObject *parent)
    : QAbstractTableModel(parent), m_document(document)
{
    connect(&document, &Module1::vfoChanged, this, [this](int r) {
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
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    return m_document.vfo(index.row()).text[size_t(index.column())];
}

QVariant VfoTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return ChannelLabel::vfoHeaders().value(section);
    return ChannelLabel::vfoLabel(section);
}
