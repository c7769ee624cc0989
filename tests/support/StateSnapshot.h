#pragma once

#include <QString>

class Module1;

// Every piece of a Module1's data as one text, for "left exactly as it was"
// comparisons in tests.
QString stateSnapshot(const Module1 &state);
