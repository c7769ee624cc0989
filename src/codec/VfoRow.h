#pragma once

#include "codec/Tuning.h"
#include "codec/Vocabulary.h"

#include <QString>
#include <QStringList>

// VFO A or VFO B: its frequency and listed codes, and whether it holds
// them at all (an image that nothing was read, loaded or set into shows
// empty VFO rows). The text each column shows is made from these
// (CellText).
struct VfoRow : Tuning
{
    bool known = false;

    // The text a grid column (Frequency .. NB) shows; empty for the other
    // columns and for a row that holds nothing.
    QString text(ChannelColumn column) const;
    // The number a column stores: hertz or a code.
    qint64 value(ChannelColumn column) const;
    // The grid's cells (columns Frequency .. NB), in column order.
    QStringList texts() const;

    bool operator==(const VfoRow &other) const { return Tuning::operator==(other) && known == other.known; }
    bool operator!=(const VfoRow &other) const { return !(*this == other); }
};
