#include "files/CsvExchange.h"

#include "codec/ChannelCodec.h"
#include "codec/ChannelLabel.h"
#include "codec/ChannelName.h"
#include "codec/ChannelRules.h"
#include "codec/ChannelRow.h"
#include "codec/Frequency.h"
#include "files/AtomicFile.h"
#include "files/FieldReader.h"
#include "files/InputFile.h"
#include "files/NumericText.h"

#include <QBuffer>
#include <QCoreApplication>
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
// The value fields (after MODEL, BANK, CHANNEL) of a line: the radio's
// fields first (a VFO's eight, a channel's eleven), then cells the radio
// has no place for.
constexpr int VfoExportedFields = 13;
constexpr int FirstExtraField = 11;
constexpr int OnOffField = 14;

QByteArray csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted.append(QLatin1Char('"') + field + QLatin1Char('"'));
    return quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

std::optional<qint64> frequencyOf(const QString &field)
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
    return qint64(hz);
}


// Fields 4..11 into columns 0..7 (the fields a VFO and a channel share);
// the first value field without a meaning, or -1.
int convertCommon(const QStringList &f, Tuning &row)
{
    const auto frequency = frequencyOf(f[0]);
    if (!frequency)
        return 0;
    std::optional<int> codes[7];
    for (int c = 1; c < 8; ++c) {
        codes[c - 1] = ChannelRules::codeOf(ChannelColumn(c), f[c]);
        if (!codes[c - 1])
            return c;
    }

    row.frequency = *frequency;
    for (int c = 1; c < 8; ++c)
        row.setCode(ChannelColumn(c), *codes[c - 1]);
    return -1;
}

// Fields 12..18 of a memory record into columns 8..14; the first value
// field without a meaning, or -1.
int convertChannelOnly(const QStringList &f, ChannelRow &row)
{
    const auto split = frequencyOf(f[8]);
    if (!split)
        return 8;
    const bool skip = f[10] == QLatin1String("Skip");
    if (!skip && !f[10].isEmpty())
        return 10;

    const QString name = ChannelName::kept(f[9]);
    if (ChannelName::problem(name))
        return 9;
    row.split = *split;
    row.name = name;
    row.skip = skip;
    // Kept as they are, but for double quotes: no exported field can hold one.
    const auto kept = [&f](int field) { return QString(f[field]).remove(QLatin1Char('"')); };
    row.csvExtras = {kept(FirstExtraField), kept(FirstExtraField + 1), kept(FirstExtraField + 2),
                     f[OnOffField] == QLatin1String("On")};
    return -1;
}

// The row a record's channel field names: a channel 0-199 by its number
// (halfway to the even one), a VFO by its label; -1 for none.
int targetRow(const QString &channel, bool memory)
{
    if (memory) {
        const double number = NumericText::value(channel);
        const double rounded = NumericText::roundHalfEven(number);
        if (number < 0 || number > CsvExchange::ExportedChannels - 1 || rounded > CsvExchange::ExportedChannels - 1)
            return -1;
        return int(rounded);
    }
    for (int r = 0; r < CloneImage::VfoCount; ++r) {
        if (channel == ChannelLabel::vfoLabel(r))
            return r;
    }
    return -1;
}

} // namespace

int CsvExchange::channelFromFields(const QStringList &fields, ChannelRow &row)
{
    if (fields.size() < ValueFields)
        return int(fields.size());
    ChannelRow converted;
    int failed = convertCommon(fields, converted);
    if (failed < 0)
        failed = convertChannelOnly(fields, converted);
    if (failed >= 0)
        return failed;
    converted.inUse = true;
    row = converted;
    return -1;
}

QString CsvExchange::fieldProblem(const QStringList &fields, int failed)
{
    const ChannelColumn column = ChannelColumn(failed < Vocabulary::ChannelGridColumns ? failed : 0);
    const QString value = fields.value(failed);
    if (column == ChannelColumn::Name)
        return ChannelRules::caption(column) + QLatin1Char(' ')
            + ChannelName::problem(ChannelName::kept(value)).value_or(QString());
    return QCoreApplication::translate("CsvExchange", "%1 \"%2\" is not understood").arg(ChannelRules::caption(column), value);
}

