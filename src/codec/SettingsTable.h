#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The set-mode settings, in decoding order (the order of the settings
// descriptor table: an id's number is its place there).
enum class SettingId {
    Rit, Wpm, KeyLock, SsbStep, AmStep, FmStep, MemoryProtection, MemoryAccess,
    ScanTime, Dimmer, Beep, AutoSsb, TxitEnable, ElectronicKeyer, KeyPaddle, SideTone,
    BreakIn, Tone, Compressor, PttLock, AutoPowerOff, Split, ScanType, SearchRange,
    ScanSkip, AutoAgc, KeyRatio, UpDownKey, FuncKeyResume, DialMode, Vox, DataVox,
};

// One set-mode setting: what it is called and the byte that holds it.
struct SettingDescriptor
{
    // How the list position sits in its byte.
    enum class Packing {
        Whole,  // the byte is the position
        Bit0,   // bit 0 of a shared byte (electronic keyer)
        Bit7,   // bit 7 of a shared byte (key paddle)
        Low7,   // the byte modulo 128 (tone)
    };

    SettingId id;
    QString caption;   // "Key Speed(WPM)"; the tone list shows none on the page
    QStringList items; // position 0 first
    int record;        // 1: settings record 1 (0300h), 2: record 2 (0320h)
    int byte;          // 0..31
    int defaultIndex;  // factory selection
    Packing packing;
    bool editable;     // the list's text may be typed (cmbScanSkip)
};

// The selected position of each set-mode list, in descriptor order.
using SettingSelections = std::array<int, 32>;

// The 32 set-mode settings, in decoding order. The settings codec, the
// settings page and the reports are all driven by this table.
class SettingsTable
{
public:
    static constexpr int Count = 32;

    static const std::vector<SettingDescriptor> &all();
    static const SettingDescriptor &of(SettingId id) { return all()[size_t(id)]; }
    static int index(SettingId id) { return int(id); }
    // The three columns in which the settings page shows its captioned
    // lists, top to bottom (every setting but the tone list).
    static const std::array<std::vector<SettingId>, 3> &groups();
    // The generated item lists.
    static QStringList dimmerItems();
    static QStringList wpmItems();
    static QStringList sideToneItems();
    static QStringList breakInItems();
    static QStringList toneItems();
};
