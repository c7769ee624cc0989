#include "codec/ChannelCodec.h"
#include "codec/ChannelName.h"
#include "codec/ChannelRules.h"
#include "codec/RecordText.h"
#include "files/CloneFile.h"
#include "files/CsvExchange.h"
#include "files/NumericText.h"
#include "StateSnapshot.h"
#include "TestFiles.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray HeaderLine =
    "\"MODEL\",\"BANK\",\"CHANNEL\",\"FREQUENCY\",\"STEP\",\"TONE\",\"TXTONE\",\"RXTONE\",\"DCS\",\"SHIFT\","
    "\"SHIFT FREQUENCY\",\"Power\",\"ATT\",\"BS\",\"Clock\",\"BCLO\",\"Name\",\"Skip\"\r\n";
const QByteArray DefaultVfoLines =
    "\"QT-R70\",\"VFO\",\"VFO A\",\"7.100.000\",\"LSB\",\"0\",\"Slow\",\"High\",\"Wide\",\"Off\",\"Off\",\"\",\"\",\"\",\"\",\"\",\"No\",\"Off\"\r\n"
    "\"QT-R70\",\"VFO\",\"VFO B\",\"7.100.000\",\"LSB\",\"0\",\"Slow\",\"High\",\"Wide\",\"Off\",\"Off\",\"\",\"\",\"\",\"\",\"\",\"No\",\"Off\"\r\n";

CloneImage freshImage()
{
    return CloneImage::factory(Vocabulary::ModelE, false);
}

// Channel n in use with every field varied, built through the record codec.
void fillChannel(CloneImage &image, int n)
{
    Record b{};
    b[0] = n % 5 == 0 ? 0x88 : 0x80;
    b[1] = std::uint8_t(n % 6);
    b[2] = std::uint8_t(n % 4);
    b[3] = std::uint8_t(n % 2);
    b[4] = std::uint8_t(n % 3);
    b[6] = std::uint8_t((n / 2) % 2);
    b[7] = n % 40 == 39 ? 0 : std::uint8_t(0x80 + n % 39);
    b[9] = std::uint8_t((n / 3) % 2);
    RecordText::writeField32(b, 16, 1600000 + 123457u * n);
    const QString name = QStringLiteral("N%1 #/").arg(n).left(8);
    for (int i = 0; i < name.size(); ++i)
        b[20 + i] = std::uint8_t(ChannelCodec::nameCharCode(name.at(i)));
    RecordText::writeField32(b, 28, 29000000 - 1000u * n);
    if (!ChannelCodec::decode(RecordText::join(b), image.channels[n]))
        qFatal("channel %d does not decode", n);
}

QString csvRecord(const QString &bank, const QString &channel, const QString &values)
{
    return QStringLiteral("QT-R70,%1,%2,%3\r\n").arg(bank, channel, values);
}

const QString GoodValues = "14.195.000,USB,-10,Fast,Low,Narrow,88.5Hz,On,7.050.000,CQ,Skip,,,,Off";

