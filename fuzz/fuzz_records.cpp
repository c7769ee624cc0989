// The three record decoders on arbitrary text. A refused record changes
// nothing; an accepted one encodes to a record that decodes to the same row
// and encodes to the same text again.
#include "ChannelCodec.h"
#include "FuzzState.h"
#include "SettingsCodec.h"
#include "VfoCodec.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Module1 base = FuzzState::sample();
    if (size < 1)
        return 0;
    const int which = data[0] % 3;
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data + 1), int(size - 1));
    Module1 state = base;

    switch (which) {
    case 0: {
        const int n = text.size() % Module1::ChannelCount;
        if (!ChannelCodec::DecodeChannel(state, text, n)) {
            FUZZ_CHECK(FuzzState::equal(state, base));
            break;
        }
        const QString encoded = ChannelCodec::EncodeChannel(state, n);
        Module1 again = base;
        FUZZ_CHECK(ChannelCodec::DecodeChannel(again, encoded, n).ok());
        FUZZ_CHECK(ChannelCodec::EncodeChannel(again, n) == encoded);
        if (state.ChannelInUse[n])
            FUZZ_CHECK(again.ChannelText[n] == state.ChannelText[n]);
        break;
    }
    case 1: {
        const int r = text.size() % 2;
        if (!VfoCodec::DecodeVfo(state, text, r)) {
            FUZZ_CHECK(FuzzState::equal(state, base));
            break;
        }
        const QString encoded = VfoCodec::EncodeVfo(state, r);
        Module1 again = base;
        FUZZ_CHECK(VfoCodec::DecodeVfo(again, encoded, r).ok());
        FUZZ_CHECK(again.VfoText[r] == state.VfoText[r]);
        FUZZ_CHECK(VfoCodec::EncodeVfo(again, r) == encoded);
        break;
    }
    default: {
        state.SettingsLine1 = text.left(64);
        state.SettingsLine2 = text.mid(64);
        const Module1 before = state;
        if (!SettingsCodec::DecodeSettings(state)) {
            FUZZ_CHECK(FuzzState::equal(state, before));
            break;
        }
        const auto selection = state.SettingSelection;
        SettingsCodec::EncodeSettings(state);
        const QString line1 = state.SettingsLine1;
        FUZZ_CHECK(SettingsCodec::DecodeSettings(state).ok());
        FUZZ_CHECK(state.SettingSelection == selection);
        SettingsCodec::EncodeSettings(state);
        FUZZ_CHECK(state.SettingsLine1 == line1);
        break;
    }
    }
    FUZZ_CHECK(FuzzState::sizesIntact(state));
    return 0;
}
