#pragma once

#include <QString>

// Outcome of decoding a record: success, or the name of the field that
// could not be decoded. Decoders never throw.
class DecodeResult
{
public:
    static DecodeResult success() { return DecodeResult(); }
    static DecodeResult failure(const QString &field)
    {
        DecodeResult r;
        r.m_ok = false;
        r.m_field = field;
        return r;
    }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    // The failing field ("mode", "tone", "record text", "cmbWPM", ...).
    QString field() const { return m_field; }

private:
    bool m_ok = true;
    QString m_field;
};
