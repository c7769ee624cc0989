#pragma once

#include <QCoreApplication>

#include "codec/CloneImage.h"

#include <QList>
#include <QString>

// The 608 records of an image as the encoders write them, in ascending
// address order (the clone file's order): settings 1 and 2, VFO A and B,
// channel slots 0-603. The settings records are rebuilt from the
// selections.
class ImageRecords
{
    Q_DECLARE_TR_FUNCTIONS(ImageRecords)

public:
    struct Entry
    {
        int address;
        QString text;
    };

    static QList<Entry> of(const CloneImage &image);
    // The addresses whose records differ between two images, ascending.
    static QList<int> differing(const CloneImage &a, const CloneImage &b);
    // The channel slot at an address; -1 for the settings and VFO records.
    static int slotAt(int address);
    // "record 0300" for settings and VFOs, "slot 12" for channels.
    static QString name(int address);
};
