#pragma once

#include "codec/CloneImage.h"

// Shared by the fuzz targets: an image like the program's after New with a
// few channels, and a hard stop on a broken invariant.
class FuzzState
{
public:
    static CloneImage sample();
    static bool sizesIntact(const CloneImage &image);
    [[noreturn]] static void fail(const char *what);
};

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            FuzzState::fail(#condition);                                                                               \
    } while (false)
