#pragma once

#include <QAbstractTableModel>
#include <QTimer>

#include <utility>

class CloneDocument;

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
    explicit MemoryTableModel(const CloneDocument &document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // How often rows changed while batching are announced at most.
    static constexpr int BatchMs = 50;
    // While a transfer reads the radio row after row, the rows changed are
    // announced together, at most every BatchMs, instead of one by one;
    // ending the batching announces what is left at once.
    void setBatching(bool batching);

private:
    // Rows first..last; none while first > last.
    using Rows = std::pair<int, int>;

    void onChannelsChanged(int first, int last);
    void onBaselineChanged();
    void announcePending();

    const CloneDocument &m_document;
    // Per row: whether its label carries the mark, as last announced.
    QList<bool> m_marked;
    QTimer m_batch;
    bool m_batching = false;
    // Rows changed, and rows whose mark changed, not yet announced.
    Rows m_pendingRows{1, 0};
    Rows m_pendingMarks{1, 0};
};
