// Write Changes against the virtual radio: what it reads, what it writes
// and in which order, what the radio holds afterwards, and the backup of
// what it held before.
#include "BackupStore.h"
#include "CloneFile.h"
#include "ImageRecords.h"
#include "LineExchange.h"
#include "MemoryMap.h"
#include "Module1.h"
#include "SerialRadioPort.h"
#include "SettingsTable.h"
#include "SimProcess.h"
#include "TestFiles.h"
#include "TransferEngine.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Commands of the reads Read ALL makes: settings, VFOs, end; 604 slots, end.
constexpr int ReadAllCommands = 4 + 1 + CloneImage::ChannelCount + 1;
const QList<int> ChangedSlots = {3, 150, 210, 401, 600};

CloneImage radioImage()
{
    CloneImage image = CloneImage::factory(Vocabulary::ModelE, false);
    for (int n : {1, 3, 150, 300}) {
        ChannelRow &row = image.Channels[n];
        row.inUse = true;
        row.valueAt(ChannelColumn::Frequency) = 7000000 + n;
    }
    return image;
}

// The radio's image with five channels and the beep setting changed.
CloneImage programImage()
{
    CloneImage image = radioImage();
    for (int n : ChangedSlots) {
        ChannelRow &row = image.Channels[n];
        row.inUse = true;
        row.valueAt(ChannelColumn::Frequency) = 14000000 + n;
        row.textAt(ChannelColumn::Name) = QStringLiteral("NEW");
    }
    const int beep = SettingsTable::indexOf(QStringLiteral("cmbBeep"));
    image.SettingSelection[size_t(beep)] = 1 - image.SettingSelection[size_t(beep)];
    return image;
}

QStringList lines(const QString &path)
{
    return QString::fromLatin1(readFile(path)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList recordTexts(const CloneImage &image)
{
    QStringList texts;
    for (const ImageRecords::Entry &entry : ImageRecords::of(image))
        texts.append(entry.text);
    return texts;
}

QStringList recordTextsOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return CloneFile::readRecords(file).records;
}

} // namespace

class tst_WriteChanges : public QObject
{
    Q_OBJECT
private slots:
    void writesOnlyWhatDiffers_data();
    void writesOnlyWhatDiffers();
    void failurePartWayNamesWhatWasWritten();

private:
    struct Run
    {
        TransferResult result;
        QStringList log;
        QStringList radioAfter;
        QList<int> changed;
        QString backup;
    };
    Run run(const CloneImage &program, const QStringList &simOptions = {});
    QTemporaryDir m_dir;
};

tst_WriteChanges::Run tst_WriteChanges::run(const CloneImage &program, const QStringList &simOptions)
{
    Run out;
    const QString radioFile = m_dir.filePath(QStringLiteral("radio.R70"));
    const QString logFile = m_dir.filePath(QStringLiteral("log.txt"));
    const QString savedFile = m_dir.filePath(QStringLiteral("saved.R70"));
    QFile::remove(savedFile);
    if (!CloneFile::WriteCloneFile(radioFile, radioImage()).ok())
        return out;
    SimProcess sim;
    if (!sim.start(QStringList{"--image", radioFile, "--log", logFile, "--save", savedFile} + simOptions))
        return out;

    Module1 document;
    document.setImage(program);
    SerialRadioPort port;
    port.setDevicePath(sim.devicePath());
    TransferEngine engine(document, port);
    engine.setPauseMs(0);
    engine.exchange().setReplyTimeoutMs(500);
    const BackupStore backups(m_dir.filePath(QStringLiteral("backups")));
    out.result = engine.writeChanges([&](const CloneImage &radio, const QList<int> &changed) {
        backups.save(radio, BackupStore::Kind::BeforeWrite, QDateTime::currentDateTime(), &out.backup);
        out.changed = changed;
        return true;
    });
    port.close();
    sim.stop();
    out.log = lines(logFile);
    out.radioAfter = recordTextsOf(savedFile);
    return out;
}

void tst_WriteChanges::writesOnlyWhatDiffers_data()
{
    QTest::addColumn<bool>("changed");
    QTest::newRow("5 channels and a settings record") << true;
    QTest::newRow("the same image") << false;
}

void tst_WriteChanges::writesOnlyWhatDiffers()
{
    QFETCH(bool, changed);
    const CloneImage program = changed ? programImage() : radioImage();
    const Run r = run(program);
    QVERIFY2(r.result.ok(), qPrintable(r.result.detail()));

    QStringList expected;
    for (int address : {MemoryMap::SettingsRecord1, MemoryMap::SettingsRecord2, MemoryMap::VfoA, MemoryMap::VfoB})
        expected << QStringLiteral("KV~F%1R").arg(MemoryMap::addressText(address));
    expected << QStringLiteral("KV~E");
    for (int n = 0; n < CloneImage::ChannelCount; ++n)
        expected << QStringLiteral("KV~F%1R").arg(MemoryMap::channelAddressText(n));
    expected << QStringLiteral("KV~E");
    QCOMPARE(r.log.mid(0, ReadAllCommands), expected);

    const QStringList programRecords = recordTexts(program);
    if (!changed) {
        QCOMPARE(r.log.size(), ReadAllCommands);  // no model check, no write at all
        QVERIFY(r.changed.isEmpty());
    } else {
        QStringList writes{QStringLiteral("QTR70"),
                           QStringLiteral("KV~F0300W") + programRecords.at(0), QStringLiteral("KV~E"),
                           QStringLiteral("QTR70")};
        QStringList readBack{QStringLiteral("KV~F0300R")};
        for (int n : ChangedSlots) {
            writes << QStringLiteral("KV~F%1W").arg(MemoryMap::channelAddressText(n)) + programRecords.at(4 + n);
            readBack << QStringLiteral("KV~F%1R").arg(MemoryMap::channelAddressText(n));
        }
        writes << QStringLiteral("KV~E");
        readBack << QStringLiteral("KV~E");
        QCOMPARE(r.log.mid(ReadAllCommands), writes + readBack);
    }
    QCOMPARE(r.radioAfter, programRecords);
    QCOMPARE(recordTextsOf(r.backup), recordTexts(radioImage()));
}

void tst_WriteChanges::failurePartWayNamesWhatWasWritten()
{
    // Silent after the reads, the settings sequence and two slot writes.
    const int answered = ReadAllCommands + 3 + 1 + 2;
    const Run r = run(programImage(), {"--fault", QStringLiteral("hang-after=%1").arg(answered)});
    QCOMPARE(r.result.outcome(), TransferResult::Outcome::CommunicationFailure);
    QVERIFY2(r.result.detail().endsWith(QStringLiteral("written: record 0300, slots 3, 150")),
             qPrintable(r.result.detail()));
    QCOMPARE(recordTextsOf(r.backup), recordTexts(radioImage()));
}

QTEST_GUILESS_MAIN(tst_WriteChanges)
#include "tst_WriteChanges.moc"
