#include "StateSnapshot.h"

#include "Module1.h"

QString stateSnapshot(const Module1 &state)
{
    QString out;
    const auto add = [&out](const QString &text) {
        out += text;
        out += QLatin1Char('\n');
    };
    add(QStringLiteral("model %1 extended %2 changed %3 ok %4")
            .arg(state.ModelVariant).arg(state.ExtendedRange).arg(state.DataChanged).arg(state.TransferOk));
    add(state.CurrentFileName);
    add(state.WindowCaption);
    add(state.SettingsLine1);
    add(state.SettingsLine2);
    QStringList selection;
    for (int s : state.SettingSelection)
        selection.append(QString::number(s));
    add(selection.join(QLatin1Char(',')));
    for (int r = 0; r < Module1::VfoRowCount; ++r) {
        for (int c = 0; c < Module1::VfoColumns; ++c)
            add(state.VfoText[r][c] + QLatin1Char('|') + QString::number(state.VfoValue[r][c], 'g', 17));
    }
    for (int n = 0; n < Module1::ChannelCount; ++n) {
        QString row = state.ChannelInUse[n] ? QStringLiteral("U") : QStringLiteral("-");
        for (int c = 0; c < Module1::ChannelColumns; ++c)
            row += QLatin1Char('|') + state.ChannelText[n][c] + QLatin1Char('=')
                + QString::number(state.ChannelValue[n][c], 'g', 17);
        add(row);
    }
    return out;
}
