#pragma once

#include <QString>

#include <array>
#include <cstdint>

// One 32-byte record of the radio's memory.
using Record = std::array<std::uint8_t, 32>;

// The 64-hex-digit text form of a record and the byte-level helpers all
// record codecs share.
class RecordText
{
public:
    static constexpr int Length = 64;

    // Splits a record text into its 32 bytes. False (and `out` untouched)
    // when the text is not 64 characters long or holds a non-hex digit.
    static bool split(const QString &text, Record &out);
    // The 32 bytes as upper-case hex, byte 0 first.
    static QString join(const Record &bytes);
    // Upper-case hex of a byte value, two digits ("0A", "FF").
    static QString hexByte(int value);
    // Unsigned 32-bit little-endian field at offset k.
    static std::uint32_t readField32(const Record &bytes, int k);
    static void writeField32(Record &bytes, int k, std::uint32_t value);
};
