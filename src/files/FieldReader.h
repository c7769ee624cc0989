#pragma once

#include <QString>
#include <QStringDecoder>

class QIODevice;

// Reads text as a stream of fields: a field ends at a comma or at a line
// end (CR LF, LF or CR), leading blanks are skipped, and a field that begins
// with a double quote runs to the closing quote, which is dropped (what
// follows it up to the next comma or line end is passed over). Shared by
// clone file loading and the CSV imports; spreadsheet files also double a
// quote inside a quoted field ("" for "), see setDoubledQuotes().
//
// Reading a device takes it in chunks, so memory does not grow with the
// input; a field keeps at most MaxFieldLength characters (the rest of an
// overlong field is read and dropped), and at most MaxInputBytes bytes of a
// device are read at all: an endless input (/dev/zero) ends there.
class FieldReader
{
public:
    static constexpr int MaxFieldLength = 4096;
    static constexpr qint64 MaxInputBytes = 16 * 1024 * 1024;
    // What peek() gives at the end of the input.
    static constexpr int End = -1;
    enum class Encoding { Latin1, Utf8 };

    explicit FieldReader(const QString &text);
    // A UTF-8 device loses a leading byte order mark.
    FieldReader(QIODevice &device, Encoding encoding);

    // Inside a quoted field, "" stands for one double quote.
    void setDoubledQuotes(bool on) { m_doubledQuotes = on; }
    // A quoted field may go on over line ends only when its closing quote
    // comes (within MaxFieldLength characters) and is followed by the end
    // of the field. Otherwise the quote is taken as never closed: the
    // field ends with its line, and openQuote() says so, so that one stray
    // quote cannot swallow the lines after it.
    void setLineBoundQuotes(bool on) { m_lineBoundQuotes = on; }
    // The field next() gave last began with a quote that was not closed.
    bool openQuote() const { return m_openQuote; }

    // The next field; false when the input has no more fields.
    bool next(QString &field);
    // The field next() gave last ended its line (or the input).
    bool endedLine() const { return m_endedLine; }
    bool atEnd();
    // Reading the device failed (the fields so far were delivered).
    bool failed() const { return m_failed; }
    // The device held more than MaxInputBytes; the fields before were delivered.
    bool tooLong() const { return m_tooLong; }
    // The line (1 for the first) on which the field next() gave last starts.
    int line() const { return m_fieldLine; }

private:
    // The UTF-16 unit at the read position; End at the end.
    int peek();
    bool refill();
    // Adds the next chunk of the device to the buffer; false at the end.
    bool readChunk();
    // From a line end inside a quoted field: whether the field's closing
    // quote follows, and the field ends there.
    bool quoteClosesAhead();
    void skipDelimiter();
    void append(QString &field, int c) const;

    QIODevice *m_device = nullptr;
    QStringDecoder m_decoder;
    QString m_buffer;
    qsizetype m_pos = 0;
    bool m_utf8 = false;
    bool m_started = false;
    bool m_failed = false;
    bool m_tooLong = false;
    bool m_doubledQuotes = false;
    bool m_lineBoundQuotes = false;
    bool m_openQuote = false;
    bool m_endedLine = false;
    qint64 m_bytesRead = 0;
    int m_line = 1;
    int m_fieldLine = 1;
};
