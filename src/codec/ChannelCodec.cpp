#include "codec/ChannelCodec.h"

#include "codec/Frequency.h"

#include <algorithm>

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
    {ChannelColumn::Mode, 1, QT_TRANSLATE_NOOP("ChannelCodec", "mode")},    {ChannelColumn::Gain, 2, nullptr},
    {ChannelColumn::Agc, 3, nullptr},    {ChannelColumn::Power, 4, nullptr},
    {ChannelColumn::Filter, 6, nullptr}, {ChannelColumn::Tone, 7, QT_TRANSLATE_NOOP("ChannelCodec", "tone")},
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

DecodeResult ChannelCodec::decodeCommonFields(const Record &b, Tuning &tuning)
{
    for (const CommonField &f : CommonFields) {
        if (Vocabulary::text(f.column, b[size_t(f.byte)]).isEmpty())
            return DecodeResult::failure(tr(f.name));
    }
    for (const CommonField &f : CommonFields)
        tuning.setCode(f.column, b[size_t(f.byte)]);
    tuning.frequency = RecordText::readField32(b, FrequencyByte);
    return DecodeResult::success();
}

void ChannelCodec::encodeCommonFields(const Tuning &tuning, Record &b)
{
    for (const CommonField &f : CommonFields)
        b[size_t(f.byte)] = static_cast<std::uint8_t>(std::clamp(tuning.code(f.column), 0, 255));
    RecordText::writeField32(b, FrequencyByte, Frequency::toField(tuning.frequency));
}

DecodeResult ChannelCodec::decode(const QString &recordText, ChannelRow &row)
{
    Record b;
    if (!RecordText::split(recordText, b))
        return DecodeResult::failure(tr("record text"));

    ChannelRow decoded = row;
    decoded.clearFields();
    if (b[0] != StatusInUse && b[0] != StatusSkipped) {
        row = decoded;
        return DecodeResult::success();
    }

    decoded.skip = b[0] == StatusSkipped;
    const DecodeResult common = decodeCommonFields(b, decoded);
    if (!common)
        return common;
    decoded.split = RecordText::readField32(b, SplitByte);

    QString name;
    for (int i = NameFirstByte; i < NameFirstByte + NameLength; ++i) {
        const QChar c = nameChar(b[size_t(i)]);
        if (c.isNull())
            break;
        name += c;
    }
    decoded.name = name;
    decoded.inUse = true;
    row = decoded;
    return DecodeResult::success();
}

QString ChannelCodec::encode(const ChannelRow &row)
{
    Record b{};
    if (row.inUse)
        b[0] = row.skip ? StatusSkipped : StatusInUse;
    encodeCommonFields(row, b);

    int position = NameFirstByte;
    for (QChar c : row.name) {
        if (position == NameFirstByte + NameLength)
            break;
        const int code = nameCharCode(c);
        if (code < 0)
            break;
        b[size_t(position++)] = static_cast<std::uint8_t>(code);
    }

    RecordText::writeField32(b, SplitByte, Frequency::toField(row.split));
    return RecordText::join(b);
}
