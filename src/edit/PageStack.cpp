#include "edit/PageStack.h"

#include "edit/AccessibleWidgets.h"

#include <QAccessibleWidget>

PageStack::PageStack(QWidget *parent)
    : QStackedWidget(parent)
{
    AccessibleWidgets::install();
}

QAccessibleInterface *PageStack::accessibleFor(PageStack *stack)
{
    return new QAccessibleWidget(stack, QAccessible::Grouping);
}
