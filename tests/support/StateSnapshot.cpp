#include "StateSnapshot.h"

#include "app/CloneDocument.h"
#include "codec/CloneImage.h"

#include <QtTest>

namespace {

// "|text=value" for every grid cell.
template <typename Row>
QString cells(const Row &row, int columns)
{
    QString out;
    for (int c = 0; c < columns; ++c) {
        const auto column = ChannelColumn(c);
        out += QLatin1Char('|') + row.text(column) + QLatin1Char('=') + QString::number(row.value(column));
    }
    return out;
}

QString channelText(const ChannelRow &row)
{
    const ChannelRow::CsvExtras &extras = row.csvExtras;
    return (row.inUse ? QStringLiteral("U") : QStringLiteral("-")) + cells(row, Vocabulary::ChannelGridColumns)
        + QStringLiteral("|%1|%2|%3|%4").arg(extras.first, extras.second, extras.third).arg(extras.on);
}

QString vfoText(const VfoRow &row)
{
    return (row.known ? QStringLiteral("VFO") : QStringLiteral("vfo")) + cells(row, Vocabulary::VfoGridColumns);
}

} // namespace

QString imageSnapshot(const CloneImage &image)
{
    QString out;
    const auto add = [&out](const QString &text) {
        out += text;
        out += QLatin1Char('\n');
    };
    add(QStringLiteral("model %1 extended %2").arg(image.modelVariant).arg(image.extendedRange));
    add(image.settingsLine1);
    add(image.settingsLine2);
    QStringList selection;
    for (int s : image.selections)
        selection.append(QString::number(s));
    add(selection.join(QLatin1Char(',')));
    for (const VfoRow &vfo : image.vfos)
        add(vfoText(vfo));
    for (const ChannelRow &channel : image.channels)
        add(channelText(channel));
    return out;
}

QString stateSnapshot(const CloneDocument &state)
{
    return QStringLiteral("changed %1\nfile %2\n").arg(state.hasUnsavedChanges()).arg(state.fileName())
        + imageSnapshot(state.image());
}

char *toString(const ChannelRow &row)
{
    return QTest::toString(channelText(row));
}

char *toString(const VfoRow &row)
{
    return QTest::toString(vfoText(row));
}
