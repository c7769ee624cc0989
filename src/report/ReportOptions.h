#pragma once

#include <QDate>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

// What a printed channel list holds and how its pages are laid out.
struct ReportOptions
{
    // Every channel row, not only those in use.
    bool allRows = false;
    // The clone file the image came from; empty for none.
    QString fileName;
    // Printed in each page's footer.
    QDate date = QDate::currentDate();
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;

    // A4, or Letter where the locale's country uses it.
    static QPageSize::PageSizeId paperForLocale(const QLocale &locale);
};
