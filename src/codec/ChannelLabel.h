#pragma once

#include <QString>
#include <QStringList>

// How channel slots are named: grid row labels, the edit dialog's bank
// heading and channel text, and the grid column headers.
class ChannelLabel
{
public:
    static constexpr int BankSize = 200;
    static constexpr int FirstBankA = 200;
    static constexpr int FirstBankB = 402;

    // "0".."199", "A  0".."A199", "A-P1", "A-P2", "B  0".."B199", "B-P1", "B-P2".
    static QString gridLabel(int row);
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
