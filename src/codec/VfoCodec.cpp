#include "codec/VfoCodec.h"

#include "codec/ChannelCodec.h"
#include "codec/Frequency.h"
#include "codec/RecordText.h"

namespace {

constexpr std::uint8_t VfoStatus = 0x80;

} // namespace

DecodeResult VfoCodec::decode(const QString &recordText, VfoRow &row)
{
    Record b;
    if (!RecordText::split(recordText, b))
        return DecodeResult::failure(tr("record text"));

    VfoRow decoded = row;
    const DecodeResult common = ChannelCodec::decodeCommonFields(b, decoded);
    if (!common)
        return common;
    decoded.known = true;
    row = decoded;
    return DecodeResult::success();
}

QString VfoCodec::encode(const VfoRow &row)
{
    Record b{};
    b[0] = VfoStatus;
    ChannelCodec::encodeCommonFields(row, b);
    return RecordText::join(b);
}

std::uint32_t VfoCodec::defaultFrequency(int modelVariant)
{
    constexpr std::uint32_t FrequencyJ = 7050000;
    constexpr std::uint32_t FrequencyOther = 7100000;
    return modelVariant == Vocabulary::ModelJ ? FrequencyJ : FrequencyOther;
}

VfoRow VfoCodec::defaultVfo(int modelVariant)
{
    // Mode LSB, AGC Slow, everything else at code 0.
    constexpr int Lsb = 1;
    constexpr int Slow = 1;
    VfoRow row;
    row.known = true;
    row.frequency = defaultFrequency(modelVariant);
    row.mode = Lsb;
    row.agc = Slow;
    return row;
}
