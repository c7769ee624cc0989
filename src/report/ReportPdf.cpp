#include "report/ReportPdf.h"

#include "files/AtomicFile.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace {

constexpr qreal MarginMillimetres = 12;
constexpr int Resolution = 300;
constexpr int FooterPointSize = 8;
// Room below the text for the footer, in points.
constexpr qreal FooterPoints = 18;
constexpr qreal PointsPerInch = 72;

} // namespace

QByteArray ReportPdf::render(const CloneImage &image, const ReportOptions &options, int *pageCount)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(Resolution);
    writer.setTitle(QCoreApplication::translate("ReportPdf", "Channel list"));
    writer.setCreator(Vocabulary::appTitle());
    writer.setPageLayout(QPageLayout(QPageSize(options.paper), options.orientation,
                                     QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres,
                                               MarginMillimetres),
                                     QPageLayout::Millimeter));

    // Lay the document out in points, draw it scaled to the device.
    const QRectF paint = writer.pageLayout().paintRect(QPageLayout::Point);
    const QSizeF textPage(paint.width(), paint.height() - FooterPoints);
    const ChannelReport report(image, options);
    const std::unique_ptr<QTextDocument> document = report.document(textPage);
    const int pages = document->pageCount();

    QPainter painter(&writer);
    const qreal scale = Resolution / PointsPerInch;
    painter.scale(scale, scale);
    QFont footerFont;
    footerFont.setFamilies(ChannelReport::fontFamilies());
    footerFont.setPixelSize(FooterPointSize);  // the painter draws in points
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.save();
        const QRectF visible(0, page * textPage.height(), textPage.width(), textPage.height());
        painter.translate(0, -visible.top());
        painter.setClipRect(visible);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = visible;
        document->documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(footerFont);
        painter.drawText(QRectF(0, textPage.height(), textPage.width(), FooterPoints),
                         Qt::AlignRight | Qt::AlignBottom, report.footer(page + 1, pages));
    }
    painter.end();
    if (pageCount)
        *pageCount = pages;
    return buffer.data();
}

FileResult ReportPdf::write(const QString &path, const CloneImage &image, const ReportOptions &options, FileAccess access)
{
    return AtomicFile::write(path, render(image, options), access);
}
