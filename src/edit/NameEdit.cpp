#include "edit/NameEdit.h"

#include "codec/ChannelName.h"
#include "edit/TypedCharacter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

NameEdit::NameEdit(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(ChannelName::Length);
    // Only typed and pasted keys are filtered: no menu or drop to get round it.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
}

void NameEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteAccepted();
        event->accept();
        return;
    }
    const QChar typed = TypedCharacter::of(event);
    if (TypedCharacter::isBackspace(event) || typed.isNull()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar c = ChannelName::accepted(typed);
    if (c.isNull()) {
        event->accept();
        return;
    }
    if (c == typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent upper(event->type(), c.unicode(), event->modifiers(), QString(c),
                    event->isAutoRepeat(), event->count());
    QLineEdit::keyPressEvent(&upper);
    event->setAccepted(upper.isAccepted());
}

void NameEdit::pasteAccepted()
{
    QString text;
    for (QChar typed : QGuiApplication::clipboard()->text()) {
        const QChar c = ChannelName::accepted(typed);
        if (!c.isNull())
            text += c;
    }
    insert(text);
}
