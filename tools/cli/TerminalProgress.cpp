#include "TerminalProgress.h"

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int BarWidth = 40;

} // namespace

TerminalProgress::TerminalProgress() : m_enabled(isatty(fileno(stderr)) != 0)
{
}

TerminalProgress::~TerminalProgress()
{
    finish();
}

void TerminalProgress::start(const QString &what, int total)
{
    finish();
    m_what = what;
    m_total = total;
    m_active = m_enabled;
}

void TerminalProgress::show(int slot)
{
    if (!m_active || m_total <= 0)
        return;
    const int filled = (slot + 1) * BarWidth / m_total;
    const QString bar = QString(filled, QLatin1Char('#')) + QString(BarWidth - filled, QLatin1Char('.'));
    std::fprintf(stderr, "\r%s [%s] %d/%d", qPrintable(m_what), qPrintable(bar), slot + 1, m_total);
    std::fflush(stderr);
}

void TerminalProgress::finish()
{
    if (!m_active)
        return;
    std::fprintf(stderr, "\n");
    std::fflush(stderr);
    m_active = false;
}
