#include "app/CloneDocument.h"
#include "codec/ChannelCodec.h"
#include "codec/SettingsCodec.h"
#include "files/CloneFile.h"
#include "files/FieldReader.h"
#include "files/SavePrompt.h"
#include "StateSnapshot.h"
#include "codec/VfoCodec.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#include <QtTest>

namespace {

// An image like the program's after New, with a few channels.
CloneImage sampleImage()
{
    CloneImage image = CloneImage::factory(Vocabulary::ModelE, false);
    const QStringList records = {
        "8005000100000188000100000000000010936B003C4A39543D51000010936B00",
        "88010302020001A5000000000000000038 99D80038393A3B3C3D3E3F38 99D800",
        "800400000000000000000000000000006056 6C00545556575859 5A5B00000000",
    };
    const int rows[] = {0, 205, 603};
    for (int i = 0; i < 3; ++i) {
        if (!ChannelCodec::decode(QString(records[i]).remove(' '), image.channels[rows[i]]))
            qFatal("sample channel does not decode");
    }
    const int wpm = 1;  // cmbWPM in descriptor order
    image.selections[wpm] = 30;
    image.vfos[1].frequency = 21000000;
    return image;
}

QByteArray sampleFile()
{
    return CloneFile::toBytes(sampleImage());
}

// The image as a file gives it back: the settings lines rebuilt from the
// selections.
CloneImage asSaved(CloneImage image)
{
    const SettingsCodec::Lines lines = SettingsCodec::encode(image.selections);
    image.settingsLine1 = lines.line1;
    image.settingsLine2 = lines.line2;
    return image;
}

QByteArray replaceLine(QByteArray file, int number, const QByteArray &text)
{
    QList<QByteArray> lines = file.split('\n');
    lines[number - 1] = text + '\r';
    return lines.join('\n');
}

QByteArray firstLines(const QByteArray &file, int count)
{
    const QList<QByteArray> lines = file.split('\n');
    return lines.mid(0, count).join('\n') + '\n';
}

} // namespace

class tst_CloneFile : public QObject
{
    Q_OBJECT
private slots:
    void fieldReader_data();
    void fieldReader();
    void endlessInputStops();
    void format();
    void roundTrip_data();
    void roundTrip();
    void refused_data();
    void refused();
    void trailingLinesIgnored();
    void recordsKeptVerbatim();
    void writeFailureKeepsOldFile_data();
    void writeFailureKeepsOldFile();
    void loadAndCaption();
    void missingFile();
    void factoryImage_data();
    void factoryImage();
    void confirmSaveChanges_data();
    void confirmSaveChanges();
};

void tst_CloneFile::fieldReader_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("CR LF lines") << "ab\r\ncd\r\n" << QStringList{"ab", "cd"};
    QTest::newRow("LF and CR lines") << "ab\ncd\ref" << QStringList{"ab", "cd", "ef"};
    QTest::newRow("commas") << "a,b,,c" << QStringList{"a", "b", "", "c"};
    QTest::newRow("leading blanks skipped") << "  a,\t b " << QStringList{"a", "b "};
    QTest::newRow("quoted with comma") << "\"a,b\",c" << QStringList{"a,b", "c"};
    QTest::newRow("quoted over a line end") << "\"a\r\nb\"\r\nc" << QStringList{"a\r\nb", "c"};
    QTest::newRow("text after closing quote dropped") << "\"a\"xy,b" << QStringList{"a", "b"};
    QTest::newRow("unterminated quote") << "\"abc" << QStringList{"abc"};
    QTest::newRow("empty line") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("empty text") << "" << QStringList{};
    QTest::newRow("overlong field cut")
        << QString(FieldReader::MaxFieldLength + 10, 'x') + ",b"
        << QStringList{QString(FieldReader::MaxFieldLength, 'x'), "b"};
    QTest::newRow("overlong quoted field cut")
        << "\"" + QString(FieldReader::MaxFieldLength + 1, 'y') + "\"\r\nb"
        << QStringList{QString(FieldReader::MaxFieldLength, 'y'), "b"};
}

