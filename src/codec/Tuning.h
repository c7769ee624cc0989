#pragma once

#include "codec/Vocabulary.h"

#include <QtGlobal>

// What a channel and a VFO both hold: the frequency in hertz and the code
// each listed column (mode .. noise blanker) stores, as the record's bytes
// give it. The codes are the radio's; Vocabulary names their items.
struct Tuning
{
    qint64 frequency = 0;
    int mode = 0;
    int gain = 0;
    int agc = 0;
    int power = 0;
    int filter = 0;
    int tone = 0;
    int noiseBlanker = 0;

    // The code of a listed column; 0 for any other column.
    int code(ChannelColumn column) const;
    // Sets a listed column's code; other columns are left alone.
    void setCode(ChannelColumn column, int code);

    bool operator==(const Tuning &other) const;
    bool operator!=(const Tuning &other) const { return !(*this == other); }

private:
    int *codeField(ChannelColumn column);
};
