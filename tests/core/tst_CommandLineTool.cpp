// The command-line tool, mostly in-process (its ports talk to the virtual
// radio's classes through a scripted port), and a few runs of the real
// program against the virtual radio program.
#include "codec/ChannelCodec.h"
#include "files/CloneFile.h"
#include "files/CsvExchange.h"
#include "CommandLineTool.h"
#include "FakeSerialPortList.h"
#include "PortsCommand.h"
#include "link/PortAssignments.h"
#include "link/PortNames.h"
#include "app/SignalWatcher.h"
#include "files/BackupStore.h"
#include "ForkedChild.h"
#include "RadioImage.h"
#include "ScriptedPort.h"
#include "SimProcess.h"
#include "VirtualRadio.h"
#include "TestFiles.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

// Long enough for replies that come within the event loop.
constexpr int ReplyBoundMs = 200;

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The real program.
Run qtr70(const QStringList &arguments,
          const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(qEnvironmentVariable("QTR70_BIN"), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

bool programsBuilt()
{
    return !qEnvironmentVariableIsEmpty("QTR70_BIN") && !qEnvironmentVariableIsEmpty("QTR70_SIM_BIN");
}

// The tool in-process, talking to an in-process virtual radio: every port
// it makes is a scripted port that hands each command to `radio`. It takes
// the --port values the program takes.
struct InProcess
{
    explicit InProcess(const VirtualRadio &r) : radio(r) {}

    Run run(const QStringList &arguments)
    {
        Run result;
        QTextStream out(&result.out);
        QTextStream err(&result.err);
        CommandLineTool *toolPointer = nullptr;
        CommandLineTool tool(out, err, [this, &toolPointer](const QString &value) -> std::unique_ptr<RadioPort> {
            CommandLineTool &tool = *toolPointer;
            if (!CommandLineTool::serialPort(value))
                return nullptr;
            ports.append(value);
            auto port = std::make_unique<ScriptedPort>();
            port->setResponder([this, &tool](const QByteArray &command) {
                commands.append(command);
                sentAt.append(clock.elapsed());
                if (commands.size() == interruptAfter)
                    tool.interrupt(SIGINT);
                const QByteArray reply = radio.reply(command);
                return reply.isEmpty() ? QByteArrayList{} : QByteArrayList{reply};
            });
            return port;
        });
        toolPointer = &tool;
        clock.start();
        tool.setPauseMs(pauseMs);
        tool.setReplyTimeoutMs(ReplyBoundMs);
        tool.setBackupStore(BackupStore(backups.path()));
        tool.setShowProgress(showProgress);
        result.exitCode = tool.run(arguments);
        return result;
    }

    VirtualRadio radio;
    QStringList ports;       // the --port values the tool made ports for
    QByteArrayList commands; // every command the radio was sent
    int interruptAfter = -1; // Ctrl+C once the radio has had this many commands
    int pauseMs = 0;         // the pause between operations
    bool showProgress = false; // progress bars on stderr, as on a terminal
    QElapsedTimer clock;
    QList<qint64> sentAt;    // when each command was sent, ms
    QTemporaryDir backups;
};

VirtualRadio factoryRadio(const QString &fault = QString(), const QString &model = QStringLiteral("QTR70"),
                          int variant = VirtualRadio::DefaultVariant, bool extended = false)
{
    const SimFault parsed = fault.isEmpty() ? SimFault() : SimFault::parse(fault).value();
    return VirtualRadio(RadioImage::factoryImage(variant), model, variant, extended, parsed);
}

// A radio holding a clone file, with the model option of its header.
VirtualRadio radioHolding(const QString &path)
{
    QFile file(path);
    RadioImage image;
    RadioImage::Loaded loaded;
    QString error;
    if (!file.open(QIODevice::ReadOnly) || !RadioImage::fromCloneFile(file, image, loaded, error))
        qFatal("cannot load %s: %s", qPrintable(path), qPrintable(error));
    return VirtualRadio(image, QStringLiteral("QTR70"), loaded.variant, loaded.extended);
}

// What the radio holds, as a clone file.
QByteArray cloneFileOf(const VirtualRadio &radio)
{
    return radio.image().toCloneFile(radio.variant(), radio.extended());
}

// Writes a clone file of the program's own making and returns its path.
QString writeImage(const QString &path, int model, bool extended, const QString &name)
{
    CloneImage image = CloneImage::factory(Vocabulary::ModelE, false);
    image.modelVariant = model;
    image.extendedRange = extended;
    const char *const records[] = {
        "8805000100000188000100000000000010936B003C4A39543D51000010936B00",
        "800300000200010000010000000000003899D800000000000000000000000000",
    };
    ChannelCodec::decode(QLatin1String(records[0]), image.channels[5]);
    ChannelCodec::decode(QLatin1String(records[1]), image.channels[401]);
    image.channels[401].name = name;
    image.selections[1] = 20;
    if (!CloneFile::write(path, image).ok())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Lines 2..609 of `got` are those of `written` where the write reached
// (settings and VFOs: lines 2-5; memory: the rest), else those of `old`.
void compareRecords(const QByteArray &got, const QByteArray &written, const QByteArray &old,
                    bool settingsWritten, bool memoryWritten)
{
    const QList<QByteArray> want = written.split('\n');
    const QList<QByteArray> before = old.split('\n');
    const QList<QByteArray> lines = got.split('\n');
    QCOMPARE(lines.size(), want.size());
    for (int line = 2; line <= 609; ++line) {
        const bool reached = line <= 5 ? settingsWritten : memoryWritten;
        QCOMPARE(lines[line - 1], reached ? want[line - 1] : before[line - 1]);
    }
}

} // namespace

class tst_CommandLineTool : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void readGivesTheRadiosImage_data();
    void readGivesTheRadiosImage();
    void writeThenRadioHoldsTheImage_data();
    void writeThenRadioHoldsTheImage();
    void identify_data();
    void identify();
    void failures_data();
    void failures();
    void help_data();
    void help();
    void showAndDiff();
    void csvRoundTrip();
    void endToEndNoSplitComesBack();
    void endToEndOutputThatIsAnInput_data();
    void endToEndOutputThatIsAnInput();
    void channelListNeedsYesWithoutATerminal();
    void outputNameThatCannotBeRepresented();
    void interrupted_data();
    void interrupted();
    void writeChangesNeedsYesWithoutATerminal();
    void writeChangesProgressCountsItsRecords();
    void backupsOfBothProgramsInOneFolder();
    void controlCharactersAreEscaped();
    void readPausesAfterIdentifying();
    void endToEndPrint();
    void endToEndSignal();
    void endToEndBackupFailureWritesNothing();
    void endToEndSpecialFiles_data();
    void endToEndSpecialFiles();
    void endToEndSignalOutsideTransfer();
    void endToEndSameDeviceThroughALink();

    void endToEndRead();
    void endToEndWrite();
    void severalRadiosAtOnce();
    void severalRadiosStopTogether();
    void severalRadiosRead();
    void severalRadiosOfAnotherModel_data();
    void severalRadiosOfAnotherModel();
    void endToEndMessages_data();
    void endToEndMessages();
    void endToEndAsksForLowLatency_data();
    void endToEndAsksForLowLatency();
    void portsTellTheLatencyTimer();

private:
    QTemporaryDir m_dir;
};

void tst_CommandLineTool::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void tst_CommandLineTool::readGivesTheRadiosImage_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QString>("said");
    QTest::newRow("T extended") << 1 << true << "Read QT-R70T (extended coverage) into %1\n";
    QTest::newRow("J") << 0 << false << "Read QT-R70J into %1\n";
}

