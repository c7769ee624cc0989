#pragma once

#include <QTableView>

class CloneDocument;
class VfoTableModel;

// The VFO grid MSFlexGrid2: a view of the document's VFO A and VFO B
// through VfoTableModel (rows "VFO A" and "VFO B", columns Frequency .. NB).
class VfoGrid : public QTableView
{
    Q_OBJECT
public:
    explicit VfoGrid(const CloneDocument &document, QWidget *parent = nullptr);

    // The text row r shows in column c.
    QString cellText(int r, int c) const;
    // The current row: 0 (VFO A) until a row has been made current.
    int currentDataRow() const;

signals:
    // Enter, Return or F2 on a row: edit the current row.
    void editRequested();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // The header row and both rows share the grid's height.
    void resizeEvent(QResizeEvent *event) override;
    // A new font sets the column widths anew.
    void changeEvent(QEvent *event) override;

private:
    void applyColumnWidths();
    void fitWidth();
    void widen(int first, int last);

    VfoTableModel *m_model = nullptr;
};
