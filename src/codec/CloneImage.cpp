#include "codec/CloneImage.h"

#include "codec/SettingsCodec.h"
#include "codec/VfoCodec.h"

CloneImage::CloneImage()
    : channels(ChannelCount)
{
}

CloneImage CloneImage::factory(int modelVariant, bool extendedRange)
{
    CloneImage image;
    image.modelVariant = modelVariant;
    image.extendedRange = extendedRange;
    image.settingsLine1 = QLatin1String(SettingsCodec::FactoryLine1);
    image.settingsLine2 = QLatin1String(SettingsCodec::FactoryLine2);
    SettingsCodec::decode(image.settingsLine1, image.settingsLine2, image.selections);
    image.vfos[0] = image.vfos[1] = VfoCodec::defaultVfo(modelVariant);
    return image;
}

int CloneImage::modelVariantForFile() const
{
    return (modelVariant >= Vocabulary::ModelJ && modelVariant <= Vocabulary::ModelE) ? modelVariant
                                                                                     : Vocabulary::ModelA;
}

bool CloneImage::operator==(const CloneImage &other) const
{
    return modelVariant == other.modelVariant && extendedRange == other.extendedRange
        && settingsLine1 == other.settingsLine1 && settingsLine2 == other.settingsLine2
        && selections == other.selections && vfos == other.vfos && channels == other.channels;
}
