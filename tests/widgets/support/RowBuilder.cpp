#include "RowBuilder.h"

#include <QtGlobal>

namespace {

template <typename Row>
Row buildRow(const QStringList &texts, const QList<double> &values)
{
    Row row;
    if (size_t(texts.size()) > row.text.size() || size_t(values.size()) > row.value.size())
        qFatal("RowBuilder: %d texts and %d values for a row of %d cells", int(texts.size()),
               int(values.size()), int(row.text.size()));
    for (int c = 0; c < texts.size(); ++c)
        row.text[size_t(c)] = texts.at(c);
    for (int c = 0; c < values.size(); ++c)
        row.value[size_t(c)] = values.at(c);
    return row;
}

} // namespace

ChannelRow channelRow(const QStringList &texts, const QList<double> &values, bool inUse)
{
    ChannelRow row = buildRow<ChannelRow>(texts, values);
    row.inUse = inUse;
    return row;
}

VfoRow vfoRow(const QStringList &texts, const QList<double> &values)
{
    return buildRow<VfoRow>(texts, values);
}
