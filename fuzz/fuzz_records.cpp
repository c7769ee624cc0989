// The three record decoders on arbitrary text. A refused record changes
// nothing; an accepted one encodes to a record that decodes to the same row
// and encodes to the same text again.
#include "codec/ChannelCodec.h"
#include "FuzzState.h"
#include "codec/SettingsCodec.h"
#include "codec/VfoCodec.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const CloneImage base = FuzzState::sample();
    if (size < 1)
        return 0;
    const int which = data[0] % 3;
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    switch (which) {
    case 0: {
        const ChannelRow &before = base.channels.at(text.size() % CloneImage::ChannelCount);
        ChannelRow row = before;
        if (!ChannelCodec::decode(text, row)) {
            FUZZ_CHECK(row == before);
            break;
        }
        const QString encoded = ChannelCodec::encode(row);
        ChannelRow again = before;
        FUZZ_CHECK(ChannelCodec::decode(encoded, again).ok());
        FUZZ_CHECK(ChannelCodec::encode(again) == encoded);
        if (row.inUse)
            FUZZ_CHECK(again.texts() == row.texts());
        break;
    }
    case 1: {
        const VfoRow &before = base.vfos[size_t(text.size() % CloneImage::VfoCount)];
        VfoRow row = before;
        if (!VfoCodec::decode(text, row)) {
            FUZZ_CHECK(row == before);
            break;
        }
        const QString encoded = VfoCodec::encode(row);
        VfoRow again = before;
        FUZZ_CHECK(VfoCodec::decode(encoded, again).ok());
        FUZZ_CHECK(again.texts() == row.texts());
        FUZZ_CHECK(VfoCodec::encode(again) == encoded);
        break;
    }
    default: {
        SettingSelections selection = base.selections;
        if (!SettingsCodec::decode(text.left(64), text.mid(64), selection)) {
            FUZZ_CHECK(selection == base.selections);
            break;
        }
        const SettingsCodec::Lines lines = SettingsCodec::encode(selection);
        SettingSelections again{};
        FUZZ_CHECK(SettingsCodec::decode(lines.line1, lines.line2, again).ok());
        FUZZ_CHECK(again == selection);
        FUZZ_CHECK(SettingsCodec::encode(again).line1 == lines.line1);
        break;
    }
    }
    return 0;
}