void tst_CloneFile::fieldReader()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    const auto readAll = [](FieldReader &reader) {
        QStringList read;
        QString field;
        while (reader.next(field))
            read.append(field);
        return read;
    };
    FieldReader fromText(text);
    QCOMPARE(readAll(fromText), fields);
    // The same fields streamed from a device.
    QBuffer buffer;
    buffer.setData(text.toUtf8());
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    FieldReader fromDevice(buffer, FieldReader::Encoding::Utf8);
    QCOMPARE(readAll(fromDevice), fields);
    QVERIFY(!fromDevice.failed());
    QVERIFY(!fromDevice.tooLong());
}

void tst_CloneFile::endlessInputStops()
{
    // As /dev/zero would give it: one field that never ends.
    QFile zero(QStringLiteral("/dev/zero"));
    QVERIFY(zero.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    FieldReader reader(zero, FieldReader::Encoding::Utf8);
    QString field;
    while (reader.next(field)) {
    }
    QVERIFY(reader.tooLong());
}

void tst_CloneFile::format()
{
    const QByteArray file = sampleFile();
    const QList<QByteArray> lines = file.split('\n');
    QCOMPARE(lines.size(), 611);  // 610 lines, each ended by CR LF
    QVERIFY(lines.last().isEmpty());
    for (int i = 0; i < 610; ++i) {
        QVERIFY2(lines[i].endsWith('\r'), qPrintable(QString::number(i + 1)));
        QCOMPARE(lines[i].size() - 1, (i == 0 || i == 609) ? 32 : 64);
    }
    QCOMPARE(lines[0], QByteArray("Korvan QT-R70E Clone 0 FileStart\r"));
    QCOMPARE(lines[609], QByteArray("Korvan  QT-R70  Clone  File  End\r"));
    QCOMPARE(lines[1].left(16), QByteArray("A50000000003001E"));  // WPM item 30 ("36") stored
    QCOMPARE(lines[4].mid(32, 8), QByteArray("406F4001"));           // VFO B 21 MHz
    QCOMPARE(lines[5].left(64), QByteArray("8005000100000188000100000000000010936B003C4A39543D51000010936B00"));
    QCOMPARE(lines[6].left(64), QByteArray(64, '0'));
}

void tst_CloneFile::roundTrip_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QString>("header");
    QTest::newRow("J") << 0 << false << "Korvan QT-R70J Clone 0 FileStart";
    QTest::newRow("T extended") << 1 << true << "Korvan QT-R70T Clone A FileStart";
    QTest::newRow("E") << 2 << false << "Korvan QT-R70E Clone 0 FileStart";
    QTest::newRow("A extended") << 3 << true << "Korvan QT-R70A Clone A FileStart";
}

void tst_CloneFile::roundTrip()
{
    QFETCH(int, model);
    QFETCH(bool, extended);
    QFETCH(QString, header);
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.R70");

    CloneImage saved = sampleImage();
    saved.modelVariant = model;
    saved.extendedRange = extended;
    QVERIFY(CloneFile::write(path, saved).ok());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readLine(), (header + "\r\n").toLatin1());

    // Loaded over an image whose rows carry a CSV import's spare cells:
    // none of them survives.
    CloneImage loaded;
    for (ChannelRow &row : loaded.channels) {
        row.csvExtras.third = QStringLiteral("On");
        row.csvExtras.on = true;
    }
    QVERIFY(CloneFile::load(path, loaded).ok());
    QCOMPARE(imageSnapshot(loaded), imageSnapshot(asSaved(saved)));
}

