#include "codec/ChannelRow.h"

#include "codec/CellText.h"

#include <QStringList>

QString ChannelRow::text(ChannelColumn column) const
{
    if (!inUse)
        return QString();
    switch (column) {
    case ChannelColumn::Frequency:
        return CellText::frequency(frequency);
    case ChannelColumn::Split:
        return CellText::frequency(split);
    case ChannelColumn::Name:
        return name;
    case ChannelColumn::Skip:
        return CellText::skip(skip);
    default:
        return CellText::listed(column, code(column));
    }
}

qint64 ChannelRow::value(ChannelColumn column) const
{
    switch (column) {
    case ChannelColumn::Frequency:
        return frequency;
    case ChannelColumn::Split:
        return split;
    case ChannelColumn::Name:
        return 0;
    case ChannelColumn::Skip:
        return skip ? 1 : 0;
    default:
        return code(column);
    }
}

QStringList ChannelRow::texts() const
{
    QStringList cells;
    for (int c = 0; c < Vocabulary::ChannelGridColumns; ++c)
        cells.append(text(ChannelColumn(c)));
    return cells;
}

void ChannelRow::clearFields()
{
    const CsvExtras kept = csvExtras;
    *this = ChannelRow();
    csvExtras = kept;
}

bool ChannelRow::operator==(const ChannelRow &other) const
{
    return Tuning::operator==(other) && split == other.split && name == other.name && skip == other.skip
        && inUse == other.inUse && csvExtras == other.csvExtras;
}
