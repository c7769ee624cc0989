#pragma once

#include "files/ChannelListImport.h"

#include <QDialog>

class QTableWidget;

// What importing a channel list will do, before anything changes: the
// file's rows with their target slots and the values they become, the
// adjusted values marked with the reason, the rows not stored with why,
// and the slots in use that will be replaced. OK stores, Cancel does not.
class ImportPreviewDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int NoteColumn = 9;

    ImportPreviewDialog(const ChannelListImport::Plan &plan, const QString &fileName, QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }
    // Adjusted cells carry this role, true.
    static constexpr int AdjustedRole = Qt::UserRole + 1;

private:
    void fillRow(int r, const ChannelListImport::Row &row);

    QTableWidget *m_table = nullptr;
};
