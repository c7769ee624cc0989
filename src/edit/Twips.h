#pragma once

class QWidget;

// Sizes in twips (1/1440 inch) as pixels of the screen a widget is on, by
// that screen's logical resolution.
class Twips
{
public:
    static constexpr int PerInch = 1440;

    static int toPixelsX(int twips, const QWidget *widget);
    static int toPixelsY(int twips, const QWidget *widget);
    static int fromPixelsX(int pixels, const QWidget *widget);
    static int fromPixelsY(int pixels, const QWidget *widget);
};
