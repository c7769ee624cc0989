#include "FieldReader.h"

namespace {

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

FieldReader::FieldReader(const QString &text) : m_text(text)
{
}

bool FieldReader::atEnd() const
{
    return m_pos >= m_text.size();
}

bool FieldReader::next(QString &field)
{
    if (atEnd())
        return false;
    const int size = m_text.size();
    while (m_pos < size && isBlank(m_text.at(m_pos)))
        ++m_pos;

    if (m_pos < size && m_text.at(m_pos) == QLatin1Char('"')) {
        const int start = m_pos + 1;
        int close = m_text.indexOf(QLatin1Char('"'), start);
        if (close < 0)
            close = size;
        field = m_text.mid(start, close - start);
        m_pos = close + 1;
        while (m_pos < size && m_text.at(m_pos) != QLatin1Char(',') && !isLineEnd(m_text.at(m_pos)))
            ++m_pos;
    } else {
        const int start = m_pos;
        while (m_pos < size && m_text.at(m_pos) != QLatin1Char(',') && !isLineEnd(m_text.at(m_pos)))
            ++m_pos;
        field = m_text.mid(start, m_pos - start);
    }
    skipDelimiter();
    return true;
}

void FieldReader::skipDelimiter()
{
    const int size = m_text.size();
    if (m_pos >= size)
        return;
    const QChar c = m_text.at(m_pos);
    ++m_pos;
    if (c == QLatin1Char('\r') && m_pos < size && m_text.at(m_pos) == QLatin1Char('\n'))
        ++m_pos;
}