void tst_CloneFile::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("names"); // what the detail must name, where it names something
    const QByteArray good = sampleFile();
    QTest::newRow("header in other case")
        << replaceLine(good, 1, "korvan QT-R70E Clone 0 FileStart") << "Data Error" << QString();
    QTest::newRow("header with a blank more")
        << replaceLine(good, 1, "Korvan  QT-R70E Clone 0 FileStart") << "Data Error" << QString();
    QTest::newRow("header of slot 4 (empty)") << replaceLine(good, 1, QByteArray(32, ' ')) << "Data Error" << QString();
    QTest::newRow("end mark with single blanks")
        << replaceLine(good, 610, "Korvan QT-R70 Clone File End    ") << "Data Error" << QString();
    QTest::newRow("63-character data line")
        << replaceLine(good, 200, QByteArray(63, '0')) << "Data Error" << QString();
    QTest::newRow("line longer than any valid line")
        << replaceLine(good, 7, QByteArray(CloneFile::MaxLineLength + 1, '0')) << "Data Error" << QString();
    QTest::newRow("no line end at all") << QByteArray(1 << 20, '0') << "Data Error" << QString();
    QTest::newRow("file ends after line 300") << firstLines(good, 300) << "File Open Error" << QString();
    QTest::newRow("file ends before the end mark") << firstLines(good, 609) << "File Open Error" << QString();
    QTest::newRow("empty file") << QByteArray() << "File Open Error" << QString();
    QTest::newRow("mode byte 6 in a channel")
        << replaceLine(good, 300, "8006000000000000000000000000000000000000000000000000000000000000")
        << "File Open Error" << QString();
    QTest::newRow("non-hex digits of the right length")
        << replaceLine(good, 6, QByteArray(64, 'Z')) << "File Open Error" << QString();
    QTest::newRow("settings byte without a list position")
        << replaceLine(good, 3, "0000000000000000000001010100000000007700000000000000000000000000") << "File Open Error"
        << "D VOX";
    QTest::newRow("key speed byte beyond its list")
        << replaceLine(good, 2, good.split('\n').at(1).chopped(1).replace(2 * 7, 2, "FF")) << "File Open Error"
        << "Key Speed(WPM)";
    QTest::newRow("VFO tone byte A7h")
        << replaceLine(good, 4, "80010001000000A7000000000000000060566C00000000000000000000000000")
        << "File Open Error" << QString();
}

void tst_CloneFile::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QString, names);
    CloneImage image = sampleImage();
    image.modelVariant = 1;
    const QString before = imageSnapshot(image);

    const FileResult result = CloneFile::fromBytes(bytes, image);
    QVERIFY(!result.ok());
    QCOMPARE(result.message(), message);
    QVERIFY(!result.detail().isEmpty());
    QVERIFY2(result.detail().contains(names), qPrintable(result.detail()));
    QCOMPARE(imageSnapshot(image), before);
}

void tst_CloneFile::trailingLinesIgnored()
{
    CloneImage image;
    const QByteArray bytes = sampleFile() + "anything\r\nmore,\"stuff\r\n";
    QVERIFY(CloneFile::fromBytes(bytes, image).ok());
    QCOMPARE(image.channels[205].text(ChannelColumn::Name), QString("89ABCDEF"));
    QVERIFY(image.channels[603].inUse);
}

void tst_CloneFile::recordsKeptVerbatim()
{
    // The form is checked, the records are not decoded: a record the
    // decoder refuses still comes back as it stands.
    const QByteArray undecodable = "8006000000000000000000000000000000000000000000000000000000000000";
    const QByteArray lowerCase = "80050001000000880000000000000000a0a1a2a3303132333435363700000000";
    QByteArray bytes = replaceLine(replaceLine(sampleFile(), 300, undecodable), 6, lowerCase);
    bytes.replace("Clone 0 FileStart", "Clone A FileStart");
    bytes.replace("R70E", "R70T");
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));

    const CloneFile::Records records = CloneFile::readRecords(buffer);
    QVERIFY2(records.result.ok(), qPrintable(records.result.detail()));
    QCOMPARE(records.variant, int(Vocabulary::ModelT));
    QVERIFY(records.extendedRange);
    QCOMPARE(int(records.records.size()), CloneFile::RecordCount);
    QCOMPARE(records.records.at(0), QString(SettingsCodec::encode(sampleImage().selections).line1));
    QCOMPARE(records.records.at(4), QString(lowerCase));
    QCOMPARE(records.records.at(298), QString(undecodable));

    CloneImage image = sampleImage();
    const QString before = imageSnapshot(image);
    QCOMPARE(CloneFile::decode(records, image).message(), QString("File Open Error"));
    QCOMPARE(imageSnapshot(image), before);
}

void tst_CloneFile::writeFailureKeepsOldFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("missing folder") << "missing";
    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("write fails part-way") << "size limit";
}

