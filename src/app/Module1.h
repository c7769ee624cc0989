#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The program's global tables: the clone image in its decoded form, the
// vocabulary lists, the clone file headers and the flags every part of the
// program shares. One object, owned by whoever runs the program (the desktop
// window, the command-line tool, a test) and passed by reference.
class Module1
{
public:
    static constexpr int ChannelCount = 604;
    static constexpr int ChannelColumns = 15;
    static constexpr int VfoRowCount = 8;
    static constexpr int VfoColumns = 14;
    static constexpr int SettingCount = 32;
    static constexpr int ModelJ = 0;
    static constexpr int ModelT = 1;
    static constexpr int ModelE = 2;
    static constexpr int ModelA = 3;

    using ChannelTextRow = std::array<QString, ChannelColumns>;
    using ChannelValueRow = std::array<double, ChannelColumns>;
    using VfoTextRow = std::array<QString, VfoColumns>;
    using VfoValueRow = std::array<double, VfoColumns>;

    // Builds the tables as start-up does: constant tables, empty data
    // tables, column widths.
    Module1();

    void InitConstantTables();
    void InitDataTables();
    void InitColumnWidths();

    // Empties one channel row: texts "", values 0, not in use.
    void ClearChannel(int n);
    // The model variant as written into a clone file (0..3).
    int ModelVariantForFile() const;

    // The command-line file from the program's arguments (without the
    // program name): the arguments joined by single blanks; surrounding
    // double quotes are removed only when both are there.
    static QString CommandLineFileFrom(const QStringList &arguments);
    // "QT-R70J", "QT-R70T", "QT-R70E", "QT-R70A" for variants 0..3.
    static QString ModelName(int variant);
    // The 39 CTCSS tone names, "67.0Hz" .. "250.3Hz" (ToneNames' contents).
    static const QStringList &StandardToneNames();

    // Channel table: 604 rows x 15 columns.
    std::vector<ChannelTextRow> ChannelText;
    std::vector<ChannelValueRow> ChannelValue;
    std::vector<bool> ChannelInUse;

    // VFO table: 8 rows x 14 columns; rows 0 (VFO A) and 1 (VFO B) are used.
    std::vector<VfoTextRow> VfoText;
    std::vector<VfoValueRow> VfoValue;

    QStringList ModeNames;        // 6
    QStringList StepNames;        // 19 slots, 0-6 filled
    QStringList ToneNames;        // 39
    QStringList DcsCodes;         // 104
    std::array<qint16, 15> ColumnWidths{};
    QStringList CloneHeaderTable; // 9 slots, slot 4 empty
    QString CloneEndMark;
    QString AppTitle;
    QString CommandLineFile;

    bool DataChanged = false;
    bool ExtendedRange = false;

    // The two settings records, verbatim record texts.
    QString SettingsLine1;
    QString SettingsLine2;
    // The selected position of each set-mode list, in the order of the
    // settings descriptor table.
    std::array<int, SettingCount> SettingSelection{};

    // The selected model option: 0 QT-R70J, 1 QT-R70T, 2 QT-R70E, 3 QT-R70A.
    int ModelVariant = ModelE;

    // Full path of the clone file last loaded or saved; empty when none.
    QString CurrentFileName;

    // The main window's caption: AppTitle alone, or a file name followed by
    // " - " and AppTitle (kept here because a CSV export shows its file
    // while CurrentFileName is empty).
    QString WindowCaption;

    // Set by each of the four record transfers at its normal end.
    bool TransferOk = false;
};
