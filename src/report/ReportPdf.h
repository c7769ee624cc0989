#pragma once

#include "files/FileAccess.h"
#include "files/FileResult.h"
#include "report/ChannelReport.h"

#include <QByteArray>

// Writes a channel report as a PDF: the report's pages with a footer of
// page number and date on each. Needs a Qt GUI application object (the
// offscreen platform will do), not a display.
class ReportPdf
{
public:
    // The PDF's bytes; `pageCount` gets the number of pages.
    static QByteArray render(const CloneImage &image, const ReportOptions &options, int *pageCount = nullptr);
    // Writes the PDF atomically.
    static FileResult write(const QString &path, const CloneImage &image, const ReportOptions &options,
                            FileAccess access = FileAccess::Streams);
};
