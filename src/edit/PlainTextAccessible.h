#pragma once

#include <QAccessibleWidget>

// A widget as a screen reader sees it when a text is all it has to read:
// that text, a caret at its start, nothing selected, no attributes. The
// drop-down lists (their item) and the frequency boxes build on it.
class PlainTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    PlainTextAccessible(QWidget *widget, QAccessible::Role role);

    void *interface_cast(QAccessible::InterfaceType type) override;
    // The value is the text.
    QString text(QAccessible::Text t) const override;

    void selection(int selectionIndex, int *start, int *end) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override;

protected:
    virtual QString plainText() const = 0;
};
