#include "RadioImage.h"

#include "ChannelCodec.h"
#include "MemoryMap.h"
#include "Module1.h"
#include "SettingsCodec.h"
#include "VfoCodec.h"

#include <functional>

namespace {

// CloneHeaderTable holds the "Clone 0" headers at the model option and
// the "Clone A" (extended range) headers this many slots further on.
constexpr int ExtendedHeaderOffset = 5;
constexpr int ModelOptionCount = 4;

// Channel table columns the sample channels fill.
namespace Column {
constexpr int Frequency = 0;
constexpr int Mode = 1;
constexpr int Gain = 2;
constexpr int Agc = 3;
constexpr int Power = 4;
constexpr int Filter = 5;
constexpr int Tone = 6;
constexpr int NoiseBlanker = 7;
constexpr int Split = 8;
constexpr int Name = 9;
constexpr int Skip = 10;
} // namespace Column

// A sample channel as the memory grid shows it.
struct SampleChannel {
    int slot;
    std::uint32_t frequency;
    const char *mode;
    const char *gain;
    const char *agc;
    const char *power;
    const char *filter;
    const char *tone;
    const char *noiseBlanker;
    std::uint32_t split;
    const char *name;
    bool skip;
};

const SampleChannel Samples[] = {
    {0, 3700000, "LSB", "0", "Slow", "High", "Wide", "Off", "Off", 0, "NET80", false},
    {1, 7074000, "USB", "0", "Fast", "High", "Wide", "Off", "Off", 0, "FT8-40", false},
    {2, 10116000, "CWU", "0", "Fast", "S-Low", "Narrow", "Off", "Off", 0, "QRP30", false},
    {12, 14230000, "USB", "+10", "Slow", "High", "Wide", "Off", "On", 0, "SSTV", true},
    {199, 18130000, "USB", "-10", "Slow", "Low", "Wide", "Off", "Off", 0, "", false},
    {200, 21060000, "CWL", "-20", "Fast", "Low", "Narrow", "Off", "On", 0, "QRP15", false},
    {402, 27185000, "AM", "0", "Slow", "Low", "Wide", "Off", "On", 0, "CB19", false},
    {603, 29620000, "FM", "0", "Slow", "High", "Wide", "88.5Hz", "Off", 29520000, "RPT 10M", false},
};

// The field value whose text is `wanted`, found through the codec's own
// text function.
int valueFor(const std::function<QString(int)> &textOf, const QString &wanted)
{
    for (int v = 0; v <= 0xFF; ++v) {
        if (textOf(v) == wanted)
            return v;
    }
    qFatal("sample channel names an unknown value: %s", qPrintable(wanted));
    return 0;
}

// Fills channel row s.slot with the values the codecs give the sample's
// texts; the encoder reads the values and the name.
void fillSample(Module1 &state, const SampleChannel &s)
{
    auto &value = state.ChannelValue[s.slot];
    const auto modeText = [&state](int v) {
        return v < state.ModeNames.size() ? state.ModeNames.at(v) : QString();
    };
    const auto toneText = [&state](int v) { return ChannelCodec::toneText(state, v); };
    value[Column::Frequency] = s.frequency;
    value[Column::Mode] = valueFor(modeText, QLatin1String(s.mode));
    value[Column::Gain] = valueFor(&ChannelCodec::gainText, QLatin1String(s.gain));
    value[Column::Agc] = valueFor(&ChannelCodec::agcText, QLatin1String(s.agc));
    value[Column::Power] = valueFor(&ChannelCodec::powerText, QLatin1String(s.power));
    value[Column::Filter] = valueFor(&ChannelCodec::filterText, QLatin1String(s.filter));
    value[Column::Tone] = valueFor(toneText, QLatin1String(s.tone));
    value[Column::NoiseBlanker] = valueFor(&ChannelCodec::noiseBlankerText, QLatin1String(s.noiseBlanker));
    value[Column::Split] = s.split;
    value[Column::Skip] = s.skip ? 1 : 0;
    state.ChannelText[s.slot][Column::Name] = QLatin1String(s.name);
    state.ChannelInUse[s.slot] = true;
}

Record recordOf(const QString &text)
{
    Record bytes{};
    const bool ok = RecordText::split(text, bytes);
    Q_ASSERT(ok);
    Q_UNUSED(ok);
    return bytes;
}

QByteArray crlf()
{
    return QByteArrayLiteral("\r\n");
}

} // namespace