// An image of random channels the radio can hold, for model option
// `seed % 4`: each slot empty or in use with items from its lists, a
// frequency in range, a split in range or 0 (none), a name of the radio's
// characters.
CloneImage generatedImage(quint32 seed)
{
    QRandomGenerator random(seed);
    CloneImage image = CloneImage::factory(int(seed % 4), seed % 3 == 0);
    const ChannelRules::Range range = ChannelRules::of(image).range();
    const QString nameCharacters = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ *#+-/\\=()$_");
    const auto any = [&random](qint64 from, qint64 to) { return from + qint64(random.bounded(quint64(to - from))); };
    for (int n = 0; n < CsvExchange::ExportedChannels; ++n) {
        if (random.bounded(3) == 0)
            continue;
        Record b{};
        b[0] = random.bounded(4) == 0 ? 0x88 : 0x80;
        for (const auto &[column, byte] : {std::pair{ChannelColumn::Mode, 1}, {ChannelColumn::Gain, 2}, {ChannelColumn::Agc, 3},
                                           {ChannelColumn::Power, 4}, {ChannelColumn::Filter, 6}, {ChannelColumn::Tone, 7},
                                           {ChannelColumn::NoiseBlanker, 9}}) {
            const int items = int(Vocabulary::items(column).size());
            b[size_t(byte)] = std::uint8_t(Vocabulary::codeOfPosition(column, int(random.bounded(items))));
        }
        RecordText::writeField32(b, 16, std::uint32_t(any(range.lower, range.upper)));
        const int nameLength = int(random.bounded(ChannelName::Length + 1));
        for (int i = 0; i < nameLength; ++i)
            b[size_t(20 + i)] = std::uint8_t(ChannelCodec::nameCharCode(nameCharacters.at(random.bounded(int(nameCharacters.size())))));
        RecordText::writeField32(b, 28, random.bounded(4) == 0 ? 0u : std::uint32_t(any(range.lower, range.upper)));
        if (!ChannelCodec::decode(RecordText::join(b), image.channels[n]))
            qFatal("generated channel %d does not decode", n);
    }
    return image;
}

// The files of one of the fuzz targets' seed corpora.
QStringList corpusFiles(const QString &target)
{
    const QDir corpus(qEnvironmentVariable("QTR70_SOURCE_DIR") + QStringLiteral("/fuzz/corpus/") + target);
    QStringList files;
    for (const QString &name : corpus.entryList(QDir::Files, QDir::Name))
        files.append(corpus.filePath(name));
    return files;
}

} // namespace

class tst_CsvExchange : public QObject
{
    Q_OBJECT
private slots:
    void numericValue_data();
    void numericValue();
    void exportWithoutChannels();
    void exportSmallImage();
    void exportWritesTheFile();
    void roundTrip();
    void everyAcceptedImageComesBack_data();
    void everyAcceptedImageComesBack();
    void recognition_data();
    void recognition();
    void valueFields_data();
    void valueFields();
    void dropsOnlyBadRecord();
    void laterRecordOverwrites();
    void unreadableFile();
    void storedOnlyWhenARecordIs();
};

void tst_CsvExchange::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("tone with unit") << "88.5Hz" << 88.5;
    QTest::newRow("leading zero") << "023" << 23.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("blanks inside ignored") << " 1 2\t3\n" << 123.0;
    QTest::newRow("negative") << "-1" << -1.0;
    QTest::newRow("fraction") << "12.7" << 12.7;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("exponent") << "1e2x" << 100.0;
    QTest::newRow("bare exponent letter") << "7e" << 7.0;
    QTest::newRow("hex") << "&H1F" << 31.0;
    QTest::newRow("octal") << "&o17" << 15.0;
    QTest::newRow("empty") << "" << 0.0;
}

void tst_CsvExchange::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumericText::value(text), value);
    QCOMPARE(NumericText::roundHalfEven(12.5), 12.0);
    QCOMPARE(NumericText::roundHalfEven(13.5), 14.0);
}

void tst_CsvExchange::exportWithoutChannels()
{
    CloneImage image = freshImage();
    fillChannel(image, 250);  // rows 200-603 are never exported
    QCOMPARE(CsvExchange::exportBytes(image), HeaderLine + DefaultVfoLines);
}

void tst_CsvExchange::exportSmallImage()
{
    CloneImage image = freshImage();
    fillChannel(image, 5);
    fillChannel(image, 199);
    image.channels[5].csvExtras.second = "note";
    image.channels[5].csvExtras.on = true;
    const QByteArray expected = HeaderLine + DefaultVfoLines
        + "\"QT-R70\",\"MEMORY\",\"5\",\"2.217.285\",\"FM\",\"-10\",\"Slow\",\"S-Low\",\"Wide\",\"79.7Hz\",\"On\","
          "\"28.995.000\",\"N5 #/\",\"Skip\",\"\",\"note\",\"\",\"On\"\r\n"
          "\"QT-R70\",\"MEMORY\",\"199\",\"26.167.943\",\"LSB\",\"+10\",\"Slow\",\"Low\",\"Narrow\",\"Off\",\"Off\","
          "\"28.801.000\",\"N199 #/\",\"\",\"\",\"\",\"\",\"Off\"\r\n";
    QCOMPARE(CsvExchange::exportBytes(image).split('\n'), expected.split('\n'));
}

