#include "VfoCodec.h"

#include "ChannelCodec.h"
#include "Frequency.h"
#include "Module1.h"
#include "RecordText.h"

namespace {

constexpr std::uint8_t VfoStatus = 0x80;
constexpr int FrequencyByte = 16;

} // namespace

DecodeResult VfoCodec::DecodeVfo(Module1 &state, const QString &recordText, int r)
{
    Record b;
    if (!RecordText::split(recordText, b))
        return DecodeResult::failure(QStringLiteral("record text"));

    Module1::VfoTextRow text = state.VfoText[r];
    Module1::VfoValueRow value = state.VfoValue[r];
    const DecodeResult common =
        ChannelCodec::decodeCommonFields(state, b, text.data(), value.data());
    if (!common)
        return common;

    const std::uint32_t frequency = RecordText::readField32(b, FrequencyByte);
    value[0] = frequency;
    text[0] = Frequency::FormatFrequency(frequency);

    state.VfoText[r] = text;
    state.VfoValue[r] = value;
    return DecodeResult::success();
}

QString VfoCodec::EncodeVfo(const Module1 &state, int r)
{
    Record b{};
    b[0] = VfoStatus;
    ChannelCodec::encodeCommonFields(state.VfoValue[r].data(), b);
    RecordText::writeField32(b, FrequencyByte, Frequency::toField(state.VfoValue[r][0]));
    return RecordText::join(b);
}

std::uint32_t VfoCodec::defaultFrequency(int modelVariant)
{
    constexpr std::uint32_t FrequencyJ = 7050000;
    constexpr std::uint32_t FrequencyOther = 7100000;
    return modelVariant == Module1::ModelJ ? FrequencyJ : FrequencyOther;
}

void VfoCodec::LoadDefaultVfo(Module1 &state)
{
    const std::uint32_t frequency = defaultFrequency(state.ModelVariant);

    // Mode LSB, gain 0, AGC Slow, power High, filter Wide, tone Off, NB Off.
    const double values[8] = {double(frequency), 1, 0, 1, 0, 0, 0, 0};
    auto &text = state.VfoText[0];
    auto &value = state.VfoValue[0];
    for (int c = 0; c < 8; ++c)
        value[c] = values[c];
    text[0] = Frequency::FormatFrequency(frequency);
    text[1] = state.ModeNames.at(1);
    text[2] = ChannelCodec::gainText(0);
    text[3] = ChannelCodec::agcText(1);
    text[4] = ChannelCodec::powerText(0);
    text[5] = ChannelCodec::filterText(0);
    text[6] = ChannelCodec::toneText(state, 0);
    text[7] = ChannelCodec::noiseBlankerText(0);

    for (int c = 0; c < 8; ++c) {
        state.VfoText[1][c] = text[c];
        state.VfoValue[1][c] = value[c];
    }
}
