#pragma once

#include "codec/CloneImage.h"
#include "report/ReportOptions.h"

#include <QString>
#include <QStringList>

#include <memory>

class QTextDocument;

// The channel list of a clone image as a document to print: a title with
// the model, coverage version and file name; the settings as "caption:
// item" in the settings page's three groups; VFO A and B; then the
// channels (those in use, or all rows) in bank order with the grid's
// labels and columns, the column headers repeated on every page.
class ChannelReport
{
public:
    ChannelReport(const CloneImage &image, const ReportOptions &options);

    QString title() const;
    // "Page 2 of 5" and the date.
    QString footer(int page, int pageCount) const;
    // The channel rows printed, in order.
    QList<int> printedRows() const;

    // The document, laid out for pages of `pageSize` (points) less the
    // footer; a table's header row repeats on every page.
    std::unique_ptr<QTextDocument> document(const QSizeF &pageSize) const;

    // The fonts the report uses, covering Latin and Japanese text.
    static QStringList fontFamilies();

private:
    const CloneImage &m_image;
    ReportOptions m_options;
};
