// Pasting arbitrary text as channel rows. Every data line gives one entry
// or one named problem, never more rows than there are slots, and what was
// read copies and reads back to the same rows.
#include "files/ChannelClipboard.h"
#include "FuzzState.h"

#include <QByteArray>
#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const ChannelRules rules(Vocabulary::ModelE, true);
    const ChannelClipboard::Paste paste = ChannelClipboard::read(text, rules);
    FUZZ_CHECK(paste.rows.size() <= ChannelClipboard::MaxRows);
    FUZZ_CHECK(paste.linesLeftOver >= 0);

    CloneImage image = FuzzState::sample();
    QList<int> stored;
    qsizetype failed = 0;
    for (int i = 0; i < paste.rows.size(); ++i) {
        if (!paste.rows.at(i)) {
            ++failed;
            continue;
        }
        image.channels[i] = *paste.rows.at(i);
        stored.append(i);
    }
    FUZZ_CHECK(failed == paste.problems.size());
    FUZZ_CHECK(FuzzState::sizesIntact(image));

    const ChannelClipboard::Paste again = ChannelClipboard::read(ChannelClipboard::copyText(image, stored), rules);
    FUZZ_CHECK(again.problems.isEmpty());
    FUZZ_CHECK(again.rows.size() == stored.size());
    for (int k = 0; k < stored.size(); ++k)
        FUZZ_CHECK(again.rows.at(k) && *again.rows.at(k) == image.channels.at(stored.at(k)));
    return 0;
}
