#pragma once

#include <QString>

// Texts from files and from the radio, made safe to show on a terminal or in
// a message: every control character is replaced by a visible escape, so that
// no such text can move the cursor, clear the screen, set a window title
// (ESC ] 0 ; ... BEL), cut a line short with a NUL or reorder what follows it.
class SafeText
{
public:
    // `text` with every control character escaped:
    // - C0 (U+0000..U+001F), DEL (U+007F) and C1 (U+0080..U+009F) as "\xNN"
    //   (two upper-case hex digits: ESC is "\x1B");
    // - the line and paragraph separators U+2028, U+2029, the bidirectional
    //   embeddings, overrides and isolates U+202A..U+202E, U+2066..U+2069,
    //   the marks U+200E, U+200F, U+061C, and a lone surrogate, as "\u{XXXX}".
    // Everything else, letters of any script, symbols and characters
    // outside the Basic Multilingual Plane included, stays as it is. A
    // backslash stays a backslash: the result is for showing, not for
    // parsing back.
    static QString escaped(const QString &text);
    // True when escaped(text) would change nothing.
    static bool isSafe(const QString &text);

    // True when the UTF-16 code unit `c` (not part of a surrogate pair) is
    // escaped.
    static bool isControl(char16_t c);
};
