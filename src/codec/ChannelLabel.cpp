#include "codec/ChannelLabel.h"

#include <algorithm>

#include <QRegularExpression>

namespace {

// Position of a row inside its bank: 0..199 for channels, 200/201 for P1/P2.
int positionInBank(int row)
{
    if (row < ChannelLabel::FirstBankA)
        return row;
    if (row < ChannelLabel::FirstBankB)
        return row - ChannelLabel::FirstBankA;
    return row - ChannelLabel::FirstBankB;
}

QChar bankLetter(int row)
{
    return row < ChannelLabel::FirstBankB ? QLatin1Char('A') : QLatin1Char('B');
}

} // namespace

QString ChannelLabel::gridLabel(int row)
{
    if (row < FirstBankA)
        return QString::number(row);
    const int position = positionInBank(row);
    if (position >= BankSize)
        return QString(bankLetter(row)) + QStringLiteral("-P") + QString::number(position - BankSize + 1);
    return QString(bankLetter(row)) + QStringLiteral("%1").arg(position, 3);
}

QString ChannelLabel::shortLabel(int row)
{
    return gridLabel(row).remove(QLatin1Char(' '));
}

QString ChannelLabel::rangesText(const QList<int> &rows, int runs)
{
    // A run ends where the slots stop following each other, at a bank's
    // end and before its P channels.
    const auto sameRun = [](int previous, int next) {
        return next == previous + 1 && bankHeading(previous) == bankHeading(next)
            && positionInBank(previous) < BankSize && positionInBank(next) < BankSize;
    };
    QStringList parts;
    int hidden = 0;
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype j = i;
        while (j + 1 < rows.size() && sameRun(rows.at(j), rows.at(j + 1)))
            ++j;
        if (parts.size() < runs)
            parts.append(j == i ? shortLabel(rows.at(i))
                                : shortLabel(rows.at(i)) + QChar(0x2013) + shortLabel(rows.at(j)));
        else
            hidden += int(j - i + 1);
        i = j + 1;
    }
    if (hidden > 0)
        parts.append(tr("and %1 more").arg(hidden));
    return parts.join(QStringLiteral(", "));
}

QList<int> ChannelLabel::bankRows(int row)
{
    const int first = row - positionInBank(row) + (positionInBank(row) >= BankSize ? BankSize : 0);
    const int count = positionInBank(row) >= BankSize ? 2 : BankSize;
    QList<int> rows;
    for (int r = first; r < first + count; ++r)
        rows.append(r);
    return rows;
}

int ChannelLabel::rowOf(const QString &typed)
{
    // A bank letter may be followed by blanks or one dash; nothing else
    // but the number (or P1, P2) is part of a label.
    static const QRegularExpression shape(QStringLiteral("^\\s*(?:[AB]\\s*-?\\s*)?(?:\\d+|P\\d)\\s*$"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (!shape.match(typed).hasMatch())
        return -1;
    QString key = typed.toUpper();
    key.remove(QLatin1Char(' '));
    key.remove(QLatin1Char('-'));
    for (int row = 0; row < FirstBankB + BankSize + 2; ++row) {
        QString label = shortLabel(row);
        label.remove(QLatin1Char('-'));
        if (label == key)
            return row;
    }
    return -1;
}

QString ChannelLabel::spokenLabel(int row)
{
    QString label = shortLabel(row);
    if (row >= FirstBankA && label.size() > 1 && label.at(1).isDigit())
        label.insert(1, QLatin1Char(' '));
    return label;
}

QString ChannelLabel::spokenCell(const QString &label, const QStringList &headers, const QStringList &cells, int column)
{
    const QString cell = cells.value(column);
    const bool emptyRow = std::all_of(cells.cbegin(), cells.cend(), [](const QString &c) { return c.isEmpty(); });
    if (column == 0)
        return label + QStringLiteral(", ") + (emptyRow ? tr("empty") : cell);
    // The mode speaks for itself, as does a cell that says its header.
    const QString header = headers.value(column);
    if (cell.isEmpty() || column == 1 || cell == header)
        return cell;
    return header + QLatin1Char(' ') + cell;
}

QString ChannelLabel::bankHeading(int row)
{
    if (row < FirstBankA)
        return QStringLiteral("Memory");
    return QStringLiteral("Memory ") + bankLetter(row);
}

QString ChannelLabel::channelText(int row)
{
    const int position = positionInBank(row);
    if (row >= FirstBankA && position >= BankSize)
        return QStringLiteral("P") + QString::number(position - BankSize + 1);
    return QString::number(position) + QStringLiteral("CH");
}

QStringList ChannelLabel::memoryHeaders()
{
    return vfoHeaders() + QStringList{QStringLiteral("Split Freq."), QStringLiteral("Name"), QStringLiteral("Skip")};
}

QStringList ChannelLabel::vfoHeaders()
{
    return {QStringLiteral("Frequency"), QStringLiteral("Mode"), QStringLiteral("Gain"),
            QStringLiteral("AGC"),       QStringLiteral("Pwr"),  QStringLiteral("Filter"),
            QStringLiteral("Tone"),      QStringLiteral("NB")};
}

QString ChannelLabel::vfoLabel(int row)
{
    return row == 0 ? QStringLiteral("VFO A") : QStringLiteral("VFO B");
}
