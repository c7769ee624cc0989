#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The columns of a channel row, in table order. A VFO row uses the first
// eight (Frequency .. NoiseBlanker).
enum class ChannelColumn {
    Frequency,
    Mode,
    Gain,
    Agc,
    Power,
    Filter,
    Tone,
    NoiseBlanker,
    Split,
    Name,
    Skip,
};

// The program's fixed tables: mode, step, tone and DCS lists, the clone
// file headers and end mark, the program's title, and for each channel
// column with a fixed list its items and codes. The one place a list size,
// a tone code or a column number is written.
class Vocabulary
{
public:
    // Cells of a channel row: the eleven grid columns and four spare ones
    // that only the CSV exchange reads and writes.
    static constexpr int ChannelColumns = 15;
    static constexpr int ChannelGridColumns = 11;
    // Cells of a VFO row; the VFO grid shows the first eight.
    static constexpr int VfoColumns = 14;
    static constexpr int VfoGridColumns = 8;

    // A tone code is ToneBase + the tone's index; lower codes mean "Off".
    static constexpr int ToneBase = 0x80;
    // The edit dialog's tone list: position 0 "Off", position p > 0 the
    // tone of code p + ToneListOffset.
    static constexpr int ToneListOffset = ToneBase - 1;

    // Model options: 0 QT-R70J, 1 QT-R70T, 2 QT-R70E, 3 QT-R70A.
    static constexpr int ModelJ = 0;
    static constexpr int ModelT = 1;
    static constexpr int ModelE = 2;
    static constexpr int ModelA = 3;
    // cloneHeaders(): "Clone 0" headers at the model option, "Clone A"
    // (extended coverage) headers this many slots further on.
    static constexpr int ExtendedHeaderOffset = 5;

    static int index(ChannelColumn column) { return int(column); }

    static const QStringList &modeNames();  // 6
    static const QStringList &stepNames();  // 19 slots, 0-6 filled
    static const QStringList &toneNames();  // 39, "67.0Hz" .. "250.3Hz"
    static const QStringList &dcsCodes();   // 104, "023" .. "754"
    static const QStringList &cloneHeaders(); // 9 slots, slot 4 empty
    static QString cloneEndMark();
    static QString appTitle();
    // The grids' design widths in twips for the channel columns, in
    // column order; the last spare column has none.
    static const std::array<qint16, ChannelColumns> &columnWidths();
    // "QT-R70J" .. "QT-R70A" for the model options; empty for others.
    static QString modelName(int variant);

    // The items of a column's list, position 0 first: Mode, Gain, Agc,
    // Power, Filter, Tone ("Off" then the tones), NoiseBlanker. Empty for
    // the other columns.
    static QStringList items(ChannelColumn column);
    // The columns that hold one of a list's items, in column order: Mode,
    // Gain, AGC, Power, Filter, Tone, NB (a channel's and a VFO's alike).
    static constexpr std::array<ChannelColumn, 7> ListedColumns = {
        ChannelColumn::Mode,   ChannelColumn::Gain, ChannelColumn::Agc,         ChannelColumn::Power,
        ChannelColumn::Filter, ChannelColumn::Tone, ChannelColumn::NoiseBlanker};
    // The text a column shows for a stored code (a gain of 7 shows "+10",
    // an AGC of 5 "Slow", a tone of 7Fh "Off"). Empty when the code has no
    // text: a mode above 5, a tone above A6h, a negative code.
    static QString text(ChannelColumn column, int code);
    // The code a list position stores, and the list position of a code
    // (-1 when the code has no position).
    static int codeOfPosition(ChannelColumn column, int position);
    static int positionOfCode(ChannelColumn column, int code);
};
