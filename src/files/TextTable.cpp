#include "files/TextTable.h"

void TextTable::addRow(const QStringList &cells)
{
    m_rows.append(cells);
}

QString TextTable::render() const
{
    QList<int> widths;
    for (const QStringList &row : m_rows) {
        for (int c = 0; c < row.size(); ++c) {
            if (c >= widths.size())
                widths.append(0);
            widths[c] = qMax(widths[c], int(row[c].size()));
        }
    }
    QString out;
    for (const QStringList &row : m_rows) {
        QString line;
        for (int c = 0; c < row.size(); ++c) {
            if (c > 0)
                line += QStringLiteral("  ");
            line += row[c].leftJustified(widths[c]);
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out += line + QLatin1Char('\n');
    }
    return out;
}
