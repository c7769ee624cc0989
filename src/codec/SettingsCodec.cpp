#include "codec/SettingsCodec.h"

#include "codec/RecordText.h"
#include "codec/SettingsTable.h"

namespace {

using Packing = SettingDescriptor::Packing;

constexpr int Line1Marker = 0xA5;
constexpr int Line1MarkerByte = 0;
constexpr int Line1Constant = 0x03;
constexpr int Line1ConstantByte = 5;

int positionFromByte(const SettingDescriptor &d, int byte)
{
    switch (d.packing) {
    case Packing::Bit0:
        return byte % 2;
    case Packing::Bit7:
        return byte / 128;
    case Packing::Low7:
        return byte % 128;
    case Packing::Whole:
        break;
    }
    return byte;
}

} // namespace

DecodeResult SettingsCodec::decode(const QString &line1, const QString &line2,
                                           SettingSelections &selections)
{
    Record lines[2];
    if (!RecordText::split(line1, lines[0]))
        return DecodeResult::failure(tr("first settings record"));
    if (!RecordText::split(line2, lines[1]))
        return DecodeResult::failure(tr("second settings record"));

    SettingSelections decoded = selections;
    const auto &table = SettingsTable::all();
    for (size_t i = 0; i < table.size(); ++i) {
        const SettingDescriptor &d = table[i];
        const int position = positionFromByte(d, lines[d.record - 1][size_t(d.byte)]);
        if (position >= d.items.size())
            return DecodeResult::failure(d.caption);
        decoded[i] = position;
    }
    selections = decoded;
    return DecodeResult::success();
}

SettingsCodec::Lines SettingsCodec::encode(const SettingSelections &selections)
{
    Record lines[2]{};
    lines[0][Line1MarkerByte] = Line1Marker;
    lines[0][Line1ConstantByte] = Line1Constant;

    const auto &table = SettingsTable::all();
    for (size_t i = 0; i < table.size(); ++i) {
        const SettingDescriptor &d = table[i];
        const int position = selections[i];
        std::uint8_t &byte = lines[d.record - 1][size_t(d.byte)];
        switch (d.packing) {
        case Packing::Bit0:
            byte |= std::uint8_t(position & 1);
            break;
        case Packing::Bit7:
            byte |= std::uint8_t((position & 1) << 7);
            break;
        case Packing::Low7:
        case Packing::Whole:
            byte = std::uint8_t(position);
            break;
        }
    }
    return {RecordText::join(lines[0]), RecordText::join(lines[1])};
}
