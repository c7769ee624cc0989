#include "report/ReportOptions.h"

#include <QLocale>

QPageSize::PageSizeId ReportOptions::paperForLocale(const QLocale &locale)
{
    // The countries that use Letter paper.
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Philippines:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::PuertoRico:
        return QPageSize::Letter;
    default:
        break;
    }
    return QPageSize::A4;
}