void tst_CsvExchange::exportWritesTheFile()
{
    QTemporaryDir dir;
    CloneImage image = freshImage();
    fillChannel(image, 17);
    const QString path = dir.filePath("out.csv");
    QVERIFY(CsvExchange::exportFile(image, path).ok());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), CsvExchange::exportBytes(image));

    const FileResult failed = CsvExchange::exportFile(image, dir.filePath("missing/out.csv"));
    QCOMPARE(failed.message(), QString("File Open Error"));
    QVERIFY(!QFile::exists(dir.filePath("missing/out.csv")));
}

void tst_CsvExchange::roundTrip()
{
    CloneImage original = freshImage();
    for (int n = 0; n < 200; ++n)
        fillChannel(original, n);
    for (int n : {3, 77}) {
        original.channels[n].csvExtras.first = "a";
        original.channels[n].csvExtras.third = "c, with comma";
        original.channels[n].csvExtras.on = true;
    }
    VfoRow &vfoB = original.vfos[1];
    vfoB.frequency = 21074000;
    vfoB.tone = 0xA6;  // "250.3Hz"

    const CsvExchange::ImportResult result =
        CsvExchange::importBytes(CsvExchange::exportBytes(original), freshImage());
    QVERIFY(result.file.ok());
    QCOMPARE(result.channels, 200);
    QCOMPARE(result.vfos, 2);
    QCOMPARE(result.dropped, 0);
    QVERIFY(result.stored());
    QCOMPARE(imageSnapshot(result.image), imageSnapshot(original));
}

void tst_CsvExchange::everyAcceptedImageComesBack_data()
{
    // Factory and generated images hold only what the radio can hold: the
    // rules must accept them. Corpus files may hold more.
    QTest::addColumn<QByteArray>("cloneFile");
    QTest::addColumn<bool>("holdable");
    for (int variant = Vocabulary::ModelJ; variant <= Vocabulary::ModelA; ++variant) {
        for (bool extended : {false, true})
            QTest::addRow("factory %d%s", variant, extended ? " extended" : "")
                << CloneFile::toBytes(CloneImage::factory(variant, extended)) << true;
    }
    for (quint32 seed = 1; seed <= 24; ++seed)
        QTest::addRow("generated %u", seed) << CloneFile::toBytes(generatedImage(seed)) << true;
    for (const QString &path : corpusFiles(QStringLiteral("fuzz_clone_file")))
        QTest::addRow("%s", qPrintable(QFileInfo(path).fileName())) << readFile(path) << false;
    // A record corpus entry: its selector byte, then the record text.
    for (const QString &path : corpusFiles(QStringLiteral("fuzz_records"))) {
        CloneImage image = freshImage();
        if (QFileInfo(path).fileName().startsWith(QLatin1String("channel"))
            && ChannelCodec::decode(QString::fromLatin1(readFile(path).mid(1, 64)), image.channels[7]))
            QTest::addRow("%s in slot 7", qPrintable(QFileInfo(path).fileName())) << CloneFile::toBytes(image) << false;
    }
}

