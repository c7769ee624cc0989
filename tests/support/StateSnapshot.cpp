#include "StateSnapshot.h"

#include "app/Module1.h"
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
    add(QStringLiteral("model %1 extended %2").arg(image.ModelVariant).arg(image.ExtendedRange));
    add(image.SettingsLine1);
    add(image.SettingsLine2);
    QStringList selection;
    for (int s : image.SettingSelection)
        selection.append(QString::number(s));
    add(selection.join(QLatin1Char(',')));
    for (const VfoRow &vfo : image.Vfo)
        add(vfoText(vfo));
    for (const ChannelRow &channel : image.Channels)
        add(channelText(channel));
    return out;
}

QString stateSnapshot(const Module1 &state)
{
    return QStringLiteral("changed %1\nfile %2\n").arg(state.DataChanged()).arg(state.CurrentFileName)
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
