#include "ChannelCodec.h"
#include "CloneFile.h"
#include "ForkedChild.h"
#include "Module1.h"
#include "SimProcess.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run qtr70(const QStringList &arguments)
{
    QProcess process;
    process.start(qEnvironmentVariable("QTR70_BIN"), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes a clone file of the program's own making and returns its path.
QString writeImage(const QString &path, int model, bool extended, const QString &name)
{
    Module1 state;
    CloneFile::New(state);
    state.ModelVariant = model;
    state.ExtendedRange = extended;
    const char *const records[] = {
        "8805000100000188000100000000000010936B003C4A39543D51000010936B00",
        "800300000200010000010000000000003899D800000000000000000000000000",
    };
    ChannelCodec::DecodeChannel(state, QLatin1String(records[0]), 5);
    ChannelCodec::DecodeChannel(state, QLatin1String(records[1]), 401);
    state.ChannelText[401][9] = name;
    state.SettingSelection[1] = 20;
    if (!CloneFile::WriteCloneFile(state, path).ok())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

} // namespace

class tst_CommandLineTool : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void readGivesTheRadiosImage();
    void writeThenSavedMemoryIsTheImage_data();
    void writeThenSavedMemoryIsTheImage();
    void identify_data();
    void identify();
    void failures_data();
    void failures();
    void showAndDiff();
    void csvRoundTrip();
    void outputNameThatCannotBeRepresented();

private:
    QTemporaryDir m_dir;
};

void tst_CommandLineTool::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("QTR70_BIN") || qEnvironmentVariableIsEmpty("QTR70_SIM_BIN"))
        QFAIL("QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    QVERIFY(m_dir.isValid());
}

void tst_CommandLineTool::readGivesTheRadiosImage()
{
    const QString image = writeImage(m_dir.filePath("radio.R70"), 1, true, "ABC");
    SimProcess sim;
    QVERIFY(sim.start({"--image", image}));
    const QString copy = m_dir.filePath("copy.R70");
    const Run run = qtr70({"read", "--port", sim.devicePath(), "-o", copy});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));  // no progress bar: stderr is no terminal
    QCOMPARE(readFile(copy), readFile(image));
}

void tst_CommandLineTool::writeThenSavedMemoryIsTheImage_data()
{
    QTest::addColumn<QStringList>("only");
    QTest::addColumn<bool>("settingsWritten");
    QTest::addColumn<bool>("memoryWritten");
    QTest::newRow("all") << QStringList() << true << true;
    QTest::newRow("settings") << QStringList{"--settings"} << true << false;
    QTest::newRow("memory") << QStringList{"--memory"} << false << true;
}

void tst_CommandLineTool::writeThenSavedMemoryIsTheImage()
{
    QFETCH(QStringList, only);
    QFETCH(bool, settingsWritten);
    QFETCH(bool, memoryWritten);
    const QString image = writeImage(m_dir.filePath("write.R70"), 2, false, "XYZ");
    const QString before = m_dir.filePath("before.R70");
    const QString saved = m_dir.filePath("saved.R70");
    QFile::remove(saved);
    QFile::remove(before);
    {
        // The sim's own factory image, for the parts not written.
        SimProcess sim;
        QVERIFY(sim.start({"--save", before}));
        sim.stop();
    }
    SimProcess sim;
    QVERIFY(sim.start({"--save", saved}));
    const Run run = qtr70(QStringList{"write", "--port", sim.devicePath()} + only + QStringList{image});
    QCOMPARE(run.exitCode, 0);
    sim.stop();

    const QList<QByteArray> want = readFile(image).split('\n');
    const QList<QByteArray> old = readFile(before).split('\n');
    const QList<QByteArray> got = readFile(saved).split('\n');
    QCOMPARE(got.size(), want.size());
    for (int line = 2; line <= 609; ++line) {
        const bool written = line <= 5 ? settingsWritten : memoryWritten;
        QCOMPARE(got[line - 1], written ? want[line - 1] : old[line - 1]);
    }
}

void tst_CommandLineTool::identify_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QString>("output");
    QTest::newRow("J") << QStringList{"--variant", "J"} << "QT-R70J\nextended coverage: no\n";
    QTest::newRow("A extended, QTR60")
        << QStringList{"--variant", "A", "--extended", "--model", "QTR60"} << "QT-R70A\nextended coverage: yes\n";
}