void tst_CommandLineTool::readGivesTheRadiosImage()
{
    QFETCH(int, model);
    QFETCH(bool, extended);
    QFETCH(QString, said);
    const QString image = writeImage(m_dir.filePath("radio.R70"), model, extended, "ABC");
    InProcess tool(radioHolding(image));
    const QString copy = m_dir.filePath("copy.R70");
    QFile::remove(copy);

    const Run run = tool.run({"read", "--port", "3", "-o", copy});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, said.arg(copy));
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    QCOMPARE(readFile(copy), readFile(image));
    QCOMPARE(tool.ports, QStringList{"3"});
    // Auto Select, then Read ALL: four settings records, 604 channel
    // records, each step closed by its end command.
    QCOMPARE(tool.commands.size(), 1 + 5 + 605);
    QCOMPARE(tool.commands.first(), QByteArray("KV~WHO\r\n"));
    QCOMPARE(tool.commands.at(1), QByteArray("KV~F0300R\r\n"));
    QCOMPARE(tool.commands.count("KV~E\r\n"), 2);
}

void tst_CommandLineTool::writeThenRadioHoldsTheImage_data()
{
    QTest::addColumn<QStringList>("only");
    QTest::addColumn<bool>("settingsWritten");
    QTest::addColumn<bool>("memoryWritten");
    QTest::addColumn<int>("modelChecks");
    QTest::newRow("all") << QStringList() << true << true << 2;
    QTest::newRow("settings") << QStringList{"--settings"} << true << false << 1;
    QTest::newRow("memory") << QStringList{"--memory"} << false << true << 1;
}

void tst_CommandLineTool::writeThenRadioHoldsTheImage()
{
    QFETCH(QStringList, only);
    QFETCH(bool, settingsWritten);
    QFETCH(bool, memoryWritten);
    QFETCH(int, modelChecks);
    const QString image = writeImage(m_dir.filePath("write.R70"), 2, false, "XYZ");
    InProcess tool(factoryRadio());
    const QByteArray before = cloneFileOf(tool.radio);

    const Run run = tool.run(QStringList{"write", "--port", "/dev/ttyS9"} + only + QStringList{image});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QString("Wrote %1 to the radio\n").arg(image));
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    QCOMPARE(tool.ports, QStringList{"/dev/ttyS9"});
    QCOMPARE(tool.commands.count("QTR70\r\n"), modelChecks);
    compareRecords(cloneFileOf(tool.radio), readFile(image), before, settingsWritten, memoryWritten);
}

void tst_CommandLineTool::identify_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QString>("output");
    QTest::newRow("J") << "QTR70" << 0 << false << "QT-R70J\nextended coverage: no\n";
    QTest::newRow("A extended, QTR60") << "QTR60" << 3 << true << "QT-R70A\nextended coverage: yes\n";
}

void tst_CommandLineTool::identify()
{
    QFETCH(QString, model);
    QFETCH(int, variant);
    QFETCH(bool, extended);
    QFETCH(QString, output);
    InProcess tool(factoryRadio(QString(), model, variant, extended));
    const Run run = tool.run({"identify", "--port", "1"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, output);
    QCOMPARE(tool.commands, QByteArrayList{"KV~WHO\r\n"});
}

void tst_CommandLineTool::failures_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("commands"); // sent to the radio
    const QString out = m_dir.filePath("never.R70");
    QTest::newRow("silent radio") << "silent" << QStringList{"read", "--port", "1", "-o", out} << 1
                                  << "Communication Error" << 1;
    QTest::newRow("radio stops after 100 commands")
        << "hang-after=100" << QStringList{"read", "--port", "1", "-o", out} << 1 << "Communication Error" << 101;
    // Both model names are refused.
    QTest::newRow("write refused") << "no-ok" << QStringList{"write", "--port", "1", "--settings", "IMAGE"} << 1
                                   << "Communication Error" << 2;
    QTest::newRow("port number out of range") << "" << QStringList{"identify", "--port", "15"} << 2
                                              << "no such port" << 0;
    QTest::newRow("empty port") << "" << QStringList{"identify", "--port", ""} << 2 << "no such port" << 0;
    QTest::newRow("unknown command") << "" << QStringList{"backup"} << 2 << "Usage:" << 0;
    QTest::newRow("missing output") << "" << QStringList{"read", "--port", "1"} << 2 << "Usage:" << 0;
    QTest::newRow("both parts only") << "" << QStringList{"write", "--port", "1", "--settings", "--memory", "IMAGE"}
                                     << 2 << "Usage:" << 0;
    QTest::newRow("missing file") << "" << QStringList{"show", "/nonexistent.R70"} << 3 << "File Open Error" << 0;
    QTest::newRow("not a clone file") << "" << QStringList{"show", "NOTCLONE"} << 3 << "Data Error" << 0;
    QTest::newRow("image to write missing") << "" << QStringList{"write", "--port", "1", "/nonexistent.R70"} << 3
                                            << "File Open Error" << 0;
}

void tst_CommandLineTool::failures()
{
    QFETCH(QString, fault);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QFETCH(int, commands);
    const QString notClone = m_dir.filePath("not.R70");
    QFile f(notClone);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("hello\r\n").repeated(700));
    f.close();
    arguments.replaceInStrings("IMAGE", writeImage(m_dir.filePath("w.R70"), 2, false, "A"));
    arguments.replaceInStrings("NOTCLONE", notClone);
    InProcess tool(factoryRadio(fault));
    const QByteArray before = cloneFileOf(tool.radio);

    const Run run = tool.run(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QCOMPARE(tool.commands.size(), commands);
    QVERIFY(!QFile::exists(m_dir.filePath("never.R70")));
    QCOMPARE(cloneFileOf(tool.radio), before);
}

