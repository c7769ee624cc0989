#pragma once

#include <QString>

// The numeric value of a text as CSV import reads it: blanks, tabs and line
// feeds anywhere are ignored; then the longest leading part that forms a
// number is taken (optional sign, digits, optional decimal point and
// digits, optional exponent; or a hexadecimal number after "&H", an octal
// one after "&O"); the rest is ignored. A text without a number gives 0.
class NumericText
{
public:
    static double value(const QString &text);
    // Rounds to the nearest integer, a value exactly halfway to the even one.
    static double roundHalfEven(double value);
};
