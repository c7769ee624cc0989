#include "codec/VfoCodec.h"

#include "codec/ChannelCodec.h"
#include "codec/Frequency.h"
#include "codec/RecordText.h"

namespace {

constexpr std::uint8_t VfoStatus = 0x80;
constexpr int FrequencyByte = 16;

} // namespace

DecodeResult VfoCodec::decode(const QString &recordText, VfoRow &row)
{
    Record b;
    if (!RecordText::split(recordText, b))
        return DecodeResult::failure(QStringLiteral("record text"));

    VfoRow decoded = row;
    const DecodeResult common =
        ChannelCodec::decodeCommonFields(b, [&](ChannelColumn column, int code) { decoded.setListed(column, code); });
    if (!common)
        return common;
    decoded.setFrequency(RecordText::readField32(b, FrequencyByte));
    row = decoded;
    return DecodeResult::success();
}

QString VfoCodec::encode(const VfoRow &row)
{
    Record b{};
    b[0] = VfoStatus;
    ChannelCodec::encodeCommonFields(row.value.data(), b);
    RecordText::writeField32(b, FrequencyByte, Frequency::toField(row.valueAt(ChannelColumn::Frequency)));
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
    row.setFrequency(defaultFrequency(modelVariant));
    for (ChannelColumn c : Vocabulary::ListedColumns)
        row.setListed(c, c == ChannelColumn::Mode ? Lsb : (c == ChannelColumn::Agc ? Slow : 0));
    return row;
}
