#pragma once

#include <QLineEdit>
#include <QPointer>

class QAccessibleInterface;

// An entry box for one part of a frequency (MHz, kHz or Hz). It takes
// digits and Backspace only; every other typed character is discarded.
//
// The boxes of the main frequency also
// - advance: on every typed key (a discarded one and Backspace included),
//   tested before the key takes effect, the focus moves on to the next box
//   when this box is one digit short of full with nothing selected, or full
//   with exactly one digit selected; the key itself still goes to this box;
// - select their whole text, caret at the start, when they get the focus;
// - pad their text on the left with "0" to a width when they lose the focus.
class FrequencyEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit FrequencyEdit(int maxDigits, QWidget *parent = nullptr);

    // The box the focus advances to; none (the default) turns advance off.
    void setAdvanceTo(QWidget *next);
    // Width to pad to on focus loss; 0 (the default) turns padding off.
    void setPadWidth(int width);
    void setSelectAllOnFocus(bool on);

    // The text read as a decimal number; an empty box is 0.
    qint64 value() const;

    // What a screen reader sees: a text box with its digits and caret but
    // no selection. The whole text is selected on every arrival so that
    // typing replaces it; a reader that knew would say "selected" on each
    // box and "selection deleted" at each first digit.
    static QAccessibleInterface *accessibleFor(FrequencyEdit *box);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool advanceDue() const;

    QPointer<QWidget> m_next;
    int m_padWidth = 0;
    bool m_selectAllOnFocus = false;
};
