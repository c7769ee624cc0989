#include "edit/ChoiceList.h"

#include "edit/AccessibleWidgets.h"
#include "edit/Announcer.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QKeyEvent>

namespace {

// The list as a combo box without children (the popup speaks for itself
// when it opens) whose text is the chosen item: a reader says the caption,
// the role and that text.
class ChoiceListAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ChoiceListAccessible(ChoiceList *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return shown();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = static_cast<ChoiceList *>(widget())->view()->isVisible();
        return s;
    }

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    // The text: the chosen item, read only, nothing selected.
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return int(shown().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }

private:
    QString shown() const { return static_cast<ChoiceList *>(widget())->currentText(); }
};

} // namespace

ChoiceList::ChoiceList(QWidget *parent)
    : QComboBox(parent)
{
    AccessibleWidgets::install();
}

QAccessibleInterface *ChoiceList::accessibleFor(ChoiceList *list)
{
    // A list one can type into speaks through its text box, as Qt has it.
    return list->isEditable() ? nullptr : new ChoiceListAccessible(list);
}

void ChoiceList::keyPressEvent(QKeyEvent *event)
{
    const int before = currentIndex();
    QComboBox::keyPressEvent(event);
    // A choice the keys make in the closed list is said; an open list
    // speaks its items itself.
    if (currentIndex() != before && !view()->isVisible())
        Announcer::say(this, currentText());
}
