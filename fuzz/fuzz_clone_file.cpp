// Clone file loading from arbitrary bytes, through the streaming reader. A
// refused file leaves the image exactly as it was; an accepted one saves and
// loads back to the same image.
#include "files/CloneFile.h"
#include "FuzzState.h"

#include <QBuffer>
#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const CloneImage base = FuzzState::sample();
    CloneImage image = base;
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    FUZZ_CHECK(buffer.open(QIODevice::ReadOnly));

    const FileResult result = CloneFile::read(buffer, image);
    FUZZ_CHECK(FuzzState::sizesIntact(image));
    if (!result.ok()) {
        FUZZ_CHECK(!result.message().isEmpty());
        FUZZ_CHECK(image == base);
        return 0;
    }
    const QByteArray saved = CloneFile::toBytes(image);
    CloneImage again = base;
    FUZZ_CHECK(CloneFile::fromBytes(saved, again).ok());
    FUZZ_CHECK(CloneFile::toBytes(again) == saved);
    return 0;
}
