#include "CommandLineTool.h"

#include "BackupStore.h"
#include "CloneFile.h"
#include "CsvExchange.h"
#include "ImageReport.h"
#include "TextTable.h"
#include "LineExchange.h"
#include "Module1.h"
#include "PortAssignments.h"
#include "PortNames.h"
#include "ReportPdf.h"
#include "SafeText.h"
#include "PortArgument.h"
#include "PortsCommand.h"
#include "SystemSerialPortList.h"
#include "SerialRadioPort.h"
#include "SystemSerialPortList.h"
#include "TerminalProgress.h"
#include "TransferEngine.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QFileInfo>
#include <QTextStream>

#include <csignal>
#include <cstdio>

#include <unistd.h>

namespace {

const char *const UsageText =
    "Usage: qtr70 COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  read --port P -o FILE.R70             read the whole radio into a clone file\n"
    "  write --port P [--settings | --memory] FILE.R70\n"
    "                                        write a clone file to the radio (all by default)\n"
    "  write --changes --port P [--yes] FILE.R70\n"
    "                                        back the radio up, then write only what differs\n"
    "  identify --port P                     print the radio's model variant\n"
    "  show FILE.R70                         print a clone file's settings, VFOs and channels\n"
    "  diff A.R70 B.R70                      print every difference (exit 0 equal, 1 different)\n"
    "  export-csv FILE.R70 -o OUT.csv        write VFO A/B and channels 0-199 as CSV\n"
    "  import-csv FILE.R70 IN.csv -o OUT.R70 store a CSV's records into a copy of a clone file\n"
    "  print FILE.R70 -o LIST.pdf [--all] [--paper A4|Letter]\n"
    "                                        write the channel list as PDF\n"
    "  backups                               list the automatic backups, newest first\n"
    "  ports                                 list the serial devices and what ports 1-14 open\n"
    "\n"
    "P is a port number 1 to 14 ('qtr70 ports' shows what each opens), a device path, or a\n"
    "device's serial number. 'qtr70 COMMAND --help' describes one command.\n"
    "Exit status: 0 success, 1 transfer failure, 2 wrong usage, 3 file failure,\n"
    "128 + the signal's number when a transfer was interrupted (Ctrl+C: 130).\n";

// Each line of a text shown with its control characters escaped.
QString escapedLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = SafeText::escaped(line);
    return lines.join(QLatin1Char('\n'));
}

// What a progress bar calls a step.
QString stepName(TransferEngine::Kind kind)
{
    switch (kind) {
    case TransferEngine::Kind::AutoSelect:
        return QStringLiteral("Identify");
    case TransferEngine::Kind::ReadSettings:
    case TransferEngine::Kind::WriteSettings:
        return QStringLiteral("Settings");
    case TransferEngine::Kind::ReadMemory:
    case TransferEngine::Kind::WriteMemory:
        break;
    }
    return QStringLiteral("Memory  ");
}

QCommandLineOption portOption()
{
    return QCommandLineOption(QStringLiteral("port"), QStringLiteral("Port number 1-14 or device path."),
                              QStringLiteral("P"));
}

// A command's help: the parser's, with a usage line that names the command
// (the parser's own names the executable).
QString helpText(const QCommandLineParser &parser, const QString &command, const QString &positional)
{
    QString text = parser.helpText();
    QString usage = QStringLiteral("Usage: qtr70 %1 [options]").arg(command);
    if (!positional.isEmpty())
        usage += QLatin1Char(' ') + positional;
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    text.replace(0, lineEnd < 0 ? text.size() : lineEnd, usage);
    return text;
}

} // namespace

CommandLineTool::CommandLineTool(QTextStream &out, QTextStream &err, PortFactory makePort)
    : m_out(out), m_err(err), m_makePort(std::move(makePort))
{
}

std::unique_ptr<RadioPort> CommandLineTool::serialPort(const QString &value)
{
    // A number 1-14, a path (anything with a "/" or naming a file), or a
    // detected device's serial number.
    auto port = std::make_unique<SerialRadioPort>();
    if (!PortArgument::resolve(value, SystemSerialPortList()).applyTo(*port))
        return nullptr;
    return port;
}

