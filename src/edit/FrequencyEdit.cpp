#include "edit/FrequencyEdit.h"

#include "edit/AccessibleWidgets.h"
#include "edit/PlainTextAccessible.h"
#include "edit/TypedCharacter.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

// The box's digits and caret, with nothing selected.
class FrequencyEditAccessible : public PlainTextAccessible
{
public:
    explicit FrequencyEditAccessible(FrequencyEdit *box)
        : PlainTextAccessible(box, QAccessible::EditableText)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = PlainTextAccessible::state();
        s.editable = true;
        s.selectableText = true;
        return s;
    }

    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

protected:
    QString plainText() const override { return box()->text(); }

private:
    FrequencyEdit *box() const { return static_cast<FrequencyEdit *>(widget()); }
};

} // namespace

QAccessibleInterface *FrequencyEdit::accessibleFor(FrequencyEdit *box)
{
    return new FrequencyEditAccessible(box);
}

FrequencyEdit::FrequencyEdit(int maxDigits, QWidget *parent) : QLineEdit(parent)
{
    AccessibleWidgets::install();
    setMaxLength(maxDigits);
    // Typed keys are filtered below; this also keeps pasted or dropped text
    // to digits.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

void FrequencyEdit::setAdvanceTo(QWidget *next)
{
    m_next = next;
}

void FrequencyEdit::setPadWidth(int width)
{
    m_padWidth = width;
}

void FrequencyEdit::setSelectAllOnFocus(bool on)
{
    m_selectAllOnFocus = on;
}

qint64 FrequencyEdit::value() const
{
    return text().toLongLong();
}

bool FrequencyEdit::advanceDue() const
{
    if (!m_next)
        return false;
    const int length = text().size();
    const int selected = selectedText().size();
    return (length == maxLength() - 1 && selected == 0)
        || (length == maxLength() && selected == 1);
}

void FrequencyEdit::keyPressEvent(QKeyEvent *event)
{
    const bool backspace = TypedCharacter::isBackspace(event);
    const QChar typed = TypedCharacter::of(event);
    if (!backspace && typed.isNull()) {
        QLineEdit::keyPressEvent(event);
        return;
    }

    const bool advance = advanceDue();
    if (backspace || (typed >= QLatin1Char('0') && typed <= QLatin1Char('9')))
        QLineEdit::keyPressEvent(event);
    else
        event->accept();
    if (advance && m_next)
        m_next->setFocus(Qt::OtherFocusReason);
}

void FrequencyEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (m_selectAllOnFocus) {
        const int length = text().size();
        setSelection(length, -length);
    }
}

void FrequencyEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu or another window taking over is no focus loss
    // inside the dialog.
    const bool leftBox = event->reason() != Qt::PopupFocusReason
        && event->reason() != Qt::ActiveWindowFocusReason;
    if (leftBox && m_padWidth > 0 && text().size() < m_padWidth)
        setText(text().rightJustified(m_padWidth, QLatin1Char('0')));
}
