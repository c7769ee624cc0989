#include "codec/SettingsTable.h"

#include "codec/Vocabulary.h"

namespace {

using Packing = SettingDescriptor::Packing;

QStringList offOn()
{
    return {QStringLiteral("Off"), QStringLiteral("On")};
}

SettingDescriptor whole(SettingId id, const char *caption, const QStringList &items,
                        int record, int byte, int defaultIndex, bool editable = false)
{
    return {id, QLatin1String(caption), items, record, byte, defaultIndex, Packing::Whole, editable};
}

std::vector<SettingDescriptor> buildTable()
{
    const auto L = [](std::initializer_list<const char *> texts) {
        QStringList list;
        for (const char *t : texts)
            list.append(QLatin1String(t));
        return list;
    };
    std::vector<SettingDescriptor> t;
    t.push_back(whole(SettingId::Rit, "RIT / TXIT", L({"Off", "RIT", "TXIT", "RIT/TXIT"}), 1, 6, 0));
    t.push_back(whole(SettingId::Wpm, "Key Speed(WPM)", SettingsTable::wpmItems(), 1, 7, 14));
    t.push_back(whole(SettingId::KeyLock, "Key Lock", L({"Off", "Dial Lock", "Key Lock"}), 1, 10, 0));
    t.push_back(whole(SettingId::SsbStep, "SSB Step", L({"100Hz", "500Hz", "1.0KHz", "2.5KHz"}), 1, 13, 0));
    t.push_back(whole(SettingId::AmStep, "AM Step",
                      L({"1.0KHz", "2.5KHz", "5.0KHz", "9.0KHz", "10.0KHz"}), 1, 14, 0));
    t.push_back(whole(SettingId::FmStep, "FM Step",
                      L({"2.5KHz", "5.0KHz", "10.0KHz", "12.5KHz", "20.0KHz"}), 1, 15, 0));
    t.push_back(whole(SettingId::MemoryProtection, "Memory Protection", offOn(), 1, 16, 0));
    t.push_back(whole(SettingId::MemoryAccess, "Memory Access", L({"On", "Off"}), 1, 17, 0));
    t.push_back(whole(SettingId::ScanTime, "Scan Time",
                      L({" Off", "  0", "  1S", "  2S", "  3S", "  5S", "  7S", " 10S",
                         " B0", " B1S", " B2S", " B3S", " B5S", "B10S", "B20S", "B30S",
                         " B1M", " B2M", " B3M", " B5M", "B10M", "B20M", "B30M"}),
                      1, 18, 3));
    t.push_back(whole(SettingId::Dimmer, "Dimmer", SettingsTable::dimmerItems(), 1, 19, 32));
    t.push_back(whole(SettingId::Beep, "Beep", offOn(), 1, 20, 1));
    t.push_back(whole(SettingId::AutoSsb, "Auto USB/LSB", offOn(), 1, 21, 1));
    t.push_back(whole(SettingId::TxitEnable, "TXIT Enable", offOn(), 1, 22, 1));
    t.push_back({SettingId::ElectronicKeyer, QStringLiteral("Electronic Keyer"), offOn(), 1, 23,
                 1, Packing::Bit0, false});
    t.push_back({SettingId::KeyPaddle, QStringLiteral("Key Paddle"),
                 L({"Normal", "Revers"}), 1, 23, 0, Packing::Bit7, false});
    t.push_back(whole(SettingId::SideTone, "Side Tone", SettingsTable::sideToneItems(), 1, 24, 8));
    t.push_back(whole(SettingId::BreakIn, "Break In", SettingsTable::breakInItems(), 1, 25, 8));
    t.push_back({SettingId::Tone, QStringLiteral("Tone"), SettingsTable::toneItems(), 1, 26, 8,
                 Packing::Low7, false});
    t.push_back(whole(SettingId::Compressor, "Speech Compressor", offOn(), 1, 27, 0));
    t.push_back(whole(SettingId::PttLock, "PTT Lock", offOn(), 1, 28, 0));
    t.push_back(whole(SettingId::AutoPowerOff, "Auto Power Off", L({"Off", " 30", " 60", " 90", "120"}), 1, 29, 0));
    t.push_back(whole(SettingId::Split, "Split", offOn(), 2, 3, 0));
    t.push_back(whole(SettingId::ScanType, "Scan Type", L({"Band", "Program", "Search", "Select"}), 2, 8, 0));
    t.push_back(whole(SettingId::SearchRange, "Search Range", L({" 50KHz", "100KHz", "200KHz"}), 2, 9, 0));
    t.push_back(whole(SettingId::ScanSkip, "Scan Skip", L({"No Skip", "Skip"}), 2, 10, 1, true));
    t.push_back(whole(SettingId::AutoAgc, "Auto AGC", offOn(), 2, 11, 1));
    t.push_back(whole(SettingId::KeyRatio, "Key Ratio", L({"2.5", "3.0", "3.5", "4.0", "4.5"}), 2, 12, 1));
    t.push_back(whole(SettingId::UpDownKey, "Up Down Key", L({"Repeat", "Scan"}), 2, 13, 0));
    t.push_back(whole(SettingId::FuncKeyResume, "Func Key Resume", L({"Manual", "Auto"}), 2, 14, 0));
    t.push_back(whole(SettingId::DialMode, "Dial Mode",
                      L({"S-IF-RT", "S-RT-IF", "IF-S-RT", "IF-RT-S", "RT-S-IF", "RT-IF-S"}), 2, 16, 0));
    t.push_back(whole(SettingId::Vox, "VOX", L({"Off", "1", "2", "3", "4", "5", "6", "7"}), 2, 17, 0));
    t.push_back(whole(SettingId::DataVox, "D VOX", offOn(), 2, 18, 0));
    return t;
}

} // namespace

const std::vector<SettingDescriptor> &SettingsTable::all()
{
    static const std::vector<SettingDescriptor> table = buildTable();
    return table;
}

const std::array<std::vector<SettingId>, 3> &SettingsTable::groups()
{
    using S = SettingId;
    static const std::array<std::vector<SettingId>, 3> columns = {{
        {S::SsbStep, S::AmStep, S::FmStep, S::MemoryProtection, S::MemoryAccess, S::ScanTime, S::ScanType,
         S::SearchRange},
        {S::KeyLock, S::Rit, S::Split, S::ScanSkip, S::Dimmer, S::Beep, S::AutoSsb, S::AutoAgc, S::TxitEnable,
         S::ElectronicKeyer, S::Wpm},
        {S::DialMode, S::KeyPaddle, S::SideTone, S::BreakIn, S::KeyRatio, S::Compressor, S::PttLock,
         S::AutoPowerOff, S::UpDownKey, S::FuncKeyResume, S::Vox, S::DataVox},
    }};
    return columns;
}

QStringList SettingsTable::dimmerItems()
{
    QStringList items;
    for (int i = 0; i <= 64; ++i)
        items.append(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
    return items;
}

QStringList SettingsTable::wpmItems()
{
    QStringList items;
    for (int i = 6; i <= 40; ++i)
        items.append(QString::number(i));
    return items;
}

QStringList SettingsTable::sideToneItems()
{
    QStringList items;
    for (int hz = 400; hz <= 1000; hz += 50)
        items.append(QString::number(hz) + QLatin1String("Hz"));
    return items;
}

QStringList SettingsTable::breakInItems()
{
    QStringList items{QStringLiteral("FULL")};
    for (int i = 1; i <= 7; ++i)
        items.append(QString::number(i));
    items.append(QStringLiteral("AUTO"));
    return items;
}

QStringList SettingsTable::toneItems()
{
    return Vocabulary::toneNames();
}
