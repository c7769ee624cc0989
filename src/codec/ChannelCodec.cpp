#include "ChannelCodec.h"

#include "Frequency.h"
#include "Module1.h"

#include <cmath>

namespace {

constexpr std::uint8_t StatusInUse = 0x80;
constexpr std::uint8_t StatusSkipped = 0x88;
constexpr int ToneBase = 0x80;
constexpr int NameFirstByte = 20;
constexpr int NameLength = 8;
constexpr int FrequencyByte = 16;
constexpr int SplitByte = 28;

// The name characters after the letters, codes 54h..5Fh in order.
constexpr char16_t NameSymbols[] = u" *#+-/\\=()$_";

} // namespace

int ChannelCodec::NameCharCode(QChar c)
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

QChar ChannelCodec::NameChar(int code)
{
    if (code >= 0x30 && code <= 0x39)
        return QChar(u'0' + (code - 0x30));
    if (code >= 0x3A && code <= 0x53)
        return QChar(char16_t(code + 7));
    if (code >= 0x54 && code <= 0x5F)
        return QChar(NameSymbols[code - 0x54]);
    return QChar();
}

QString ChannelCodec::gainText(int value)
{
    switch (value) {
    case 0:
        return QStringLiteral("0");
    case 1:
        return QStringLiteral("-10");
    case 2:
        return QStringLiteral("-20");
    default:
        return QStringLiteral("+10");
    }
}

QString ChannelCodec::agcText(int value)
{
    return value ? QStringLiteral("Slow") : QStringLiteral("Fast");
}

QString ChannelCodec::powerText(int value)
{
    switch (value) {
    case 0:
        return QStringLiteral("High");
    case 1:
        return QStringLiteral("Low");
    default:
        return QStringLiteral("S-Low");
    }
}

QString ChannelCodec::filterText(int value)
{
    return value ? QStringLiteral("Narrow") : QStringLiteral("Wide");
}

QString ChannelCodec::noiseBlankerText(int value)
{
    return value ? QStringLiteral("On") : QStringLiteral("Off");
}

QString ChannelCodec::toneText(const Module1 &state, int value)
{
    if (value >= 0 && value < ToneBase)
        return QStringLiteral("Off");
    const int index = value - ToneBase;
    return index < state.ToneNames.size() ? state.ToneNames.at(index) : QString();
}

DecodeResult ChannelCodec::decodeCommonFields(const Module1 &state, const Record &b,
                                              QString *text, double *value)
{
    if (b[1] >= state.ModeNames.size())
        return DecodeResult::failure(QStringLiteral("mode"));
    value[1] = b[1];
    text[1] = state.ModeNames.at(b[1]);
    value[2] = b[2];
    text[2] = gainText(b[2]);
    value[3] = b[3];
    text[3] = agcText(b[3]);
    value[4] = b[4];
    text[4] = powerText(b[4]);
    value[5] = b[6];
    text[5] = filterText(b[6]);
    const QString tone = toneText(state, b[7]);
    if (tone.isEmpty())
        return DecodeResult::failure(QStringLiteral("tone"));
    value[6] = b[7];
    text[6] = tone;
    value[7] = b[9];
    text[7] = noiseBlankerText(b[9]);
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
    b[1] = toByte(value[1]);
    b[2] = toByte(value[2]);
    b[3] = toByte(value[3]);
    b[4] = toByte(value[4]);
    b[6] = toByte(value[5]);
    b[7] = toByte(value[6]);
    b[9] = toByte(value[7]);
}

DecodeResult ChannelCodec::DecodeChannel(Module1 &state, const QString &recordText, int n)
{
    Record b;
    if (!RecordText::split(recordText, b))
        return DecodeResult::failure(QStringLiteral("record text"));

    Module1::ChannelTextRow text = state.ChannelText[n];
    Module1::ChannelValueRow value = state.ChannelValue[n];

    if (b[0] != StatusInUse && b[0] != StatusSkipped) {
        for (int c = 0; c <= 10; ++c) {
            text[c].clear();
            value[c] = 0;
        }
        state.ChannelText[n] = text;
        state.ChannelValue[n] = value;
        state.ChannelInUse[n] = false;
        return DecodeResult::success();
    }

    const bool skipped = b[0] == StatusSkipped;
    value[10] = skipped ? 1 : 0;
    text[10] = skipped ? QStringLiteral("Skip") : QString();

    const DecodeResult common = decodeCommonFields(state, b, text.data(), value.data());
    if (!common)
        return common;

    const std::uint32_t frequency = RecordText::readField32(b, FrequencyByte);
    value[0] = frequency;
    text[0] = Frequency::FormatFrequency(frequency);
    const std::uint32_t split = RecordText::readField32(b, SplitByte);
    value[8] = split;
    text[8] = Frequency::FormatFrequency(split);

    QString name;
    for (int i = NameFirstByte; i < NameFirstByte + NameLength; ++i) {
        const QChar c = NameChar(b[i]);
        if (c.isNull())
            break;
        name += c;
    }
    text[9] = name;

    state.ChannelText[n] = text;
    state.ChannelValue[n] = value;
    state.ChannelInUse[n] = true;
    return DecodeResult::success();
}

QString ChannelCodec::EncodeChannel(const Module1 &state, int n)
{
    const Module1::ChannelValueRow &value = state.ChannelValue[n];
    Record b{};
    if (state.ChannelInUse[n])
        b[0] = value[10] != 0 ? StatusSkipped : StatusInUse;
    encodeCommonFields(value.data(), b);
    RecordText::writeField32(b, FrequencyByte, Frequency::toField(value[0]));

    const QString &name = state.ChannelText[n][9];
    int position = NameFirstByte;
    for (QChar c : name) {
        if (position == NameFirstByte + NameLength)
            break;
        const int code = NameCharCode(c);
        if (code < 0)
            break;
        b[position++] = static_cast<std::uint8_t>(code);
    }

    RecordText::writeField32(b, SplitByte, Frequency::toField(value[8]));
    return RecordText::join(b);
}
