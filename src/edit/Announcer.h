#pragma once

#include <QString>
#include <QWidget>

class QAccessibleInterface;

// What a screen reader says of its own accord: a result in the status
// bar, a new value of a list. Readers ignore a label whose text changes;
// they speak a notification that appears. The announcer is an invisible
// child of a window that a reader sees as such a notification, appearing
// anew with each text; nothing on the screen changes.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    // Says `text` through the announcer of `widget`'s window (made on
    // first use). Nothing happens while no screen reader listens.
    static void say(QWidget *widget, const QString &text);

    QString text() const { return m_text; }
    // What a reader sees: a notification named by the last text.
    static QAccessibleInterface *accessibleFor(Announcer *announcer);

private:
    explicit Announcer(QWidget *window);

    QString m_text;
};
