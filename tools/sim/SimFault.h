#pragma once

#include <QString>

#include <optional>

// A way the virtual radio misbehaves on purpose, so that tests can drive
// the program's failure paths against a real terminal.
class SimFault
{
public:
    enum class Kind {
        None,       // a healthy radio
        Silent,     // neither echo nor answer; nothing is executed
        EchoOnly,   // the echo, no answer
        Garbage,    // answers of the right length with wrong content
        Short,      // every answer one character short
        NoOk,       // writes, model checks and end commands answered "NG"
        HangAfter,  // answers the first count() commands, then is silent
        CloseAfter, // answers count() commands, then closes the terminal
    };

    SimFault() = default;
    SimFault(Kind kind, int count = 0) : m_kind(kind), m_count(count) {}

    // "silent", "echo-only", "garbage", "short", "no-ok", "hang-after=N",
    // "close-after=N" (N >= 0). Nothing for any other text.
    static std::optional<SimFault> parse(const QString &text);

    Kind kind() const { return m_kind; }
    // N of hang-after / close-after; 0 otherwise.
    int count() const { return m_count; }

private:
    Kind m_kind = Kind::None;
    int m_count = 0;
};
