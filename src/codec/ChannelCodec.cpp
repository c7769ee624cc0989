#include "codec/ChannelCodec.h"

#include "codec/Frequency.h"

#include <cmath>

namespace {

constexpr std::uint8_t StatusInUse = 0x80;
constexpr std::uint8_t StatusSkipped = 0x88;
constexpr int NameFirstByte = 20;
constexpr int NameLength = 8;
constexpr int FrequencyByte = 16;
constexpr int SplitByte = 28;

// The fields a channel and a VFO share: the column, the record byte, and
// the field's name when a byte without a text fails to decode.
struct CommonField
{
    ChannelColumn column;
    int byte;
    const char *name;
};
constexpr CommonField CommonFields[] = {
    {ChannelColumn::Mode, 1, "mode"},    {ChannelColumn::Gain, 2, nullptr},
    {ChannelColumn::Agc, 3, nullptr},    {ChannelColumn::Power, 4, nullptr},
    {ChannelColumn::Filter, 6, nullptr}, {ChannelColumn::Tone, 7, "tone"},
    {ChannelColumn::NoiseBlanker, 9, nullptr},
};

// The name characters after the letters, codes 54h..5Fh in order.
constexpr char16_t NameSymbols[] = u" *#+-/\\=()$_";

} // namespace

int ChannelCodec::nameCharCode(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return 0x30 + (u - '0');
    if (u >= 'A' && u <= 'Z')
        return u - 7;
    for (int i = 0; NameSymbols[i]; ++i) {
        if (NameSymbols[i] == u)
            return 0x54 + i;
    }
    return -1;
}

QChar ChannelCodec::nameChar(int code)
{
    if (code >= 0x30 && code <= 0x39)
        return QChar(u'0' + (code - 0x30));
    if (code >= 0x3A && code <= 0x53)
        return QChar(char16_t(code + 7));
    if (code >= 0x54 && code <= 0x5F)
        return QChar(NameSymbols[code - 0x54]);
    return QChar();
}

DecodeResult ChannelCodec::decodeCommonFields(const Record &b, const std::function<void(ChannelColumn, int)> &set)
{
    for (const CommonField &f : CommonFields) {
        if (Vocabulary::text(f.column, b[size_t(f.byte)]).isEmpty())
            return DecodeResult::failure(QLatin1String(f.name));
    }
    for (const CommonField &f : CommonFields)
        set(f.column, b[size_t(f.byte)]);
    return DecodeResult::success();
}

namespace {

std::uint8_t toByte(double value)
{
    if (!(value > 0))
        return 0;
    if (value >= 255)
        return 255;
    return static_cast<std::uint8_t>(std::lround(value));
}

} // namespace

void ChannelCodec::encodeCommonFields(const double *value, Record &b)
{
    for (const CommonField &f : CommonFields)
        b[size_t(f.byte)] = toByte(value[Vocabulary::index(f.column)]);
}

DecodeResult ChannelCodec::decode(const QString &recordText, ChannelRow &row)
{
    Record b;
    if (!RecordText::split(recordText, b))
        return DecodeResult::failure(QStringLiteral("record text"));

    ChannelRow decoded = row;
    auto &text = decoded.text;
    auto &value = decoded.value;

    if (b[0] != StatusInUse && b[0] != StatusSkipped) {
        for (int c = 0; c < Vocabulary::ChannelGridColumns; ++c) {
            text[size_t(c)].clear();
            value[size_t(c)] = 0;
        }
        decoded.inUse = false;
        row = decoded;
        return DecodeResult::success();
    }

    decoded.setSkip(b[0] == StatusSkipped);
    const DecodeResult common = decodeCommonFields(b, [&](ChannelColumn column, int code) { decoded.setListed(column, code); });
    if (!common)
        return common;
    decoded.setFrequency(ChannelColumn::Frequency, RecordText::readField32(b, FrequencyByte));
    decoded.setFrequency(ChannelColumn::Split, RecordText::readField32(b, SplitByte));

    QString name;
    for (int i = NameFirstByte; i < NameFirstByte + NameLength; ++i) {
        const QChar c = nameChar(b[size_t(i)]);
        if (c.isNull())
            break;
        name += c;
    }
    decoded.setName(name);
    decoded.inUse = true;
    row = decoded;
    return DecodeResult::success();
}

QString ChannelCodec::encode(const ChannelRow &row)
{
    Record b{};
    if (row.inUse)
        b[0] = row.valueAt(ChannelColumn::Skip) != 0 ? StatusSkipped : StatusInUse;
    encodeCommonFields(row.value.data(), b);
    RecordText::writeField32(b, FrequencyByte, Frequency::toField(row.valueAt(ChannelColumn::Frequency)));

    int position = NameFirstByte;
    for (QChar c : row.textAt(ChannelColumn::Name)) {
        if (position == NameFirstByte + NameLength)
            break;
        const int code = nameCharCode(c);
        if (code < 0)
            break;
        b[size_t(position++)] = static_cast<std::uint8_t>(code);
    }

    RecordText::writeField32(b, SplitByte, Frequency::toField(row.valueAt(ChannelColumn::Split)));
    return RecordText::join(b);
}
