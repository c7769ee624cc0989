// CSV import from arbitrary bytes. The tables keep their sizes, a text that
// stores nothing changes no row, and what was imported exports and imports
// back to the same rows.
#include "CsvExchange.h"
#include "FuzzState.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Module1 base = FuzzState::sample();
    Module1 state = base;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));

    const CsvExchange::ImportResult result = CsvExchange::importBytes(state, bytes);
    FUZZ_CHECK(FuzzState::sizesIntact(state));
    FUZZ_CHECK(result.file.ok());
    FUZZ_CHECK(result.channels >= 0 && result.vfos >= 0 && result.dropped >= 0);
    if (result.channels + result.vfos == 0) {
        Module1 expected = base;
        expected.CurrentFileName.clear();
        expected.WindowCaption = expected.AppTitle;
        FUZZ_CHECK(FuzzState::equal(state, expected));
        return 0;
    }
    FUZZ_CHECK(state.DataChanged);
    Module1 again = state;
    const CsvExchange::ImportResult second = CsvExchange::importBytes(again, CsvExchange::exportBytes(state));
    FUZZ_CHECK(second.dropped == 0);
    FUZZ_CHECK(FuzzState::equal(again, state));
    return 0;
}
