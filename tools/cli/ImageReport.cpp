#include "ImageReport.h"

#include "ChannelLabel.h"
#include "Module1.h"
#include "SettingsTable.h"
#include "TextTable.h"

namespace {

QString modelText(const Module1 &state)
{
    return Module1::ModelName(state.ModelVariantForFile())
        + (state.ExtendedRange ? QStringLiteral(" (extended coverage)") : QString());
}

QString settingCaption(const SettingDescriptor &d)
{
    // The tone list has no caption of its own on the settings page.
    return d.caption.isEmpty() ? QStringLiteral("Tone") : d.caption;
}

QString settingText(const Module1 &state, size_t i)
{
    const SettingDescriptor &d = SettingsTable::all()[i];
    const int position = state.SettingSelection[i];
    return position >= 0 && position < d.items.size() ? d.items.at(position).trimmed()
                                                       : QStringLiteral("(position %1)").arg(position);
}

// A cell in words: its text, and its raw value when the text does not tell it.
QString cellText(const QString &text, double value, double otherValue)
{
    if (value == otherValue)
        return text.isEmpty() ? QStringLiteral("(empty)") : text;
    return QStringLiteral("%1 (%2)").arg(text.isEmpty() ? QStringLiteral("(empty)") : text).arg(value, 0, 'g', 12);
}

template <typename TextRow, typename ValueRow>
void compareRow(QStringList &out, const QString &who, const QStringList &headers, const TextRow &textA,
                const ValueRow &valueA, const TextRow &textB, const ValueRow &valueB)
{
    for (int c = 0; c < headers.size(); ++c) {
        if (textA[c] == textB[c] && valueA[c] == valueB[c])
            continue;
        out.append(QStringLiteral("%1 %2: %3 -> %4")
                       .arg(who, headers[c], cellText(textA[c], valueA[c], valueB[c]),
                            cellText(textB[c], valueB[c], valueA[c])));
    }
}

} // namespace

QString ImageReport::show(const Module1 &state)
{
    QString out = QStringLiteral("Model: %1\n\nSettings\n").arg(modelText(state));
    TextTable settings;
    for (size_t i = 0; i < SettingsTable::all().size(); ++i)
        settings.addRow({QStringLiteral("  ") + settingCaption(SettingsTable::all()[i]), settingText(state, i)});
    out += settings.render();

    out += QStringLiteral("\nVFO\n");
    TextTable vfo;
    vfo.addRow(QStringList{QStringLiteral("  ")} + ChannelLabel::vfoHeaders());
    for (int r = 0; r < 2; ++r) {
        QStringList row{QStringLiteral("  ") + ChannelLabel::vfoLabel(r)};
        for (int c = 0; c < ChannelLabel::vfoHeaders().size(); ++c)
            row.append(state.VfoText[r][c]);
        vfo.addRow(row);
    }
    out += vfo.render();

    out += QStringLiteral("\nChannels\n");
    TextTable channels;
    const QStringList headers = ChannelLabel::memoryHeaders();
    channels.addRow(QStringList{QStringLiteral("  ")} + headers);
    int used = 0;
    for (int n = 0; n < Module1::ChannelCount; ++n) {
        if (!state.ChannelInUse[n])
            continue;
        ++used;
        QStringList row{QStringLiteral("  ") + ChannelLabel::gridLabel(n)};
        for (int c = 0; c < headers.size(); ++c)
            row.append(state.ChannelText[n][c]);
        channels.addRow(row);
    }
    out += used ? channels.render() : QStringLiteral("  (none in use)\n");
    return out;
}

QStringList ImageReport::diff(const Module1 &a, const Module1 &b)
{
    QStringList out;
    if (modelText(a) != modelText(b))
        out.append(QStringLiteral("Model: %1 -> %2").arg(modelText(a), modelText(b)));

    for (size_t i = 0; i < SettingsTable::all().size(); ++i) {
        if (a.SettingSelection[i] != b.SettingSelection[i])
            out.append(QStringLiteral("Setting %1: %2 -> %3")
                           .arg(settingCaption(SettingsTable::all()[i]), settingText(a, i), settingText(b, i)));
    }

    for (int r = 0; r < 2; ++r)
        compareRow(out, ChannelLabel::vfoLabel(r), ChannelLabel::vfoHeaders(), a.VfoText[r], a.VfoValue[r],
                   b.VfoText[r], b.VfoValue[r]);

    const QStringList headers = ChannelLabel::memoryHeaders();
    for (int n = 0; n < Module1::ChannelCount; ++n) {
        const QString who = QStringLiteral("Channel ") + ChannelLabel::gridLabel(n);
        if (a.ChannelInUse[n] != b.ChannelInUse[n]) {
            const Module1 &used = a.ChannelInUse[n] ? a : b;
            out.append(QStringLiteral("%1: %2 (%3 %4)")
                           .arg(who, a.ChannelInUse[n] ? QStringLiteral("only in the first")
                                                       : QStringLiteral("only in the second"),
                                used.ChannelText[n][0], used.ChannelText[n][1]));
            continue;
        }
        if (a.ChannelInUse[n])
            compareRow(out, who, headers, a.ChannelText[n], a.ChannelValue[n], b.ChannelText[n],
                       b.ChannelValue[n]);
    }
    return out;
}
