#include "Module1.h"

Module1::Module1()
    : ChannelText(ChannelCount), ChannelValue(ChannelCount), ChannelInUse(ChannelCount, false),
      VfoText(VfoRowCount), VfoValue(VfoRowCount)
{
    InitConstantTables();
    InitDataTables();
    InitColumnWidths();
    WindowCaption = AppTitle;
}

void Module1::InitConstantTables()
{
    CloneHeaderTable = {
        QStringLiteral("Korvan QT-R70J Clone 0 FileStart"),
        QStringLiteral("Korvan QT-R70T Clone 0 FileStart"),
        QStringLiteral("Korvan QT-R70E Clone 0 FileStart"),
        QStringLiteral("Korvan QT-R70A Clone 0 FileStart"),
        QString(),
        QStringLiteral("Korvan QT-R70J Clone A FileStart"),
        QStringLiteral("Korvan QT-R70T Clone A FileStart"),
        QStringLiteral("Korvan QT-R70E Clone A FileStart"),
        QStringLiteral("Korvan QT-R70A Clone A FileStart"),
    };
    CloneEndMark = QStringLiteral("Korvan  QT-R70  Clone  File  End");
    AppTitle = QStringLiteral("Korvan QT-R70 Clone Utility");

    ModeNames = {QStringLiteral("USB"), QStringLiteral("LSB"), QStringLiteral("CWU"),
                 QStringLiteral("CWL"), QStringLiteral("AM"),  QStringLiteral("FM")};

    StepNames = {QStringLiteral("5KHz"),  QStringLiteral("10KHz"), QStringLiteral("12.5KHz"),
                 QStringLiteral("15KHz"), QStringLiteral("20KHz"), QStringLiteral("25KHz"),
                 QStringLiteral("30KHz")};
    while (StepNames.size() < 19)
        StepNames.append(QString());

    ToneNames = StandardToneNames();

    static const char *const dcs[] = {
        "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
        "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
        "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223",
        "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265",
        "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
        "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446",
        "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
        "532", "546", "565", "606", "612", "624", "627", "631", "632", "654", "662", "664",
        "703", "712", "723", "731", "732", "734", "743", "754"};
    DcsCodes.clear();
    for (const char *code : dcs)
        DcsCodes.append(QLatin1String(code));
}

void Module1::InitDataTables()
{
    ExtendedRange = false;
    for (int n = 0; n < ChannelCount; ++n)
        ClearChannel(n);
    for (int r = 0; r < VfoRowCount; ++r) {
        VfoText[r].fill(QString());
        VfoValue[r].fill(0.0);
    }
}

void Module1::InitColumnWidths()
{
    static constexpr qint16 widths[14] = {650, 900, 600, 450, 600, 600, 650,
                                          700, 600, 900, 900, 600, 500, 500};
    for (int i = 0; i < 14; ++i)
        ColumnWidths[i] = widths[i];
    ColumnWidths[14] = 0;
}

void Module1::ClearChannel(int n)
{
    ChannelText[n].fill(QString());
    ChannelValue[n].fill(0.0);
    ChannelInUse[n] = false;
}

int Module1::ModelVariantForFile() const
{
    return (ModelVariant >= ModelJ && ModelVariant <= ModelE) ? ModelVariant : ModelA;
}

QString Module1::ModelName(int variant)
{
    static const char letters[] = "JTEA";
    if (variant < ModelJ || variant > ModelA)
        return QString();
    return QStringLiteral("QT-R70") + QLatin1Char(letters[variant]);
}

const QStringList &Module1::StandardToneNames()
{
    static const QStringList names = [] {
        static const char *const tones[] = {
            "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",
            "88.5",  "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9",
            "114.8", "118.8", "123.0", "127.3", "131.8", "136.5", "141.3", "146.2",
            "151.4", "156.7", "162.2", "167.9", "173.8", "179.9", "186.2", "192.8",
            "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3"};
        QStringList list;
        for (const char *tone : tones)
            list.append(QLatin1String(tone) + QLatin1String("Hz"));
        return list;
    }();
    return names;
}

QString Module1::CommandLineFileFrom(const QStringList &arguments)
{
    QString text = arguments.join(QLatin1Char(' '));
    if (text.size() > 5 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    return text;
}