void tst_CommandLineTool::help_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("onError"); // the text goes to the error stream
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("tool") << QStringList{"--help"} << 0 << false << "Usage: qtr70 COMMAND [OPTIONS]";
    QTest::newRow("a command's own help") << QStringList{"write", "-h"} << 0 << false
                                          << "Usage: qtr70 write [options] FILE.R70";
    QTest::newRow("two arguments") << QStringList{"import-csv", "--help"} << 0 << false
                                   << "Usage: qtr70 import-csv [options] FILE.R70 IN.csv";
    QTest::newRow("unknown option") << QStringList{"read", "--bogus"} << 2 << true << "Unknown option 'bogus'.";
    QTest::newRow("no command") << QStringList() << 2 << true << "qtr70: no command given";
}

void tst_CommandLineTool::help()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(bool, onError);
    QFETCH(QString, firstLine);
    InProcess tool(factoryRadio());
    const Run run = tool.run(arguments);
    QCOMPARE(run.exitCode, exitCode);
    const QString &text = onError ? run.err : run.out;
    QVERIFY((onError ? run.out : run.err).isEmpty());
    QCOMPARE(text.section('\n', 0, 0), firstLine);
    // A refused option shows the command's help after the problem.
    if (arguments.value(0) == "read" && onError)
        QVERIFY2(text.contains("\nUsage: qtr70 read [options]\n"), qPrintable(text));
    // Arguments are listed whole, one per line.
    if (arguments.value(0) == "import-csv")
        QVERIFY2(text.endsWith("Arguments:\n  FILE.R70\n  IN.csv\n"), qPrintable(text));
    QVERIFY(tool.commands.isEmpty());
}

void tst_CommandLineTool::showAndDiff()
{
    const QString a = writeImage(m_dir.filePath("a.R70"), 0, false, "ONE");
    const QString b = writeImage(m_dir.filePath("b.R70"), 3, true, "TWO");
    InProcess tool(factoryRadio());

    const Run show = tool.run({"show", a});
    QCOMPARE(show.exitCode, 0);
    QVERIFY(show.out.startsWith("Model: QT-R70J\n"));
    QVERIFY(show.out.contains(QRegularExpression("\n  Key Speed\\(WPM\\) +26\n")));
    QVERIFY(show.out.contains(QRegularExpression("\n  5 +7\\.050\\.000 +FM +0 +Slow +High +Narrow +88\\.5Hz +On +7\\.050\\.000 +CQ9 DX +Skip\n")));
    QVERIFY(show.out.contains(QRegularExpression("\n  A-P2 +14\\.195\\.000 +CWL +0 +Fast +S-Low +Narrow +Off +On +0\\.000\\.000 +ONE\n")));

    const Run same = tool.run({"diff", a, a});
    QCOMPARE(same.exitCode, 0);
    QVERIFY(same.out.isEmpty());

    const Run different = tool.run({"diff", a, b});
    QCOMPARE(different.exitCode, 1);
    QCOMPARE(different.out, QString("Model: QT-R70J -> QT-R70A (extended coverage)\n"
                                    "Channel A-P2 Name: ONE -> TWO\n"));
    QVERIFY(tool.ports.isEmpty());

    // A channel moved off its split: the split is shown beside it.
    CloneImage moved;
    QVERIFY(CloneFile::load(a, moved).ok());
    moved.channels[5].frequency = 7100000;
    const QString c = m_dir.filePath("c.R70");
    QVERIFY(CloneFile::write(c, moved).ok());
    QCOMPARE(tool.run({"diff", a, c}).out, QString("Channel 5 Frequency: 7.050.000 -> 7.100.000\n"
                                                   "Channel 5 Split Freq.: 7.050.000 (the same)\n"));
}

void tst_CommandLineTool::csvRoundTrip()
{
    const QString image = writeImage(m_dir.filePath("csv.R70"), 2, false, "CSV");
    const QString csv = m_dir.filePath("out.csv");
    InProcess tool(factoryRadio());
    QCOMPARE(tool.run({"export-csv", image, "-o", csv}).exitCode, 0);
    QVERIFY(readFile(csv).startsWith("\"MODEL\",\"BANK\""));

    // Channel 401 (A-P2) is not exported; channel 5 and the VFOs are.
    QFile f(csv);
    QVERIFY(f.open(QIODevice::Append));
    f.write("QT-R70,MEMORY,6,7.000.000,CWU,0,Fast,High,Wide,100,Off,7.000.000,new,,,,,Off\r\n"
            "QT-R70,MEMORY,7,7.000.000,XXX,0,Fast,High,Wide,Off,Off,7.000.000,bad,,,,,Off\r\n"
            "QT-R70,MEMORY,8,99.000.000,USB,0,Fast,High,Wide,Off,Off,7.000.000,far,,,,,Off\r\n");
    f.close();
    const QString blank = m_dir.filePath("blank.R70");
    QVERIFY(CloneFile::write(blank, CloneImage::factory(Vocabulary::ModelE, false)).ok());
    const QString merged = m_dir.filePath("merged.R70");
    const Run run = tool.run({"import-csv", blank, csv, "-o", merged});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QString("Stored 2 channel(s) and 2 VFO record(s); dropped 2 record(s).\n"));
    // What the radio could not hold is refused by its line, with the field and the reason.
    QCOMPARE(run.err, QString("refused: line 6: Mode \"XXX\" is not understood\n"
                              "refused: line 7: Frequency 99.000.000 is outside the range (1.6MHz - 30MHz)\n"));
    const Run different = tool.run({"diff", image, merged});
    QCOMPARE(different.out, QString("Setting Key Speed(WPM): 26 -> 20\n"
                                    "Channel 6: only in the second (7.000.000 CWU)\n"
                                    "Channel A-P2: only in the first (14.195.000 CWL)\n"));
}

