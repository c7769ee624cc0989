#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// One set-mode setting: the list that shows it and the byte that holds it.
struct SettingDescriptor
{
    // How the list position sits in its byte.
    enum class Packing {
        Whole,  // the byte is the position
        Bit0,   // bit 0 of a shared byte (electronic keyer)
        Bit7,   // bit 7 of a shared byte (key paddle)
        Low7,   // the byte modulo 128 (tone)
    };

    QString control;   // objectName of the list ("cmbWPM")
    QString caption;   // caption beside it; empty for cmbTone
    QStringList items; // position 0 first
    int record;        // 1: settings record 1 (0300h), 2: record 2 (0320h)
    int byte;          // 0..31
    int defaultIndex;  // factory selection
    Packing packing;
    bool editable;     // the list's text may be typed (cmbScanSkip)
};

// The selected position of each set-mode list, in descriptor order.
using SettingSelections = std::array<int, 32>;

// The 32 set-mode settings, in decoding order. The settings codec and the
// settings page are both driven by this table.
class SettingsTable
{
public:
    static constexpr int Count = 32;

    static const std::vector<SettingDescriptor> &all();
    // Index of a control in all(); -1 when unknown.
    static int indexOf(const QString &control);
    // The settings page's three columns of captioned lists, top to bottom
    // (every setting but the uncaptioned tone list).
    static const std::array<QStringList, 3> &groups();
    // The generated item lists.
    static QStringList dimmerItems();
    static QStringList wpmItems();
    static QStringList sideToneItems();
    static QStringList breakInItems();
    static QStringList toneItems();
};
