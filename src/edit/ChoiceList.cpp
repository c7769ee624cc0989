#include "edit/ChoiceList.h"

#include "edit/AccessibleWidgets.h"
#include "edit/Announcer.h"
#include "edit/PlainTextAccessible.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace {

// The list as a combo box without children (the popup speaks for itself
// when it opens) whose text is the chosen item: a reader says the caption,
// the role and that text.
class ChoiceListAccessible : public PlainTextAccessible
{
public:
    explicit ChoiceListAccessible(ChoiceList *list)
        : PlainTextAccessible(list, QAccessible::ComboBox)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = PlainTextAccessible::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

protected:
    QString plainText() const override { return list()->currentText(); }

private:
    ChoiceList *list() const { return static_cast<ChoiceList *>(widget()); }
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
