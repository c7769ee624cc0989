#include "TerminalProgress.h"

#include <QTextStream>

namespace {

constexpr int BarWidth = 40;

} // namespace

TerminalProgress::TerminalProgress(QTextStream &stream, bool enabled)
    : m_stream(stream), m_enabled(enabled)
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
    m_stream << '\r' << m_what << " [" << bar << "] " << slot + 1 << '/' << m_total;
    m_stream.flush();
}

void TerminalProgress::finish()
{
    if (!m_active)
        return;
    m_stream << '\n';
    m_stream.flush();
    m_active = false;
}