int CommandLineTool::run(const QStringList &arguments)
{
    int exitCode = Usage;
    if (arguments.isEmpty()) {
        exitCode = usage(QStringLiteral("no command given"));
    } else {
        const QString command = arguments.first();
        const QStringList rest = arguments.mid(1);
        if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
            m_out << UsageText;
            exitCode = Success;
        } else if (command == QLatin1String("read")) {
            exitCode = readRadio(rest);
        } else if (command == QLatin1String("write")) {
            exitCode = writeRadio(rest);
        } else if (command == QLatin1String("identify")) {
            exitCode = identify(rest);
        } else if (command == QLatin1String("show")) {
            exitCode = show(rest);
        } else if (command == QLatin1String("diff")) {
            exitCode = diff(rest);
        } else if (command == QLatin1String("export-csv")) {
            exitCode = exportCsv(rest);
        } else if (command == QLatin1String("import-csv")) {
            exitCode = importCsv(rest);
        } else if (command == QLatin1String("print")) {
            exitCode = print(rest);
        } else if (command == QLatin1String("backups")) {
            exitCode = backups(rest);
        } else if (command == QLatin1String("ports")) {
            exitCode = ports(rest);
        } else {
            exitCode = usage(QStringLiteral("unknown command: ") + command);
        }
    }
    m_out.flush();
    m_err.flush();
    return exitCode;
}

int CommandLineTool::parse(QCommandLineParser &parser, const QString &command, const QStringList &arguments,
                           const QString &description, const QString &positional)
{
    parser.setApplicationDescription(description);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    parser.addOption(help);
    if (!positional.isEmpty())
        parser.addPositionalArgument(positional, QString());
    // The first word stands for the program; the parser skips it.
    if (!parser.parse(QStringList{QStringLiteral("qtr70 ") + command} + arguments)) {
        m_err << parser.errorText() << "\n\n" << helpText(parser, command, positional);
        m_err.flush();
        return Usage;
    }
    if (parser.isSet(help)) {
        m_out << helpText(parser, command, positional);
        m_out.flush();
        return Success;
    }
    return -1;
}

int CommandLineTool::usage(const QString &problem)
{
    if (!problem.isEmpty())
        m_err << "qtr70: " << problem << "\n\n";
    m_err << UsageText;
    m_err.flush();
    return Usage;
}

std::unique_ptr<RadioPort> CommandLineTool::openPort(const QString &value, int &exitCode)
{
    std::unique_ptr<RadioPort> port = m_makePort(value);
    if (!port)
        exitCode = usage(QStringLiteral("no such port: ") + value);
    return port;
}

void CommandLineTool::configure(TransferEngine &engine) const
{
    if (m_pauseMs >= 0)
        engine.setPauseMs(m_pauseMs);
    if (m_replyTimeoutMs >= 0)
        engine.exchange().setReplyTimeoutMs(m_replyTimeoutMs);
}

TransferResult CommandLineTool::runTransfer(TransferEngine &engine, const std::function<TransferResult()> &transfer)
{
    TerminalProgress progress(m_err, m_showProgress);
    const QMetaObject::Connection started = QObject::connect(
        &engine, &TransferEngine::transferStarted,
        [&progress](TransferEngine::Kind kind) { progress.start(stepName(kind), Module1::ChannelCount); });
    const QMetaObject::Connection slot =
        QObject::connect(&engine, &TransferEngine::slotChanged, [&progress](int n) { progress.show(n); });
    const QMetaObject::Connection finished =
        QObject::connect(&engine, &TransferEngine::transferFinished, [&progress] { progress.finish(); });
    m_running = &engine;
    const TransferResult result = transfer();
    m_running = nullptr;
    for (const QMetaObject::Connection &connection : {started, slot, finished})
        QObject::disconnect(connection);
    return result;
}

