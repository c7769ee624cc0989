#pragma once

#include <QWidget>

class MemoryGrid;
class QCheckBox;
class QLabel;
class QLineEdit;

// The find bar under the memory grid (Ctrl+F): the text is looked for in
// each row's label, frequency (as shown, "14.074.000", or as MHz typed,
// "14.074"), mode and name; Enter or F3 goes to the next row that matches,
// Shift+F3 to the one before, Esc closes the bar. "Used only" hides the
// empty slots; the labels stay the slots' own, and what acts on the
// selection acts on the rows shown.
class FindBar : public QWidget
{
    Q_OBJECT
public:
    explicit FindBar(MemoryGrid *grid, QWidget *parent = nullptr);

    // Shows the bar with its text selected and the focus in it.
    void open();
    // Goes to the next (`forward`) or previous row that matches, wrapping
    // around; false when none does.
    bool findNext(bool forward = true);
    // Whether grid row `r` holds `text` as described above.
    bool matches(int r, const QString &text) const;
    QLineEdit *textBox() const { return m_text; }
    QCheckBox *usedOnlyBox() const { return m_usedOnly; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Hides the empty slots while "Used only" is on, shows every row else.
    void applyFilter();
    void close();

    MemoryGrid *m_grid;
    QLineEdit *m_text;
    QCheckBox *m_usedOnly;
    QLabel *m_result;
};
