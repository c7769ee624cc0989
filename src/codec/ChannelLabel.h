#pragma once

#include <QCoreApplication>

#include <QString>
#include <QList>
#include <QStringList>

// How channel slots are named: grid row labels, the edit dialog's bank
// heading and channel text, and the grid column headers.
class ChannelLabel
{
    Q_DECLARE_TR_FUNCTIONS(ChannelLabel)

public:
    static constexpr int BankSize = 200;
    static constexpr int FirstBankA = 200;
    static constexpr int FirstBankB = 402;

    // "0".."199", "A  0".."A199", "A-P1", "A-P2", "B  0".."B199", "B-P1", "B-P2".
    static QString gridLabel(int row);
    // A label without the blanks that align it: "A5", "B-P1".
    static QString shortLabel(int row);
    // Ascending rows as runs within their banks: "3-4, A12, A-P1, B0-B199"
    // (with en dashes); at most `runs` runs, then "and N more".
    static QString rangesText(const QList<int> &rows, int runs = 8);
    // The rows of the bank that holds `row`: 0-199, A0-A199, A-P1 and A-P2,
    // B0-B199, B-P1 and B-P2.
    static QList<int> bankRows(int row);
    // The row a label names, typed as a user would ("155", "a12", "A 12",
    // "B-P2", "bp2"); -1 for none.
    static int rowOf(const QString &typed);
    // A grid cell as a screen reader says it; a reader reads a row cell by
    // cell, so the row is said once and each value once. The first cell
    // names the row by its label as spoken ("A 12", "A-P1", "VFO A"):
    // "A 12, 14.074.000", or "A 12, empty" for a row without cells. The
    // others say their column and value ("Gain 0", "Name FT8-20"; the mode
    // and a header's own word, "Skip", alone); an empty cell says nothing.
    static QString spokenCell(const QString &label, const QStringList &headers, const QStringList &cells, int column);
    // A slot's label as spoken: "12", "A 12", "B-P2".
    static QString spokenLabel(int row);
    // "Memory", "Memory A" or "Memory B".
    static QString bankHeading(int row);
    // "12CH", "P1", "P2".
    static QString channelText(int row);
    // The memory grid's column headers, data columns 0..10.
    static QStringList memoryHeaders();
    // The VFO grid's column headers, data columns 0..7.
    static QStringList vfoHeaders();
    // "VFO A", "VFO B".
    static QString vfoLabel(int row);
};
