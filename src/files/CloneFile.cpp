#include "files/CloneFile.h"

#include "codec/ChannelCodec.h"
#include "codec/ImageRecords.h"
#include "codec/SettingsCodec.h"
#include "codec/VfoCodec.h"
#include "files/AtomicFile.h"
#include "files/FieldReader.h"
#include "files/InputFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int HeaderLength = 32;
constexpr int RecordLength = 64;
constexpr const char *LineEnd = "\r\n";
constexpr int FirstVfoRecord = 2;
constexpr int FirstChannelRecord = 4;

using Error = FileResult::Error;

// Takes the device's first `count` lines (ended by CR LF, LF or CR), each
// with a CR LF end, refusing a line longer than `maxLength`. The text may
// hold fewer lines when the device ends first.
FileResult takeLines(QIODevice &device, int count, int maxLength, QByteArray &text)
{
    int lines = 0;
    int length = 0;
    char c = 0;
    bool afterCr = false;
    while (lines < count && device.getChar(&c)) {
        if (c == '\n' && afterCr) {
            afterCr = false;
            continue;
        }
        afterCr = c == '\r';
        if (c == '\r' || c == '\n') {
            text += LineEnd;
            ++lines;
            length = 0;
            continue;
        }
        if (++length > maxLength)
            return FileResult::failure(Error::DataError,
                                       QCoreApplication::translate("CloneFile", "line %1 is longer than %2 characters")
                                           .arg(lines + 1).arg(maxLength));
        text += c;
    }
    return FileResult::success();
}

} // namespace

CloneFile::Records CloneFile::readRecords(QIODevice &device)
{
    Records out;
    QByteArray text;
    out.result = takeLines(device, LineCount, MaxLineLength, text);
    if (!out.result.ok())
        return out;

    FieldReader reader(QString::fromLatin1(text));
    QStringList fields;
    for (int number = 1; number <= LineCount; ++number) {
        QString field;
        if (!reader.next(field)) {
            out.result = FileResult::failure(Error::FileOpenError,
                                             QCoreApplication::translate("CloneFile", "the file ends before line %1").arg(number));
            return out;
        }
        const int expected = (number == 1 || number == LineCount) ? HeaderLength : RecordLength;
        if (field.size() != expected) {
            out.result = FileResult::failure(Error::DataError, QCoreApplication::translate("CloneFile", "line %1 has %2 characters, not %3")
                                                                   .arg(number).arg(field.size()).arg(expected));
            return out;
        }
        fields.append(field);
    }

    const QStringList &headers = Vocabulary::cloneHeaders();
    int variant = -1;
    for (int v = Vocabulary::ModelJ; v <= Vocabulary::ModelA && variant < 0; ++v) {
        if (fields.first() == headers.at(v)) {
            variant = v;
            out.extendedRange = false;
        } else if (fields.first() == headers.at(v + Vocabulary::ExtendedHeaderOffset)) {
            variant = v;
            out.extendedRange = true;
        }
    }
    if (variant < 0) {
        out.result = FileResult::failure(Error::DataError, QCoreApplication::translate("CloneFile", "unknown header: ") + fields.first());
        return out;
    }
    if (fields.last() != Vocabulary::cloneEndMark()) {
        out.result = FileResult::failure(Error::DataError, QCoreApplication::translate("CloneFile", "no end mark: ") + fields.last());
        return out;
    }
    out.variant = variant;
    out.records = fields.mid(1, RecordCount);
    return out;
}

FileResult CloneFile::decode(const Records &records, CloneImage &image)
{
    if (!records.result.ok())
        return records.result;
    CloneImage staged = image;
    staged.modelVariant = records.variant;
    staged.extendedRange = records.extendedRange;
    staged.settingsLine1 = records.records.at(0);
    staged.settingsLine2 = records.records.at(1);
    DecodeResult decoded =
        SettingsCodec::decode(staged.settingsLine1, staged.settingsLine2, staged.selections);
    if (!decoded)
        return FileResult::failure(Error::FileOpenError, QCoreApplication::translate("CloneFile", "settings: ") + decoded.field());
    for (int r = 0; r < CloneImage::VfoCount; ++r) {
        decoded = VfoCodec::decode(records.records.at(FirstVfoRecord + r), staged.vfos[size_t(r)]);
        if (!decoded)
            return FileResult::failure(Error::FileOpenError,
                                       QCoreApplication::translate("CloneFile", "VFO %1: %2").arg(QChar(u'A' + r)).arg(decoded.field()));
    }
    for (int n = 0; n < CloneImage::ChannelCount; ++n) {
        // Every row starts empty: nothing of an earlier import's spare
        // columns survives into the file's channels.
        staged.channels[n] = ChannelRow();
        decoded = ChannelCodec::decode(records.records.at(FirstChannelRecord + n), staged.channels[n]);
        if (!decoded)
            return FileResult::failure(Error::FileOpenError,
                                       QCoreApplication::translate("CloneFile", "channel slot %1: %2").arg(n).arg(decoded.field()));
    }
    image = staged;
    return FileResult::success();
}

FileResult CloneFile::read(QIODevice &device, CloneImage &image)
{
    return decode(readRecords(device), image);
}

FileResult CloneFile::fromBytes(const QByteArray &bytes, CloneImage &image)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer, image);
}

FileResult CloneFile::load(const QString &path, CloneImage &image, FileAccess access)
{
    QFile file;
    if (const FileResult opened = InputFile::open(file, path, access); !opened.ok())
        return opened;
    CloneImage staged = image;
    const FileResult result = read(file, staged);
    if (file.error() != QFileDevice::NoError)
        return FileResult::failure(Error::FileOpenError, file.errorString() + QStringLiteral(": ") + path);
    if (result.ok())
        image = staged;
    return result;
}

QByteArray CloneFile::toBytes(const CloneImage &image)
{
    const int slot = image.modelVariantForFile() + (image.extendedRange ? Vocabulary::ExtendedHeaderOffset : 0);

    QByteArray out;
    out.reserve(LineCount * (RecordLength + 2));
    const auto line = [&out](const QString &text) {
        out += text.toLatin1();
        out += LineEnd;
    };
    line(Vocabulary::cloneHeaders().at(slot));
    for (const ImageRecords::Entry &record : ImageRecords::of(image))
        line(record.text);
    line(Vocabulary::cloneEndMark());
    return out;
}

FileResult CloneFile::write(const QString &path, const CloneImage &image, FileAccess access)
{
    return AtomicFile::write(path, toBytes(image), access);
}

QString CloneFile::captionFor(const QString &path)
{
    return QFileInfo(path).fileName() + QStringLiteral(" - ") + Vocabulary::appTitle();
}