void tst_CloneFile::writeFailureKeepsOldFile()
{
    QFETCH(QString, how);
    if (how == "read-only" && geteuid() == 0)
        QSKIP("permissions do not bind root");
    QTemporaryDir dir;
    const QString path = how == "missing" ? dir.filePath("missing/radio.R70") : dir.filePath("radio.R70");
    const QByteArray old = "the previous file\r\n";
    if (how != "missing") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(old);
        f.close();
    }
    if (how == "read-only")
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    rlimit saved{};
    if (how == "size limit") {
        // The disk "fills up" after 1000 bytes of the new file.
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &small);
    }

    const FileResult result = CloneFile::write(path, sampleImage());

    if (how == "size limit")
        setrlimit(RLIMIT_FSIZE, &saved);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!result.ok());
    QCOMPARE(result.message(), QString("File Open Error"));
    if (how == "missing") {
        QVERIFY(!QFile::exists(path));
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"radio.R70"});
    }
}

void tst_CloneFile::loadAndCaption()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("my radio.R70");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(sampleFile());
    f.close();
    CloneImage image;
    QVERIFY(CloneFile::load(path, image).ok());
    QCOMPARE(imageSnapshot(image), imageSnapshot(asSaved(sampleImage())));
    QCOMPARE(CloneFile::captionFor(path), QString("my radio.R70 - Korvan QT-R70 Clone Utility"));
}

void tst_CloneFile::missingFile()
{
    CloneImage image = sampleImage();
    const QString before = imageSnapshot(image);
    const FileResult result = CloneFile::load("/nonexistent/radio.R70", image);
    QCOMPARE(result.message(), QString("File Open Error"));
    QCOMPARE(imageSnapshot(image), before);
}

void tst_CloneFile::factoryImage_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QString>("vfoFrequency");
    QTest::newRow("J extended") << 0 << true << "7.050.000";
    QTest::newRow("E") << 2 << false << "7.100.000";
}

void tst_CloneFile::factoryImage()
{
    // What New installs: factory settings, the model's default VFOs, every
    // channel empty; the model option and coverage version as given.
    QFETCH(int, model);
    QFETCH(bool, extended);
    QFETCH(QString, vfoFrequency);
    const CloneImage image = CloneImage::factory(model, extended);
    QCOMPARE(image.modelVariant, model);
    QCOMPARE(image.extendedRange, extended);
    for (const VfoRow &vfo : image.vfos)
        QCOMPARE(vfo.text(ChannelColumn::Frequency), vfoFrequency);
    QCOMPARE(image.settingsLine1, QString(SettingsCodec::FactoryLine1));
    QCOMPARE(image.settingsLine2, QString(SettingsCodec::FactoryLine2));
    for (const ChannelRow &row : image.channels)
        QCOMPARE(row, ChannelRow());
}

void tst_CloneFile::confirmSaveChanges_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");  // -1: not asked
    QTest::addColumn<bool>("saveSucceeds");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("proceed");
    using A = SavePrompt::Answer;
    QTest::newRow("no changes") << false << -1 << true << false << false << true;
    QTest::newRow("cancel") << true << int(A::Cancel) << true << true << false << false;
    QTest::newRow("no") << true << int(A::No) << true << true << false << true;
    QTest::newRow("yes, saved") << true << int(A::Yes) << true << true << true << true;
    QTest::newRow("yes, save cancelled or failed") << true << int(A::Yes) << false << true << true << false;
}

void tst_CloneFile::confirmSaveChanges()
{
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(bool, saveSucceeds);
    QFETCH(bool, asked);
    QFETCH(bool, saved);
    QFETCH(bool, proceed);
    CloneDocument state;
    changed ? state.markTouched() : state.markSaved();
    bool wasAsked = false;
    bool wasSaved = false;
    const bool result = SavePrompt::confirm(
        state,
        [&] {
            wasAsked = true;
            return SavePrompt::Answer(answer);
        },
        [&] {
            wasSaved = true;
            return saveSucceeds;
        });
    QCOMPARE(wasAsked, asked);
    QCOMPARE(wasSaved, saved);
    QCOMPARE(result, proceed);
}

QTEST_GUILESS_MAIN(tst_CloneFile)
#include "tst_CloneFile.moc"
