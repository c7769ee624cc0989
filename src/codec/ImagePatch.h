#pragma once

#include "codec/CloneImage.h"

#include <QList>

#include <optional>

// The parts of one image that differ from another: the channel slots with
// their rows, and the VFO rows, the settings and the model option when
// they differ. Applied to the first image it gives the second; an undo
// step keeps one patch for each direction, so it holds only what changed.
class ImagePatch
{
public:
    struct Settings
    {
        QString line1;
        QString line2;
        SettingSelections selections{};
    };
    struct Model
    {
        int variant = 0;
        bool extendedRange = false;
    };

    // What turns `from` into `to`.
    static ImagePatch between(const CloneImage &from, const CloneImage &to);

    bool isEmpty() const;
    // Puts the parts the patch names into `image`.
    void applyTo(CloneImage &image) const;

    // Changed channel slots, ascending, and their rows in `to`.
    QList<int> channelSlots;
    QList<ChannelRow> rows;
    std::optional<std::array<VfoRow, CloneImage::VfoCount>> vfo;
    std::optional<Settings> settings;
    std::optional<Model> model;
};
