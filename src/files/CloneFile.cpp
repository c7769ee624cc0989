#include "CloneFile.h"

#include "AtomicFile.h"
#include "ChannelCodec.h"
#include "FieldReader.h"
#include "Module1.h"
#include "SettingsCodec.h"
#include "VfoCodec.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int HeaderLength = 32;
constexpr int RecordLength = 64;
constexpr int ExtendedHeaderOffset = 5;
constexpr const char *LineEnd = "\r\n";

} // namespace

QByteArray CloneFile::toBytes(Module1 &state)
{
    SettingsCodec::EncodeSettings(state);
    const int slot = state.ModelVariantForFile() + (state.ExtendedRange ? ExtendedHeaderOffset : 0);

    QByteArray out;
    out.reserve(LineCount * (RecordLength + 2));
    const auto line = [&out](const QString &text) {
        out += text.toLatin1();
        out += LineEnd;
    };
    line(state.CloneHeaderTable.at(slot));
    line(state.SettingsLine1);
    line(state.SettingsLine2);
    line(VfoCodec::EncodeVfo(state, 0));
    line(VfoCodec::EncodeVfo(state, 1));
    for (int n = 0; n < Module1::ChannelCount; ++n)
        line(ChannelCodec::EncodeChannel(state, n));
    line(state.CloneEndMark);
    return out;
}

FileResult CloneFile::fromBytes(Module1 &state, const QByteArray &bytes)
{
    using Error = FileResult::Error;
    FieldReader reader(QString::fromLatin1(bytes));
    QStringList fields;
    fields.reserve(LineCount);
    for (int number = 1; number <= LineCount; ++number) {
        QString field;
        if (!reader.next(field))
            return FileResult::failure(Error::FileOpenError,
                                       QStringLiteral("the file ends before line %1").arg(number));
        const int expected = (number == 1 || number == LineCount) ? HeaderLength : RecordLength;
        if (field.size() != expected)
            return FileResult::failure(Error::DataError,
                                       QStringLiteral("line %1 has %2 characters, not %3")
                                           .arg(number).arg(field.size()).arg(expected));
        fields.append(field);
    }

    Module1 staged = state;
    int variant = -1;
    for (int v = Module1::ModelJ; v <= Module1::ModelA && variant < 0; ++v) {
        if (fields.first() == staged.CloneHeaderTable.at(v)) {
            variant = v;
            staged.ExtendedRange = false;
        } else if (fields.first() == staged.CloneHeaderTable.at(v + ExtendedHeaderOffset)) {
            variant = v;
            staged.ExtendedRange = true;
        }
    }
    if (variant < 0)
        return FileResult::failure(Error::DataError, QStringLiteral("unknown header: ") + fields.first());
    staged.ModelVariant = variant;

    if (fields.last() != staged.CloneEndMark)
        return FileResult::failure(Error::DataError, QStringLiteral("no end mark: ") + fields.last());

    staged.SettingsLine1 = fields.at(1);
    staged.SettingsLine2 = fields.at(2);
    DecodeResult decoded = SettingsCodec::DecodeSettings(staged);
    if (!decoded)
        return FileResult::failure(Error::FileOpenError,
                                   QStringLiteral("settings: ") + decoded.field());
    for (int r = 0; r < 2; ++r) {
        decoded = VfoCodec::DecodeVfo(staged, fields.at(3 + r), r);
        if (!decoded)
            return FileResult::failure(Error::FileOpenError,
                                       QStringLiteral("VFO %1: %2").arg(QChar(u'A' + r)).arg(decoded.field()));
    }
    for (int n = 0; n < Module1::ChannelCount; ++n) {
        decoded = ChannelCodec::DecodeChannel(staged, fields.at(5 + n), n);
        if (!decoded)
            return FileResult::failure(Error::FileOpenError,
                                       QStringLiteral("channel slot %1: %2").arg(n).arg(decoded.field()));
    }

    state = std::move(staged);
    return FileResult::success();
}

FileResult CloneFile::WriteCloneFile(Module1 &state, const QString &path)
{
    const FileResult result = AtomicFile::write(path, toBytes(state));
    if (result.ok())
        becomeCurrent(state, path);
    return result;
}

FileResult CloneFile::LoadCloneFile(Module1 &state, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileResult::failure(FileResult::Error::FileOpenError, file.errorString() + QStringLiteral(": ") + path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileResult::failure(FileResult::Error::FileOpenError, file.errorString() + QStringLiteral(": ") + path);
    file.close();

    const FileResult result = fromBytes(state, bytes);
    if (result.ok())
        becomeCurrent(state, path);
    return result;
}

void CloneFile::New(Module1 &state)
{
    SettingsCodec::LoadDefaultSettings(state);
    SettingsCodec::DecodeSettings(state);
    VfoCodec::LoadDefaultVfo(state);
    for (int n = 0; n < Module1::ChannelCount; ++n)
        state.ClearChannel(n);
    state.CurrentFileName.clear();
    state.WindowCaption = state.AppTitle;
    state.DataChanged = false;
}

void CloneFile::becomeCurrent(Module1 &state, const QString &path)
{
    state.CurrentFileName = path;
    state.WindowCaption = captionFor(state, path);
    state.DataChanged = false;
}

QString CloneFile::captionFor(const Module1 &state, const QString &path)
{
    return QFileInfo(path).fileName() + QStringLiteral(" - ") + state.AppTitle;
}
