#pragma once

#include "codec/CloneImage.h"
#include "files/BackupStore.h"

#include <QDialog>
#include <QList>

#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// File > Open Backup: the automatic backups, newest first, each with when
// it was taken, what it holds, the radio's model and the channels in use.
// Open (or Enter, or a double-click) takes the chosen one; Compare lists,
// as qtr70 diff does, how the open document differs from it.
class BackupsDialog : public QDialog
{
    Q_OBJECT
public:
    enum Column { TakenColumn, HoldsColumn, ModelColumn, ChannelsColumn, FileColumn, ColumnCount };

    BackupsDialog(const BackupStore &store, const CloneImage &document, QWidget *parent = nullptr);

    // The backup Open took; empty before.
    QString chosenPath() const { return m_chosen; }

private:
    void fillRow(int row, const BackupStore::Entry &entry);
    void compare();
    void open();
    void selectionChanged();

    QList<BackupStore::Entry> m_entries;
    // Each backup as read; none for one that could not be read.
    QList<std::optional<CloneImage>> m_images;
    CloneImage m_document;
    QString m_chosen;
    QTableWidget *m_table = nullptr;
    QPlainTextEdit *m_differences = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_compare = nullptr;
};