int CommandLineTool::reportTransfer(const TransferResult &result)
{
    if (result.ok())
        return Success;
    if (result.outcome() == TransferResult::Outcome::Interrupted) {
        m_err << "interrupted: " << SafeText::escaped(result.detail()) << "\n";
        m_err.flush();
        return InterruptedBase + m_interruptSignal;
    }
    m_err << result.message();
    if (!result.detail().isEmpty())
        m_err << ": " << SafeText::escaped(result.detail());
    m_err << "\n";
    m_err.flush();
    return TransferFailed;
}

bool CommandLineTool::interrupt(int signalNumber)
{
    if (!m_running || m_interruptSignal != 0)
        return false;
    m_interruptSignal = signalNumber;
    m_running->requestStop();
    return true;
}

void CommandLineTool::keepBackup(const CloneImage &image, BackupStore::Kind kind)
{
    QString path;
    const FileResult result = m_backups.save(image, kind, QDateTime::currentDateTime(), &path);
    if (!result.ok())
        m_err << "the backup could not be written: " << SafeText::escaped(result.detail()) << "\n";
}

int CommandLineTool::reportFile(const QString &message, const QString &detail)
{
    m_err << message << ": " << SafeText::escaped(detail) << "\n";
    m_err.flush();
    return FileFailed;
}

bool CommandLineTool::loadImage(CloneImage &image, const QString &path)
{
    image = CloneImage::factory(Vocabulary::ModelE, false);
    const FileResult result = CloneFile::LoadCloneFile(path, image);
    if (result.ok())
        return true;
    reportFile(result.message(), result.detail());
    return false;
}

int CommandLineTool::readRadio(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption port = portOption();
    const QCommandLineOption outputOption(QStringLiteral("o"), QStringLiteral("Clone file to write."),
                                          QStringLiteral("FILE.R70"));
    parser.addOption(port);
    parser.addOption(outputOption);
    const int early = parse(parser, QStringLiteral("read"), arguments,
                            QStringLiteral("Reads the radio (Auto Select, settings, memory) into a clone file.\n"
                                           "Nothing is written when any step fails."));
    if (early >= 0)
        return early;
    if (!parser.isSet(port) || !parser.isSet(outputOption) || !parser.positionalArguments().isEmpty())
        return usage(QStringLiteral("read needs --port P and -o FILE.R70"));

    int exitCode = Usage;
    const std::unique_ptr<RadioPort> radio = openPort(parser.value(port), exitCode);
    if (!radio)
        return exitCode;
    Module1 document;
    document.setImage(CloneImage::factory(Vocabulary::ModelE, false));
    TransferEngine engine(document, *radio);
    configure(engine);
    TransferResult result = runTransfer(engine, [&] { return engine.autoSelect(); });
    if (result.ok() && m_interruptSignal == 0) {
        engine.exchange().Wait(m_pauseMs >= 0 ? m_pauseMs : TransferEngine::DefaultPauseMs);
        result = runTransfer(engine, [&] { return engine.readAll(); });
    }
    if (result.ok() && m_interruptSignal != 0)
        result = TransferResult(TransferResult::Outcome::Interrupted, QStringLiteral("nothing more was read"));
    if (!result.ok()) {
        if (result.outcome() == TransferResult::Outcome::Interrupted)
            m_err << "no file written\n";
        return reportTransfer(result);
    }

    const CloneImage &image = document.image();
    keepBackup(image, BackupStore::Kind::All);
    const FileResult saved = CloneFile::WriteCloneFile(parser.value(outputOption), image);
    if (!saved.ok())
        return reportFile(saved.message(), saved.detail());
    m_out << "Read " << Vocabulary::modelName(image.ModelVariant)
          << (image.ExtendedRange ? " (extended coverage)" : "") << " into " << parser.value(outputOption) << "\n";
    return Success;
}

