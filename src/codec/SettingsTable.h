#pragma once

#include <QString>
#include <QStringList>

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

// The 32 set-mode settings, in decoding order. The settings codec and the
// settings page are both driven by this table.
class SettingsTable
{
public:
    static const std::vector<SettingDescriptor> &all();
    // Index of a control in all(); -1 when unknown.
    static int indexOf(const QString &control);
    // The generated item lists.
    static QStringList dimmerItems();
    static QStringList wpmItems();
    static QStringList sideToneItems();
    static QStringList breakInItems();
    static QStringList toneItems();
};
