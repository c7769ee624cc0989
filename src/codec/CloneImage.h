#pragma once

#include "codec/ChannelRow.h"
#include "codec/SettingsTable.h"
#include "codec/VfoRow.h"
#include "codec/Vocabulary.h"

#include <QList>
#include <QString>

#include <array>

// The program's copy of the radio's memory, as a plain value: the two
// settings records (verbatim) and the 32 list selections they stand for,
// VFO A and B, the 604 channel rows, the selected model option and whether
// the extended-coverage version is selected. Copies are cheap (the rows
// are shared until one side changes), so snapshots, staged loads and "what
// the radio holds" are all just images.
class CloneImage
{
public:
    static constexpr int ChannelCount = 604;
    static constexpr int VfoCount = 2;

    // Empty tables: every channel not in use with empty cells, empty VFO
    // rows, no settings lines, every selection 0, the QT-R70E option.
    CloneImage();
    // The image New installs: factory settings, the default VFOs for the
    // model option, every channel empty.
    static CloneImage factory(int modelVariant, bool extendedRange);

    // The model option as a clone file header names it (0..3): options
    // outside 0..2 count as the QT-R70A.
    int modelVariantForFile() const;

    bool operator==(const CloneImage &other) const;
    bool operator!=(const CloneImage &other) const { return !(*this == other); }

    QList<ChannelRow> channels;
    std::array<VfoRow, VfoCount> vfos;
    // The settings records as last read, loaded or encoded.
    QString settingsLine1;
    QString settingsLine2;
    // The selected position of each set-mode list, in the order of the
    // settings descriptor table.
    SettingSelections selections{};
    int modelVariant = Vocabulary::ModelE;
    bool extendedRange = false;
};
