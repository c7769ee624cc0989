#pragma once

#include <QString>

// Where each record lives in the radio's memory.
class MemoryMap
{
public:
    static constexpr int SettingsRecord1 = 0x0300;
    static constexpr int SettingsRecord2 = 0x0320;
    static constexpr int VfoA = 0x0400;
    static constexpr int VfoB = 0x0500;
    static constexpr int FirstChannel = 0x0600;
    static constexpr int RecordSize = 0x20;

    // Start address of channel slot n (0..603).
    static int channelAddress(int n) { return FirstChannel + RecordSize * n; }
    // Four upper-case hex digits, left-padded with "0" ("0300", "5160").
    static QString addressText(int address);
    // Address text of channel slot n.
    static QString channelAddressText(int n) { return addressText(channelAddress(n)); }
};
