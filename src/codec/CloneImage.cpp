#include "codec/CloneImage.h"

#include "codec/SettingsCodec.h"
#include "codec/VfoCodec.h"

CloneImage::CloneImage()
    : Channels(ChannelCount)
{
}

CloneImage CloneImage::factory(int modelVariant, bool extendedRange)
{
    CloneImage image;
    image.ModelVariant = modelVariant;
    image.ExtendedRange = extendedRange;
    image.SettingsLine1 = QLatin1String(SettingsCodec::FactoryLine1);
    image.SettingsLine2 = QLatin1String(SettingsCodec::FactoryLine2);
    SettingsCodec::DecodeSettings(image.SettingsLine1, image.SettingsLine2, image.SettingSelection);
    image.Vfo[0] = image.Vfo[1] = VfoCodec::defaultVfo(modelVariant);
    return image;
}

int CloneImage::modelVariantForFile() const
{
    return (ModelVariant >= Vocabulary::ModelJ && ModelVariant <= Vocabulary::ModelE) ? ModelVariant
                                                                                     : Vocabulary::ModelA;
}

bool CloneImage::operator==(const CloneImage &other) const
{
    return ModelVariant == other.ModelVariant && ExtendedRange == other.ExtendedRange
        && SettingsLine1 == other.SettingsLine1 && SettingsLine2 == other.SettingsLine2
        && SettingSelection == other.SettingSelection && Vfo == other.Vfo && Channels == other.Channels;
}
