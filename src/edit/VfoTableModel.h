#pragma once

#include <QAbstractTableModel>

class CloneDocument;

// VFO A and VFO B of the document as the VFO grid shows them: columns
// Frequency .. NB, the rows labelled "VFO A" and "VFO B". Follows the
// document's change signals; never changes the document.
class VfoTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit VfoTableModel(const CloneDocument &document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const CloneDocument &m_document;
};
