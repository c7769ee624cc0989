#include "codec/Vocabulary.h"

namespace {

QStringList listOf(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *t : texts)
        list.append(QLatin1String(t));
    return list;
}

constexpr int GainCodes = 4;
constexpr int AgcCodes = 2;
constexpr int PowerCodes = 3;
constexpr int FilterCodes = 2;
constexpr int NoiseBlankerCodes = 2;
constexpr int StepSlots = 19;

// The fields whose list position is their code; how many positions each has.
int plainListSize(ChannelColumn column)
{
    switch (column) {
    case ChannelColumn::Mode:
        return int(Vocabulary::modeNames().size());
    case ChannelColumn::Gain:
        return GainCodes;
    case ChannelColumn::Agc:
        return AgcCodes;
    case ChannelColumn::Power:
        return PowerCodes;
    case ChannelColumn::Filter:
        return FilterCodes;
    case ChannelColumn::NoiseBlanker:
        return NoiseBlankerCodes;
    default:
        break;
    }
    return 0;
}

} // namespace

const QStringList &Vocabulary::modeNames()
{
    static const QStringList names = listOf({"USB", "LSB", "CWU", "CWL", "AM", "FM"});
    return names;
}

const QStringList &Vocabulary::stepNames()
{
    static const QStringList names = [] {
        QStringList list = listOf({"5KHz", "10KHz", "12.5KHz", "15KHz", "20KHz", "25KHz", "30KHz"});
        while (list.size() < StepSlots)
            list.append(QString());
        return list;
    }();
    return names;
}

const QStringList &Vocabulary::toneNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const char *tone :
             {"67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",
              "88.5",  "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9",
              "114.8", "118.8", "123.0", "127.3", "131.8", "136.5", "141.3", "146.2",
              "151.4", "156.7", "162.2", "167.9", "173.8", "179.9", "186.2", "192.8",
              "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3"})
            list.append(QLatin1String(tone) + QLatin1String("Hz"));
        return list;
    }();
    return names;
}

const QStringList &Vocabulary::dcsCodes()
{
    static const QStringList codes = listOf(
        {"023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
         "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
         "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223",
         "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265",
         "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
         "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446",
         "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
         "532", "546", "565", "606", "612", "624", "627", "631", "632", "654", "662", "664",
         "703", "712", "723", "731", "732", "734", "743", "754"});
    return codes;
}

const QStringList &Vocabulary::cloneHeaders()
{
    static const QStringList headers = listOf({
        "Korvan QT-R70J Clone 0 FileStart",
        "Korvan QT-R70T Clone 0 FileStart",
        "Korvan QT-R70E Clone 0 FileStart",
        "Korvan QT-R70A Clone 0 FileStart",
        "",
        "Korvan QT-R70J Clone A FileStart",
        "Korvan QT-R70T Clone A FileStart",
        "Korvan QT-R70E Clone A FileStart",
        "Korvan QT-R70A Clone A FileStart",
    });
    return headers;
}

QString Vocabulary::cloneEndMark()
{
    return QStringLiteral("Korvan  QT-R70  Clone  File  End");
}

QString Vocabulary::appTitle()
{
    return QStringLiteral("Korvan QT-R70 Clone Utility");
}

const std::array<qint16, Vocabulary::ChannelColumns> &Vocabulary::columnWidths()
{
    static constexpr std::array<qint16, ChannelColumns> widths{650, 900, 600, 450, 600, 600, 650, 700,
                                                               600, 900, 900, 600, 500, 500, 0};
    return widths;
}

QString Vocabulary::modelName(int variant)
{
    static const char letters[] = "JTEA";
    if (variant < ModelJ || variant > ModelA)
        return QString();
    return QStringLiteral("QT-R70") + QLatin1Char(letters[variant]);
}

QStringList Vocabulary::items(ChannelColumn column)
{
    if (column == ChannelColumn::Tone)
        return QStringList{text(column, 0)} + toneNames();
    QStringList list;
    for (int code = 0; code < plainListSize(column); ++code)
        list.append(text(column, code));
    return list;
}

QString Vocabulary::text(ChannelColumn column, int code)
{
    if (code < 0)
        return QString();
    switch (column) {
    case ChannelColumn::Mode:
        return modeNames().value(code);
    case ChannelColumn::Gain:
        switch (code) {
        case 0:
            return QStringLiteral("0");
        case 1:
            return QStringLiteral("-10");
        case 2:
            return QStringLiteral("-20");
        default:
            return QStringLiteral("+10");
        }
    case ChannelColumn::Agc:
        return code ? QStringLiteral("Slow") : QStringLiteral("Fast");
    case ChannelColumn::Power:
        switch (code) {
        case 0:
            return QStringLiteral("High");
        case 1:
            return QStringLiteral("Low");
        default:
            return QStringLiteral("S-Low");
        }
    case ChannelColumn::Filter:
        return code ? QStringLiteral("Narrow") : QStringLiteral("Wide");
    case ChannelColumn::Tone:
        if (code < ToneBase)
            return QStringLiteral("Off");
        return toneNames().value(code - ToneBase);
    case ChannelColumn::NoiseBlanker:
        return code ? QStringLiteral("On") : QStringLiteral("Off");
    default:
        break;
    }
    return QString();
}

int Vocabulary::codeOfPosition(ChannelColumn column, int position)
{
    if (column == ChannelColumn::Tone)
        return position > 0 ? position + ToneListOffset : 0;
    return position;
}

int Vocabulary::positionOfCode(ChannelColumn column, int code)
{
    if (column == ChannelColumn::Tone) {
        if (code < 0)
            return -1;
        const int position = code > ToneListOffset ? code - ToneListOffset : 0;
        return position <= int(toneNames().size()) ? position : -1;
    }
    return code >= 0 && code < plainListSize(column) ? code : -1;
}