void tst_CommandLineTool::endToEndNoSplitComesBack()
{
    // A channel without a split (0), as radios hold them, survives export
    // and import in both CSV layouts.
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    const QString image = writeImage(m_dir.filePath("nosplit.R70"), 2, false, "NOSPLIT");
    CloneImage original;
    QVERIFY(CloneFile::load(image, original).ok());
    original.channels[9] = original.channels[401];
    QCOMPARE(original.channels[9].value(ChannelColumn::Split), 0.0);
    QVERIFY(CloneFile::write(image, original).ok());
    const QString blank = m_dir.filePath("nosplit-blank.R70");
    QVERIFY(CloneFile::write(blank, CloneImage::factory(Vocabulary::ModelE, false)).ok());

    const QString csv = m_dir.filePath("nosplit.csv");
    QCOMPARE(qtr70({"export-csv", image, "-o", csv}).exitCode, 0);
    const QString fromCsv = m_dir.filePath("nosplit-csv.R70");
    const Run imported = qtr70({"import-csv", blank, csv, "-o", fromCsv});
    QCOMPARE(imported.err, QString());
    QCOMPARE(imported.out, QString("Stored 2 channel(s) and 2 VFO record(s); dropped 0 record(s).\n"));
    QCOMPARE(qtr70({"diff", image, fromCsv}).out, QString("Setting Key Speed(WPM): 26 -> 20\n"
                                                         "Channel A-P2: only in the first (14.195.000 CWL)\n"));

    const QString list = m_dir.filePath("nosplit-list.csv");
    QCOMPARE(qtr70({"export-list", image, "-o", list}).exitCode, 0);
    const Run listed = qtr70({"import-list", blank, list, "-o", m_dir.filePath("nosplit-list.R70"), "--keep-location", "--yes"});
    QCOMPARE(listed.exitCode, 0);
    QVERIFY2(listed.out.contains("3 rows to store"), qPrintable(listed.out));
    QVERIFY2(!listed.out.contains("refused"), qPrintable(listed.out));
}

void tst_CommandLineTool::endToEndOutputThatIsAnInput_data()
{
    // IMAGE and LIST are the inputs; TARGET names one of them some way.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("target");
    QTest::newRow("export-list onto its clone file") << QStringList{"export-list", "IMAGE", "-o", "TARGET"} << "IMAGE";
    QTest::newRow("export-csv through a symbolic link") << QStringList{"export-csv", "IMAGE", "-o", "TARGET"} << "symlink";
    QTest::newRow("import-list onto its list") << QStringList{"import-list", "IMAGE", "LIST", "-o", "TARGET", "--yes"}
                                               << "LIST";
    QTest::newRow("import-csv through a hard link") << QStringList{"import-csv", "IMAGE", "LIST", "-o", "TARGET"}
                                                    << "hardlink";
    QTest::newRow("print onto its clone file") << QStringList{"print", "IMAGE", "-o", "TARGET"} << "IMAGE";
}

void tst_CommandLineTool::endToEndOutputThatIsAnInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, target);
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    QTemporaryDir dir;
    const QString image = writeImage(dir.filePath("in.R70"), 2, false, "INPUT");
    const QString list = dir.filePath("in.csv");
    QVERIFY(CsvExchange::exportFile(CloneImage::factory(Vocabulary::ModelE, false), list).ok());
    const QString symlink = dir.filePath("link.R70");
    QVERIFY(QFile::link(image, symlink));
    const QString hardlink = dir.filePath("hard.R70");
    QCOMPARE(::link(QFile::encodeName(image).constData(), QFile::encodeName(hardlink).constData()), 0);
    const QMap<QString, QString> names{{"IMAGE", image}, {"LIST", list}, {"symlink", symlink}, {"hardlink", hardlink}};
    const QByteArray imageBytes = readFile(image);
    const QByteArray listBytes = readFile(list);
    arguments.replaceInStrings("TARGET", names.value(target));
    arguments.replaceInStrings("IMAGE", image);
    arguments.replaceInStrings("LIST", list);

    const Run run = qtr70(arguments);
    QCOMPARE(run.exitCode, int(CommandLineTool::Usage));
    QVERIFY2(run.err.startsWith("qtr70: -o " + names.value(target) + " is the input "), qPrintable(run.err));
    QCOMPARE(readFile(image), imageBytes);
    QCOMPARE(readFile(list), listBytes);
}

void tst_CommandLineTool::channelListNeedsYesWithoutATerminal()
{
    const QString image = writeImage(m_dir.filePath("list.R70"), 2, false, "LIST");
    const QString list = m_dir.filePath("list.csv");
    const QString out = m_dir.filePath("list-out.R70");
    InProcess tool(factoryRadio());
    const Run exported = tool.run({"export-list", image, "-o", list, "--all"});
    QCOMPARE(exported.out, QString("Wrote 604 rows\n"));
    // The report, then a refusal to write: a script must say --yes.
    const Run refused = tool.run({"import-list", image, list, "-o", out, "--at", "B-P2"});
    QCOMPARE(refused.exitCode, int(CommandLineTool::Usage));
    QVERIFY(refused.out.startsWith("line 2 -> B-P2: empty; No frequency: the slot is left empty\n"
                                   "line 3: refused: did not fit below B-P2\n"));
    // The reason and the one option to add, not the whole usage.
    QCOMPARE(refused.err, QString("qtr70: import-list asks before writing, and there is no terminal to ask on: "
                                  "add --yes to write without asking\n"));
    QVERIFY(!QFile::exists(out));
    const Run stored = tool.run({"import-list", image, list, "-o", out, "--keep-location", "--yes"});
    QCOMPARE(stored.exitCode, 0);
    // A-P2 without a split (0) goes out and comes back as a simplex channel.
    QVERIFY(stored.out.contains("\nline 403 -> A-P2: 14.195.000 CWL 0 Slow S-Low Wide Off Off 14.195.000 LIST (replaces a channel)\n"));
    QVERIFY(stored.out.endsWith("604 rows to store in 0–199, A0–A199, A-P1, A-P2, B0–B199, B-P1, B-P2 (2 slots in use "
                                "replaced)\nWrote " + out + "\n"));
}

// ---- the real program against the virtual radio program -----------------

void tst_CommandLineTool::endToEndRead()
{
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    const QString image = writeImage(m_dir.filePath("radio.R70"), 1, true, "ABC");
    SimProcess sim;
    QVERIFY(sim.start({"--image", image}));
    const QString copy = m_dir.filePath("e2e-copy.R70");
    const Run run = qtr70({"read", "--port", sim.devicePath(), "-o", copy});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QString("Read QT-R70T (extended coverage) into %1\n").arg(copy));
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));  // no progress bar: stderr is no terminal
    QCOMPARE(readFile(copy), readFile(image));
}

void tst_CommandLineTool::endToEndWrite()
{
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    const QString image = writeImage(m_dir.filePath("e2e-write.R70"), 2, false, "XYZ");
    const QString saved = m_dir.filePath("saved.R70");
    QFile::remove(saved);
    SimProcess sim;
    QVERIFY(sim.start({"--save", saved}));
    const Run run = qtr70({"write", "--port", sim.devicePath(), image});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    sim.stop();
    QCOMPARE(sim.exitCode(), 0);
    compareRecords(readFile(saved), readFile(image), QByteArray(), true, true);
}

