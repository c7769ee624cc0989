#include "app/DocumentEdits.h"

#include "app/CloneDocument.h"
#include "codec/Counted.h"
#include "codec/ChannelLabel.h"
#include "codec/ChannelRules.h"

#include <vector>

namespace {

using Step = CloneDocument::Step;
using StepKind = CloneDocument::StepKind;

} // namespace

QString DocumentEdits::channelsNamed(const QList<int> &channelSlots)
{
    return channelSlots.size() == 1 ? tr("channel %1").arg(ChannelLabel::shortLabel(channelSlots.constFirst()))
                                    : Counted::text(int(channelSlots.size()), Counted::Noun::Channel);
}

void DocumentEdits::storeChannel(CloneDocument &document, int slot, const ChannelRow &row)
{
    const Step step(document, tr("Edit channel %1").arg(ChannelLabel::shortLabel(slot)), StepKind::Touch);
    document.setChannel(slot, row);
}

void DocumentEdits::storeVfo(CloneDocument &document, int vfo, const VfoRow &row)
{
    const Step step(document, tr("Edit %1").arg(ChannelLabel::vfoLabel(vfo)), StepKind::Touch);
    document.setVfo(vfo, row);
}

void DocumentEdits::clearChannels(CloneDocument &document, const QList<int> &channelSlots, const QString &action)
{
    const Step step(document, action.arg(channelsNamed(channelSlots)), StepKind::Touch);
    for (const int slot : channelSlots)
        document.clearChannel(slot);
}

void DocumentEdits::clearAll(CloneDocument &document)
{
    const Step step(document, QStringLiteral("Clear All"), StepKind::Touch);
    document.clearAllChannels();
}

QList<int> DocumentEdits::moveChannels(CloneDocument &document, const QList<int> &channelSlots, int by, bool copy)
{
    if (channelSlots.isEmpty() || channelSlots.constFirst() + by < 0 || channelSlots.constLast() + by >= CloneImage::ChannelCount)
        return {};
    const Step step(document, (copy ? tr("Copy %1 to %2") : tr("Move %1 to %2"))
                                  .arg(Counted::text(int(channelSlots.size()), Counted::Noun::Channel),
                                       ChannelLabel::shortLabel(channelSlots.constFirst() + by)));
    if (copy) {
        std::vector<ChannelRow> copied;
        for (const int slot : channelSlots)
            copied.push_back(document.channel(slot));
        for (qsizetype i = 0; i < channelSlots.size(); ++i)
            document.setChannel(channelSlots.at(i) + by, copied.at(size_t(i)));
    }
    // One slot at a time, from the end the rows move towards, so that each
    // swaps with a neighbour that is not itself moving.
    const int unit = by > 0 ? 1 : -1;
    for (int done = 0; !copy && done != by; done += unit) {
        for (qsizetype i = 0; i < channelSlots.size(); ++i) {
            const int slot = channelSlots.at(by > 0 ? channelSlots.size() - 1 - i : i) + done;
            const ChannelRow here = document.channel(slot);
            document.setChannel(slot, document.channel(slot + unit));
            document.setChannel(slot + unit, here);
        }
    }
    QList<int> moved;
    for (const int slot : channelSlots)
        moved.append(slot + by);
    return moved;
}

void DocumentEdits::sortChannels(CloneDocument &document, const QList<int> &channelSlots, ChannelOrder::Key key,
                                 const QString &keyName)
{
    std::vector<ChannelRow> sorted;
    for (const int slot : channelSlots)
        sorted.push_back(document.channel(slot));
    ChannelOrder::sort(sorted, key);
    const Step step(document, tr("Sort %1 by %2").arg(ChannelLabel::rangesText(channelSlots), keyName.toLower()));
    for (qsizetype i = 0; i < channelSlots.size(); ++i)
        document.setChannel(channelSlots.at(i), sorted.at(size_t(i)));
}

DocumentEdits::Pasted DocumentEdits::paste(CloneDocument &document, int first,
                                           const QList<std::optional<ChannelRow>> &rows)
{
    Pasted pasted;
    pasted.fitting = qMin(int(rows.size()), CloneImage::ChannelCount - first);
    const Step step(document, tr("Paste %1 at %2")
                                  .arg(Counted::text(pasted.fitting, Counted::Noun::Channel),
                                       ChannelLabel::shortLabel(first)));
    for (int i = 0; i < pasted.fitting; ++i) {
        if (rows.at(i)) {
            document.setChannel(first + i, *rows.at(i));
            ++pasted.stored;
        }
    }
    if (pasted.stored > 0)
        document.touchStep();
    return pasted;
}

QStringList DocumentEdits::setColumn(CloneDocument &document, const QList<int> &channelSlots, const ColumnValue &value,
                                     int &set)
{
    const ChannelRules rules = ChannelRules::of(document.image());
    QStringList refused;
    set = 0;
    const Step step(document, tr("Set %1 to %2 for %3")
                                  .arg(value.caption, value.item,
                                       Counted::text(int(channelSlots.size()), Counted::Noun::Channel)));
    for (const int slot : channelSlots) {
        ChannelRow changed = document.channel(slot);
        if (!changed.inUse)
            continue;
        if (value.column == ChannelColumn::Skip)
            changed.skip = value.value != 0;
        else
            changed.setCode(value.column, value.value);
        if (const auto problem = rules.check(changed)) {
            refused.append(ChannelLabel::shortLabel(slot) + QStringLiteral(": ") + problem->text());
            continue;
        }
        document.setChannel(slot, changed);
        ++set;
    }
    return refused;
}

std::optional<QString> DocumentEdits::setVfoColumn(CloneDocument &document, int vfo, const ColumnValue &value)
{
    VfoRow changed = document.vfo(vfo);
    changed.setCode(value.column, value.value);
    if (const auto problem = ChannelRules::of(document.image()).check(changed))
        return ChannelLabel::vfoLabel(vfo) + QStringLiteral(": ") + problem->text();
    const Step step(document, tr("Set %1 to %2 for %3").arg(value.caption, value.item, ChannelLabel::vfoLabel(vfo)));
    document.setVfo(vfo, changed);
    return std::nullopt;
}

void DocumentEdits::swapVfos(CloneDocument &document, int vfo, int other)
{
    const Step step(document, tr("Move %1 to %2").arg(ChannelLabel::vfoLabel(vfo), ChannelLabel::vfoLabel(other)));
    const VfoRow here = document.vfo(vfo);
    document.setVfo(vfo, document.vfo(other));
    document.setVfo(other, here);
}
