#pragma once

#include "DecodeResult.h"

#include <QString>

#include <cstdint>

class Module1;

// VFO records <-> VFO table rows 0 (VFO A) and 1 (VFO B).
class VfoCodec
{
public:
    // On failure the row keeps its previous content.
    static DecodeResult DecodeVfo(Module1 &state, const QString &recordText, int r);
    static QString EncodeVfo(const Module1 &state, int r);
    // Both VFO rows to the default VFO (7.050.000 for the QT-R70J option,
    // else 7.100.000, LSB, gain 0, Slow, High, Wide, tone Off, NB Off).
    static void LoadDefaultVfo(Module1 &state);
    // The frequency proposed for the selected model: 7 050 000 Hz for the
    // QT-R70J option, 7 100 000 Hz for the others.
    static std::uint32_t defaultFrequency(int modelVariant);
};