int CommandLineTool::writeRadio(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption port = portOption();
    const QCommandLineOption settingsOption(QStringLiteral("settings"), QStringLiteral("Write only the settings and VFOs."));
    const QCommandLineOption memoryOption(QStringLiteral("memory"), QStringLiteral("Write only the memory channels."));
    const QCommandLineOption changesOption(
        QStringLiteral("changes"),
        QStringLiteral("Read the radio first (kept as a backup), then write only the records that differ\n"
                       "and read them back."));
    const QCommandLineOption yesOption(QStringLiteral("yes"), QStringLiteral("With --changes: do not ask before writing."));
    parser.addOption(port);
    parser.addOption(settingsOption);
    parser.addOption(memoryOption);
    parser.addOption(changesOption);
    parser.addOption(yesOption);
    const int early = parse(parser, QStringLiteral("write"), arguments,
                            QStringLiteral("Writes a clone file to the radio: settings and VFOs, then memory\n"
                                           "(each after the radio confirmed its model)."),
                            QStringLiteral("FILE.R70"));
    if (early >= 0)
        return early;
    const int only = int(parser.isSet(settingsOption)) + int(parser.isSet(memoryOption)) + int(parser.isSet(changesOption));
    if (!parser.isSet(port) || parser.positionalArguments().size() != 1 || only > 1)
        return usage(QStringLiteral("write needs --port P, at most one of --settings/--memory/--changes, and FILE.R70"));

    int exitCode = Usage;
    const std::unique_ptr<RadioPort> radio = openPort(parser.value(port), exitCode);
    if (!radio)
        return exitCode;
    CloneImage image;
    if (!loadImage(image, parser.positionalArguments().first()))
        return FileFailed;
    Module1 document;
    document.setImage(image);
    TransferEngine engine(document, *radio);
    configure(engine);
    if (parser.isSet(changesOption))
        return writeChanges(engine, m_interactive && !parser.isSet(yesOption));
    const TransferResult result = runTransfer(engine, [&] {
        if (parser.isSet(settingsOption))
            return engine.writeSettings();
        if (parser.isSet(memoryOption))
            return engine.writeMemory();
        return engine.writeAll();
    });
    if (!result.ok())
        return reportTransfer(result);
    m_out << "Wrote " << parser.positionalArguments().first() << " to the radio\n";
    return Success;
}

int CommandLineTool::identify(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption port = portOption();
    parser.addOption(port);
    const int early = parse(parser, QStringLiteral("identify"), arguments,
                            QStringLiteral("Asks the radio for its model variant and coverage version."));
    if (early >= 0)
        return early;
    if (!parser.isSet(port) || !parser.positionalArguments().isEmpty())
        return usage(QStringLiteral("identify needs --port P"));

    int exitCode = Usage;
    const std::unique_ptr<RadioPort> radio = openPort(parser.value(port), exitCode);
    if (!radio)
        return exitCode;
    Module1 document;
    TransferEngine engine(document, *radio);
    configure(engine);
    const TransferResult result = engine.autoSelect();
    if (!result.ok())
        return reportTransfer(result);
    m_out << Vocabulary::modelName(document.image().ModelVariant) << "\n"
          << "extended coverage: " << (document.image().ExtendedRange ? "yes" : "no") << "\n";
    return Success;
}

int CommandLineTool::show(const QStringList &arguments)
{
    QCommandLineParser parser;
    const int early = parse(parser, QStringLiteral("show"), arguments,
                            QStringLiteral("Prints a clone file: model, settings, VFOs, channels in use."),
                            QStringLiteral("FILE.R70"));
    if (early >= 0)
        return early;
    if (parser.positionalArguments().size() != 1)
        return usage(QStringLiteral("show needs one FILE.R70"));
    CloneImage image;
    if (!loadImage(image, parser.positionalArguments().first()))
        return FileFailed;
    m_out << escapedLines(ImageReport::show(image));
    return Success;
}

