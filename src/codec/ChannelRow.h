#pragma once

#include "codec/CellText.h"
#include "codec/Vocabulary.h"

#include <QString>

#include <array>

// One memory channel as the program holds it: the text each column shows,
// the raw value each record field is rebuilt from, and whether the slot
// holds a channel. Columns 11-14 are spare cells that only the CSV
// exchange fills.
struct ChannelRow
{
    std::array<QString, Vocabulary::ChannelColumns> text;
    std::array<double, Vocabulary::ChannelColumns> value{};
    bool inUse = false;

    const QString &textAt(ChannelColumn c) const { return text[size_t(c)]; }
    QString &textAt(ChannelColumn c) { return text[size_t(c)]; }
    double valueAt(ChannelColumn c) const { return value[size_t(c)]; }
    double &valueAt(ChannelColumn c) { return value[size_t(c)]; }

    // Each sets a cell's value and the text it shows (CellText).
    // The frequency or the split, in hertz.
    void setFrequency(ChannelColumn column, qint64 hz) { CellText::setFrequency(*this, column, hz); }
    // A listed column (mode .. noise blanker) to the item of `code`.
    void setListed(ChannelColumn column, int code) { CellText::setListed(*this, column, code); }
    void setSkip(bool skipped)
    {
        valueAt(ChannelColumn::Skip) = skipped ? 1 : 0;
        textAt(ChannelColumn::Skip) = CellText::skip(skipped);
    }
    void setName(const QString &name) { textAt(ChannelColumn::Name) = name; }

    bool operator==(const ChannelRow &other) const
    {
        return inUse == other.inUse && text == other.text && value == other.value;
    }
    bool operator!=(const ChannelRow &other) const { return !(*this == other); }
};