QByteArray CsvExchange::exportBytes(const CloneImage &image)
{
    QStringList header;
    for (const char *name : Header)
        header.append(QLatin1String(name));
    QByteArray out = csvLine(header);

    for (int r = 0; r < CloneImage::VfoCount; ++r) {
        QStringList values = image.vfos[size_t(r)].texts();
        values.resize(VfoExportedFields);
        QStringList fields = QStringList{QLatin1String(ModelField), QLatin1String(VfoBank), ChannelLabel::vfoLabel(r)}
            + values;
        fields << QStringLiteral("No") << QStringLiteral("Off");
        out += csvLine(fields);
    }
    for (int n = 0; n < ExportedChannels; ++n) {
        const ChannelRow &row = image.channels.at(n);
        if (!row.inUse)
            continue;
        const ChannelRow::CsvExtras &extras = row.csvExtras;
        QStringList fields = QStringList{QLatin1String(ModelField), QLatin1String(MemoryBank), QString::number(n)}
            + row.texts();
        fields << extras.first << extras.second << extras.third
               << (extras.on ? QStringLiteral("On") : QStringLiteral("Off"));
        out += csvLine(fields);
    }
    return out;
}

FileResult CsvExchange::exportFile(const CloneImage &image, const QString &path, FileAccess access)
{
    return AtomicFile::write(path, exportBytes(image), access);
}

CsvExchange::ImportResult CsvExchange::importFrom(QIODevice &device, const CloneImage &image)
{
    FieldReader reader(device, FieldReader::Encoding::Utf8);
    ImportResult result;
    result.image = image;
    CloneImage &staged = result.image;
    const ChannelRules rules = ChannelRules::of(image);
    const auto refuse = [&result](int line, const QString &why) {
        result.refused.append(QCoreApplication::translate("CsvExchange", "line %1: %2").arg(line).arg(why));
    };
    QString field;
    QStringList values;
    while (reader.next(field)) {
        if (field != QLatin1String(ModelField))
            continue;
        ++result.dropped;  // until stored
        const int line = reader.line();

        QString bank;
        if (!reader.next(bank) || (bank != QLatin1String(MemoryBank) && bank != QLatin1String(VfoBank)))
            continue;
        const bool memory = bank == QLatin1String(MemoryBank);
        QString channel;
        if (!reader.next(channel) || channel.isEmpty())
            continue;
        const int row = targetRow(channel, memory);
        if (row < 0)
            continue;

        values.clear();
        while (values.size() < ValueFields && reader.next(field))
            values.append(field);
        if (values.size() < ValueFields)
            break;  // cut short by the end of the file

        ChannelRow converted;
        int failed = convertCommon(values, converted);
        if (failed < 0 && memory)
            failed = convertChannelOnly(values, converted);
        if (failed >= 0) {
            refuse(line, fieldProblem(values, failed));
            continue;
        }
        if (memory) {
            converted.inUse = true;
            if (const auto problem = rules.check(converted)) {
                refuse(line, problem->text());
                continue;
            }
            staged.channels[row] = converted;
            ++result.channels;
        } else {
            VfoRow vfo;
            static_cast<Tuning &>(vfo) = converted;
            vfo.known = true;
            if (const auto problem = rules.check(vfo)) {
                refuse(line, problem->text());
                continue;
            }
            staged.vfos[size_t(row)] = vfo;
            ++result.vfos;
        }
        --result.dropped;
    }
    if (reader.failed())
        result.file = FileResult::failure(FileResult::Error::FileOpenError, device.errorString());
    else if (reader.tooLong())
        result.file = FileResult::failure(FileResult::Error::DataError,
                                          QCoreApplication::translate("CsvExchange", "the file goes on beyond %1 MB, more than any channel list holds")
                                              .arg(FieldReader::MaxInputBytes / (1024 * 1024)));
    return result;
}

CsvExchange::ImportResult CsvExchange::importBytes(const QByteArray &bytes, const CloneImage &image)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return importFrom(buffer, image);
}

CsvExchange::ImportResult CsvExchange::importFile(const QString &path, const CloneImage &image, FileAccess access)
{
    QFile file;
    if (const FileResult opened = InputFile::open(file, path, access); !opened.ok()) {
        ImportResult result;
        result.image = image;
        result.file = opened;
        return result;
    }
    return importFrom(file, image);
}