void tst_CommandLineTool::identify()
{
    QFETCH(QStringList, simArgs);
    QFETCH(QString, output);
    SimProcess sim;
    QVERIFY(sim.start(simArgs));
    const Run run = qtr70({"identify", "--port", sim.devicePath()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, output);
}

void tst_CommandLineTool::failures_data()
{
    QTest::addColumn<QStringList>("simArgs");  // empty: no sim
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString out = m_dir.filePath("never.R70");
    QTest::newRow("silent radio") << QStringList{"--fault", "silent"} << QStringList{"read", "--port", "SIM", "-o", out}
                                  << 1 << "Communication Error";
    QTest::newRow("radio stops after 100 commands")
        << QStringList{"--fault", "hang-after=100"} << QStringList{"read", "--port", "SIM", "-o", out} << 1
        << "Communication Error";
    QTest::newRow("missing port") << QStringList() << QStringList{"read", "--port", "/nonexistent/tty", "-o", out} << 1
                                  << "COM Port Error: No such file or directory";
    QTest::newRow("write refused") << QStringList{"--fault", "no-ok"}
                                   << QStringList{"write", "--port", "SIM", "--settings", "IMAGE"} << 1
                                   << "Communication Error";
    QTest::newRow("port number out of range") << QStringList() << QStringList{"identify", "--port", "15"} << 2
                                              << "no such port";
    QTest::newRow("unknown command") << QStringList() << QStringList{"backup"} << 2 << "Usage:";
    QTest::newRow("missing output") << QStringList() << QStringList{"read", "--port", "1"} << 2 << "Usage:";
    QTest::newRow("missing file") << QStringList() << QStringList{"show", "/nonexistent.R70"} << 3
                                  << "File Open Error";
    QTest::newRow("not a clone file") << QStringList() << QStringList{"show", "NOTCLONE"} << 3 << "Data Error";
}

void tst_CommandLineTool::failures()
{
    QFETCH(QStringList, simArgs);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const QString notClone = m_dir.filePath("not.R70");
    QFile f(notClone);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("hello\r\n").repeated(700));
    f.close();
    SimProcess sim;
    if (!simArgs.isEmpty()) {
        QVERIFY(sim.start(simArgs));
        arguments.replaceInStrings("SIM", sim.devicePath());
    }
    arguments.replaceInStrings("IMAGE", writeImage(m_dir.filePath("w.R70"), 2, false, "A"));
    arguments.replaceInStrings("NOTCLONE", notClone);
    const Run run = qtr70(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(!QFile::exists(m_dir.filePath("never.R70")));
}

void tst_CommandLineTool::showAndDiff()
{
    const QString a = writeImage(m_dir.filePath("a.R70"), 0, false, "ONE");
    const QString b = writeImage(m_dir.filePath("b.R70"), 3, true, "TWO");

    const Run show = qtr70({"show", a});
    QCOMPARE(show.exitCode, 0);
    QVERIFY(show.out.startsWith("Model: QT-R70J\n"));
    QVERIFY(show.out.contains(QRegularExpression("\n  Key Speed\\(WPM\\) +26\n")));
    QVERIFY(show.out.contains(QRegularExpression("\n  5 +7\\.050\\.000 +FM +0 +Slow +High +Narrow +88\\.5Hz +On +7\\.050\\.000 +CQ9 DX +Skip\n")));
    QVERIFY(show.out.contains(QRegularExpression("\n  A-P2 +14\\.195\\.000 +CWL +0 +Fast +S-Low +Narrow +Off +On +0\\.000\\.000 +ONE\n")));

    const Run same = qtr70({"diff", a, a});
    QCOMPARE(same.exitCode, 0);
    QVERIFY(same.out.isEmpty());

    const Run different = qtr70({"diff", a, b});
    QCOMPARE(different.exitCode, 1);
    QCOMPARE(different.out, QString("Model: QT-R70J -> QT-R70A (extended coverage)\n"
                                    "Channel A-P2 Name: ONE -> TWO\n"));
}

void tst_CommandLineTool::csvRoundTrip()
{
    const QString image = writeImage(m_dir.filePath("csv.R70"), 2, false, "CSV");
    const QString csv = m_dir.filePath("out.csv");
    QCOMPARE(qtr70({"export-csv", image, "-o", csv}).exitCode, 0);
    QVERIFY(readFile(csv).startsWith("\"MODEL\",\"BANK\""));

    // Channel 401 (A-P2) is not exported; channel 5 and the VFOs are.
    QFile f(csv);
    QVERIFY(f.open(QIODevice::Append));
    f.write("QT-R70,MEMORY,6,7.000.000,CWU,0,Fast,High,Wide,Off,Off,0.000.000,new,,,,,Off\r\n"
            "QT-R70,MEMORY,7,7.000.000,XXX,0,Fast,High,Wide,Off,Off,0.000.000,bad,,,,,Off\r\n");
    f.close();
    const QString blank = m_dir.filePath("blank.R70");
    Module1 state;
    CloneFile::New(state);
    QVERIFY(CloneFile::WriteCloneFile(state, blank).ok());
    const QString merged = m_dir.filePath("merged.R70");
    const Run run = qtr70({"import-csv", blank, csv, "-o", merged});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QString("Stored 2 channel(s) and 2 VFO record(s); dropped 1 record(s).\n"));
    const Run different = qtr70({"diff", image, merged});
    QCOMPARE(different.out, QString("Setting Key Speed(WPM): 26 -> 20\n"
                                    "Channel 6: only in the second (7.000.000 CWU)\n"
                                    "Channel A-P2: only in the first (14.195.000 CWL)\n"));
}

void tst_CommandLineTool::outputNameThatCannotBeRepresented()
{
    // qtr70 export-csv good.R70 -o $'out\xff.csv': the byte 0xFF is no
    // UTF-8; the tool must not write "out\xef\xbf\xbd.csv" instead.
    const QString image = writeImage(m_dir.filePath("name.R70"), 0, false, "NAME");
    QTemporaryDir outDir;
    const QByteArray out = QFile::encodeName(outDir.path()) + "/out\xff.csv";
    const ForkedChild::Outcome run = ForkedChild::exec(QFile::encodeName(qEnvironmentVariable("QTR70_BIN")),
                                                       {"export-csv", QFile::encodeName(image), "-o", out});
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.output.startsWith("File Open Error: the file name cannot be represented exactly"),
             run.output.constData());
    QCOMPARE(QDir(outDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

QTEST_GUILESS_MAIN(tst_CommandLineTool)
#include "tst_CommandLineTool.moc"