Record RadioImage::block(int address) const
{
    const auto it = m_blocks.find(address);
    return it == m_blocks.end() ? Record{} : it->second;
}

void RadioImage::setBlock(int address, const Record &bytes)
{
    m_blocks[address] = bytes;
}

const QVector<int> &RadioImage::recordAddresses()
{
    static const QVector<int> addresses = [] {
        QVector<int> list = {MemoryMap::SettingsRecord1, MemoryMap::SettingsRecord2,
                             MemoryMap::VfoA, MemoryMap::VfoB};
        for (int n = 0; n < Module1::ChannelCount; ++n)
            list.append(MemoryMap::channelAddress(n));
        return list;
    }();
    return addresses;
}

QVector<int> RadioImage::sampleSlots()
{
    QVector<int> result;
    for (const SampleChannel &s : Samples)
        result.append(s.slot);
    return result;
}

RadioImage RadioImage::factoryImage(int variant)
{
    Module1 state;
    state.ModelVariant = variant;
    SettingsCodec::LoadDefaultSettings(state);
    VfoCodec::LoadDefaultVfo(state);
    for (const SampleChannel &s : Samples)
        fillSample(state, s);

    RadioImage image;
    image.setBlock(MemoryMap::SettingsRecord1, recordOf(state.SettingsLine1));
    image.setBlock(MemoryMap::SettingsRecord2, recordOf(state.SettingsLine2));
    image.setBlock(MemoryMap::VfoA, recordOf(VfoCodec::EncodeVfo(state, 0)));
    image.setBlock(MemoryMap::VfoB, recordOf(VfoCodec::EncodeVfo(state, 1)));
    for (int n = 0; n < Module1::ChannelCount; ++n)
        image.setBlock(MemoryMap::channelAddress(n), recordOf(ChannelCodec::EncodeChannel(state, n)));
    return image;
}

bool RadioImage::fromCloneFile(const QByteArray &bytes, RadioImage &image, Loaded &loaded,
                               QString &error)
{
    const Module1 tables;
    const QVector<int> &addresses = recordAddresses();
    const int lineCount = 1 + int(addresses.size()) + 1;

    QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < lineCount) {
        error = QStringLiteral("the file has %1 lines, a clone file has %2")
                    .arg(bytes.count('\n'))
                    .arg(lineCount);
        return false;
    }
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }

    Loaded header;
    bool found = false;
    const QString first = QString::fromLatin1(lines.at(0));
    for (int v = 0; v < ModelOptionCount && !found; ++v) {
        for (bool extended : {false, true}) {
            const QString &text = tables.CloneHeaderTable.at(v + (extended ? ExtendedHeaderOffset : 0));
            if (!text.isEmpty() && first == text) {
                header.variant = v;
                header.extended = extended;
                found = true;
                break;
            }
        }
    }
    if (!found) {
        error = QStringLiteral("line 1 is no clone file header: %1").arg(first);
        return false;
    }

    RadioImage staged;
    for (int i = 0; i < addresses.size(); ++i) {
        Record record;
        if (!RecordText::split(QString::fromLatin1(lines.at(1 + i)), record)) {
            error = QStringLiteral("line %1 is not 64 hex digits").arg(2 + i);
            return false;
        }
        staged.setBlock(addresses.at(i), record);
    }

    if (QString::fromLatin1(lines.at(lineCount - 1)) != tables.CloneEndMark) {
        error = QStringLiteral("line %1 is not the end mark").arg(lineCount);
        return false;
    }

    image = staged;
    loaded = header;
    return true;
}

QByteArray RadioImage::toCloneFile(int variant, bool extended) const
{
    Module1 tables;
    tables.ModelVariant = variant;
    const int slot = tables.ModelVariantForFile() + (extended ? ExtendedHeaderOffset : 0);

    QByteArray file = tables.CloneHeaderTable.at(slot).toLatin1() + crlf();
    for (int address : recordAddresses())
        file += RecordText::join(block(address)).toLatin1() + crlf();
    file += tables.CloneEndMark.toLatin1() + crlf();
    return file;
}
