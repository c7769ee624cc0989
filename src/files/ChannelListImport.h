#pragma once

#include "codec/ChannelRow.h"
#include "codec/CloneImage.h"
#include "files/FileAccess.h"
#include "files/FileResult.h"

#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

// Reads a channel list in the layout most radio programmers, repeater
// directories and club lists share (Location, Name, Frequency, Duplex,
// Offset, Tone, rToneFreq, cToneFreq, ..., Mode, ..., Skip, Power, Comment;
// columns found by their header names, any of them missing but Frequency)
// and works out what storing it would do: each row mapped to this radio by
// its rules, its target slot, what was adjusted and why, the rows refused
// and why. Nothing changes until the caller applies the plan.
class ChannelListImport
{
public:
    static constexpr int MaxLineLength = 4096;
    static constexpr int MaxRows = 10000;

    enum class Placement {
        FromSlot,   // file order, from a first slot on
        ByLocation, // the slot the Location column names
    };

    // An adjustment made to fit the radio, by the column it touched.
    struct Note
    {
        ChannelColumn column = ChannelColumn::Frequency;
        QString text;
    };

    struct Row
    {
        int line = 0;
        QString location;      // as the file gives it
        int slot = -1;         // where it goes; -1 when it is not stored
        // What the slot will hold (not in use: emptied).
        ChannelRow channel;
        // For a row refused as it was read, the file's own frequency, mode
        // and name.
        QString fileFrequency;
        QString fileMode;
        QString fileName;
        QList<Note> notes;
        QString refusal;       // why it is not stored
        bool replacesChannel = false; // the slot holds a channel now

        bool stored() const { return slot >= 0; }
        bool adjusted(ChannelColumn column) const;
        // What a column shows of the row: the channel's text, or for a
        // row refused as it was read the file's own (frequency, mode and
        // name only).
        QString cellText(ChannelColumn column) const;
        // "line 4 → A 12: 14.074.000 USB FT8 (Mode NFM is stored as FM)"
        QString reportLine() const;
    };

    struct Plan
    {
        FileResult file;
        QList<Row> rows;
        bool moreRows = false; // the file goes on past MaxRows rows, unread

        int storedCount() const;
        int refusedCount() const;
        int replacedCount() const;
        // "3 rows to store in 12 to A 1 (1 channel replaced); 1 row refused"
        QString summary() const;
        // The image with every stored row in its slot.
        CloneImage appliedTo(const CloneImage &image) const;
    };

    // The plan for a list read from `device` into `image`, by `placement`
    // (`firstSlot` for FromSlot).
    static Plan plan(QIODevice &device, const CloneImage &image, Placement placement, int firstSlot);
    static Plan planBytes(const QByteArray &bytes, const CloneImage &image, Placement placement, int firstSlot);
    static Plan planFile(const QString &path, const CloneImage &image, Placement placement, int firstSlot,
                         FileAccess access = FileAccess::Streams);
};
