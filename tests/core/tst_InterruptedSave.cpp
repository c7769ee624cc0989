// A save that is interrupted at any point never destroys the previous file:
// the file holds either the old or the new image, whole.
#include "files/CloneFile.h"
#include "files/CsvExchange.h"
#include "ForkedChild.h"
#include "TestFiles.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// Runs `save` with the file size limited to `limit` bytes. SIGXFSZ keeps
// its default disposition (ending the process): the saving code must not
// let it arrive.
template <typename Save>
FileResult withFileSizeLimit(rlim_t limit, Save save)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &small);
    const FileResult result = save();
    setrlimit(RLIMIT_FSIZE, &saved);
    return result;
}

} // namespace

class tst_InterruptedSave : public QObject
{
    Q_OBJECT
private slots:
    void deviceFailsAfterBytes_data();
    void deviceFailsAfterBytes();
    void killedWhileSaving();
    void fileSizeLimitInAFreshProcess();
};

void tst_InterruptedSave::deviceFailsAfterBytes_data()
{
    QTest::addColumn<bool>("csv");
    QTest::addColumn<int>("limit");
    // Up to one byte short of the whole file (a clone file has 40196
    // bytes; -1 stands for the CSV size less one).
    for (int limit : {0, 1, 33, 4096, 16384, 40195})
        QTest::addRow("clone file, %d bytes", limit) << false << limit;
    for (int limit : {0, 1, 33, 4096, -1})
        QTest::addRow("csv, %d bytes", limit) << true << limit;
}

void tst_InterruptedSave::deviceFailsAfterBytes()
{
    QFETCH(bool, csv);
    QFETCH(int, limit);
    QTemporaryDir dir;
    const QString path = dir.filePath(csv ? "radio.csv" : "radio.R70");
    const QByteArray old = QByteArray("previous contents\r\n").repeated(2000);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    CloneImage image = CloneImage::factory(Vocabulary::ModelE, false);
    for (int n = 0; n < 200; ++n) {
        image.channels[n].inUse = true;
        image.channels[n].name = QStringLiteral("CH%1").arg(n);
    }
    if (limit < 0)
        limit = CsvExchange::exportBytes(image).size() - 1;
    const FileResult result = withFileSizeLimit(rlim_t(limit), [&] {
        return csv ? CsvExchange::exportFile(image, path) : CloneFile::write(path, image);
    });
    QCOMPARE(result.message(), QString("File Open Error"));
    QCOMPARE(readFile(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});
}

void tst_InterruptedSave::killedWhileSaving()
{
    const QString helper = qEnvironmentVariable("QTR70_SAVE_LOOP_BIN");
    QVERIFY2(!helper.isEmpty(), "QTR70_SAVE_LOOP_BIN must name the save loop helper");
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.R70");

    // The two images the helper alternates between.
    QByteArray images[2];
    for (int i = 0; i < 2; ++i) {
        CloneImage image = CloneImage::factory(Vocabulary::ModelE, false);
        image.modelVariant = i;
        image.channels[i].inUse = true;
        images[i] = CloneFile::toBytes(image);
    }

    QRandomGenerator rng(1207);
    for (int round = 0; round < 20; ++round) {
        QProcess child;
        child.start(helper, {path});
        QVERIFY(child.waitForReadyRead(10000));
        QTest::qWait(int(rng.bounded(1, 40)));
        child.kill();
        QVERIFY(child.waitForFinished(10000));
        const QByteArray contents = readFile(path);
        QVERIFY2(contents == images[0] || contents == images[1],
                 qPrintable(QStringLiteral("round %1: %2 bytes").arg(round).arg(contents.size())));
    }
}

void tst_InterruptedSave::fileSizeLimitInAFreshProcess()
{
    // As under "ulimit -f 20": a save larger than the limit over an existing
    // file. The saving process must live to report the failure (not be
    // ended by SIGXFSZ), and the old file must stay.
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.R70");
    const QByteArray old = QByteArray("previous contents\r\n").repeated(100);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    const CloneImage image = CloneImage::factory(Vocabulary::ModelE, false);
    QVERIFY(CloneFile::toBytes(image).size() > 20 * 1024);

    const ForkedChild::Outcome child = ForkedChild::run([&] {
        std::signal(SIGXFSZ, SIG_DFL);  // as a freshly started program has it
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 20 * 1024;
        setrlimit(RLIMIT_FSIZE, &limit);
        const FileResult result = CloneFile::write(path, image);
        struct sigaction now{};
        sigaction(SIGXFSZ, nullptr, &now);
        return (result.message() + ": " + result.detail()).toUtf8()
            + (now.sa_handler == SIG_DFL ? "" : " (SIGXFSZ left ignored)");
    });
    QVERIFY2(child.exited, qPrintable(QStringLiteral("the saving process died by signal %1").arg(child.signal)));
    QCOMPARE(QString::fromUtf8(child.output), "File Open Error: File too large: " + path);
    QCOMPARE(readFile(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"radio.R70"});
}

QTEST_GUILESS_MAIN(tst_InterruptedSave)
#include "tst_InterruptedSave.moc"
