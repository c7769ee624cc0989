// Write Changes against the virtual radio: what it reads, what it writes
// and in which order, what the radio holds afterwards, and the backup of
// what it held before.
#include "app/CloneDocument.h"
#include "codec/ChannelCodec.h"
#include "codec/ImageRecords.h"
#include "codec/MemoryMap.h"
#include "codec/SettingsTable.h"
#include "files/BackupStore.h"
#include "files/CloneFile.h"
#include "link/LineExchange.h"
#include "link/SerialRadioPort.h"
#include "SimProcess.h"
#include "TransferRunner.h"
#include "TestFiles.h"
#include "link/TransferEngine.h"
#include "session/RadioSession.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Commands of the reads Read ALL makes: settings, VFOs, end; 604 slots, end.
constexpr int ReadAllCommands = 4 + 1 + CloneImage::ChannelCount + 1;
const QList<int> ChangedSlots = {3, 150, 210, 401, 600};

// The rows with the texts their records give them.
CloneImage decoded(CloneImage image)
{
    for (ChannelRow &row : image.channels)
        ChannelCodec::decode(ChannelCodec::encode(row), row);
    return image;
}

CloneImage radioImage()
{
    CloneImage image = CloneImage::factory(Vocabulary::ModelE, false);
    for (int n : {1, 3, 150, 300}) {
        ChannelRow &row = image.channels[n];
        row.inUse = true;
        row.frequency = 7000000 + n;
    }
    // A split on its frequency, which stays when the program moves it.
    image.channels[150].split = 7000150;
    return decoded(image);
}

// The radio's image with five channels and the beep setting changed.
CloneImage programImage()
{
    CloneImage image = radioImage();
    for (int n : ChangedSlots) {
        ChannelRow &row = image.channels[n];
        row.inUse = true;
        row.frequency = 14000000 + n;
        row.name = QStringLiteral("NEW");
    }
    const size_t beep = size_t(SettingsTable::index(SettingId::Beep));
    image.selections[beep] = 1 - image.selections[beep];
    return decoded(image);
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
    void stopInEveryPhase_data();
    void stopInEveryPhase();
    void noWriteWithoutItsBackup();

private:
    struct Run
    {
        SessionResult result;
        QStringList log;
        QStringList radioAfter;
        QString question;
        QString backup;
    };
    // Write Changes of `program` to the virtual radio; `stopAt` asks the
    // session to stop when the engine reaches that channel slot in its
    // `stopPhase`-th memory step (counting from 1).
    Run run(const CloneImage &program, const QStringList &simOptions = {}, int stopPhase = 0, int stopAt = -1,
            const QString &backupFolder = QString());
    QTemporaryDir m_dir;
};

tst_WriteChanges::Run tst_WriteChanges::run(const CloneImage &program, const QStringList &simOptions, int stopPhase,
                                             int stopAt, const QString &backupFolder)
{
    Run out;
    const QString radioFile = m_dir.filePath(QStringLiteral("radio.R70"));
    const QString logFile = m_dir.filePath(QStringLiteral("log.txt"));
    const QString savedFile = m_dir.filePath(QStringLiteral("saved.R70"));
    QFile::remove(savedFile);
    if (!CloneFile::write(radioFile, radioImage()).ok())
        return out;
    SimProcess sim;
    if (!sim.start(QStringList{"--image", radioFile, "--log", logFile, "--save", savedFile} + simOptions))
        return out;

    CloneDocument document;
    document.setImage(program);
    SerialRadioPort port;
    port.setDevicePath(sim.devicePath());
    RadioSession session(document, port);
    session.engine().setPauseMs(0);
    session.engine().exchange().setReplyTimeoutMs(500);
    session.setBackupStore(BackupStore(backupFolder.isEmpty() ? m_dir.filePath(QStringLiteral("backups")) : backupFolder));
    int memorySteps = 0;
    QObject::connect(&session.engine(), &TransferEngine::transferStarted, [&](TransferEngine::Kind kind) {
        memorySteps += kind == TransferEngine::Kind::ReadMemory || kind == TransferEngine::Kind::WriteMemory;
    });
    QObject::connect(&session.engine(), &TransferEngine::slotChanged, [&](int slot) {
        if (memorySteps == stopPhase && slot == stopAt)
            session.requestStop();
    });
    // On the worker, as the engine reports: the stop comes at that very slot.
    out.result = runWriteChanges(session, [&](const ChangesQuestion &question) {
        out.question = question.text();
        return true;
    });
    out.backup = out.result.backupPath;
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
    QVERIFY2(r.result.ok(), qPrintable(r.result.transfer.detail()));

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
        QCOMPARE(r.result.changes, SessionResult::Changes::NothingToWrite);
        QVERIFY(r.question.isEmpty());
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
        QCOMPARE(r.result.changesText(), QStringLiteral("Wrote record 0300 and slots 3, 150, 210, 401 and 600."));
        // The question says which side is the radio and what becomes of each record.
        QVERIFY2(r.question.startsWith(QStringLiteral("The radio (QT-R70E) holds 6 records")), qPrintable(r.question));
        QVERIFY2(r.question.contains(QStringLiteral("Channel 3: radio now: Frequency 7.000.003, Name (empty) \u2192 "
                                                    "after writing: Frequency 14.000.003, Name NEW")),
                 qPrintable(r.question));
        QVERIFY2(r.question.contains(QStringLiteral("Channel A10: new: 14.000.210, USB, NEW")), qPrintable(r.question));
        // A split left on the old band is shown beside the new frequency.
        QVERIFY2(r.question.contains(QStringLiteral("Channel 150: radio now: Frequency 7.000.150, Split Freq. 7.000.150, "
                                                    "Name (empty) \u2192 after writing: Frequency 14.000.150, Split Freq. "
                                                    "7.000.150, Name NEW")),
                 qPrintable(r.question));
        QVERIFY2(r.question.contains(QStringLiteral("Beep: radio now: On \u2192 after writing: Off")), qPrintable(r.question));
    }
    QCOMPARE(r.radioAfter, programRecords);
    QCOMPARE(recordTextsOf(r.backup), recordTexts(radioImage()));
}