void tst_CommandLineTool::severalRadiosAtOnce()
{
    // One plan into four radios that each hold another image, and a fifth
    // (with the sample channels) that hangs up while it is being written.
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    const QString plan = writeImage(m_dir.filePath("plan.R70"), 2, false, "PLAN");
    constexpr int Radios = 5;
    std::vector<std::unique_ptr<SimProcess>> sims;
    QStringList saves;
    QStringList arguments{"write", "--changes", "--yes"};
    for (int r = 0; r < Radios; ++r) {
        saves << m_dir.filePath(QStringLiteral("radio%1.R70").arg(r));
        QFile::remove(saves.last());
        QStringList options{"--save", saves.last()};
        if (r < Radios - 1)
            options << "--image" << writeImage(m_dir.filePath(QStringLiteral("own%1.R70").arg(r)), 2, false, QStringLiteral("OWN%1").arg(r));
        else
            options << "--fault" << "close-after=615";  // read and backed up, gone after a few writes
        sims.push_back(std::make_unique<SimProcess>());
        QVERIFY(sims.back()->start(options));
        arguments << "--port" << sims.back()->devicePath();
    }
    arguments << plan;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString data = m_dir.filePath("fleet-data");
    environment.insert("XDG_DATA_HOME", data);
    const Run run = qtr70(arguments, environment);

    QCOMPARE(run.exitCode, 1);
    const QString gone = sims.back()->devicePath();
    QVERIFY2(run.out.contains(gone + " (QT-R70E): COM Port Error: "), qPrintable(run.out));
    QVERIFY2(run.out.contains("Written to the radio before the failure: "), qPrintable(run.out));
    QVERIFY2(run.out.endsWith("4 of 5 radios written\n"), qPrintable(run.out));
    QCOMPARE(run.err, "Not written: " + gone + "\n");
    for (int r = 0; r < Radios - 1; ++r) {
        QVERIFY2(run.out.contains(sims[size_t(r)]->devicePath() + " (QT-R70E): Wrote "), qPrintable(run.out));
        sims[size_t(r)]->stop();
        QCOMPARE(readFile(saves[r]), readFile(plan));
    }
    // Each radio was backed up before it was written, the fifth too.
    QCOMPARE(QDir(data + "/qtr70-clone/backups").entryList({"*before-write*.R70"}).size(), Radios);
}

void tst_CommandLineTool::severalRadiosStopTogether()
{
    // Ctrl+C while two paced radios are read for Write Changes: both stop,
    // each told the transfer ended, each named with what was written.
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    const QString plan = writeImage(m_dir.filePath("stop-plan.R70"), 2, false, "STOP");
    SimProcess sims[2];
    QStringList logs;
    QStringList arguments{"write", "--changes", "--yes"};
    for (SimProcess &sim : sims) {
        logs << m_dir.filePath(QStringLiteral("stop%1.log").arg(logs.size()));
        QFile::remove(logs.last());
        QVERIFY(sim.start({"--pace", "--log", logs.last()}));
        arguments << "--port" << sim.devicePath();
    }
    QProcess write;
    write.start(qEnvironmentVariable("QTR70_BIN"), arguments << plan);
    const auto heard = [](const QString &log) { return readFile(log).count('\n'); };
    QTRY_VERIFY_WITH_TIMEOUT(heard(logs[0]) > 20 && heard(logs[1]) > 20, 30000);
    ::kill(pid_t(write.processId()), SIGINT);
    QVERIFY(write.waitForFinished(30000));
    QCOMPARE(write.exitCode(), CommandLineTool::InterruptedBase + SIGINT);
    const QString out = QString::fromUtf8(write.readAllStandardOutput());
    QCOMPARE(out.count("): Stopped before writing; nothing was written.\n"), 2);
    QVERIFY2(out.endsWith("0 of 2 radios written\n"), qPrintable(out));
    for (const QString &log : logs)
        QVERIFY(readFile(log).trimmed().endsWith("KV~E"));
}

void tst_CommandLineTool::severalRadiosRead()
{
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    SimProcess sims[2];
    QStringList images;
    QStringList arguments{"read"};
    for (SimProcess &sim : sims) {
        images << writeImage(m_dir.filePath(QStringLiteral("held%1.R70").arg(images.size())), 1 + images.size(), false,
                             QStringLiteral("HELD%1").arg(images.size()));
        QVERIFY(sim.start({"--image", images.last()}));
        arguments << "--port" << sim.devicePath();
    }
    QTemporaryDir folder;
    const Run run = qtr70(arguments << "-o" << folder.path());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.endsWith("2 of 2 radios read\n"), qPrintable(run.out));
    for (int r = 0; r < 2; ++r) {
        // Each into a file named after its device.
        const QString name = sims[r].devicePath().section('/', -1);
        QCOMPARE(readFile(folder.filePath(name + ".R70")), readFile(images[r]));
    }
}

void tst_CommandLineTool::severalRadiosOfAnotherModel_data()
{
    QTest::addColumn<bool>("force");
    QTest::newRow("left alone") << false;
    QTest::newRow("--force-model") << true;
}

void tst_CommandLineTool::severalRadiosOfAnotherModel()
{
    // A QT-R70E plan, a QT-R70E radio and a QT-R70T one.
    QFETCH(bool, force);
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    const QString plan = writeImage(m_dir.filePath("model-plan.R70"), 2, false, "MODEL");
    SimProcess sims[2];
    QStringList saves;
    QStringList arguments{"write"};
    for (const char *variant : {"E", "T"}) {
        saves << m_dir.filePath(QStringLiteral("model-%1.R70").arg(QLatin1String(variant)));
        QFile::remove(saves.last());
        QVERIFY(sims[saves.size() - 1].start({"--variant", variant, "--save", saves.last()}));
        arguments << "--port" << sims[saves.size() - 1].devicePath();
    }
    if (force)
        arguments << "--force-model";
    const Run run = qtr70(arguments << plan);
    QCOMPARE(run.exitCode, force ? 0 : 1);
    const QString other = sims[1].devicePath() + " (QT-R70T): ";
    QCOMPARE(run.out.contains(other + "Not written: the radio is a QT-R70T, the file is for a QT-R70E "
                                      "(--force-model writes it)\n"),
             !force);
    QCOMPARE(run.err, force ? QString() : "Not written: " + sims[1].devicePath() + "\n");
    for (SimProcess &sim : sims)
        sim.stop();
    const auto holdsPlan = [](const QString &saved) {
        CloneImage held;
        return CloneFile::load(saved, held).ok() && held.channels[401].name == QLatin1String("MODEL");
    };
    QVERIFY(holdsPlan(saves[0]));
    QCOMPARE(holdsPlan(saves[1]), force);
}

