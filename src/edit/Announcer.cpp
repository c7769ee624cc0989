#include "edit/Announcer.h"

#include "edit/AccessibleWidgets.h"

#include <QAccessibleWidget>

namespace {

class AnnouncerAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<Announcer *>(widget())->text() : QString();
    }
};

} // namespace

Announcer::Announcer(QWidget *window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("announcer"));
    AccessibleWidgets::install();
    // Never shown: the reader is told it appears; the screen stays as it is.
    hide();
}

void Announcer::say(QWidget *widget, const QString &text)
{
    if (!widget || text.isEmpty())
        return;
    QWidget *window = widget->window();
    Announcer *announcer = window->findChild<Announcer *>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcer)
        announcer = new Announcer(window);
    announcer->m_text = text;
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent named(announcer, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QAccessibleInterface *Announcer::accessibleFor(Announcer *announcer)
{
    return new AnnouncerAccessible(announcer);
}
