#include "files/ChannelClipboard.h"

#include "codec/ChannelLabel.h"
#include "codec/SafeText.h"
#include "files/CsvExchange.h"

#include <QCoreApplication>

namespace {

const QString LabelTitle = QStringLiteral("Channel");
constexpr QChar Tab = u'\t';
// A value longer than this is shown cut short in a problem.
constexpr int ShownValueLength = 24;

QStringList cellsOf(const QString &line)
{
    QStringList cells = line.split(Tab);
    for (QString &cell : cells) {
        cell = cell.trimmed();
        // Spreadsheets quote a cell that holds a separator.
        if (cell.size() >= 2 && cell.startsWith(u'"') && cell.endsWith(u'"'))
            cell = cell.mid(1, cell.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    }
    return cells;
}

// For each cell of a header line, the grid column it names (-1 for the
// label column or a title that is not ours); empty when `cells` is not a
// header line.
QList<int> columnsOfHeader(const QStringList &cells)
{
    const QStringList titles = ChannelLabel::memoryHeaders();
    QList<int> columns;
    bool named = false;
    for (const QString &cell : cells) {
        int found = -1;
        for (int t = 0; t < titles.size() && found < 0; ++t) {
            if (cell.compare(titles.at(t), Qt::CaseInsensitive) == 0)
                found = t;
        }
        named = named || found == 0;
        columns.append(found);
    }
    return named ? columns : QList<int>();
}

// The grid's own layout: label column first when the line has one.
QList<int> gridColumns(qsizetype cellCount)
{
    QList<int> columns;
    const bool labelled = cellCount > Vocabulary::ChannelGridColumns;
    if (labelled)
        columns.append(-1);
    for (int c = 0; c < Vocabulary::ChannelGridColumns; ++c)
        columns.append(c);
    return columns;
}

} // namespace

QString ChannelClipboard::copyText(const CloneImage &image, const QList<int> &channelSlots)
{
    QStringList lines{(QStringList{LabelTitle} + ChannelLabel::memoryHeaders()).join(Tab)};
    for (const int n : channelSlots) {
        if (n < 0 || n >= CloneImage::ChannelCount)
            continue;
        lines.append((QStringList{ChannelLabel::gridLabel(n)} + image.channels.at(n).texts()).join(Tab));
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

ChannelClipboard::Paste ChannelClipboard::read(const QString &text, const ChannelRules &rules)
{
    Paste paste;
    // Far more than any channel list: refused whole rather than cut short
    // at some row.
    if (text.size() > MaxTextLength) {
        paste.tooLong = true;
        return paste;
    }
    QStringList lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    while (!lines.isEmpty() && lines.constLast().trimmed().isEmpty())
        lines.removeLast();

    QList<int> header;
    int first = 0;
    if (!lines.isEmpty()) {
        header = columnsOfHeader(cellsOf(lines.constFirst()));
        if (!header.isEmpty())
            first = 1;
    }
    for (int i = first; i < lines.size(); ++i) {
        if (paste.rows.size() == MaxRows) {
            paste.linesLeftOver = int(lines.size()) - i;
            break;
        }
        const QStringList cells = cellsOf(lines.at(i));
        const QList<int> columns = header.isEmpty() ? gridColumns(cells.size()) : header;
        QStringList fields(CsvExchange::ValueFields);
        fields[CsvExchange::ValueFields - 1] = QStringLiteral("Off");
        bool blank = true;
        for (qsizetype k = 0; k < cells.size() && k < columns.size(); ++k) {
            if (columns.at(k) < 0)
                continue;
            fields[columns.at(k)] = cells.at(k);
            blank = blank && cells.at(k).isEmpty();
        }
        if (blank) {
            paste.rows.append(ChannelRow());
            continue;
        }
        ChannelRow row;
        const int failed = CsvExchange::channelFromFields(fields, row);
        const auto problem = failed < 0 ? rules.check(row) : std::nullopt;
        if (failed < 0 && !problem) {
            paste.rows.append(row);
            continue;
        }
        paste.rows.append(std::nullopt);
        if (failed >= 0 && fields.at(failed).size() > ShownValueLength)
            fields[failed] = fields.at(failed).left(ShownValueLength) + QStringLiteral("...");
        const QString why = problem ? problem->text() : CsvExchange::fieldProblem(fields, failed);
        paste.problems.append(QCoreApplication::translate("ChannelClipboard", "Line %1: %2").arg(i + 1).arg(SafeText::escaped(why)));
    }
    return paste;
}
