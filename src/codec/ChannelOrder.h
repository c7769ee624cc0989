#pragma once

#include <QCoreApplication>

#include "codec/ChannelRow.h"

#include <QStringList>

#include <vector>

// Orders for a list of channel rows: by frequency, name or mode, or the
// slots in use first. Empty slots always go last; rows that compare equal
// keep their order.
class ChannelOrder
{
    Q_DECLARE_TR_FUNCTIONS(ChannelOrder)

public:
    enum class Key { Frequency, Name, Mode, InUseFirst };

    // "Frequency", "Name", "Mode", "In use first", in Key order.
    static QStringList keyNames();
    static void sort(std::vector<ChannelRow> &rows, Key key);
};
