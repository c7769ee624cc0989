#include "codec/ChannelRules.h"

#include "codec/CellText.h"

#include "codec/ChannelName.h"

#include "codec/ChannelCodec.h"
#include "codec/CloneImage.h"
#include "codec/Frequency.h"

#include <QRegularExpression>


namespace {

// The coverage versions: the standard one and the extended one.
const ChannelRules::Range StandardCoverage{1600000, 30000000, QStringLiteral("(1.6MHz - 30MHz)")};
const ChannelRules::Range ExtendedCoverage{150000, 35000000, QStringLiteral("(150KHz - 35MHz)")};

// A tone's value in tenths of a hertz: "88.5Hz" and "88.50" give 885;
// -1 for a text that is no frequency.
int toneTenths(const QString &text)
{
    static const QRegularExpression tone(QStringLiteral("^\\s*(\\d{1,3})(?:\\.(\\d+))?\\s*(?:[Hh][Zz])?\\s*$"));
    const QRegularExpressionMatch m = tone.match(text);
    if (!m.hasMatch())
        return -1;
    const QString fraction = m.captured(2);
    // 88.50 is 88.5; 88.55 is no tone of the list.
    if (fraction.size() > 1 && fraction.mid(1).count(QLatin1Char('0')) != fraction.size() - 1)
        return -1;
    return m.captured(1).toInt() * 10 + (fraction.isEmpty() ? 0 : fraction.at(0).digitValue());
}

// The code of an item of a column's list, by its text.
std::optional<int> itemCode(ChannelColumn column, const QString &text)
{
    const int position = Vocabulary::items(column).indexOf(text);
    if (position < 0)
        return std::nullopt;
    return Vocabulary::codeOfPosition(column, position);
}

} // namespace

ChannelRules::ChannelRules(int modelVariant, bool extendedRange)
    : m_range(extendedRange ? ExtendedCoverage : StandardCoverage)
{
    // Every model option covers the same range; the coverage version
    // widens it.
    Q_UNUSED(modelVariant);
}

ChannelRules ChannelRules::of(const CloneImage &image)
{
    return ChannelRules(image.modelVariant, image.extendedRange);
}

QString ChannelRules::caption(ChannelColumn column)
{
    switch (column) {
    case ChannelColumn::Frequency:
        return QStringLiteral("Frequency");
    case ChannelColumn::Mode:
        return QStringLiteral("Mode");
    case ChannelColumn::Gain:
        return QStringLiteral("RF Gain");
    case ChannelColumn::Agc:
        return QStringLiteral("AGC");
    case ChannelColumn::Power:
        return QStringLiteral("Power");
    case ChannelColumn::Filter:
        return QStringLiteral("Filter");
    case ChannelColumn::Tone:
        return QStringLiteral("Tone");
    case ChannelColumn::NoiseBlanker:
        return QStringLiteral("Noise Blanker");
    case ChannelColumn::Split:
        return QStringLiteral("Split Frequency");
    case ChannelColumn::Name:
        return QStringLiteral("Name");
    case ChannelColumn::Skip:
        break;
    }
    return QStringLiteral("Skip");
}

std::optional<int> ChannelRules::codeOf(ChannelColumn column, const QString &text)
{
    if (const std::optional<int> code = itemCode(column, text))
        return code;
    if (column == ChannelColumn::Gain && text == QLatin1String("10"))
        return itemCode(column, QStringLiteral("+10"));
    if (column != ChannelColumn::Tone)
        return std::nullopt;
    const int tenths = toneTenths(text);
    const QStringList &tones = Vocabulary::toneNames();
    for (int i = 0; tenths >= 0 && i < tones.size(); ++i) {
        if (toneTenths(tones.at(i)) == tenths)
            return Vocabulary::ToneBase + i;
    }
    return std::nullopt;
}

bool ChannelRules::hasSplit(const ChannelRow &row)
{
    return row.inUse && row.split != NoSplit && row.split != row.frequency;
}

std::optional<ChannelRules::Problem> ChannelRules::frequencyProblem(ChannelColumn column, qint64 hz) const
{
    if (m_range.contains(hz))
        return std::nullopt;
    const QString shown = hz >= 0 && hz <= 0xFFFFFFFFll ? Frequency::format(std::uint64_t(hz)) : QString::number(hz);
    return Problem{column, tr("%1 is outside the range %2").arg(shown, m_range.text)};
}

std::optional<ChannelRules::Problem> ChannelRules::listProblem(const Tuning &tuning)
{
    for (const ChannelColumn column : Vocabulary::ListedColumns) {
        const int code = tuning.code(column);
        if (code >= 0 && code <= 255 && Vocabulary::positionOfCode(column, code) >= 0)
            continue;
        return Problem{column, tr("\"%1\" is not one of the radio's items").arg(CellText::listed(column, code))};
    }
    return std::nullopt;
}

std::optional<ChannelRules::Problem> ChannelRules::check(const ChannelRow &row) const
{
    if (!row.inUse)
        return std::nullopt;
    if (auto problem = frequencyProblem(ChannelColumn::Frequency, row.frequency))
        return problem;
    if (auto problem = listProblem(row))
        return problem;
    // A split of 0 is the radio's "no split": it transmits on the frequency.
    if (row.split != NoSplit) {
        if (auto problem = frequencyProblem(ChannelColumn::Split, row.split))
            return problem;
    }
    if (const auto problem = ChannelName::problem(row.name))
        return Problem{ChannelColumn::Name, *problem};
    return std::nullopt;
}

std::optional<ChannelRules::Problem> ChannelRules::check(const VfoRow &row) const
{
    if (auto problem = frequencyProblem(ChannelColumn::Frequency, row.frequency))
        return problem;
    return listProblem(row);
}

std::optional<ChannelColumn> ChannelRules::frequencyAtFault(qint64 frequency, std::optional<qint64> split) const
{
    if (!m_range.contains(frequency))
        return ChannelColumn::Frequency;
    if (split && !m_range.contains(*split))
        return ChannelColumn::Split;
    return std::nullopt;
}
