#include "FuzzState.h"

#include "ChannelCodec.h"
#include "CloneFile.h"

#include <cstdio>
#include <cstdlib>

Module1 FuzzState::sample()
{
    Module1 state;
    CloneFile::New(state);
    ChannelCodec::DecodeChannel(state, QStringLiteral("8805000100000188000100000000000010936B003C4A39543D51000010936B00"), 0);
    ChannelCodec::DecodeChannel(state, QStringLiteral("800300000200010000010000000000003899D800000000000000000000000000"), 150);
    ChannelCodec::DecodeChannel(state, QStringLiteral("80010001000000A6000000000000000060566C00545556570000000000000000"), 603);
    state.ChannelText[150][12] = QStringLiteral("spare");
    state.ChannelValue[150][14] = 1;
    return state;
}


bool FuzzState::equal(const Module1 &a, const Module1 &b)
{
    return a.ModelVariant == b.ModelVariant && a.ExtendedRange == b.ExtendedRange && a.DataChanged == b.DataChanged
        && a.TransferOk == b.TransferOk && a.CurrentFileName == b.CurrentFileName && a.WindowCaption == b.WindowCaption
        && a.SettingsLine1 == b.SettingsLine1 && a.SettingsLine2 == b.SettingsLine2
        && a.SettingSelection == b.SettingSelection && a.VfoText == b.VfoText && a.VfoValue == b.VfoValue
        && a.ChannelInUse == b.ChannelInUse && a.ChannelText == b.ChannelText && a.ChannelValue == b.ChannelValue;
}

bool FuzzState::sizesIntact(const Module1 &state)
{
    if (state.ChannelText.size() != size_t(Module1::ChannelCount) || state.ChannelValue.size() != size_t(Module1::ChannelCount)
        || state.ChannelInUse.size() != size_t(Module1::ChannelCount) || state.VfoText.size() != size_t(Module1::VfoRowCount)
        || state.VfoValue.size() != size_t(Module1::VfoRowCount))
        return false;
    return state.ModeNames.size() == 6 && state.ToneNames.size() == 39 && state.DcsCodes.size() == 104
        && state.StepNames.size() == 19 && state.CloneHeaderTable.size() == 9;
}

void FuzzState::fail(const char *what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}
