#include "CsvExchange.h"

#include "AtomicFile.h"
#include "ChannelCodec.h"
#include "ChannelLabel.h"
#include "CloneFile.h"
#include "FieldReader.h"
#include "Frequency.h"
#include "Module1.h"
#include "NumericText.h"

#include <QFile>
#include <QRegularExpression>

#include <optional>

namespace {

const char *const ModelField = "QT-R70";
const char *const MemoryBank = "MEMORY";
const char *const VfoBank = "VFO";
const char *const Header[] = {"MODEL", "BANK", "CHANNEL", "FREQUENCY", "STEP", "TONE",
                              "TXTONE", "RXTONE", "DCS", "SHIFT", "SHIFT FREQUENCY", "Power",
                              "ATT", "BS", "Clock", "BCLO", "Name", "Skip"};
constexpr int VfoExportedColumns = 13;
constexpr int ChannelExportedColumns = 14;
constexpr int SpareValueColumn = 14;
constexpr int NameLength = 8;
constexpr int ToneBase = 0x80;

QByteArray csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted.append(QLatin1Char('"') + field + QLatin1Char('"'));
    return quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

// A field back to the code whose text it is; nullopt when none is.
template <typename TextOf>
std::optional<int> codeOf(const QString &field, int codes, TextOf textOf)
{
    for (int code = 0; code < codes; ++code) {
        if (textOf(code) == field)
            return code;
    }
    return std::nullopt;
}

std::optional<double> frequencyOf(const QString &field)
{
    static const QRegularExpression dotted(QStringLiteral("^(\\d{1,4})\\.(\\d{3})\\.(\\d{3})$"));
    static const QRegularExpression plain(QStringLiteral("^\\d{1,10}$"));
    QString digits;
    const QRegularExpressionMatch m = dotted.match(field);
    if (m.hasMatch())
        digits = m.captured(1) + m.captured(2) + m.captured(3);
    else if (plain.match(field).hasMatch())
        digits = field;
    else
        return std::nullopt;
    const qulonglong hz = digits.toULongLong();
    if (hz > 0xFFFFFFFFull)
        return std::nullopt;
    return double(hz);
}

struct Row
{
    std::array<QString, Module1::ChannelColumns> text;
    std::array<double, Module1::ChannelColumns> value{};
};

// Fields 4..11 into columns 0..7 (the fields a VFO and a channel share).
bool convertCommon(const Module1 &state, const QStringList &f, Row &row)
{
    const auto frequency = frequencyOf(f[0]);
    const auto mode = codeOf(f[1], state.ModeNames.size(), [&](int c) { return state.ModeNames.at(c); });
    auto gain = codeOf(f[2], 4, ChannelCodec::gainText);
    if (!gain && f[2] == QLatin1String("10"))
        gain = 3;
    const auto agc = codeOf(f[3], 2, ChannelCodec::agcText);
    const auto power = codeOf(f[4], 3, ChannelCodec::powerText);
    const auto filter = codeOf(f[5], 2, ChannelCodec::filterText);
    std::optional<int> tone;
    if (f[6] == ChannelCodec::toneText(state, 0)) {
        tone = 0;
    } else {
        const QString name = f[6].endsWith(QLatin1String("Hz")) ? f[6] : f[6] + QLatin1String("Hz");
        const int index = state.ToneNames.indexOf(name);
        if (index >= 0)
            tone = ToneBase + index;
    }
    const auto noiseBlanker = codeOf(f[7], 2, ChannelCodec::noiseBlankerText);
    if (!frequency || !mode || !gain || !agc || !power || !filter || !tone || !noiseBlanker)
        return false;

    const double values[8] = {*frequency, double(*mode),   double(*gain), double(*agc),
                              double(*power), double(*filter), double(*tone), double(*noiseBlanker)};
    for (int c = 0; c < 8; ++c)
        row.value[c] = values[c];
    row.text[0] = Frequency::FormatFrequency(std::uint64_t(*frequency));
    row.text[1] = state.ModeNames.at(*mode);
    row.text[2] = ChannelCodec::gainText(*gain);
    row.text[3] = ChannelCodec::agcText(*agc);
    row.text[4] = ChannelCodec::powerText(*power);
    row.text[5] = ChannelCodec::filterText(*filter);
    row.text[6] = ChannelCodec::toneText(state, *tone);
    row.text[7] = ChannelCodec::noiseBlankerText(*noiseBlanker);
    return true;
}

// Fields 12..18 of a memory record into columns 8..14.
bool convertChannelOnly(const QStringList &f, Row &row)
{
    const auto split = frequencyOf(f[8]);
    if (!split)
        return false;
    const bool skip = f[10] == QLatin1String("Skip");
    if (!skip && !f[10].isEmpty())
        return false;

    QString name;
    for (const QChar c : f[9].toUpper()) {
        if (name.size() == NameLength || ChannelCodec::NameCharCode(c) < 0)
            break;
        name += c;
    }
    row.value[8] = *split;
    row.text[8] = Frequency::FormatFrequency(std::uint64_t(*split));
    row.text[9] = name;
    row.value[10] = skip ? 1 : 0;
    row.text[10] = skip ? QStringLiteral("Skip") : QString();
    // Kept as they are, but for double quotes: no exported field can hold one.
    for (int c = 11; c <= 13; ++c)
        row.text[c] = QString(f[c]).remove(QLatin1Char('"'));
    row.value[SpareValueColumn] = f[14] == QLatin1String("On") ? 1 : 0;
    return true;
}

} // namespace

