#include "codec/VfoRow.h"

#include "codec/CellText.h"

QString VfoRow::text(ChannelColumn column) const
{
    if (!known || Vocabulary::index(column) >= Vocabulary::VfoGridColumns)
        return QString();
    if (column == ChannelColumn::Frequency)
        return CellText::frequency(frequency);
    return CellText::listed(column, code(column));
}

qint64 VfoRow::value(ChannelColumn column) const
{
    return column == ChannelColumn::Frequency ? frequency : code(column);
}

QStringList VfoRow::texts() const
{
    QStringList cells;
    for (int c = 0; c < Vocabulary::VfoGridColumns; ++c)
        cells.append(text(ChannelColumn(c)));
    return cells;
}
