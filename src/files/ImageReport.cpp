#include "files/ImageReport.h"

#include "codec/ChannelLabel.h"
#include "codec/ChannelRules.h"
#include "codec/CloneImage.h"
#include "codec/SettingsTable.h"
#include "files/TextTable.h"

#include <QCoreApplication>

namespace {

QString settingText(const CloneImage &image, size_t i)
{
    const SettingDescriptor &d = SettingsTable::all()[i];
    const int position = image.selections[i];
    return position >= 0 && position < d.items.size() ? d.items.at(position).trimmed()
                                                       : QCoreApplication::translate("ImageReport", "(position %1)").arg(position);
}

// A cell in words: its text, and its raw value when the texts of the two
// sides do not tell them apart.
QString cellText(const QString &text, const QString &otherText, qint64 value, qint64 otherValue)
{
    if (value == otherValue || text != otherText)
        return text.isEmpty() ? QCoreApplication::translate("ImageReport", "(empty)") : text;
    return QCoreApplication::translate("ImageReport", "%1 (%2)").arg(text.isEmpty() ? QCoreApplication::translate("ImageReport", "(empty)") : text).arg(value);
}

// The cells under `headers` (columns 0, 1, ...) that differ; when some do,
// the one `alwaysShown` too.
template <typename Row>
void compareRow(QStringList &out, const QString &who, const QStringList &headers, const Row &a, const Row &b,
                int alwaysShown = -1)
{
    QStringList lines;
    bool shown = false;
    for (int c = 0; c < headers.size(); ++c) {
        const auto column = ChannelColumn(c);
        const QString textA = a.text(column);
        const QString textB = b.text(column);
        if (textA == textB && a.value(column) == b.value(column))
            continue;
        shown = shown || c == alwaysShown;
        lines.append(QStringLiteral("%1 %2: %3 -> %4")
                         .arg(who, headers[c], cellText(textA, textB, a.value(column), b.value(column)),
                              cellText(textB, textA, b.value(column), a.value(column))));
    }
    if (!lines.isEmpty() && alwaysShown >= 0 && !shown)
        lines.append(QCoreApplication::translate("ImageReport", "%1 %2: %3 (the same)").arg(who, headers[alwaysShown], a.text(ChannelColumn(alwaysShown))));
    out += lines;
}

} // namespace

QString ImageReport::show(const CloneImage &image)
{
    QString out = QCoreApplication::translate("ImageReport", "Model: %1\n\nSettings\n").arg(model(image));
    TextTable settings;
    for (size_t i = 0; i < SettingsTable::all().size(); ++i)
        settings.addRow({QStringLiteral("  ") + SettingsTable::all()[i].caption, settingText(image, i)});
    out += settings.render();

    out += QCoreApplication::translate("ImageReport", "\nVFO\n");
    TextTable vfo;
    vfo.addRow(QStringList{QStringLiteral("  ")} + ChannelLabel::vfoHeaders());
    for (int r = 0; r < CloneImage::VfoCount; ++r) {
        vfo.addRow(QStringList{QStringLiteral("  ") + ChannelLabel::vfoLabel(r)} + image.vfos[size_t(r)].texts());
    }
    out += vfo.render();

    out += QCoreApplication::translate("ImageReport", "\nChannels\n");
    TextTable channels;
    const QStringList headers = ChannelLabel::memoryHeaders();
    channels.addRow(QStringList{QStringLiteral("  ")} + headers);
    int used = 0;
    for (int n = 0; n < CloneImage::ChannelCount; ++n) {
        const ChannelRow &channel = image.channels.at(n);
        if (!channel.inUse)
            continue;
        ++used;
        channels.addRow(QStringList{QStringLiteral("  ") + ChannelLabel::gridLabel(n)} + channel.texts());
    }
    out += used ? channels.render() : QCoreApplication::translate("ImageReport", "  (none in use)\n");
    return out;
}

QStringList ImageReport::diff(const CloneImage &a, const CloneImage &b)
{
    QStringList out;
    if (model(a) != model(b))
        out.append(QCoreApplication::translate("ImageReport", "Model: %1 -> %2").arg(model(a), model(b)));

    for (size_t i = 0; i < SettingsTable::all().size(); ++i) {
        if (a.selections[i] != b.selections[i])
            out.append(QCoreApplication::translate("ImageReport", "Setting %1: %2 -> %3")
                           .arg(SettingsTable::all()[i].caption, settingText(a, i), settingText(b, i)));
    }

    for (int r = 0; r < CloneImage::VfoCount; ++r)
        compareRow(out, ChannelLabel::vfoLabel(r), ChannelLabel::vfoHeaders(), a.vfos[size_t(r)], b.vfos[size_t(r)]);

    const QStringList headers = ChannelLabel::memoryHeaders();
    for (int n = 0; n < CloneImage::ChannelCount; ++n) {
        const QString who = QCoreApplication::translate("ImageReport", "Channel %1").arg(ChannelLabel::gridLabel(n));
        const ChannelRow &rowA = a.channels.at(n);
        const ChannelRow &rowB = b.channels.at(n);
        if (rowA.inUse != rowB.inUse) {
            const ChannelRow &used = rowA.inUse ? rowA : rowB;
            QString shown = used.text(ChannelColumn::Frequency) + QLatin1Char(' ') + used.text(ChannelColumn::Mode);
            if (ChannelRules::hasSplit(used))
                shown += QCoreApplication::translate("ImageReport", ", split ") + used.text(ChannelColumn::Split);
            out.append(QStringLiteral("%1: %2 (%3)")
                           .arg(who, rowA.inUse ? QCoreApplication::translate("ImageReport", "only in the first") : QCoreApplication::translate("ImageReport", "only in the second"),
                                shown));
            continue;
        }
        // The split whenever the channel transmits away from its frequency.
        const int split = ChannelRules::hasSplit(rowA) || ChannelRules::hasSplit(rowB) ? Vocabulary::index(ChannelColumn::Split) : -1;
        if (rowA.inUse)
            compareRow(out, who, headers, rowA, rowB, split);
    }
    return out;
}

QString ImageReport::model(const CloneImage &image)
{
    return Vocabulary::modelName(image.modelVariantForFile())
        + (image.extendedRange ? QCoreApplication::translate("ImageReport", " (extended coverage)") : QString());
}
