#pragma once

#include <QString>

// A one-line progress bar on stderr, drawn only when stderr is a terminal.
class TerminalProgress
{
public:
    TerminalProgress();
    ~TerminalProgress();

    void start(const QString &what, int total);
    void show(int slot);
    void finish();

private:
    bool m_enabled;
    bool m_active = false;
    QString m_what;
    int m_total = 0;
};
