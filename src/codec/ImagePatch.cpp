#include "codec/ImagePatch.h"

ImagePatch ImagePatch::between(const CloneImage &from, const CloneImage &to)
{
    ImagePatch patch;
    // Rows still shared with the other image need no comparison.
    if (from.channels.constData() != to.channels.constData()) {
        for (int n = 0; n < CloneImage::ChannelCount; ++n) {
            if (from.channels.at(n) != to.channels.at(n)) {
                patch.channelSlots.append(n);
                patch.rows.append(to.channels.at(n));
            }
        }
    }
    if (from.vfos != to.vfos)
        patch.vfo = to.vfos;
    if (from.settingsLine1 != to.settingsLine1 || from.settingsLine2 != to.settingsLine2
        || from.selections != to.selections) {
        patch.settings = Settings{to.settingsLine1, to.settingsLine2, to.selections};
    }
    if (from.modelVariant != to.modelVariant || from.extendedRange != to.extendedRange)
        patch.model = Model{to.modelVariant, to.extendedRange};
    return patch;
}

void ImagePatch::applyTo(CloneImage &image) const
{
    if (model) {
        image.modelVariant = model->variant;
        image.extendedRange = model->extendedRange;
    }
    if (settings) {
        image.settingsLine1 = settings->line1;
        image.settingsLine2 = settings->line2;
        image.selections = settings->selections;
    }
    if (vfo)
        image.vfos = *vfo;
    for (qsizetype i = 0; i < channelSlots.size(); ++i)
        image.channels[channelSlots.at(i)] = rows.at(i);
}

bool ImagePatch::isEmpty() const
{
    return channelSlots.isEmpty() && !vfo && !settings && !model;
}
