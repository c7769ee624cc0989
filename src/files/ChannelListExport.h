#pragma once

#include "files/FileAccess.h"
#include "files/FileResult.h"

#include <QByteArray>
#include <QString>

class CloneImage;

// Writes the channels in the layout other radio programmers read (see
// ListLayout): the full header, then a row per channel in use, or per
// slot, with the slot number as Location and the slot's label as Comment.
// Reading such a file back by location gives the same channels.
class ChannelListExport
{
public:
    enum class Slots { InUse, All };

    static QByteArray bytes(const CloneImage &image, Slots which);
    // Written atomically.
    static FileResult write(const QString &path, const CloneImage &image, Slots which,
                            FileAccess access = FileAccess::Streams);
    // Rows `bytes` writes for `image`.
    static int rowCount(const CloneImage &image, Slots which);
};