int CommandLineTool::diff(const QStringList &arguments)
{
    QCommandLineParser parser;
    const int early = parse(parser, QStringLiteral("diff"), arguments,
                            QStringLiteral("Prints every difference between two clone files.\n"
                                           "Exit status 0 when they are equal, 1 when they differ."),
                            QStringLiteral("A.R70 B.R70"));
    if (early >= 0)
        return early;
    if (parser.positionalArguments().size() != 2)
        return usage(QStringLiteral("diff needs two clone files"));
    CloneImage a;
    CloneImage b;
    if (!loadImage(a, parser.positionalArguments().at(0)) || !loadImage(b, parser.positionalArguments().at(1)))
        return FileFailed;
    const QStringList differences = ImageReport::diff(a, b);
    for (const QString &line : differences)
        m_out << SafeText::escaped(line) << "\n";
    return differences.isEmpty() ? Success : Different;
}

int CommandLineTool::exportCsv(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption outputOption(QStringLiteral("o"), QStringLiteral("CSV file to write."),
                                          QStringLiteral("OUT.csv"));
    parser.addOption(outputOption);
    const int early = parse(parser, QStringLiteral("export-csv"), arguments,
                            QStringLiteral("Writes VFO A and B and the channels 0-199 in use as CSV."),
                            QStringLiteral("FILE.R70"));
    if (early >= 0)
        return early;
    if (parser.positionalArguments().size() != 1 || !parser.isSet(outputOption))
        return usage(QStringLiteral("export-csv needs FILE.R70 and -o OUT.csv"));
    CloneImage image;
    if (!loadImage(image, parser.positionalArguments().first()))
        return FileFailed;
    const FileResult result = CsvExchange::CsvExport(image, parser.value(outputOption));
    if (!result.ok())
        return reportFile(result.message(), result.detail());
    return Success;
}

int CommandLineTool::importCsv(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption outputOption(QStringLiteral("o"), QStringLiteral("Clone file to write."),
                                          QStringLiteral("OUT.R70"));
    parser.addOption(outputOption);
    const int early = parse(parser, QStringLiteral("import-csv"), arguments,
                            QStringLiteral("Stores the channel and VFO records of a CSV file into a copy of a\n"
                                           "clone file; rows the CSV does not name keep their contents."),
                            QStringLiteral("FILE.R70 IN.csv"));
    if (early >= 0)
        return early;
    if (parser.positionalArguments().size() != 2 || !parser.isSet(outputOption))
        return usage(QStringLiteral("import-csv needs FILE.R70, IN.csv and -o OUT.R70"));
    CloneImage image;
    if (!loadImage(image, parser.positionalArguments().at(0)))
        return FileFailed;
    const CsvExchange::ImportResult imported = CsvExchange::CsvImport(parser.positionalArguments().at(1), image);
    if (!imported.file.ok())
        return reportFile(imported.file.message(), imported.file.detail());
    const FileResult saved = CloneFile::WriteCloneFile(parser.value(outputOption), imported.image);
    if (!saved.ok())
        return reportFile(saved.message(), saved.detail());
    m_out << "Stored " << imported.channels << " channel(s) and " << imported.vfos << " VFO record(s); dropped "
          << imported.dropped << " record(s).\n";
    return Success;
}

int CommandLineTool::writeChanges(TransferEngine &engine, bool askFirst)
{
    bool nothingToWrite = false;
    const auto confirm = [&](const CloneImage &radio, const QList<int> &changed) {
        keepBackup(radio, BackupStore::Kind::BeforeWrite);
        if (changed.isEmpty()) {
            nothingToWrite = true;
            return false;
        }
        m_out << "The radio's records that will change:\n";
        for (const QString &line : ImageReport::diff(radio, engine.document().image()))
            m_out << "  " << SafeText::escaped(line) << "\n";
        m_out.flush();
        if (!askFirst)
            return true;
        m_out << "Write these changes? [y/N] ";
        m_out.flush();
        // Nothing is written yet: while the question waits, Ctrl+C simply
        // ends the program.
        constexpr int Signals[] = {SIGINT, SIGTERM, SIGHUP};
        struct sigaction plain {};
        plain.sa_handler = SIG_DFL;
        sigemptyset(&plain.sa_mask);
        struct sigaction kept[3] {};
        for (int i = 0; i < 3; ++i)
            sigaction(Signals[i], &plain, &kept[i]);
        QTextStream in(stdin);
        const QString answer = in.readLine().trimmed().toLower();
        for (int i = 0; i < 3; ++i)
            sigaction(Signals[i], &kept[i], nullptr);
        return answer == QLatin1String("y") || answer == QLatin1String("yes");
    };
    const TransferResult result = runTransfer(engine, [&] { return engine.writeChanges(confirm); });
    if (!result.ok())
        return reportTransfer(result);
    if (nothingToWrite)
        m_out << "The radio already holds this image; nothing written.\n";
    else
        m_out << "Wrote " << result.detail() << ".\n";
    return Success;
}

