#include "report/ChannelReport.h"

#include "codec/ChannelLabel.h"
#include "codec/SettingsTable.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace {

constexpr qreal BodyPointSize = 8.5;
constexpr qreal TitlePointSize = 14;
constexpr qreal HeadingPointSize = 11;
constexpr qreal CellPadding = 1.5;
constexpr int SettingGroups = 3;

QTextCharFormat textFormat(qreal pointSize, bool bold = false)
{
    QTextCharFormat format;
    format.setFontPointSize(pointSize);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

void heading(QTextCursor &cursor, const QString &text, qreal pointSize)
{
    QTextBlockFormat block;
    block.setTopMargin(pointSize * 0.8);
    block.setBottomMargin(pointSize * 0.3);
    cursor.insertBlock(block, textFormat(pointSize, true));
    cursor.insertText(text);
}

QTextTableFormat tableFormat(int headerRows)
{
    QTextTableFormat format;
    format.setHeaderRowCount(headerRows);
    format.setCellPadding(CellPadding);
    format.setCellSpacing(0);
    format.setBorder(0.5);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    return format;
}

// A table of a header row and one row per entry of `rows`.
void insertTable(QTextCursor &cursor, const QStringList &headers, const QList<QStringList> &rows)
{
    QTextTable *table = cursor.insertTable(int(rows.size()) + 1, int(headers.size()), tableFormat(1));
    const QTextCharFormat header = textFormat(BodyPointSize, true);
    const QTextCharFormat body = textFormat(BodyPointSize);
    for (int c = 0; c < headers.size(); ++c)
        table->cellAt(0, c).firstCursorPosition().insertText(headers[c], header);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size() && c < headers.size(); ++c)
            table->cellAt(r + 1, c).firstCursorPosition().insertText(rows[r][c], body);
    }
    cursor.movePosition(QTextCursor::End);
}

} // namespace

ChannelReport::ChannelReport(const CloneImage &image, const ReportOptions &options)
    : m_image(image), m_options(options)
{
}

QStringList ChannelReport::fontFamilies()
{
    return {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP"),
            QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};
}

QString ChannelReport::title() const
{
    const QString coverage = m_image.extendedRange ? QCoreApplication::translate("ChannelReport", "extended coverage")
                                                   : QCoreApplication::translate("ChannelReport", "standard coverage");
    QString text = Vocabulary::modelName(m_image.modelVariantForFile()) + QStringLiteral(", ") + coverage;
    if (!m_options.fileName.isEmpty())
        text += QStringLiteral(" \u2014 ") + QFileInfo(m_options.fileName).fileName();
    return text;
}

QString ChannelReport::footer(int page, int pageCount) const
{
    return QCoreApplication::translate("ChannelReport", "Page %1 of %2").arg(page).arg(pageCount) + QStringLiteral("    ")
        + QLocale::c().toString(m_options.date, QStringLiteral("yyyy-MM-dd"));
}

QList<int> ChannelReport::printedRows() const
{
    QList<int> rows;
    for (int n = 0; n < CloneImage::ChannelCount; ++n) {
        if (m_options.allRows || m_image.channels.at(n).inUse)
            rows.append(n);
    }
    return rows;
}

std::unique_ptr<QTextDocument> ChannelReport::document(const QSizeF &pageSize) const
{
    auto document = std::make_unique<QTextDocument>();
    QFont font;
    font.setFamilies(fontFamilies());
    font.setPointSizeF(BodyPointSize);
    document->setDefaultFont(font);
    document->setPageSize(pageSize);
    document->setDocumentMargin(0);

    QTextCursor cursor(document.get());
    cursor.setCharFormat(textFormat(TitlePointSize, true));
    cursor.insertText(title());

    heading(cursor, QCoreApplication::translate("ChannelReport", "Settings"), HeadingPointSize);
    QList<QStringList> groups(SettingGroups);
    const auto shown = [this](SettingId id) {
        const SettingDescriptor &d = SettingsTable::of(id);
        return d.caption + QStringLiteral(": ")
            + d.items.value(m_image.selections[size_t(SettingsTable::index(id))]).trimmed();
    };
    for (int g = 0; g < SettingGroups; ++g) {
        for (const SettingId id : SettingsTable::groups()[size_t(g)])
            groups[g].append(shown(id));
    }
    groups[1].append(shown(SettingId::Tone));
    int longest = 0;
    for (const QStringList &group : groups)
        longest = std::max(longest, int(group.size()));
    QTextTableFormat settingsFormat = tableFormat(0);
    settingsFormat.setBorder(0);
    QTextTable *settings = cursor.insertTable(longest, SettingGroups, settingsFormat);
    for (int g = 0; g < SettingGroups; ++g) {
        for (int r = 0; r < groups[g].size(); ++r)
            settings->cellAt(r, g).firstCursorPosition().insertText(groups[g][r], textFormat(BodyPointSize));
    }
    cursor.movePosition(QTextCursor::End);

    heading(cursor, QCoreApplication::translate("ChannelReport", "VFO"), HeadingPointSize);
    QList<QStringList> vfoRows;
    for (int r = 0; r < CloneImage::VfoCount; ++r) {
        vfoRows.append(QStringList{ChannelLabel::vfoLabel(r)} + m_image.vfos[size_t(r)].texts());
    }
    insertTable(cursor, QStringList{QString()} + ChannelLabel::vfoHeaders(), vfoRows);

    heading(cursor, QCoreApplication::translate("ChannelReport", "Channels"), HeadingPointSize);
    QList<QStringList> channelRows;
    for (int n : printedRows()) {
        channelRows.append(QStringList{ChannelLabel::gridLabel(n)} + m_image.channels.at(n).texts());
    }
    insertTable(cursor, QStringList{QCoreApplication::translate("ChannelReport", "Channel")} + ChannelLabel::memoryHeaders(), channelRows);
    return document;
}