// Export then import gives back every image the clone file reader accepts
// whose channels the radio's rules accept: the channels exported and the
// VFOs come back as they were, a split of 0 (none) among them.
void tst_CsvExchange::everyAcceptedImageComesBack()
{
    QFETCH(QByteArray, cloneFile);
    QFETCH(bool, holdable);
    CloneImage image;
    if (!CloneFile::fromBytes(cloneFile, image).ok())
        QSKIP("the clone file reader refuses this file");
    const ChannelRules rules = ChannelRules::of(image);
    for (int n = 0; n < CsvExchange::ExportedChannels; ++n) {
        const auto problem = rules.check(image.channels.at(n));
        if (problem && holdable)
            QFAIL(qPrintable(QStringLiteral("slot %1 is refused: %2").arg(n).arg(problem->text())));
        if (problem)
            QSKIP(qPrintable(QStringLiteral("slot %1 breaks a rule: %2").arg(n).arg(problem->text())));
    }
    CloneImage emptied = image;
    for (int n = 0; n < CsvExchange::ExportedChannels; ++n)
        emptied.channels[n] = ChannelRow();
    emptied.vfos = CloneImage().vfos;

    const CsvExchange::ImportResult result = CsvExchange::importBytes(CsvExchange::exportBytes(image), emptied);
    QCOMPARE(result.refused, QStringList());
    QCOMPARE(imageSnapshot(result.image), imageSnapshot(image));
}

void tst_CsvExchange::recognition_data()
{
    QTest::addColumn<QString>("csv");
    QTest::addColumn<int>("row");  // -1: nothing stored
    QTest::newRow("channel 12") << csvRecord("MEMORY", "12", GoodValues) << 12;
    QTest::newRow("channel 12.7 rounds to 13") << csvRecord("MEMORY", "12.7", GoodValues) << 13;
    QTest::newRow("channel 12.5 rounds to even") << csvRecord("MEMORY", "12.5", GoodValues) << 12;
    QTest::newRow("channel abc is 0") << csvRecord("MEMORY", "abc", GoodValues) << 0;
    QTest::newRow("channel 199") << csvRecord("MEMORY", "\"199\"", GoodValues) << 199;
    QTest::newRow("channel 199.7 skipped") << csvRecord("MEMORY", "199.7", GoodValues) << -1;
    QTest::newRow("channel 200 skipped") << csvRecord("MEMORY", "200", GoodValues) << -1;
    QTest::newRow("channel -1 skipped") << csvRecord("MEMORY", "-1", GoodValues) << -1;
    QTest::newRow("empty channel skipped") << csvRecord("MEMORY", "", GoodValues) << -1;
    QTest::newRow("unknown bank") << csvRecord("BANK", "12", GoodValues) << -1;
    QTest::newRow("model in other case") << csvRecord("MEMORY", "12", GoodValues).replace("QT-R70", "qt-r70") << -1;
    QTest::newRow("record over several lines")
        << "junk,QT-R70\r\nMEMORY\r\n7,14.195.000,USB\r\n-10,Fast\nLow,Narrow,88.5Hz,On,7.050.000,CQ\r\nSkip,,,,Off\r\n"
        << 7;
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + csvRecord("MEMORY", "9", GoodValues) << 9;
    QTest::newRow("cut short by the end")
        << csvRecord("MEMORY", "4", GoodValues).left(40) << -1;
}

void tst_CsvExchange::recognition()
{
    QFETCH(QString, csv);
    QFETCH(int, row);
    const CloneImage image = freshImage();
    const QString before = imageSnapshot(image);
    const CsvExchange::ImportResult result = CsvExchange::importBytes(csv.toUtf8(), image);
    QVERIFY(result.file.ok());
    if (row < 0) {
        QCOMPARE(result.channels, 0);
        QCOMPARE(imageSnapshot(result.image), before);
        return;
    }
    QCOMPARE(result.channels, 1);
    for (int n = 0; n < 604; ++n)
        QCOMPARE(result.image.channels[n].inUse, n == row);
    const ChannelRow &stored = result.image.channels[row];
    const QStringList texts{"14.195.000", "USB", "-10", "Fast", "Low", "Narrow", "88.5Hz", "On", "7.050.000", "CQ", "Skip"};
    QCOMPARE(stored.texts(), texts);
    const QList<qint64> values{14195000, 0, 1, 0, 1, 1, 0x88, 1, 7050000, 0, 1};
    for (int c = 0; c < values.size(); ++c)
        QCOMPARE(stored.value(ChannelColumn(c)), values.at(c));
    QCOMPARE(stored.csvExtras, ChannelRow::CsvExtras());
}

