#pragma once

#include <QStackedWidget>

class QAccessibleInterface;

// The pages under the tab strip, one shown at a time. A screen reader sees
// a plain grouping without a name, which it passes over in silence, not
// a "layered pane" it names before every control of a page.
class PageStack : public QStackedWidget
{
    Q_OBJECT
public:
    explicit PageStack(QWidget *parent = nullptr);

    static QAccessibleInterface *accessibleFor(PageStack *stack);
};
