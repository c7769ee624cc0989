#include "edit/NameEdit.h"

#include "codec/ChannelCodec.h"
#include "edit/TypedCharacter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

NameEdit::NameEdit(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(MaxLength);
    // Only typed and pasted keys are filtered: no menu or drop to get round it.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
}

QChar NameEdit::accepted(QChar typed)
{
    const char16_t u = typed.unicode();
    const QChar c = (u >= u'a' && u <= u'z') ? QChar(char16_t(u - u'a' + u'A')) : typed;
    return ChannelCodec::nameCharCode(c) >= 0 ? c : QChar();
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
    const QChar c = accepted(typed);
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
        const QChar c = accepted(typed);
        if (!c.isNull())
            text += c;
    }
    insert(text);
}