int CommandLineTool::print(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption outputOption(QStringLiteral("o"), QStringLiteral("PDF file to write."),
                                          QStringLiteral("LIST.pdf"));
    const QCommandLineOption allOption(QStringLiteral("all"), QStringLiteral("List all 604 channel rows."));
    const QCommandLineOption paperOption(QStringLiteral("paper"), QStringLiteral("A4 or Letter (default: the locale's)."),
                                         QStringLiteral("SIZE"));
    parser.addOption(outputOption);
    parser.addOption(allOption);
    parser.addOption(paperOption);
    const int early = parse(parser, QStringLiteral("print"), arguments,
                            QStringLiteral("Writes a clone file's channel list as PDF: settings, VFOs and the\n"
                                           "channels in use (all rows with --all)."),
                            QStringLiteral("FILE.R70"));
    if (early >= 0)
        return early;
    const QString paper = parser.value(paperOption);
    if (parser.positionalArguments().size() != 1 || !parser.isSet(outputOption)
        || (!paper.isEmpty() && paper.compare(QLatin1String("A4"), Qt::CaseInsensitive) != 0
            && paper.compare(QLatin1String("Letter"), Qt::CaseInsensitive) != 0))
        return usage(QStringLiteral("print needs FILE.R70, -o LIST.pdf and --paper A4 or Letter"));
    CloneImage image;
    const QString path = parser.positionalArguments().first();
    if (!loadImage(image, path))
        return FileFailed;
    ReportOptions options;
    options.allRows = parser.isSet(allOption);
    options.fileName = path;
    options.paper = paper.isEmpty() ? ReportOptions::paperForLocale(QLocale())
                                    : (paper.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0 ? QPageSize::A4
                                                                                                   : QPageSize::Letter);
    const FileResult result = ReportPdf::write(parser.value(outputOption), image, options);
    if (!result.ok())
        return reportFile(result.message(), result.detail());
    return Success;
}

int CommandLineTool::backups(const QStringList &arguments)
{
    QCommandLineParser parser;
    const int early = parse(parser, QStringLiteral("backups"), arguments,
                            QStringLiteral("Lists the automatic backups of the radio, newest first, with what\n"
                                           "each holds. They are kept in:\n")
                                + m_backups.folder());
    if (early >= 0)
        return early;
    if (!parser.positionalArguments().isEmpty())
        return usage(QStringLiteral("backups takes no arguments"));
    TextTable table;
    for (const BackupStore::Entry &entry : m_backups.list())
        table.addRow({entry.path, BackupStore::contents(entry.kind)});
    m_out << table.render();
    return Success;
}

int CommandLineTool::ports(const QStringList &arguments)
{
    QCommandLineParser parser;
    const int early = parse(
        parser, QStringLiteral("ports"), arguments,
        QStringLiteral("Lists the serial devices present and the device each port number 1-14 leads to:\n"
                       "the environment variable QTR70_COM<n>, else the device assigned in the port dialog,\n"
                       "else the platform's guess."));
    if (early >= 0)
        return early;
    if (!parser.positionalArguments().isEmpty())
        return usage(QStringLiteral("ports takes no arguments"));
    const SystemSerialPortList system;
    m_out << PortsCommand::report(PortNames(system, PortAssignments::forThisUser()));
    return Success;
}
