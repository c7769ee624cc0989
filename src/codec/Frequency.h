#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdint>

class Frequency
{
public:
    // Grid text of a frequency in hertz: 7050000 -> "7.050.000",
    // 0 -> "0.000.000", 123456789 -> "123.456.789".
    static QString format(std::uint64_t hz);
    // A frequency in hertz as an unsigned 32-bit field value: clamped to
    // 0 .. 2^32-1.
    static std::uint32_t toField(qint64 hz);
};
