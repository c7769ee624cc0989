#include "files/ChannelListImport.h"

#include "codec/Counted.h"
#include "codec/ChannelCodec.h"
#include "codec/ChannelLabel.h"
#include "codec/ChannelName.h"
#include "codec/ChannelRules.h"
#include "codec/Frequency.h"
#include "codec/VfoCodec.h"
#include "files/FieldReader.h"
#include "files/InputFile.h"
#include "files/ListLayout.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <optional>

namespace {

using Note = ChannelListImport::Note;
using Row = ChannelListImport::Row;

// Tone modes the radio has no counterpart for: the tone is left off.
const char *const UnkeptToneModes[] = {"DTCS", "TSQL-R", "DTCS-R", "CROSS"};

// Watts from which a power in watts is taken as the radio's High, Low;
// below them S-Low.
constexpr double HighWatts = 30;
constexpr double LowWatts = 3;

// Where each column of the layout is in this file's rows.
class HeaderMap
{
public:
    explicit HeaderMap(const QStringList &header)
    {
        m_at.fill(-1);
        for (int i = 0; i < header.size(); ++i) {
            for (int c = 0; c < ListLayout::ColumnCount; ++c) {
                if (m_at[size_t(c)] < 0
                    && header.at(i).trimmed().compare(ListLayout::header().at(c), Qt::CaseInsensitive) == 0)
                    m_at[size_t(c)] = i;
            }
        }
    }
    bool has(ListLayout::Column column) const { return m_at[size_t(column)] >= 0; }
    QString cell(const QStringList &fields, ListLayout::Column column, bool trimmed = true) const
    {
        const QString text = has(column) ? fields.value(m_at[size_t(column)]) : QString();
        return trimmed ? text.trimmed() : text;
    }

private:
    std::array<int, ListLayout::ColumnCount> m_at{};
};

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The radio's power item for a text of the layout: one of its items or
// their start ("High", "HI", "low", "S-Lo"), else by watts, noted; none
// gives `fallback`.
int powerCode(const QString &text, int fallback, QString &note)
{
    static const QRegularExpression watts(QStringLiteral("^(\\d{1,4}(?:\\.\\d*)?)\\s*W?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const auto plain = [](const QString &word) { return word.toUpper().remove(QLatin1Char('-')).remove(QLatin1Char(' ')); };
    const QString word = plain(text);
    if (word.isEmpty())
        return fallback;
    const QStringList items = Vocabulary::items(ChannelColumn::Power);
    for (int position = 0; position < items.size(); ++position) {
        if (plain(items.at(position)).startsWith(word))
            return Vocabulary::codeOfPosition(ChannelColumn::Power, position);
    }
    const QRegularExpressionMatch m = watts.match(text);
    if (!m.hasMatch()) {
        note = QCoreApplication::translate("ChannelListImport", "Power %1 is not understood: %2").arg(quoted(text), Vocabulary::text(ChannelColumn::Power, fallback));
        return fallback;
    }
    const double w = m.captured(1).toDouble();
    const int code = w >= HighWatts ? 0 : w >= LowWatts ? 1 : 2;
    note = QCoreApplication::translate("ChannelListImport", "Power %1 is taken as %2").arg(text, Vocabulary::text(ChannelColumn::Power, code));
    return code;
}

// The tone code a row asks for; notes why a tone was left off.
int toneCode(const HeaderMap &h, const QStringList &f, QString &note)
{
    const QString mode = h.cell(f, ListLayout::Tone);
    if (mode.isEmpty())
        return 0;
    QString value;
    if (mode.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0) {
        value = h.cell(f, ListLayout::RToneFreq);
    } else if (mode.compare(QLatin1String("TSQL"), Qt::CaseInsensitive) == 0) {
        value = h.cell(f, ListLayout::CToneFreq);
        if (value.isEmpty())
            value = h.cell(f, ListLayout::RToneFreq);
    } else {
        bool known = false;
        for (const char *unkept : UnkeptToneModes)
            known = known || mode.toUpper() == QLatin1String(unkept);
        note = known ? QCoreApplication::translate("ChannelListImport", "Tone mode %1 is not one the radio has: tone off").arg(mode)
                     : QCoreApplication::translate("ChannelListImport", "Tone mode %1 is not understood: tone off").arg(quoted(mode));
        return 0;
    }
    const std::optional<int> code = ChannelRules::codeOf(ChannelColumn::Tone, value);
    if (!code || *code == 0)
        note = QCoreApplication::translate("ChannelListImport", "Tone %1 is not one of the radio's tones: tone off").arg(quoted(value));
    return code.value_or(0);
}

// The split a row asks for, from its Duplex and Offset; a refusal or a
// note in `row` when they say something the radio cannot keep.
qint64 splitOf(const HeaderMap &h, const QStringList &f, qint64 hz, Row &row)
{
    const QString duplex = h.cell(f, ListLayout::Duplex).toLower();
    const QString offsetText = h.cell(f, ListLayout::Offset);
    const qint64 offset = offsetText.isEmpty() && duplex != QLatin1String("split") ? 0 : ListLayout::hertzOf(offsetText);
    if (offset < 0) {
        row.refusal = QCoreApplication::translate("ChannelListImport", "Offset %1 is not a frequency in MHz").arg(quoted(offsetText));
        return hz;
    }
    if (duplex == QLatin1String("+"))
        return hz + offset;
    if (duplex == QLatin1String("-"))
        return hz - offset;
    if (duplex == QLatin1String("split"))
        return offset;
    if (duplex == QLatin1String("off"))
        row.notes.append(Note{ChannelColumn::Split, QCoreApplication::translate("ChannelListImport", "Receive only (Duplex off) is not kept: split = frequency")});
    else if (!duplex.isEmpty())
        row.refusal = QCoreApplication::translate("ChannelListImport", "Duplex %1 is not understood").arg(quoted(h.cell(f, ListLayout::Duplex)));
    return hz;
}

// One row of the file mapped to a channel of this radio.
Row mapRow(const HeaderMap &h, const QStringList &f, const ChannelRules &rules, const VfoRow &defaults)
{
    Row row;
    row.location = h.cell(f, ListLayout::Location);
    ChannelRow &channel = row.channel;
    const auto note = [&row](ChannelColumn column, const QString &text) {
        if (!text.isEmpty())
            row.notes.append(Note{column, text});
    };

    const QString frequencyText = h.cell(f, ListLayout::Frequency);
    if (frequencyText.isEmpty()) {
        note(ChannelColumn::Frequency, QCoreApplication::translate("ChannelListImport", "No frequency: the slot is left empty"));
        return row;
    }
    const qint64 hz = ListLayout::hertzOf(frequencyText);
    if (hz < 0) {
        row.refusal = QCoreApplication::translate("ChannelListImport", "Frequency %1 is not a frequency in MHz").arg(quoted(frequencyText));
        return row;
    }

    const QString modeText = h.cell(f, ListLayout::Mode);
    bool approximated = false;
    int mode = defaults.mode;
    if (modeText.isEmpty()) {
        note(ChannelColumn::Mode, QCoreApplication::translate("ChannelListImport", "No mode given: %1").arg(Vocabulary::text(ChannelColumn::Mode, mode)));
    } else {
        mode = ListLayout::modeCode(modeText, approximated);
        if (mode < 0) {
            row.refusal = QCoreApplication::translate("ChannelListImport", "Mode %1 is not one the radio has").arg(quoted(modeText));
            return row;
        }
        if (approximated)
            note(ChannelColumn::Mode, QCoreApplication::translate("ChannelListImport", "Mode %1 is stored as %2")
                                          .arg(modeText, Vocabulary::text(ChannelColumn::Mode, mode)));
    }

    const qint64 split = splitOf(h, f, hz, row);
    if (!row.refusal.isEmpty())
        return row;

    QString why;
    // The name as it stands: blanks are characters of a name too.
    const QString nameText = h.has(ListLayout::Name) ? h.cell(f, ListLayout::Name, false) : QString();
    const QString name = ChannelName::fitted(nameText, why);
    if (!why.isEmpty())
        note(ChannelColumn::Name, QCoreApplication::translate("ChannelListImport", "Name %1 is stored as %2 (%3)").arg(quoted(nameText), quoted(name), why));

    QString toneNote;
    const int tone = toneCode(h, f, toneNote);
    note(ChannelColumn::Tone, toneNote);
    QString powerNote;
    const int power = powerCode(h.cell(f, ListLayout::Power), defaults.power, powerNote);
    note(ChannelColumn::Power, powerNote);
    const bool skip = h.cell(f, ListLayout::Skip).compare(QLatin1String("S"), Qt::CaseInsensitive) == 0;

    channel.frequency = hz;
    channel.mode = mode;
    channel.gain = defaults.gain;
    channel.agc = defaults.agc;
    channel.filter = defaults.filter;
    channel.noiseBlanker = defaults.noiseBlanker;
    channel.power = power;
    channel.tone = tone;
    // A negative split stays negative, so that the rules refuse it.
    channel.split = split;
    channel.name = name;
    channel.skip = skip;
    channel.inUse = true;
    if (const auto problem = rules.check(channel))
        row.refusal = problem->text();
    return row;
}

// Refuses a row: it keeps the file's own texts of its frequency, mode and
// name (not in use).
void refuse(Row &row, const HeaderMap &h, const QStringList &f, const QString &why)
{
    row.refusal = why;
    row.notes.clear();
    row.channel = ChannelRow();
    row.fileFrequency = h.cell(f, ListLayout::Frequency);
    row.fileMode = h.cell(f, ListLayout::Mode);
    row.fileName = h.cell(f, ListLayout::Name);
}

// The row, or for a refused one the file's own texts of its frequency,
// mode and name (not in use).
Row mappedOrRaw(const HeaderMap &h, const QStringList &f, const ChannelRules &rules, const VfoRow &defaults)
{
    Row row = mapRow(h, f, rules, defaults);
    if (!row.refusal.isEmpty())
        refuse(row, h, f, row.refusal);
    return row;
}

// Why a row whose quote never closes is not read: "field 3 opens a quote
// that is not closed on its line".
QString unclosedQuote(int field)
{
    return QCoreApplication::translate("ChannelListImport", "field %1 opens a quote that is not closed on its line").arg(field);
}

// Gives each row that is stored its slot, in file order.
void place(QList<Row> &rows, const CloneImage &image, ChannelListImport::Placement placement, int firstSlot)
{
    const int last = CloneImage::ChannelCount - 1;
    QList<int> lineOfSlot(CloneImage::ChannelCount, 0);
    int next = firstSlot;
    for (Row &row : rows) {
        if (!row.refusal.isEmpty())
            continue;
        int slot = next;
        if (placement == ChannelListImport::Placement::ByLocation) {
            bool number = false;
            slot = row.location.toInt(&number);
            if (!number || slot < 0 || slot > last) {
                row.refusal = QCoreApplication::translate("ChannelListImport", "Location %1 is no slot of this radio (0 to %2)").arg(quoted(row.location)).arg(last);
                continue;
            }
            if (lineOfSlot.at(slot)) {
                row.refusal = QCoreApplication::translate("ChannelListImport", "slot %1 is taken by line %2").arg(ChannelLabel::shortLabel(slot)).arg(lineOfSlot.at(slot));
                continue;
            }
        } else if (slot > last) {
            row.refusal = QCoreApplication::translate("ChannelListImport", "did not fit below %1").arg(ChannelLabel::shortLabel(last));
            continue;
        } else {
            ++next;
        }
        row.slot = slot;
        lineOfSlot[slot] = row.line;
        row.replacesChannel = image.channels.at(slot).inUse;
    }
}

} // namespace

bool ChannelListImport::Row::adjusted(ChannelColumn column) const
{
    for (const Note &note : notes) {
        if (note.column == column)
            return true;
    }
    return false;
}

QString ChannelListImport::Row::cellText(ChannelColumn column) const
{
    if (channel.inUse)
        return channel.text(column);
    switch (column) {
    case ChannelColumn::Frequency:
        return fileFrequency;
    case ChannelColumn::Mode:
        return fileMode;
    case ChannelColumn::Name:
        return fileName;
    default:
        return QString();
    }
}

QString ChannelListImport::Row::reportLine() const
{
    QString text = QCoreApplication::translate("ChannelListImport", "line %1").arg(line);
    if (!stored()) {
        // The channel as the file gives it, so that it can be found there.
        QStringList named;
        for (const ChannelColumn column : {ChannelColumn::Frequency, ChannelColumn::Mode, ChannelColumn::Name}) {
            const QString cell = cellText(column);
            if (!cell.isEmpty())
                named.append(column == ChannelColumn::Name ? quoted(cell) : cell);
        }
        if (!named.isEmpty())
            text += QStringLiteral(" (%1)").arg(named.join(QLatin1Char(' ')));
        return QCoreApplication::translate("ChannelListImport", "%1: refused: %2").arg(text, refusal);
    }
    text += QStringLiteral(" -> %1: ").arg(ChannelLabel::shortLabel(slot));
    if (!channel.inUse) {
        text += QCoreApplication::translate("ChannelListImport", "empty");
    } else {
        QStringList cells = channel.texts();
        cells.removeAll(QString());
        text += cells.join(QLatin1Char(' '));
    }
    if (replacesChannel)
        text += channel.inUse ? QCoreApplication::translate("ChannelListImport", " (replaces a channel)") : QCoreApplication::translate("ChannelListImport", " (clears a channel)");
    for (const Note &note : notes)
        text += QStringLiteral("; ") + note.text;
    return text;
}

int ChannelListImport::Plan::storedCount() const
{
    return int(std::count_if(rows.cbegin(), rows.cend(), [](const Row &row) { return row.stored(); }));
}

int ChannelListImport::Plan::refusedCount() const
{
    return int(rows.size()) - storedCount();
}

int ChannelListImport::Plan::replacedCount() const
{
    return int(std::count_if(rows.cbegin(), rows.cend(), [](const Row &row) { return row.replacesChannel; }));
}

QString ChannelListImport::Plan::summary() const
{
    QList<int> targets;
    for (const Row &row : rows) {
        if (row.stored())
            targets.append(row.slot);
    }
    std::sort(targets.begin(), targets.end());
    QString text = QCoreApplication::translate("ChannelListImport", "%1 to store").arg(Counted::text(storedCount(), Counted::Noun::Row));
    if (!targets.isEmpty())
        text += QCoreApplication::translate("ChannelListImport", " in %1").arg(ChannelLabel::rangesText(targets));
    if (replacedCount() > 0)
        text += QCoreApplication::translate("ChannelListImport", " (%1 in use replaced)").arg(Counted::text(replacedCount(), Counted::Noun::Slot));
    if (refusedCount() > 0)
        text += QCoreApplication::translate("ChannelListImport", "; %1 not stored").arg(Counted::text(refusedCount(), Counted::Noun::Row));
    if (moreRows)
        text += QCoreApplication::translate("ChannelListImport", "; only the first %1 rows were read").arg(MaxRows);
    return text;
}

CloneImage ChannelListImport::Plan::appliedTo(const CloneImage &image) const
{
    CloneImage applied = image;
    for (const Row &row : rows) {
        if (row.stored())
            applied.channels[row.slot] = row.channel;
    }
    return applied;
}

ChannelListImport::Plan ChannelListImport::plan(QIODevice &device, const CloneImage &image, Placement placement, int firstSlot)
{
    FieldReader reader(device, FieldReader::Encoding::Utf8);
    reader.setDoubledQuotes(true);
    reader.setLineBoundQuotes(true);
    const ChannelRules rules = ChannelRules::of(image);
    const VfoRow defaults = VfoCodec::defaultVfo(image.modelVariant);
    Plan plan;
    std::optional<HeaderMap> header;

    QStringList fields;
    QString field;
    int length = 0;
    int line = 0;
    bool overlong = false;
    int openQuoteField = 0; // the field (1 for the first) whose quote is not closed
    while (reader.next(field)) {
        if (fields.isEmpty() && length == 0)
            line = reader.line();
        length += int(field.size()) + 1;
        overlong = overlong || length > MaxLineLength + 1 || field.size() >= FieldReader::MaxFieldLength;
        if (!overlong)
            fields.append(field);
        if (reader.openQuote() && openQuoteField == 0)
            openQuoteField = int(fields.size());
        if (!reader.endedLine())
            continue;
        const bool blank = fields.join(QString()).trimmed().isEmpty() && !overlong && openQuoteField == 0;
        if (!blank && !header && openQuoteField > 0) {
            plan.file = FileResult::failure(FileResult::Error::DataError,
                                            QCoreApplication::translate("ChannelListImport", "line %1: %2").arg(line).arg(unclosedQuote(openQuoteField)));
            return plan;
        }
        if (!blank && !header) {
            header.emplace(fields);
            if (!header->has(ListLayout::Frequency)) {
                plan.file = FileResult::failure(FileResult::Error::DataError,
                                                QCoreApplication::translate("ChannelListImport", "the first line names no Frequency column: the file is no channel list in the common layout"));
                return plan;
            }
        } else if (!blank && plan.rows.size() == MaxRows) {
            plan.moreRows = true;
            break;
        } else if (!blank) {
            Row row = overlong ? Row{} : mappedOrRaw(*header, fields, rules, defaults);
            if (overlong)
                row.refusal = QCoreApplication::translate("ChannelListImport", "the line is longer than %1 characters").arg(MaxLineLength);
            else if (openQuoteField > 0)
                refuse(row, *header, fields, unclosedQuote(openQuoteField));
            row.line = line;
            plan.rows.append(row);
        }
        fields.clear();
        length = 0;
        overlong = false;
        openQuoteField = 0;
    }
    if (reader.failed())
        plan.file = FileResult::failure(FileResult::Error::FileOpenError, device.errorString());
    else if (reader.tooLong())
        plan.file = FileResult::failure(FileResult::Error::DataError,
                                        QCoreApplication::translate("ChannelListImport", "the file goes on beyond %1 MB, more than any channel list holds")
                                            .arg(FieldReader::MaxInputBytes / (1024 * 1024)));
    else if (!header)
        plan.file = FileResult::failure(FileResult::Error::DataError, QCoreApplication::translate("ChannelListImport", "the file is empty"));
    if (plan.file.ok())
        place(plan.rows, image, placement, firstSlot);
    else
        plan.rows.clear();
    return plan;
}

ChannelListImport::Plan ChannelListImport::planBytes(const QByteArray &bytes, const CloneImage &image,
                                                     Placement placement, int firstSlot)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return plan(buffer, image, placement, firstSlot);
}

ChannelListImport::Plan ChannelListImport::planFile(const QString &path, const CloneImage &image,
                                                    Placement placement, int firstSlot, FileAccess access)
{
    Plan plan;
    QFile file;
    plan.file = InputFile::open(file, path, access);
    if (!plan.file.ok())
        return plan;
    return ChannelListImport::plan(file, image, placement, firstSlot);
}
