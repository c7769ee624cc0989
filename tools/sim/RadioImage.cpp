#include "RadioImage.h"

#include "codec/ChannelCodec.h"
#include "codec/CloneImage.h"
#include "codec/MemoryMap.h"
#include "codec/VfoCodec.h"
#include "codec/Vocabulary.h"
#include "files/CloneFile.h"

namespace {

// A sample channel as the memory grid shows it. The split frequency is the
// channel's own, as the edit dialog proposes it, but for the repeater.
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
    {0, 3700000, "LSB", "0", "Slow", "High", "Wide", "Off", "Off", 3700000, "NET80", false},
    {1, 7074000, "USB", "0", "Fast", "High", "Wide", "Off", "Off", 7074000, "FT8-40", false},
    {2, 10116000, "CWU", "0", "Fast", "S-Low", "Narrow", "Off", "Off", 10116000, "QRP30", false},
    {12, 14230000, "USB", "+10", "Slow", "High", "Wide", "Off", "On", 14230000, "SSTV", true},
    {199, 18130000, "USB", "-10", "Slow", "Low", "Wide", "Off", "Off", 18130000, "", false},
    {200, 21060000, "CWL", "-20", "Fast", "Low", "Narrow", "Off", "On", 21060000, "QRP15", false},
    {402, 27185000, "AM", "0", "Slow", "Low", "Wide", "Off", "On", 27185000, "CB19", false},
    {603, 29620000, "FM", "0", "Slow", "High", "Wide", "88.5Hz", "Off", 29520000, "RPT 10M", false},
};

// The code a column stores for the item `wanted` of its list.
int codeFor(ChannelColumn column, const char *wanted)
{
    const int position = Vocabulary::items(column).indexOf(QLatin1String(wanted));
    if (position < 0)
        qFatal("sample channel names an unknown value: %s", wanted);
    return Vocabulary::codeOfPosition(column, position);
}

// The channel row of a sample; the encoder reads the values and the name.
ChannelRow sampleRow(const SampleChannel &s)
{
    ChannelRow row;
    row.frequency = s.frequency;
    row.mode = codeFor(ChannelColumn::Mode, s.mode);
    row.gain = codeFor(ChannelColumn::Gain, s.gain);
    row.agc = codeFor(ChannelColumn::Agc, s.agc);
    row.power = codeFor(ChannelColumn::Power, s.power);
    row.filter = codeFor(ChannelColumn::Filter, s.filter);
    row.tone = codeFor(ChannelColumn::Tone, s.tone);
    row.noiseBlanker = codeFor(ChannelColumn::NoiseBlanker, s.noiseBlanker);
    row.split = s.split;
    row.skip = s.skip;
    row.name = QLatin1String(s.name);
    row.inUse = true;
    return row;
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
        for (int n = 0; n < CloneImage::ChannelCount; ++n)
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
    CloneImage state = CloneImage::factory(variant, false);
    for (const SampleChannel &s : Samples)
        state.channels[s.slot] = sampleRow(s);

    RadioImage image;
    image.setBlock(MemoryMap::SettingsRecord1, recordOf(state.settingsLine1));
    image.setBlock(MemoryMap::SettingsRecord2, recordOf(state.settingsLine2));
    image.setBlock(MemoryMap::VfoA, recordOf(VfoCodec::encode(state.vfos[0])));
    image.setBlock(MemoryMap::VfoB, recordOf(VfoCodec::encode(state.vfos[1])));
    for (int n = 0; n < CloneImage::ChannelCount; ++n)
        image.setBlock(MemoryMap::channelAddress(n), recordOf(ChannelCodec::encode(state.channels[n])));
    return image;
}

bool RadioImage::fromCloneFile(QIODevice &device, RadioImage &image, Loaded &loaded, QString &error)
{
    const CloneFile::Records file = CloneFile::readRecords(device);
    if (!file.result.ok()) {
        error = file.result.detail();
        return false;
    }

    const QVector<int> &addresses = recordAddresses();
    RadioImage staged;
    for (int i = 0; i < addresses.size(); ++i) {
        Record record;
        if (!RecordText::split(file.records.at(i), record)) {
            // Line 1 is the header.
            error = QStringLiteral("line %1 is not 64 hex digits").arg(2 + i);
            return false;
        }
        staged.setBlock(addresses.at(i), record);
    }

    image = staged;
    loaded.variant = file.variant;
    loaded.extended = file.extendedRange;
    return true;
}

QByteArray RadioImage::toCloneFile(int variant, bool extended) const
{
    CloneImage header;
    header.modelVariant = variant;
    const int slot = header.modelVariantForFile() + (extended ? Vocabulary::ExtendedHeaderOffset : 0);

    QByteArray file = Vocabulary::cloneHeaders().at(slot).toLatin1() + crlf();
    for (int address : recordAddresses())
        file += RecordText::join(block(address)).toLatin1() + crlf();
    file += Vocabulary::cloneEndMark().toLatin1() + crlf();
    return file;
}
