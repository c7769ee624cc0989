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
    QByteArray chunk(ChunkSize, Qt::Uninitialized);
    while (m_buffer.isEmpty()) {
        if (m_bytesRead >= MaxInputBytes) {
            char more = 0;
            m_tooLong = m_device->read(&more, 1) > 0;
            return false;
        }
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
    }
    return true;
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

    if (peek() == '"') {
        ++m_pos;
        for (int c = peek(); c != End; c = peek()) {
            ++m_pos;
            if (c == '"') {
                if (!m_doubledQuotes || peek() != '"')
                    break;
                ++m_pos;
            }
            append(field, c);
            if (c == '\n' || (c == '\r' && peek() != '\n'))
                ++m_line;
        }
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
