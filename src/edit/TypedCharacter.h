#pragma once

#include <QChar>

class QKeyEvent;

// What a key press types, as the entry boxes' key filters see it: a
// printable character, Backspace, or nothing (navigation, Enter, Escape,
// Tab and shortcuts with Ctrl, Alt or Meta, which the boxes leave alone).
class TypedCharacter
{
public:
    static bool isBackspace(const QKeyEvent *event);
    // The printable character the key types; a null QChar when it types none.
    static QChar of(const QKeyEvent *event);
};