QByteArray CsvExchange::exportBytes(const Module1 &state)
{
    QStringList header;
    for (const char *name : Header)
        header.append(QLatin1String(name));
    QByteArray out = csvLine(header);

    for (int r = 0; r < 2; ++r) {
        QStringList fields{QLatin1String(ModelField), QLatin1String(VfoBank), ChannelLabel::vfoLabel(r)};
        for (int c = 0; c < VfoExportedColumns; ++c)
            fields.append(state.VfoText[r][c]);
        fields << QStringLiteral("No") << QStringLiteral("Off");
        out += csvLine(fields);
    }
    for (int n = 0; n < ExportedChannels; ++n) {
        if (!state.ChannelInUse[n])
            continue;
        QStringList fields{QLatin1String(ModelField), QLatin1String(MemoryBank), QString::number(n)};
        for (int c = 0; c < ChannelExportedColumns; ++c)
            fields.append(state.ChannelText[n][c]);
        fields.append(state.ChannelValue[n][SpareValueColumn] == 1 ? QStringLiteral("On") : QStringLiteral("Off"));
        out += csvLine(fields);
    }
    return out;
}

FileResult CsvExchange::CsvExport(Module1 &state, const QString &path)
{
    const FileResult result = AtomicFile::write(path, exportBytes(state));
    if (!result.ok())
        return result;
    state.CurrentFileName.clear();
    state.WindowCaption = CloneFile::captionFor(state, path);
    return result;
}

CsvExchange::ImportResult CsvExchange::importBytes(Module1 &state, const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    FieldReader reader(text);

    ImportResult result;
    Module1 staged = state;
    QString field;
    while (reader.next(field)) {
        if (field != QLatin1String(ModelField))
            continue;
        ++result.dropped;  // until stored

        QString bank;
        if (!reader.next(bank) || (bank != QLatin1String(MemoryBank) && bank != QLatin1String(VfoBank)))
            continue;
        const bool memory = bank == QLatin1String(MemoryBank);
        QString channel;
        if (!reader.next(channel) || channel.isEmpty())
            continue;
        int row = -1;
        if (memory) {
            const double number = NumericText::value(channel);
            const double rounded = NumericText::roundHalfEven(number);
            if (number < 0 || number > ExportedChannels - 1 || rounded > ExportedChannels - 1)
                continue;
            row = int(rounded);
        } else {
            for (int r = 0; r < 2 && row < 0; ++r) {
                if (channel == ChannelLabel::vfoLabel(r))
                    row = r;
            }
            if (row < 0)
                continue;
        }

        QStringList values;
        while (values.size() < ValueFields && reader.next(field))
            values.append(field);
        if (values.size() < ValueFields)
            break;  // cut short by the end of the file

        Row converted;
        if (!convertCommon(staged, values, converted))
            continue;
        if (memory) {
            if (!convertChannelOnly(values, converted))
                continue;
            staged.ChannelText[row] = converted.text;
            staged.ChannelValue[row] = converted.value;
            staged.ChannelInUse[row] = true;
            ++result.channels;
        } else {
            for (int c = 0; c < 8; ++c) {
                staged.VfoText[row][c] = converted.text[c];
                staged.VfoValue[row][c] = converted.value[c];
            }
            ++result.vfos;
        }
        --result.dropped;
    }

    if (result.channels + result.vfos > 0) {
        staged.DataChanged = true;
        state = std::move(staged);
    }
    state.CurrentFileName.clear();
    state.WindowCaption = state.AppTitle;
    return result;
}

CsvExchange::ImportResult CsvExchange::CsvImport(Module1 &state, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ImportResult result;
        result.file = FileResult::failure(FileResult::Error::FileOpenError, file.errorString() + QStringLiteral(": ") + path);
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ImportResult result;
        result.file = FileResult::failure(FileResult::Error::FileOpenError, file.errorString() + QStringLiteral(": ") + path);
        return result;
    }
    return importBytes(state, bytes);
}
