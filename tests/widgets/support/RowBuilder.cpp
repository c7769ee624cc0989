#include "RowBuilder.h"

#include "codec/ChannelRules.h"

#include <QtGlobal>

namespace {

qint64 hertzOf(const QString &text)
{
    bool ok = false;
    const qint64 hz = QString(text).remove(QLatin1Char('.')).toLongLong(&ok);
    if (!ok)
        qFatal("RowBuilder: \"%s\" is no frequency", qPrintable(text));
    return hz;
}

} // namespace

ChannelRow channelRow(const QStringList &texts)
{
    if (texts.size() != Vocabulary::ChannelGridColumns)
        qFatal("RowBuilder: %d texts for a row of %d cells", int(texts.size()), Vocabulary::ChannelGridColumns);
    const auto at = [&texts](ChannelColumn column) { return texts.at(Vocabulary::index(column)); };
    ChannelRow row;
    row.frequency = hertzOf(at(ChannelColumn::Frequency));
    for (const ChannelColumn column : Vocabulary::ListedColumns) {
        const auto code = ChannelRules::codeOf(column, at(column));
        if (!code)
            qFatal("RowBuilder: \"%s\" is no item of its column", qPrintable(at(column)));
        row.setCode(column, *code);
    }
    row.split = hertzOf(at(ChannelColumn::Split));
    row.name = at(ChannelColumn::Name);
    row.skip = at(ChannelColumn::Skip) == QLatin1String("Skip");
    row.inUse = true;
    return row;
}
