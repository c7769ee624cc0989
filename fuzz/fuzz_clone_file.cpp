// Clone file loading from arbitrary bytes. A refused file leaves the state
// exactly as it was; an accepted one saves and loads back to the same state.
#include "CloneFile.h"
#include "FuzzState.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Module1 base = FuzzState::sample();
    Module1 state = base;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));

    const FileResult result = CloneFile::fromBytes(state, bytes);
    FUZZ_CHECK(FuzzState::sizesIntact(state));
    if (!result.ok()) {
        FUZZ_CHECK(!result.message().isEmpty());
        FUZZ_CHECK(FuzzState::equal(state, base));
        return 0;
    }
    const QByteArray saved = CloneFile::toBytes(state);
    Module1 again = base;
    FUZZ_CHECK(CloneFile::fromBytes(again, saved).ok());
    FUZZ_CHECK(CloneFile::toBytes(again) == saved);
    return 0;
}
