#pragma once

#include <QString>

class QTextStream;

// A one-line progress bar on the error stream, drawn only when that stream
// is a terminal (the caller knows).
class TerminalProgress
{
public:
    TerminalProgress(QTextStream &stream, bool enabled);
    ~TerminalProgress();

    void start(const QString &what);
    // Record `done` + 1 of `total` under way.
    void show(int done, int total);
    void finish();

private:
    QTextStream &m_stream;
    bool m_enabled;
    bool m_active = false;
    QString m_what;
};
