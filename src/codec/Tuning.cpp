#include "codec/Tuning.h"

int *Tuning::codeField(ChannelColumn column)
{
    switch (column) {
    case ChannelColumn::Mode:
        return &mode;
    case ChannelColumn::Gain:
        return &gain;
    case ChannelColumn::Agc:
        return &agc;
    case ChannelColumn::Power:
        return &power;
    case ChannelColumn::Filter:
        return &filter;
    case ChannelColumn::Tone:
        return &tone;
    case ChannelColumn::NoiseBlanker:
        return &noiseBlanker;
    default:
        return nullptr;
    }
}

int Tuning::code(ChannelColumn column) const
{
    const int *field = const_cast<Tuning *>(this)->codeField(column);
    return field ? *field : 0;
}

void Tuning::setCode(ChannelColumn column, int code)
{
    if (int *field = codeField(column))
        *field = code;
}

bool Tuning::operator==(const Tuning &other) const
{
    return frequency == other.frequency && mode == other.mode && gain == other.gain && agc == other.agc
        && power == other.power && filter == other.filter && tone == other.tone && noiseBlanker == other.noiseBlanker;
}
