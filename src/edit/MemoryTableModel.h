#pragma once

#include <QAbstractTableModel>

class Module1;

// The channel rows of the document as the memory grid shows them: one row
// per channel slot, one column per grid column (Frequency .. Skip), the
// slots' labels ("0".."199", "A  0"..., "A-P1", ...) as row headers. A row
// not in use shows empty cells, whatever its texts hold; a row that differs
// from the document's baseline (a change a write would send) reports
// SlotLabels::PendingRole, which its label shows as a mark. Follows
// the document's change signals; never changes the document.
class MemoryTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit MemoryTableModel(const Module1 &document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void onChannelsChanged(int first, int last);

    const Module1 &m_document;
};
