// Channel-list import from arbitrary bytes, streamed from a device. The
// plan stays within its bounds, stores each slot at most once and only
// channels the radio's rules accept, and what it stores exports and
// imports back by location to the same channels.
#include "codec/ChannelRules.h"
#include "files/ChannelListExport.h"
#include "files/ChannelListImport.h"
#include "FuzzState.h"

#include <QBuffer>
#include <QByteArray>

#include <set>

namespace {

qint64 transmitHz(const ChannelRow &row)
{
    return row.split == ChannelRules::NoSplit ? row.frequency : row.split;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const CloneImage base = FuzzState::sample();
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    FUZZ_CHECK(buffer.open(QIODevice::ReadOnly));

    const int first = size > 0 ? data[0] % CloneImage::ChannelCount : 0;
    const auto placement = size > 1 && data[1] % 2 ? ChannelListImport::Placement::ByLocation
                                                   : ChannelListImport::Placement::FromSlot;
    const ChannelListImport::Plan plan = ChannelListImport::plan(buffer, base, placement, first);
    FUZZ_CHECK(plan.rows.size() <= ChannelListImport::MaxRows);
    FUZZ_CHECK(plan.file.ok() || plan.rows.isEmpty());
    const ChannelRules rules = ChannelRules::of(base);
    std::set<int> used;
    for (const ChannelListImport::Row &row : plan.rows) {
        FUZZ_CHECK(row.stored() == row.refusal.isEmpty());
        if (!row.stored())
            continue;
        FUZZ_CHECK(row.slot >= 0 && row.slot < CloneImage::ChannelCount && used.insert(row.slot).second);
        FUZZ_CHECK(!rules.check(row.channel));
    }
    const CloneImage applied = plan.appliedTo(base);
    FUZZ_CHECK(FuzzState::sizesIntact(applied));

    const ChannelListImport::Plan back = ChannelListImport::planBytes(
        ChannelListExport::bytes(applied, ChannelListExport::Slots::InUse), base, ChannelListImport::Placement::ByLocation, 0);
    // Slots the import did not touch may hold what the rules refuse; those
    // it stored come back.
    for (const ChannelListImport::Row &row : back.rows)
        FUZZ_CHECK(row.stored() || !used.count(row.location.toInt()));
    const CloneImage again = back.appliedTo(base);
    for (const int slot : used) {
        const ChannelRow &want = applied.channels.at(slot);
        const ChannelRow &got = again.channels.at(slot);
        // An emptied slot is not exported: only channels come back.
        if (!want.inUse)
            continue;
        FUZZ_CHECK(got.inUse);
        for (const ChannelColumn c : {ChannelColumn::Frequency, ChannelColumn::Mode, ChannelColumn::Power, ChannelColumn::Tone,
                                      ChannelColumn::Name, ChannelColumn::Skip}) {
            FUZZ_CHECK(got.value(c) == want.value(c) && got.text(c) == want.text(c));
        }
        // No split (0) goes out as a simplex channel: it comes back as a
        // split on the frequency, where the radio transmits either way.
        FUZZ_CHECK(transmitHz(got) == transmitHz(want));
    }
    return 0;
}
