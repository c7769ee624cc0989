#include "edit/PlainTextAccessible.h"

PlainTextAccessible::PlainTextAccessible(QWidget *widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

void *PlainTextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString PlainTextAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? plainText() : QAccessibleWidget::text(t);
}

void PlainTextAccessible::selection(int, int *start, int *end) const
{
    *start = 0;
    *end = 0;
}

QString PlainTextAccessible::text(int start, int end) const
{
    return plainText().mid(start, end - start);
}

int PlainTextAccessible::characterCount() const
{
    return int(plainText().size());
}

QString PlainTextAccessible::attributes(int, int *start, int *end) const
{
    *start = 0;
    *end = characterCount();
    return QString();
}
