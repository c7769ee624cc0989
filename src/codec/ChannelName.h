#pragma once

#include <QCoreApplication>

#include <QChar>
#include <QString>

#include <optional>

// A channel's name as the radio keeps it: at most 8 characters, each one
// the radio has a code for (upper-case letters, digits, a few signs). The
// one place of these rules: the name box, the CSV import, the lists of
// other programs and the radio's rules all ask here.
class ChannelName
{
    Q_DECLARE_TR_FUNCTIONS(ChannelName)

public:
    static constexpr int Length = 8;

    // The character kept for a typed one: a lower-case letter a-z as its
    // upper-case letter; a null QChar when the radio has no code for it.
    static QChar accepted(QChar typed);
    // A name as the radio keeps it: lower-case letters a-z in upper case,
    // everything else as it is (a problem() then names what does not fit).
    static QString kept(const QString &text);
    // Why the radio cannot keep `name`: a character it has no code for, or
    // more than Length characters; none when it can.
    static std::optional<QString> problem(const QString &name);
    // A name written by another program, made to fit: upper case, letters
    // with marks without them, other characters the radio lacks left out
    // (as blanks between words), at most Length characters. `why` says what
    // changed beyond the case; it stays empty when nothing did.
    static QString fitted(const QString &text, QString &why);
};
