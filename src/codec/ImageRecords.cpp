#include "codec/ImageRecords.h"

#include "codec/ChannelCodec.h"
#include "codec/MemoryMap.h"
#include "codec/SettingsCodec.h"
#include "codec/VfoCodec.h"

QList<ImageRecords::Entry> ImageRecords::of(const CloneImage &image)
{
    const SettingsCodec::Lines settings = SettingsCodec::encode(image.selections);
    QList<Entry> records;
    records.reserve(4 + CloneImage::ChannelCount);
    records.append({MemoryMap::SettingsRecord1, settings.line1});
    records.append({MemoryMap::SettingsRecord2, settings.line2});
    records.append({MemoryMap::VfoA, VfoCodec::encode(image.vfos[0])});
    records.append({MemoryMap::VfoB, VfoCodec::encode(image.vfos[1])});
    for (int n = 0; n < CloneImage::ChannelCount; ++n)
        records.append({MemoryMap::channelAddress(n), ChannelCodec::encode(image.channels.at(n))});
    return records;
}

QList<int> ImageRecords::differing(const CloneImage &a, const CloneImage &b)
{
    const QList<Entry> left = of(a);
    const QList<Entry> right = of(b);
    QList<int> addresses;
    for (int i = 0; i < left.size(); ++i) {
        if (left[i].text != right[i].text)
            addresses.append(left[i].address);
    }
    return addresses;
}

int ImageRecords::slotAt(int address)
{
    if (address < MemoryMap::FirstChannel)
        return -1;
    return (address - MemoryMap::FirstChannel) / MemoryMap::RecordSize;
}

QString ImageRecords::name(int address)
{
    const int slot = slotAt(address);
    return slot < 0 ? tr("record %1").arg(MemoryMap::addressText(address)) : tr("slot %1").arg(slot);
}
