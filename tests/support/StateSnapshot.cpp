#include "StateSnapshot.h"

#include "app/CloneDocument.h"
#include "codec/CloneImage.h"

#include <QtTest>

namespace {

// "|text=value" for every cell.
template <typename Row>
QString cells(const Row &row)
{
    QString out;
    for (size_t c = 0; c < row.text.size(); ++c)
        out += QLatin1Char('|') + row.text[c] + QLatin1Char('=') + QString::number(row.value[c], 'g', 17);
    return out;
}

QString channelText(const ChannelRow &row)
{
    return (row.inUse ? QStringLiteral("U") : QStringLiteral("-")) + cells(row);
}

QString vfoText(const VfoRow &row)
{
    return QStringLiteral("VFO") + cells(row);
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
