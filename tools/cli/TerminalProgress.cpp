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

void TerminalProgress::start(const QString &what)
{
    finish();
    m_what = what;
    m_active = m_enabled;
}

void TerminalProgress::show(int done, int total)
{
    if (!m_active || total <= 0)
        return;
    const int filled = (done + 1) * BarWidth / total;
    const QString bar = QString(filled, QLatin1Char('#')) + QString(BarWidth - filled, QLatin1Char('.'));
    m_stream << '\r' << m_what << " [" << bar << "] " << done + 1 << '/' << total;
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
