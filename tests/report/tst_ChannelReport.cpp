// The printed channel list: what the report holds, in which order, and the
// PDF it becomes.
#include "codec/ChannelCodec.h"
#include "codec/ChannelLabel.h"
#include "codec/Frequency.h"
#include "report/ChannelReport.h"
#include "report/ReportPdf.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

// Channels in all three banks, the rest empty.
const QList<int> UsedSlots = {3, 150, 205, 401, 402, 603};

CloneImage imageWithChannels()
{
    CloneImage image = CloneImage::factory(Vocabulary::ModelE, true);
    for (int i = 0; i < UsedSlots.size(); ++i) {
        ChannelRow row;
        const int frequency = 7000000 + 1000 * i;
        row.frequency = frequency;
        row.mode = 1;
        row.name = QStringLiteral("NAME%1").arg(i);
        row.inUse = true;
        image.channels[UsedSlots[i]] = row;
    }
    return image;
}

// The table of channels: the document's last table.
QTextTable *channelTable(QTextDocument &document)
{
    QTextTable *last = nullptr;
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame))
            last = table;
    }
    return last;
}

QString cell(QTextTable *table, int row, int column)
{
    const QTextTableCell c = table->cellAt(row, column);
    QTextCursor cursor = c.firstCursorPosition();
    cursor.setPosition(c.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

} // namespace

class tst_ChannelReport : public QObject
{
    Q_OBJECT
private slots:
    void listsUsedChannelsInBankOrder();
    void allRowsListsEverySlot();
    void pdfRepeatsHeadersAndHoldsTheChannels();
};

void tst_ChannelReport::listsUsedChannelsInBankOrder()
{
    const CloneImage image = imageWithChannels();
    ReportOptions options;
    options.fileName = QStringLiteral("/tmp/radio.R70");
    const ChannelReport report(image, options);
    const auto document = report.document(QSizeF(500, 700));
    QTextTable *table = channelTable(*document);
    QVERIFY(table);
    QCOMPARE(table->rows(), int(UsedSlots.size()) + 1);
    QCOMPARE(cell(table, 0, 1), QStringLiteral("Frequency"));
    for (int i = 0; i < UsedSlots.size(); ++i) {
        QCOMPARE(cell(table, i + 1, 0), ChannelLabel::gridLabel(UsedSlots[i]));
        QCOMPARE(cell(table, i + 1, 1), image.channels[UsedSlots[i]].text(ChannelColumn::Frequency));
        QCOMPARE(cell(table, i + 1, 10), QStringLiteral("NAME%1").arg(i));
    }
    QVERIFY(report.title().contains(QStringLiteral("QT-R70E")));
    QVERIFY(report.title().contains(QStringLiteral("extended")));
    QVERIFY(report.title().contains(QStringLiteral("radio.R70")));
    const QString text = document->toPlainText();
    QVERIFY(text.contains(QStringLiteral("Key Speed(WPM): 20")));
    QVERIFY(text.contains(QStringLiteral("VFO B")));
}

void tst_ChannelReport::allRowsListsEverySlot()
{
    ReportOptions options;
    options.allRows = true;
    const CloneImage image = imageWithChannels();
    const auto document = ChannelReport(image, options).document(QSizeF(500, 700));
    QTextTable *table = channelTable(*document);
    QCOMPARE(table->rows(), CloneImage::ChannelCount + 1);
    QCOMPARE(cell(table, CloneImage::ChannelCount, 0), QStringLiteral("B-P2"));
    QCOMPARE(cell(table, 1, 1), QString());  // slot 0 is empty
}

void tst_ChannelReport::pdfRepeatsHeadersAndHoldsTheChannels()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("list.pdf"));
    ReportOptions options;
    options.allRows = true;
    QVERIFY(ReportPdf::write(path, imageWithChannels(), options).ok());

    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(process.waitForFinished());
    const QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'),
                                                                                       Qt::SkipEmptyParts);
    QVERIFY2(pages.size() > 3, qPrintable(QString::number(pages.size())));
    for (int p = 0; p < pages.size(); ++p) {
        QVERIFY2(pages[p].contains(QStringLiteral("Split Freq.")), qPrintable(QString::number(p)));
        QVERIFY(pages[p].contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size())));
    }
    const QString all = pages.join(QString());
    for (int i = 0; i < UsedSlots.size(); ++i)
        QVERIFY(all.contains(QStringLiteral("NAME%1").arg(i)));
}

QTEST_MAIN(tst_ChannelReport)
#include "tst_ChannelReport.moc"
