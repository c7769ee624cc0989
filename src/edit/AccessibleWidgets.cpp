#include "edit/AccessibleWidgets.h"

#include "edit/Announcer.h"
#include "edit/ChoiceList.h"
#include "edit/FrequencyEdit.h"
#include "edit/PageStack.h"

#include <QAccessible>

namespace {

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("ChoiceList"))
        return ChoiceList::accessibleFor(static_cast<ChoiceList *>(object));
    if (className == QLatin1String("Announcer"))
        return Announcer::accessibleFor(static_cast<Announcer *>(object));
    if (className == QLatin1String("FrequencyEdit"))
        return FrequencyEdit::accessibleFor(static_cast<FrequencyEdit *>(object));
    if (className == QLatin1String("PageStack"))
        return PageStack::accessibleFor(static_cast<PageStack *>(object));
    return nullptr;
}

} // namespace

void AccessibleWidgets::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}
