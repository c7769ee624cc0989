#pragma once

#include "codec/ChannelRules.h"
#include "codec/CloneImage.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Channel rows as tab-separated text, the way spreadsheets copy and paste:
// a header line with the memory grid's column titles (the label column
// titled "Channel"), then one line per row with its label and the texts the
// grid shows (an empty slot gives empty cells).
//
// Reading takes such text back, from this program or from a spreadsheet:
// the header line (when there is one) says which column is which, and
// without one the columns are those of the grid, with or without the label
// column. Each line's values go through the CSV import's rules; a line of
// empty cells is an empty slot, and a line that does not read (or breaks
// the radio's rules) is named with the value at fault, not guessed.
class ChannelClipboard
{
public:
    // More lines than there are slots cannot be pasted anywhere.
    static constexpr int MaxRows = CloneImage::ChannelCount;
    // Characters of pasted text read at most.
    static constexpr qsizetype MaxTextLength = 16 * 1024 * 1024;

    static QString copyText(const CloneImage &image, const QList<int> &channelSlots);

    struct Paste
    {
        // One entry per data line; nullopt for a line that did not read.
        QList<std::optional<ChannelRow>> rows;
        // "Line 3: Mode "USBX" is not understood", one per bad line.
        QStringList problems;
        // Data lines beyond MaxRows, not read.
        int linesLeftOver = 0;
        // The text is longer than MaxTextLength: none of it was read.
        bool tooLong = false;
    };
    // Rows the radio's rules refuse are lines that do not read.
    static Paste read(const QString &text, const ChannelRules &rules);
};
