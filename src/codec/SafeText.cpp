#include "codec/SafeText.h"

namespace {

bool isWide(char16_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F
        || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

QString hex(uint value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

} // namespace

bool SafeText::isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || isWide(c)
        || isHighSurrogate(c) || isLowSurrogate(c);
}

bool SafeText::isSafe(const QString &text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (isHighSurrogate(c) && i + 1 < n && isLowSurrogate(text.at(i + 1).unicode())) {
            ++i; // a character outside the Basic Multilingual Plane
            continue;
        }
        if (isControl(c))
            return false;
    }
    return true;
}

QString SafeText::escaped(const QString &text)
{
    if (isSafe(text))
        return text;
    QString out;
    out.reserve(text.size() + 16);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (isHighSurrogate(c) && i + 1 < n && isLowSurrogate(text.at(i + 1).unicode())) {
            out += text.at(i);
            out += text.at(++i);
        } else if (!isControl(c)) {
            out += text.at(i);
        } else if (c <= 0xFF) {
            out += QLatin1String("\\x") + hex(c, 2);
        } else {
            out += QLatin1String("\\u{") + hex(c, 4) + QLatin1Char('}');
        }
    }
    return out;
}
