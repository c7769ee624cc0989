#pragma once

#include <QTableWidget>

class Module1;

// The memory grid MSFlexGrid1: one row per channel table row (row r shows
// table row r), one column per data column (column c shows ChannelText
// column c: Frequency .. Skip); the row labels ("0".."199", "A  0"..,
// "A-P1", ...) are the vertical header. A view only: nothing is read back.
class MemoryGrid : public QTableWidget
{
    Q_OBJECT
public:
    static constexpr int DataColumns = 11;

    explicit MemoryGrid(Module1 &state, QWidget *parent = nullptr);

    // Every row from the table: a row in use shows its texts, any other
    // row eleven empty cells.
    void RefreshMemoryGrid();
    // Row r from the table by the same rule.
    void showRow(int r);
    // Row r's texts, whether the row is in use or not.
    void writeRow(int r);

private:
    void applyColumnWidths();
    void setRowTexts(int r, bool blank);

    Module1 &m_state;
};