void tst_CommandLineTool::endToEndMessages_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("missing port") << QStringList{"read", "--port", "/nonexistent/tty", "-o", "never.R70"} << 1
                                  << "" << "COM Port Error: No such file or directory: /nonexistent/tty. It is not there";
    QTest::newRow("port number out of range") << QStringList{"identify", "--port", "15"} << 2 << ""
                                              << "qtr70: no such port: 15\n\nUsage: qtr70 COMMAND [OPTIONS]\n";
    QTest::newRow("command help") << QStringList{"read", "--help"} << 0 << "Usage: qtr70 read [options]\n" << "";
}

void tst_CommandLineTool::endToEndMessages()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    const Run run = qtr70(arguments);
    QCOMPARE(run.exitCode, exitCode);
    // The first lines of each stream.
    QCOMPARE(run.out.left(out.size()), out);
    QCOMPARE(run.err.left(err.size()), err);
    QVERIFY(!QFile::exists("never.R70"));
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

    // Such a file that exists is not "No such file" either.
    const QByteArray in = QFile::encodeName(outDir.path()) + "/in\xff.R70";
    QVERIFY(QFile::copy(image, QFile::decodeName(QFile::encodeName(outDir.path()) + "/in")));
    QCOMPARE(::rename((QFile::encodeName(outDir.path()) + "/in").constData(), in.constData()), 0);
    const ForkedChild::Outcome show =
        ForkedChild::exec(QFile::encodeName(qEnvironmentVariable("QTR70_BIN")), {"show", in});
    QCOMPARE(show.exitCode, 3);
    QVERIFY2(show.output.startsWith("File Open Error: the file name cannot be represented exactly"),
             show.output.constData());
}


void tst_CommandLineTool::interrupted_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("after");
    QTest::addColumn<QString>("err");
    // write: model check, pause, slot 0 .. slot 285 written, then Ctrl+C.
    QTest::newRow("write") << QStringList{"write", "--memory", "--port", "1", "IMAGE"} << 1 + 286
                           << "interrupted: slots 0\u2013285 written, 286\u2013603 unchanged\n";
    QTest::newRow("read") << QStringList{"read", "--port", "1", "-o", "OUT"} << 1 + 5 + 10
                          << "no file written\ninterrupted: slots 0\u20139 read, 10\u2013603 not read\n";
    // Write Changes: the radio read (610 commands), then its writes (a
    // model check, record 0300, the end; a model check, ten slots, the
    // end), then the read back.
    const QStringList changes{"write", "--changes", "--yes", "--port", "1", "IMAGE"};
    QTest::newRow("write --changes, writing") << changes << 610 + 3 + 2
                                              << "interrupted: Stopped; wrote record 0300 and slot 0.\n";
    QTest::newRow("write --changes, reading back")
        << changes << 610 + 3 + 12 + 2
        << "interrupted: Stopped; wrote record 0300 and slots 0, 1, 2, 5, 12, 199, 200, 401, 402 and 603.\n";
}

void tst_CommandLineTool::interrupted()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, after);
    QFETCH(QString, err);
    const QString image = writeImage(m_dir.filePath("interrupted.R70"), 2, false, "INT");
    const QString output = m_dir.filePath("interrupted-out.R70");
    arguments.replaceInStrings("IMAGE", image);
    arguments.replaceInStrings("OUT", output);
    InProcess tool(factoryRadio());
    tool.interruptAfter = after;
    const Run run = tool.run(arguments);
    QCOMPARE(run.err, err);
    QCOMPARE(run.exitCode, CommandLineTool::InterruptedBase + SIGINT);
    QCOMPARE(tool.commands.last(), QByteArray("KV~E\r\n"));  // the radio's session ended
    QVERIFY(!QFile::exists(output));
}

void tst_CommandLineTool::writeChangesNeedsYesWithoutATerminal()
{
    // A script that forgot --yes is refused before the radio hears anything.
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    const QString image = writeImage(m_dir.filePath("noyes.R70"), 2, false, "NOYES");
    const QString log = m_dir.filePath("noyes-log.txt");
    SimProcess sim;
    QVERIFY(sim.start({"--log", log}));
    QProcess write;
    write.setStandardInputFile(QProcess::nullDevice());
    write.start(qEnvironmentVariable("QTR70_BIN"), {"write", "--changes", "--port", sim.devicePath(), image});
    QVERIFY(write.waitForFinished(60000));
    QCOMPARE(write.exitCode(), int(CommandLineTool::Usage));
    QVERIFY2(QString::fromUtf8(write.readAllStandardError()).contains("add --yes"), "the way out is named");
    sim.stop();
    QVERIFY(readFile(log).isEmpty());
}

void tst_CommandLineTool::writeChangesProgressCountsItsRecords()
{
    // Read all 604 channels, then write and read back only the changed
    // ones: each bar counts its own records and ends full.
    InProcess tool(factoryRadio());
    tool.showProgress = true;
    const QString image = writeImage(m_dir.filePath("progress.R70"), 2, false, "PROGRESS");
    const Run run = tool.run({"write", "--changes", "--yes", "--port", "1", image});
    QCOMPARE(run.exitCode, 0);
    QStringList ends;
    for (const QString &line : run.err.split('\n', Qt::SkipEmptyParts))
        ends.append(line.section('\r', -1).section(' ', 0, 0) + ' ' + line.section(' ', -1));
    // Reading settings and memory, writing settings and memory, reading back.
    QCOMPARE(ends.size(), 5);
    QCOMPARE(ends.mid(0, 2), QStringList({"Settings 4/4", "Memory 604/604"}));
    static const QRegularExpression full(QStringLiteral("^\\S+ (\\d+)/\\1$"));
    for (const QString &end : ends)
        QVERIFY2(full.match(end).hasMatch(), qPrintable(ends.join(" | ")));
    QVERIFY2(ends.last().startsWith("Memory ") && !ends.last().endsWith("/604"), qPrintable(ends.last()));
}

void tst_CommandLineTool::endToEndAsksForLowLatency_data()
{
    QTest::addColumn<QString>("driver");
    QTest::newRow("a driver that takes it") << "accept";
    QTest::newRow("a driver that refuses it") << "refuse";
}

