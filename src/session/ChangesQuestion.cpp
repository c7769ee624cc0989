#include "session/ChangesQuestion.h"

#include "codec/Counted.h"
#include "codec/ChannelLabel.h"
#include "codec/ChannelRules.h"
#include "codec/ImageRecords.h"
#include "codec/MemoryMap.h"
#include "codec/SafeText.h"
#include "codec/SettingsTable.h"
#include "files/ImageReport.h"

#include <QCoreApplication>

namespace {

// A cell as a user reads it: its text, with the raw value when the text
// alone does not show the difference.
QString cell(const QString &header, const QString &text, qint64 value, bool showValue)
{
    const QString shown = text.isEmpty() ? QCoreApplication::translate("ChangesQuestion", "(empty)") : SafeText::escaped(text);
    return showValue ? QStringLiteral("%1 %2 (%3)").arg(header, shown).arg(value)
                     : header + QLatin1Char(' ') + shown;
}

// "radio now: Name FT8 → after writing: Name FT8-20" for the cells that
// differ, and those in `alwaysShown`.
template <typename Row>
QString changedCells(const QStringList &headers, const Row &now, const Row &after, int alwaysShown = -1)
{
    QStringList was;
    QStringList will;
    for (int c = 0; c < headers.size(); ++c) {
        const auto column = ChannelColumn(c);
        const QString nowText = now.text(column);
        const QString afterText = after.text(column);
        const bool sameValue = now.value(column) == after.value(column);
        if (nowText == afterText && sameValue && c != alwaysShown)
            continue;
        const bool sameText = nowText == afterText && !sameValue;
        was.append(cell(headers[c], nowText, now.value(column), sameText));
        will.append(cell(headers[c], afterText, after.value(column), sameText));
    }
    if (was.isEmpty())
        return QCoreApplication::translate("ChangesQuestion", "bytes the program does not show will be rewritten");
    return QCoreApplication::translate("ChangesQuestion", "radio now: %1 \u2192 after writing: %2")
        .arg(was.join(QStringLiteral(", ")), will.join(QStringLiteral(", ")));
}

// "14.074.000, USB, FT8" for a channel in use.
QString channelInShort(const ChannelRow &row)
{
    QStringList parts{row.text(ChannelColumn::Frequency), row.text(ChannelColumn::Mode)};
    if (ChannelRules::hasSplit(row))
        parts.append(QCoreApplication::translate("ChangesQuestion", "split ") + row.text(ChannelColumn::Split));
    if (!row.name.isEmpty())
        parts.append(SafeText::escaped(row.name));
    if (row.skip)
        parts.append(row.text(ChannelColumn::Skip));
    return parts.join(QStringLiteral(", "));
}

QString channelLine(int slot, const ChannelRow &now, const ChannelRow &after)
{
    const QString who = QCoreApplication::translate("ChangesQuestion", "Channel %1").arg(ChannelLabel::gridLabel(slot).remove(QLatin1Char(' ')));
    if (!now.inUse && after.inUse)
        return QCoreApplication::translate("ChangesQuestion", "%1: new: %2").arg(who, channelInShort(after));
    if (now.inUse && !after.inUse)
        return QCoreApplication::translate("ChangesQuestion", "%1: will be cleared (radio now: %2)").arg(who, channelInShort(now));
    if (!now.inUse)
        return QCoreApplication::translate("ChangesQuestion", "%1: an empty slot's unused bytes will be cleared").arg(who);
    // The split whenever the channel transmits away from its frequency, so
    // that a new frequency with an old split is seen before it is written.
    const int split = ChannelRules::hasSplit(now) || ChannelRules::hasSplit(after) ? Vocabulary::index(ChannelColumn::Split) : -1;
    return QStringLiteral("%1: %2").arg(who, changedCells(ChannelLabel::memoryHeaders(), now, after, split));
}

// One line per setting of a settings record that changes.
QStringList settingsLines(int record, const CloneImage &radio, const CloneImage &wanted)
{
    QStringList lines;
    const auto &table = SettingsTable::all();
    for (size_t i = 0; i < table.size(); ++i) {
        const SettingDescriptor &d = table[i];
        if (d.record != record || radio.selections[i] == wanted.selections[i])
            continue;
        lines.append(QCoreApplication::translate("ChangesQuestion", "%1: radio now: %2 \u2192 after writing: %3")
                         .arg(d.caption, d.items.value(radio.selections[i]).trimmed(),
                              d.items.value(wanted.selections[i]).trimmed()));
    }
    if (lines.isEmpty())
        lines.append(QCoreApplication::translate("ChangesQuestion", "Settings record %1: bytes the program does not show will be rewritten").arg(record));
    return lines;
}

} // namespace

ChangesQuestion::ChangesQuestion(const CloneImage &radio, const CloneImage &wanted)
    : m_model(ImageReport::model(radio)),
      m_addresses(ImageRecords::differing(radio, wanted))
{
    for (const int address : std::as_const(m_addresses)) {
        const int slot = ImageRecords::slotAt(address);
        if (slot >= 0) {
            m_lines.append(channelLine(slot, radio.channels.at(slot), wanted.channels.at(slot)));
        } else if (address == MemoryMap::SettingsRecord1 || address == MemoryMap::SettingsRecord2) {
            m_lines += settingsLines(address == MemoryMap::SettingsRecord1 ? 1 : 2, radio, wanted);
        } else {
            const int r = address == MemoryMap::VfoA ? 0 : 1;
            m_lines.append(ChannelLabel::vfoLabel(r) + QStringLiteral(": ")
                           + changedCells(ChannelLabel::vfoHeaders(), radio.vfos[size_t(r)], wanted.vfos[size_t(r)]));
        }
    }
}

QString ChangesQuestion::summary() const
{
    const int count = int(m_addresses.size());
    return QCoreApplication::translate("ChangesQuestion", "The radio (%1) holds %2 that writing this image will change:")
        .arg(m_model, Counted::text(count, Counted::Noun::Record));
}

QString ChangesQuestion::question() const
{
    const int count = int(m_addresses.size());
    return count == 1 ? QCoreApplication::translate("ChangesQuestion", "Write this change to the radio?")
                      : QCoreApplication::translate("ChangesQuestion", "Write these %1 changes to the radio?").arg(count);
}

QString ChangesQuestion::text() const
{
    return summary() + QStringLiteral("\n\n") + m_lines.join(QLatin1Char('\n')) + QStringLiteral("\n\n") + question();
}
