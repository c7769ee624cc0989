#pragma once

#include <QString>

// Reads a text as a stream of fields: a field ends at a comma or at a line
// end (CR LF, LF or CR), leading blanks are skipped, and a field that begins
// with a double quote runs to the closing quote, which is dropped (what
// follows it up to the next comma or line end is passed over). Shared by
// clone file loading and CSV import.
class FieldReader
{
public:
    explicit FieldReader(const QString &text);

    // The next field; false when the text has no more fields.
    bool next(QString &field);
    bool atEnd() const;

private:
    void skipDelimiter();

    QString m_text;
    int m_pos = 0;
};
