#pragma once

#include <QTableWidget>

class Module1;

// The VFO grid MSFlexGrid2: row 0 "VFO A" and row 1 "VFO B" show VFO table
// rows 0 and 1, column c shows VfoText column c (Frequency .. NB); the row
// labels are the vertical header.
class VfoGrid : public QTableWidget
{
    Q_OBJECT
public:
    static constexpr int Rows = 2;
    static constexpr int DataColumns = 8;

    explicit VfoGrid(Module1 &state, QWidget *parent = nullptr);

    // Both rows from the VFO table.
    void UpdateVFOData();
    // Row r (0 or 1) from the VFO table.
    void showRow(int r);

protected:
    // The header row and both rows share the grid's height.
    void resizeEvent(QResizeEvent *event) override;
    // A new font sets the column widths anew.
    void changeEvent(QEvent *event) override;

private:
    void applyColumnWidths();
    void fitWidth();

    Module1 &m_state;
};