void tst_CsvExchange::valueFields_data()
{
    QTest::addColumn<int>("field");  // CSV field number 4..18
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain hertz") << 4 << "7050000" << true << 7050000.0 << "7.050.000";
    // The radio's rules: its range (standard coverage here), its names.
    QTest::newRow("largest field, outside the range") << 4 << "4294.967.295" << false << 0.0 << "";
    QTest::newRow("99 MHz") << 4 << "99.000.000" << false << 0.0 << "";
    QTest::newRow("lowest of the range") << 4 << "1.600.000" << true << 1600000.0 << "1.600.000";
    QTest::newRow("split outside the range") << 12 << "0.150.000" << false << 0.0 << "";
    QTest::newRow("too large") << 4 << "4294967296" << false << 0.0 << "";
    QTest::newRow("MHz with decimal point") << 4 << "7.05" << false << 0.0 << "";
    QTest::newRow("mode FM") << 5 << "FM" << true << 5.0 << "FM";
    QTest::newRow("mode lower case") << 5 << "fm" << false << 0.0 << "";
    QTest::newRow("gain 10") << 6 << "10" << true << 3.0 << "+10";
    QTest::newRow("gain +10") << 6 << "+10" << true << 3.0 << "+10";
    QTest::newRow("gain -30") << 6 << "-30" << false << 0.0 << "";
    QTest::newRow("AGC Slow") << 7 << "Slow" << true << 1.0 << "Slow";
    QTest::newRow("power S-Low") << 8 << "S-Low" << true << 2.0 << "S-Low";
    QTest::newRow("filter Wide") << 9 << "Wide" << true << 0.0 << "Wide";
    QTest::newRow("tone without unit") << 10 << "88.5" << true << 136.0 << "88.5Hz";
    QTest::newRow("tone Off") << 10 << "Off" << true << 0.0 << "Off";
    QTest::newRow("tone 88.4") << 10 << "88.4" << false << 0.0 << "";
    QTest::newRow("tone 100 by value") << 10 << "100" << true << 140.0 << "100.0Hz";
    QTest::newRow("tone 88.50 by value") << 10 << "88.50" << true << 136.0 << "88.5Hz";
    QTest::newRow("tone 67 by value") << 10 << "67" << true << 128.0 << "67.0Hz";
    QTest::newRow("tone 159.8 not in list") << 10 << "159.8Hz" << false << 0.0 << "";
    QTest::newRow("noise blanker On") << 11 << "On" << true << 1.0 << "On";
    QTest::newRow("split") << 12 << "29.999.999" << true << 29999999.0 << "29.999.999";
    QTest::newRow("name upper-cased") << 13 << "cq dx" << true << 0.0 << "CQ DX";
    QTest::newRow("name with a full stop") << 13 << "AB.CD" << false << 0.0 << "";
    QTest::newRow("name of nine") << 13 << "ABCDEFGHI" << false << 0.0 << "";
    QTest::newRow("skip empty") << 14 << "" << true << 0.0 << "";
    QTest::newRow("skip other text") << 14 << "Yes" << false << 0.0 << "";
    QTest::newRow("spare text kept") << 16 << "anything" << true << 0.0 << "anything";
    QTest::newRow("spare value On") << 18 << "On" << true << 1.0 << "";
    QTest::newRow("spare value other") << 18 << "1" << true << 0.0 << "";
}

