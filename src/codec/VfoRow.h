#pragma once

#include "codec/CellText.h"
#include "codec/Vocabulary.h"

#include <QString>

#include <array>

// VFO A or VFO B: the text each column shows and the raw value each record
// field is rebuilt from. Columns 0-7 are Frequency .. NB; the rest stay
// empty unless a CSV import fills them.
struct VfoRow
{
    std::array<QString, Vocabulary::VfoColumns> text;
    std::array<double, Vocabulary::VfoColumns> value{};

    const QString &textAt(ChannelColumn c) const { return text[size_t(c)]; }
    QString &textAt(ChannelColumn c) { return text[size_t(c)]; }
    double valueAt(ChannelColumn c) const { return value[size_t(c)]; }
    double &valueAt(ChannelColumn c) { return value[size_t(c)]; }

    // Each sets a cell's value and the text it shows (CellText).
    void setFrequency(qint64 hz) { CellText::setFrequency(*this, ChannelColumn::Frequency, hz); }
    void setListed(ChannelColumn column, int code) { CellText::setListed(*this, column, code); }

    bool operator==(const VfoRow &other) const { return text == other.text && value == other.value; }
    bool operator!=(const VfoRow &other) const { return !(*this == other); }
};
