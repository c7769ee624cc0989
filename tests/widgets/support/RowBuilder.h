#pragma once

#include "codec/ChannelRow.h"

#include <QStringList>

// A channel in use, from the eleven texts its grid row shows (Frequency,
// Mode, Gain, ..., Split, Name, Skip). A text the program would not
// understand stops the test program.
ChannelRow channelRow(const QStringList &texts);
