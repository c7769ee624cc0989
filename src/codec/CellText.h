#pragma once

#include "codec/Frequency.h"
#include "codec/Vocabulary.h"

#include <QString>

#include <cstdint>

// The one place a cell's text is made from what a row holds, for a channel
// row and a VFO row alike: a frequency as the radio shows it
// ("7.100.000"), a listed column's item for its code, "Skip" for a
// skipped channel. The grids, the CSV, the lists of other programs, the
// clipboard, the printed list and the edit dialog show the texts made here.
class CellText
{
public:
    static QString frequency(qint64 hz) { return Frequency::format(std::uint64_t(hz > 0 ? hz : 0)); }
    static QString listed(ChannelColumn column, int code) { return Vocabulary::text(column, code); }
    static QString skip(bool skipped) { return skipped ? QStringLiteral("Skip") : QString(); }
};
