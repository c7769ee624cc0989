#include "edit/TypedCharacter.h"

#include <QKeyEvent>

bool TypedCharacter::isBackspace(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Backspace;
}

QChar TypedCharacter::of(const QKeyEvent *event)
{
    constexpr Qt::KeyboardModifiers shortcutModifiers =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->modifiers() & shortcutModifiers)
        return QChar();
    const QString text = event->text();
    if (text.size() != 1 || !text.at(0).isPrint())
        return QChar();
    return text.at(0);
}
