#pragma once

#include <QCoreApplication>

#include "codec/ChannelRow.h"
#include "codec/Vocabulary.h"
#include "codec/VfoRow.h"

#include <QString>

#include <optional>

class CloneImage;

// What the radio accepts in a channel or a VFO, for the selected model
// option and coverage version: the frequency range (a split too, unless it
// is 0: no split), the name's length and characters, and each listed
// column's items, a tone matched by its value. The edit dialog, paste and
// every import check rows here; a row that breaks a rule is refused with
// the field's caption and the reason.
class ChannelRules
{
    Q_DECLARE_TR_FUNCTIONS(ChannelRules)

public:
    // The split a channel holds when it has none (read from radios, kept
    // in clone files): it transmits on its frequency.
    static constexpr qint64 NoSplit = 0;

    // Frequencies from `lower` (allowed) up to `upper` (refused), in hertz.
    struct Range
    {
        qint64 lower = 0;
        qint64 upper = 0;
        QString text; // "(1.6MHz - 30MHz)"

        bool contains(qint64 hz) const { return lower <= hz && hz < upper; }
    };

    // One rule broken: the column at fault and why, in words.
    struct Problem
    {
        ChannelColumn column = ChannelColumn::Frequency;
        QString reason;

        // "Split Frequency 45.000.000 is outside the range (150KHz - 35MHz)".
        QString text() const { return caption(column) + QLatin1Char(' ') + reason; }
    };

    ChannelRules(int modelVariant, bool extendedRange);
    // The rules for an image's model option and coverage version.
    static ChannelRules of(const CloneImage &image);

    const Range &range() const { return m_range; }

    // The first rule a row in use breaks, in column order; none for a row
    // that fits or an empty slot.
    std::optional<Problem> check(const ChannelRow &row) const;
    std::optional<Problem> check(const VfoRow &row) const;
    // The edit dialog's verdict on the frequencies typed into it: the
    // frequency, then the split (given for a channel), the first outside
    // the range. The dialog takes no split of 0: it always shows one.
    std::optional<ChannelColumn> frequencyAtFault(qint64 frequency, std::optional<qint64> split) const;

    // The code a listed column's text stands for: one of the column's
    // items, a tone by its value in hertz with or without its unit ("100",
    // "88.50", "88.5Hz", "Off"), a gain of "10" as "+10". None when the text
    // names nothing the radio has.
    static std::optional<int> codeOf(ChannelColumn column, const QString &text);
    // The channel transmits away from its frequency: its split is neither
    // 0 (none) nor the frequency itself.
    static bool hasSplit(const ChannelRow &row);
    // The caption the edit dialog gives a column ("Split Frequency").
    static QString caption(ChannelColumn column);

private:
    // The frequency column's problem, when its value is outside the range.
    std::optional<Problem> frequencyProblem(ChannelColumn column, qint64 hz) const;
    // The first listed column whose code has no item.
    static std::optional<Problem> listProblem(const Tuning &tuning);

    Range m_range;
};
