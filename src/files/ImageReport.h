#pragma once

#include <QString>
#include <QStringList>

class CloneImage;

// A clone image in words: the whole of it, or how two images differ.
class ImageReport
{
public:
    // Model, settings (caption and chosen item), VFO A and B, and every
    // channel in use with its grid label, as aligned tables.
    static QString show(const CloneImage &image);
    // One line per difference: model, each setting, each VFO field, each
    // channel field by grid label. Empty when the images are equal.
    static QStringList diff(const CloneImage &a, const CloneImage &b);
    // The model and coverage: "QT-R70J (extended coverage)".
    static QString model(const CloneImage &image);
};
