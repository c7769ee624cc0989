#pragma once

#include "codec/Tuning.h"
#include "codec/Vocabulary.h"

#include <QString>

// One memory slot as the program holds it: whether it holds a channel, and
// the channel's frequency and listed codes, its split, name and skip. The
// text each column shows is made from these (CellText).
struct ChannelRow : Tuning
{
    // What a channel line of the CSV layout carries beyond the radio's
    // fields: the three cells after the skip cell, as a file gave them, and
    // the last cell's "On". The radio has no place for them; they stay with
    // the slot, through reads, until it is cleared, and the CSV export
    // writes them back.
    struct CsvExtras
    {
        QString first;
        QString second;
        QString third;
        bool on = false;

        bool operator==(const CsvExtras &other) const
        {
            return first == other.first && second == other.second && third == other.third && on == other.on;
        }
    };

    // The split frequency in hertz; 0 is the radio's "no split".
    qint64 split = 0;
    QString name;
    bool skip = false;
    bool inUse = false;
    CsvExtras csvExtras;

    // The text a grid column shows ("7.100.000", "USB", "Skip"); empty for
    // a slot not in use.
    QString text(ChannelColumn column) const;
    // The number a column stores: hertz, a code, 1 for a skipped channel;
    // 0 for the name.
    qint64 value(ChannelColumn column) const;
    // The grid's cells (columns Frequency .. Skip), in column order.
    QStringList texts() const;
    // Empties the slot: not in use, every radio field 0, no name. The CSV
    // extras stay.
    void clearFields();

    bool operator==(const ChannelRow &other) const;
    bool operator!=(const ChannelRow &other) const { return !(*this == other); }
};