void tst_CommandLineTool::endToEndAsksForLowLatency()
{
    // The program, with every terminal made to look like a USB serial
    // driver: opening the port asks for low latency; a refusal is harmless.
    QFETCH(QString, driver);
    QVERIFY2(programsBuilt() && !qEnvironmentVariableIsEmpty("QTR70_SERIAL_SHIM_LIB"),
             "QTR70_BIN, QTR70_SIM_BIN and QTR70_SERIAL_SHIM_LIB must name the built programs");
    SimProcess sim;
    QVERIFY(sim.start({}));
    const QString log = m_dir.filePath("serial-" + driver + ".log");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_PRELOAD", qEnvironmentVariable("QTR70_SERIAL_SHIM_LIB"));
    environment.insert("QTR70_SERIAL_SHIM", driver);
    environment.insert("QTR70_SERIAL_SHIM_LOG", log);
    // A sanitizer's runtime wants to come first; the shim only wraps ioctl.
    environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    const Run run = qtr70({"identify", "--port", sim.devicePath()}, environment);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith("QT-R70"));
    QFile asked(log);
    QVERIFY(asked.open(QIODevice::ReadOnly));
    QCOMPARE(asked.readAll(), QByteArray("TIOCSSERIAL flags=0x2000\n"));
}

void tst_CommandLineTool::portsTellTheLatencyTimer()
{
    // Where no device shows a latency timer, the listing is as it was; an
    // adapter's timer is a column, and one above 1 ms gets a hint.
    const PortAssignments none(m_dir.filePath("no-ports.ini"));
    const DetectedPort builtIn = FakeSerialPortList::device("/dev/ttyS0");
    const QString plain = PortsCommand::report(PortNames(FakeSerialPortList({builtIn}), none));
    QVERIFY(!plain.contains("LATENCY"));
    QVERIFY(!plain.contains("latency"));

    DetectedPort slow = FakeSerialPortList::device("/dev/ttyUSB0", "FT232R USB UART");
    slow.latencyTimerMs = 16;
    DetectedPort fast = FakeSerialPortList::device("/dev/ttyUSB1", "FT232R USB UART");
    fast.latencyTimerMs = 1;
    const QString listing = PortsCommand::report(PortNames(FakeSerialPortList({builtIn, slow, fast}), none));
    QVERIFY2(listing.contains(QRegularExpression("USB ID +LATENCY\n")), qPrintable(listing));
    QVERIFY(listing.contains(QRegularExpression("\n  /dev/ttyS0 .* - *\n")));
    QVERIFY(listing.contains(QRegularExpression("\n  /dev/ttyUSB0 .*0403:6001 +16 ms\n")));
    QVERIFY(listing.contains("  /dev/ttyUSB0: its latency timer of 16 ms"));
    QVERIFY(listing.contains("echo 1 | sudo tee /sys/class/tty/ttyUSB0/device/latency_timer"));
    QVERIFY(!listing.contains("/dev/ttyUSB1: its latency timer"));
    QCOMPARE(slow.summary(), QString("/dev/ttyUSB0 (FT232R USB UART, 0403:6001, latency timer 16 ms)"));
}

void tst_CommandLineTool::backupsOfBothProgramsInOneFolder()
{
    // qtr70 read keeps its backup where the desktop program keeps its own,
    // and "qtr70 backups" lists both, and those written under the old name.
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    QTemporaryDir home;
    const QString shared = home.filePath("qtr70-clone/backups");
    const QString earlier = home.filePath("qtr70/backups");
    const CloneImage image = CloneImage::factory(Vocabulary::ModelE, false);
    QVERIFY(BackupStore(shared).save(image, BackupStore::Kind::Memory, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))).ok());
    QVERIFY(BackupStore(earlier).save(image, BackupStore::Kind::All, QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5))).ok());
    SimProcess sim;
    QVERIFY(sim.start({}));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", home.path());
    qtr70({"read", "--port", sim.devicePath(), "-o", m_dir.filePath("shared.R70")}, environment);
    const QStringList listed = qtr70({"backups"}, environment).out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(listed.size(), 3);
    QVERIFY2(listed.at(0).startsWith(shared + "/") && listed.at(0).contains("_all.R70"), qPrintable(listed.at(0)));
    QVERIFY(listed.at(1).startsWith(shared + "/2026-01-02_030405_memory.R70"));
    QVERIFY(listed.at(2).startsWith(earlier + "/2025-01-02_030405_all.R70"));
}

void tst_CommandLineTool::readPausesAfterIdentifying()
{
    // Between the identification and the first settings read, the pause
    // the other sequences make between operations.
    InProcess tool(factoryRadio());
    tool.pauseMs = 10;
    const Run run = tool.run({"read", "--port", "1", "-o", m_dir.filePath("paused.R70")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(tool.commands.at(0), QByteArray("KV~WHO\r\n"));
    QCOMPARE(tool.commands.at(1), QByteArray("KV~F0300R\r\n"));
    QVERIFY2(tool.sentAt.at(1) - tool.sentAt.at(0) >= tool.pauseMs,
             qPrintable(QString::number(tool.sentAt.at(1) - tool.sentAt.at(0))));
}

void tst_CommandLineTool::controlCharactersAreEscaped()
{
    const QString path = m_dir.filePath("hostile.R70");
    QByteArray bytes = readFile(writeImage(path, 0, false, "X"));
    bytes.replace(0, 9, "\x1b]0;\x07\x1b[2J");  // as long as what it replaces
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const Run run = InProcess(factoryRadio()).run({"show", path});
    QCOMPARE(run.exitCode, int(CommandLineTool::FileFailed));
    QVERIFY2(run.err.contains("\\x1B]0;\\x07\\x1B[2J"), qPrintable(run.err));
    QVERIFY(!run.err.contains(QChar(0x1b)));
}

void tst_CommandLineTool::endToEndPrint()
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    const QString image = writeImage(m_dir.filePath("print.R70"), 1, true, "PRINTME");
    const QString pdf = m_dir.filePath("list.pdf");
    QProcess print;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("DISPLAY");
    print.setProcessEnvironment(environment);
    print.start(qEnvironmentVariable("QTR70_BIN"), {"print", image, "-o", pdf, "--paper", "Letter"});
    QVERIFY(print.waitForFinished(60000));
    QCOMPARE(print.exitCode(), 0);
    QProcess text;
    text.start(pdftotext, {"-layout", pdf, "-"});
    QVERIFY(text.waitForFinished(60000));
    const QString listed = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(listed.contains("QT-R70T, extended coverage"), qPrintable(listed));
    QVERIFY(QRegularExpression("\\n5 +7\\.050\\.000 .*CQ9 DX").match(listed).hasMatch());
    QVERIFY(QRegularExpression("\\nA-P2 +14\\.195\\.000 .*PRINTME").match(listed).hasMatch());
}

void tst_CommandLineTool::endToEndSignal()
{
    // SIGTERM in the middle of writing to a radio at the real speed.
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    const QString image = writeImage(m_dir.filePath("signal.R70"), 2, false, "SIG");
    const QString log = m_dir.filePath("signal-log.txt");
    SimProcess sim;
    QVERIFY(sim.start({"--pace", "--log", log}));
    QProcess write;
    write.start(qEnvironmentVariable("QTR70_BIN"), {"write", "--memory", "--port", sim.devicePath(), image});
    QVERIFY(write.waitForStarted());
    QTest::qWait(1500);
    write.terminate();
    QVERIFY(write.waitForFinished(10000));
    QCOMPARE(write.exitCode(), CommandLineTool::InterruptedBase + SIGTERM);
    const QString err = QString::fromUtf8(write.readAllStandardError());
    QVERIFY2(QRegularExpression("^interrupted: slots 0\u2013\\d+ written, \\d+\u2013603 unchanged\n$").match(err).hasMatch(),
             qPrintable(err));
    sim.stop();
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith("KV~E\n"));
}

