#include "app/ImagePatch.h"

ImagePatch ImagePatch::between(const CloneImage &from, const CloneImage &to)
{
    ImagePatch patch;
    // Rows still shared with the other image need no comparison.
    if (from.Channels.constData() != to.Channels.constData()) {
        for (int n = 0; n < CloneImage::ChannelCount; ++n) {
            if (from.Channels.at(n) != to.Channels.at(n)) {
                patch.channelSlots.append(n);
                patch.rows.append(to.Channels.at(n));
            }
        }
    }
    if (from.Vfo != to.Vfo)
        patch.vfo = to.Vfo;
    if (from.SettingsLine1 != to.SettingsLine1 || from.SettingsLine2 != to.SettingsLine2
        || from.SettingSelection != to.SettingSelection) {
        patch.settings = Settings{to.SettingsLine1, to.SettingsLine2, to.SettingSelection};
    }
    if (from.ModelVariant != to.ModelVariant || from.ExtendedRange != to.ExtendedRange)
        patch.model = Model{to.ModelVariant, to.ExtendedRange};
    return patch;
}

bool ImagePatch::isEmpty() const
{
    return channelSlots.isEmpty() && !vfo && !settings && !model;
}
