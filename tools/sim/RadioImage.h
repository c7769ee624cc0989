#pragma once

#include "codec/RecordText.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <map>

class QIODevice;

// The virtual radio's memory: 32-byte blocks keyed by their start address,
// plus the clone file form of the records the program moves.
class RadioImage
{
public:
    // A clone file read into an image with the variant and range of its
    // header.
    struct Loaded {
        int variant = 0;
        bool extended = false;
    };

    // The block at an address; zero bytes when it was never written.
    Record block(int address) const;
    void setBlock(int address, const Record &bytes);
    // Blocks held (written or loaded).
    int blockCount() const { return int(m_blocks.size()); }

    // The 608 record addresses in clone file order: settings 1 and 2,
    // VFO A and B, channel slots 0 to 603.
    static const QVector<int> &recordAddresses();

    // The image of a radio fresh from the factory for a model option:
    // factory settings, default VFOs, every channel slot empty except a
    // few sample channels (see sampleSlots()).
    static RadioImage factoryImage(int variant);
    // The channel slots the factory image fills.
    static QVector<int> sampleSlots();

    // Reads a clone file through the program's own reader, which checks its
    // form; the records are taken as they stand, without being decoded. On
    // a malformed file returns false, sets `error` and leaves `image` and
    // `loaded` untouched.
    static bool fromCloneFile(QIODevice &device, RadioImage &image, Loaded &loaded, QString &error);
    // The clone file of the image: header for the variant and range, the
    // 608 records, end mark; CR LF line ends.
    QByteArray toCloneFile(int variant, bool extended) const;

private:
    std::map<int, Record> m_blocks;
};
