#pragma once

#include <QByteArray>
#include <QList>

#include <functional>

// Runs part of a test in a child process of its own: to change what only a
// whole process can (its user, its file size limit, its signal handling),
// or to pass a program arguments that are no valid text.
class ForkedChild
{
public:
    struct Outcome
    {
        bool exited = false;  // ended normally (not by a signal)
        int exitCode = -1;
        int signal = 0;       // the signal that ended it, if one did
        QByteArray output;    // what `work` returned / the program's stderr
    };

    // Forks, runs `work` in the child and hands back what it returned.
    static Outcome run(const std::function<QByteArray()> &work);
    // Runs `program` with `arguments` (raw bytes, passed unchanged);
    // `output` holds its stderr.
    static Outcome exec(const QByteArray &program, const QList<QByteArray> &arguments);
    // Makes the calling (child) process the user nobody; false when it
    // cannot (not root).
    static bool becomeNobody();

    static constexpr unsigned NobodyId = 65534;
};
