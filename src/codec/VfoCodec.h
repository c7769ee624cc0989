#pragma once

#include <QCoreApplication>

#include "codec/DecodeResult.h"
#include "codec/VfoRow.h"

#include <QString>

#include <cstdint>

// VFO records <-> VFO rows.
class VfoCodec
{
    Q_DECLARE_TR_FUNCTIONS(VfoCodec)

public:
    // On failure `row` is left exactly as it was.
    static DecodeResult decode(const QString &recordText, VfoRow &row);
    static QString encode(const VfoRow &row);
    // The default VFO: the model's default frequency, LSB, gain 0, Slow,
    // High, Wide, tone Off, NB Off.
    static VfoRow defaultVfo(int modelVariant);
    // The frequency proposed for a model option: 7 050 000 Hz for the
    // QT-R70J, 7 100 000 Hz for the others.
    static std::uint32_t defaultFrequency(int modelVariant);
};
