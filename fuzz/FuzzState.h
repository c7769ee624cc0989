#pragma once

#include "Module1.h"

#include <QString>

// Shared by the fuzz targets: a state like the program's after start-up
// with a few channels, its full text form, and a hard stop on a broken
// invariant.
class FuzzState
{
public:
    static Module1 sample();
    // Every piece of data equal (faster than comparing snapshots).
    static bool equal(const Module1 &a, const Module1 &b);
    static bool sizesIntact(const Module1 &state);
    [[noreturn]] static void fail(const char *what);
};

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            FuzzState::fail(#condition);                                                                               \
    } while (false)
