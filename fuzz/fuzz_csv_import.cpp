// CSV import from arbitrary bytes, streamed from a device. The tables keep
// their sizes, a text that stores nothing changes no row, and what was
// imported exports and imports back to the same rows (a row the radio's
// rules refuse on the way back, one the sample held before, is named and
// keeps its contents).
#include "files/CsvExchange.h"
#include "FuzzState.h"

#include <QBuffer>
#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const CloneImage base = FuzzState::sample();
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    FUZZ_CHECK(buffer.open(QIODevice::ReadOnly));

    const CsvExchange::ImportResult result = CsvExchange::importFrom(buffer, base);
    FUZZ_CHECK(FuzzState::sizesIntact(result.image));
    FUZZ_CHECK(result.file.ok());
    FUZZ_CHECK(result.channels >= 0 && result.vfos >= 0 && result.dropped >= 0);
    if (!result.stored()) {
        FUZZ_CHECK(result.image == base);
        return 0;
    }
    const CsvExchange::ImportResult second =
        CsvExchange::importBytes(CsvExchange::exportBytes(result.image), result.image);
    FUZZ_CHECK(second.dropped == second.refused.size());
    FUZZ_CHECK(second.image == result.image);
    return 0;
}