void tst_CsvExchange::valueFields()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(bool, stored);
    QFETCH(double, value);
    QFETCH(QString, shown);
    QStringList values = GoodValues.split(',');
    values[field - 4] = text;
    const CsvExchange::ImportResult result =
        CsvExchange::importBytes(csvRecord("MEMORY", "3", values.join(',')).toUtf8(), freshImage());
    QCOMPARE(result.channels, stored ? 1 : 0);
    QCOMPARE(result.dropped, stored ? 0 : 1);
    const ChannelRow &row = result.image.channels[3];
    QCOMPARE(row.inUse, stored);
    if (stored) {
        const int column = field - 4;
        const ChannelRow::CsvExtras &extras = row.csvExtras;
        if (column < Vocabulary::ChannelGridColumns) {
            QCOMPARE(row.text(ChannelColumn(column)), shown);
            QCOMPARE(double(row.value(ChannelColumn(column))), value);
        } else if (column < 14) {
            QCOMPARE(QStringList({extras.first, extras.second, extras.third}).at(column - 11), shown);
        } else {
            QCOMPARE(extras.on ? 1.0 : 0.0, value);
        }
    }
}

void tst_CsvExchange::dropsOnlyBadRecord()
{
    QString bad = GoodValues;
    bad.replace("USB", "XSB");
    const QString csv = csvRecord("MEMORY", "1", GoodValues) + csvRecord("MEMORY", "2", bad)
        + csvRecord("VFO", "VFO B", GoodValues) + csvRecord("VFO", "VFO C", GoodValues)
        + csvRecord("MEMORY", "3", GoodValues);
    const CloneImage image = freshImage();
    const CsvExchange::ImportResult result = CsvExchange::importBytes(csv.toUtf8(), image);
    QCOMPARE(result.channels, 2);
    QCOMPARE(result.vfos, 1);
    QCOMPARE(result.dropped, 2);
    const auto &channels = result.image.channels;
    QVERIFY(channels[1].inUse && !channels[2].inUse && channels[3].inUse);
    const VfoRow &vfoB = result.image.vfos[1];
    QCOMPARE(vfoB.text(ChannelColumn::Frequency), QString("14.195.000"));
    QCOMPARE(vfoB.text(ChannelColumn::NoiseBlanker), QString("On"));
    QVERIFY(vfoB.text(ChannelColumn::Split).isEmpty());  // split, name and skip are no VFO fields
    QCOMPARE(result.image.vfos[0], image.vfos[0]);
}

void tst_CsvExchange::laterRecordOverwrites()
{
    QString second = GoodValues;
    second.replace("CQ", "LATER");
    CloneImage image = freshImage();
    fillChannel(image, 150);
    const CsvExchange::ImportResult result = CsvExchange::importBytes(
        (csvRecord("MEMORY", "8", GoodValues) + csvRecord("MEMORY", "8", second)).toUtf8(), image);
    QCOMPARE(result.image.channels[8].text(ChannelColumn::Name), QString("LATER"));
    QCOMPARE(result.image.channels[150], image.channels[150]);
}

void tst_CsvExchange::unreadableFile()
{
    CloneImage image = freshImage();
    fillChannel(image, 4);
    const CsvExchange::ImportResult result = CsvExchange::importFile("/nonexistent/in.csv", image);
    QCOMPARE(result.file.message(), QString("File Open Error"));
    QVERIFY(!result.stored());
    QCOMPARE(imageSnapshot(result.image), imageSnapshot(image));
}

void tst_CsvExchange::storedOnlyWhenARecordIs()
{
    // What the caller makes of an import (unsaved changes or not) follows
    // stored().
    const CloneImage image = freshImage();
    const CsvExchange::ImportResult headerOnly = CsvExchange::importBytes(HeaderLine, image);
    QVERIFY(headerOnly.file.ok());
    QVERIFY(!headerOnly.stored());
    QCOMPARE(imageSnapshot(headerOnly.image), imageSnapshot(image));

    const CsvExchange::ImportResult vfoOnly =
        CsvExchange::importBytes(csvRecord("VFO", "VFO A", GoodValues).toUtf8(), image);
    QVERIFY(vfoOnly.stored());
    const CsvExchange::ImportResult channel =
        CsvExchange::importBytes(csvRecord("MEMORY", "1", GoodValues).toUtf8(), image);
    QVERIFY(channel.stored());
}

QTEST_GUILESS_MAIN(tst_CsvExchange)
#include "tst_CsvExchange.moc"
