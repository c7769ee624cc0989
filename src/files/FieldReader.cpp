#include "files/FieldReader.h"

#include <QIODevice>

namespace {

constexpr qint64 ChunkSize = 64 * 1024;
constexpr char16_t ByteOrderMark = 0xFEFF;

bool isBlank(int c)
{
    return c == ' ' || c == '\t';
}

bool endsField(int c)
{
    return c == FieldReader::End || c == ',' || c == '\n' || c == '\r';
}

} // namespace

FieldReader::FieldReader(const QString &text)
    : m_buffer(text), m_started(true)
{
}

FieldReader::FieldReader(QIODevice &device, Encoding encoding)
    : m_device(&device),
      m_decoder(encoding == Encoding::Utf8 ? QStringConverter::Utf8 : QStringConverter::Latin1),
      m_utf8(encoding == Encoding::Utf8)
{
}

bool FieldReader::refill()
{
    if (!m_device || m_failed)
        return false;
    m_buffer.remove(0, m_pos);
    m_pos = 0;
    while (m_buffer.isEmpty()) {
        if (!readChunk())
            return false;
    }
    return true;
}

bool FieldReader::readChunk()
{
    if (!m_device || m_failed)
        return false;
    if (m_bytesRead >= MaxInputBytes) {
        char more = 0;
        m_tooLong = m_tooLong || m_device->read(&more, 1) > 0;
        return false;
    }
    QByteArray chunk(ChunkSize, Qt::Uninitialized);
    const qint64 got = m_device->read(chunk.data(), qMin(chunk.size(), MaxInputBytes - m_bytesRead));
    if (got < 0)
        m_failed = true;
    if (got <= 0)
        return false;
    m_bytesRead += got;
    m_buffer += m_decoder.decode(QByteArrayView(chunk.constData(), got));
    if (!m_started) {
        m_started = true;
        if (m_utf8 && m_buffer.startsWith(QChar(ByteOrderMark)))
            m_buffer.remove(0, 1);
    }
    return true;
}

bool FieldReader::quoteClosesAhead()
{
    const auto at = [this](qsizetype i) -> int {
        while (i >= m_buffer.size()) {
            if (!readChunk())
                return End;
        }
        return m_buffer.at(i).unicode();
    };
    const qsizetype last = m_pos + MaxFieldLength;
    for (qsizetype i = m_pos; i < last; ++i) {
        int c = at(i);
        if (c == End)
            return false;
        if (c != '"')
            continue;
        if (m_doubledQuotes && at(i + 1) == '"') {
            ++i;
            continue;
        }
        do
            c = at(++i);
        while (isBlank(c));
        return endsField(c);
    }
    return false;
}

int FieldReader::peek()
{
    if (m_pos >= m_buffer.size() && !refill())
        return End;
    return m_buffer.at(m_pos).unicode();
}

bool FieldReader::atEnd()
{
    return peek() == End;
}

void FieldReader::append(QString &field, int c) const
{
    if (field.size() < MaxFieldLength)
        field += QChar(char16_t(c));
}

bool FieldReader::next(QString &field)
{
    if (atEnd())
        return false;
    field.clear();
    while (isBlank(peek()))
        ++m_pos;
    m_fieldLine = m_line;

    m_openQuote = false;
    if (peek() == '"') {
        ++m_pos;
        bool closed = false;
        for (int c = peek(); c != End; c = peek()) {
            if (m_lineBoundQuotes && (c == '\n' || c == '\r') && !quoteClosesAhead())
                break;  // the line end ends the field
            ++m_pos;
            if (c == '"') {
                closed = !m_doubledQuotes || peek() != '"';
                if (closed)
                    break;
                ++m_pos;
            }
            append(field, c);
            if (c == '\n' || (c == '\r' && peek() != '\n'))
                ++m_line;
        }
        m_openQuote = m_lineBoundQuotes && !closed;
        while (!endsField(peek()))
            ++m_pos;
    } else {
        for (int c = peek(); !endsField(c); c = peek()) {
            append(field, c);
            ++m_pos;
        }
    }
    skipDelimiter();
    return true;
}

void FieldReader::skipDelimiter()
{
    const int c = peek();
    m_endedLine = c != ',';
    if (c == End)
        return;
    ++m_pos;
    if (c == '\r' && peek() == '\n')
        ++m_pos;
    if (c == '\r' || c == '\n')
        ++m_line;
}
