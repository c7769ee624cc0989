#include "edit/Twips.h"

#include <QWidget>

#include <cmath>

namespace {

int scaled(int value, int numerator, int denominator)
{
    return int(std::lround(double(value) * numerator / denominator));
}

} // namespace

int Twips::toPixelsX(int twips, const QWidget *widget)
{
    return scaled(twips, widget->logicalDpiX(), PerInch);
}

int Twips::toPixelsY(int twips, const QWidget *widget)
{
    return scaled(twips, widget->logicalDpiY(), PerInch);
}

int Twips::fromPixelsX(int pixels, const QWidget *widget)
{
    return scaled(pixels, PerInch, widget->logicalDpiX());
}

int Twips::fromPixelsY(int pixels, const QWidget *widget)
{
    return scaled(pixels, PerInch, widget->logicalDpiY());
}