void tst_CommandLineTool::endToEndBackupFailureWritesNothing()
{
    // The backups folder cannot be made (a plain file stands in its way):
    // Write Changes writes nothing and says why.
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    QTemporaryDir home;
    QVERIFY(QFile(home.filePath("qtr70-clone")).open(QIODevice::WriteOnly));
    const QString image = writeImage(m_dir.filePath("nobackup.R70"), 2, false, "NOBAK");
    const QString log = m_dir.filePath("nobackup-log.txt");
    SimProcess sim;
    QVERIFY(sim.start({"--log", log}));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", home.path());
    const Run write = qtr70({"write", "--changes", "--yes", "--port", sim.devicePath(), image}, environment);
    QCOMPARE(write.exitCode, int(CommandLineTool::TransferFailed));
    QVERIFY2(write.err.contains("cannot create the folder") && write.err.contains("so nothing was written"),
             qPrintable(write.err));
    sim.stop();
    QVERIFY2(!readFile(log).contains("W"), "no write command reached the radio");
}

void tst_CommandLineTool::endToEndSpecialFiles_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");
    QTest::newRow("export into a FIFO") << "fifo" << QStringList{"export-csv", "IMAGE", "-o", "TARGET"} << 0 << "";
    QTest::newRow("export into a link to /dev/null")
        << "null" << QStringList{"export-csv", "IMAGE", "-o", "TARGET"} << 0 << "";
    QTest::newRow("export onto a folder") << "folder" << QStringList{"export-csv", "IMAGE", "-o", "TARGET"} << 3
                                          << "File Open Error: not a regular file: ";
    QTest::newRow("import of endless input") << "" << QStringList{"import-csv", "IMAGE", "/dev/zero", "-o", "OUT"} << 3
                                             << "Data Error: the file goes on beyond 16 MB";
}

void tst_CommandLineTool::endToEndSpecialFiles()
{
    QFETCH(QString, target);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, err);
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    QTemporaryDir dir;
    const QString path = dir.filePath("target");
    int reader = -1;
    if (target == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    } else if (target == "null") {
        QVERIFY(QFile::link("/dev/null", path));
    } else if (target == "folder") {
        QVERIFY(QDir(dir.path()).mkdir("target"));
    }
    const QFileInfo before(path);
    arguments.replaceInStrings("IMAGE", writeImage(dir.filePath("special.R70"), 2, false, "SPECIAL"));
    arguments.replaceInStrings("TARGET", path);
    arguments.replaceInStrings("OUT", dir.filePath("out.R70"));
    const Run run = qtr70(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.left(err.size()) == err, qPrintable(run.err));
    QVERIFY(!QFile::exists(dir.filePath("out.R70")));
    QCOMPARE(QFileInfo(path).isFile(), before.isFile());  // never replaced by a regular file
    QVERIFY(!QFileInfo("/dev/null").isFile());
    if (reader >= 0) {
        char head[9] = {};
        QCOMPARE(::read(reader, head, 8), ssize_t(8));
        ::close(reader);
        QCOMPARE(QByteArray(head), QByteArray("\"MODEL\","));  // the export's header
    }
}

void tst_CommandLineTool::endToEndSignalOutsideTransfer()
{
    // "qtr70 show" of a FIFO that no one writes blocks in open(): Ctrl+C
    // and SIGTERM still end it.
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    QTemporaryDir dir;
    const QString fifo = dir.filePath("radio.R70");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const int signalNumber : {SIGINT, SIGTERM}) {
        QProcess show;
        show.start(qEnvironmentVariable("QTR70_BIN"), {"show", fifo});
        QVERIFY(show.waitForStarted());
        QTest::qWait(300);
        ::kill(pid_t(show.processId()), signalNumber);
        QVERIFY(show.waitForFinished(5000));
        QCOMPARE(show.exitCode(), SignalWatcher::ExitBase + signalNumber);
    }
}

void tst_CommandLineTool::endToEndSameDeviceThroughALink()
{
    // One program reads the radio by its device, a second asks through a
    // symbolic link to it: the second is refused and the first unharmed.
    QVERIFY2(programsBuilt(), "QTR70_BIN and QTR70_SIM_BIN must name the built programs");
    SimProcess sim;
    QVERIFY(sim.start({"--pace"}));
    QTemporaryDir dir;
    const QString link = dir.filePath("radiolink");
    QVERIFY(QFile::link(sim.devicePath(), link));
    QProcess first;
    first.start(qEnvironmentVariable("QTR70_BIN"), {"read", "--port", sim.devicePath(), "-o", dir.filePath("first.R70")});
    QVERIFY(first.waitForStarted());
    QTest::qWait(1000);
    const Run second = qtr70({"identify", "--port", link});
    QCOMPARE(second.exitCode, int(CommandLineTool::TransferFailed));
    QVERIFY2(second.err.startsWith("COM Port Error: Device busy"), qPrintable(second.err));
    first.terminate();
    QVERIFY(first.waitForFinished(10000));
    QCOMPARE(first.exitCode(), CommandLineTool::InterruptedBase + SIGTERM);
}

QTEST_GUILESS_MAIN(tst_CommandLineTool)
#include "tst_CommandLineTool.moc"