void tst_WriteChanges::failurePartWayNamesWhatWasWritten()
{
    // Silent after the reads, the settings sequence and two slot writes.
    const int answered = ReadAllCommands + 3 + 1 + 2;
    const Run r = run(programImage(), {"--fault", QStringLiteral("hang-after=%1").arg(answered)});
    QCOMPARE(r.result.transfer.outcome(), TransferResult::Outcome::CommunicationFailure);
    QCOMPARE(r.result.changesText(), QStringLiteral("Written to the radio before the failure: record 0300 and slots 3 and 150."));
    QCOMPARE(recordTextsOf(r.backup), recordTexts(radioImage()));
}

void tst_WriteChanges::stopInEveryPhase_data()
{
    QTest::addColumn<int>("phase");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("writes");
    QTest::addColumn<QString>("said");
    // Memory steps: 1 reads the radio, 2 writes, 3 reads back.
    QTest::newRow("reading the radio") << 1 << 100 << 0 << "Stopped before writing; nothing was written.";
    QTest::newRow("writing") << 2 << 150 << 3 << "Stopped; wrote record 0300 and slots 3 and 150.";
    QTest::newRow("reading back") << 3 << 210 << 6 << "Stopped; wrote record 0300 and slots 3, 150, 210, 401 and 600.";
}

void tst_WriteChanges::stopInEveryPhase()
{
    QFETCH(int, phase);
    QFETCH(int, slot);
    QFETCH(int, writes);
    QFETCH(QString, said);
    const Run r = run(programImage(), {}, phase, slot);
    QCOMPARE(r.result.transfer.outcome(), TransferResult::Outcome::Interrupted);
    QCOMPARE(r.result.changesText(), said);
    // The exchange in flight finished; the radio was told the end.
    QCOMPARE(r.log.filter(QRegularExpression(QStringLiteral("^KV~F....W"))).size(), writes);
    QCOMPARE(r.log.constLast(), QStringLiteral("KV~E"));
}

void tst_WriteChanges::noWriteWithoutItsBackup()
{
    // The backups folder cannot be made: a file stands in its place.
    const QString blocked = m_dir.filePath(QStringLiteral("not-a-folder"));
    QFile file(blocked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const Run r = run(programImage(), {}, 0, -1, blocked + QStringLiteral("/backups"));
    QCOMPARE(r.result.changes, SessionResult::Changes::BackupFailed);
    QVERIFY(!r.result.ok());
    QVERIFY(r.question.isEmpty());
    QCOMPARE(r.log.size(), ReadAllCommands);
    QVERIFY2(r.result.changesText().endsWith(QStringLiteral("so nothing was written.")), qPrintable(r.result.changesText()));
}

QTEST_GUILESS_MAIN(tst_WriteChanges)
#include "tst_WriteChanges.moc"
