#include "codec/RecordText.h"

namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

} // namespace

bool RecordText::split(const QString &text, Record &out)
{
    if (text.size() != Length)
        return false;
    Record bytes{};
    for (int i = 0; i < 32; ++i) {
        const int high = hexDigit(text.at(2 * i));
        const int low = hexDigit(text.at(2 * i + 1));
        if (high < 0 || low < 0)
            return false;
        bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    out = bytes;
    return true;
}

QString RecordText::join(const Record &bytes)
{
    QString text;
    text.reserve(Length);
    for (std::uint8_t b : bytes)
        text += hexByte(b);
    return text;
}

QString RecordText::hexByte(int value)
{
    static const char digits[] = "0123456789ABCDEF";
    const int v = value & 0xFF;
    const QChar pair[2] = {QLatin1Char(digits[v >> 4]), QLatin1Char(digits[v & 0x0F])};
    return QString(pair, 2);
}

std::uint32_t RecordText::readField32(const Record &bytes, int k)
{
    return std::uint32_t(bytes[k]) | (std::uint32_t(bytes[k + 1]) << 8)
        | (std::uint32_t(bytes[k + 2]) << 16) | (std::uint32_t(bytes[k + 3]) << 24);
}

void RecordText::writeField32(Record &bytes, int k, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[k + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
