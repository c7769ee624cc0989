#pragma once

#include "codec/ChannelRow.h"
#include "codec/VfoRow.h"

#include <QList>
#include <QStringList>

// Rows for tests, built from their cells in column order (Frequency,
// Mode, Gain, ...). Cells left out stay empty and 0; more cells than the
// row holds stop the test program.

// A channel row, in use unless told otherwise.
ChannelRow channelRow(const QStringList &texts, const QList<double> &values = {}, bool inUse = true);
VfoRow vfoRow(const QStringList &texts, const QList<double> &values = {});
