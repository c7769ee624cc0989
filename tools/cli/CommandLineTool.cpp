#include "CommandLineTool.h"

#include "CloneFile.h"
#include "CsvExchange.h"
#include "ImageReport.h"
#include "Module1.h"
#include "PortArgument.h"
#include "PortsCommand.h"
#include "SerialRadioPort.h"
#include "SystemSerialPortList.h"
#include "TerminalProgress.h"
#include "TransferEngine.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <functional>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

const char *const UsageText =
    "Usage: qtr70 COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  read --port P -o FILE.R70             read the whole radio into a clone file\n"
    "  write --port P [--settings | --memory] FILE.R70\n"
    "                                        write a clone file to the radio (all by default)\n"
    "  identify --port P                     print the radio's model variant\n"
    "  show FILE.R70                         print a clone file's settings, VFOs and channels\n"
    "  diff A.R70 B.R70                      print every difference (exit 0 equal, 1 different)\n"
    "  export-csv FILE.R70 -o OUT.csv        write VFO A/B and channels 0-199 as CSV\n"
    "  import-csv FILE.R70 IN.csv -o OUT.R70 store a CSV's records into a copy of a clone file\n"
    "  ports                                 list the serial devices and what ports 1-14 open\n"
    "\n"
    "P is a port number 1 to 14 ('qtr70 ports' shows what each opens), a device path, or a\n"
    "device's serial number. 'qtr70 COMMAND --help' describes one command.\n"
    "Exit status: 0 success, 1 transfer failure, 2 wrong usage, 3 file failure.\n";

// Parses one command's options; prints help or usage problems itself.
// Returns -1 to go on, or the exit status.
int parse(QCommandLineParser &parser, const QStringList &arguments, const QString &description,
          const QString &positional = QString())
{
    parser.setApplicationDescription(description);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    parser.addOption(help);
    if (!positional.isEmpty())
        parser.addPositionalArgument(positional, QString());
    if (!parser.parse(arguments)) {
        err() << parser.errorText() << "\n\n" << parser.helpText();
        err().flush();
        return CommandLineTool::Usage;
    }
    if (parser.isSet(help)) {
        out() << parser.helpText();
        out().flush();
        return CommandLineTool::Success;
    }
    return -1;
}

// Runs transfers in order, with a progress bar for the memory ones; stops at
// the first that does not end normally.
TransferResult runTransfers(TransferEngine &engine,
                            const QList<std::pair<QString, std::function<TransferResult()>>> &steps)
{
    TerminalProgress progress;
    QObject::connect(&engine, &TransferEngine::slotChanged, [&progress](int slot) { progress.show(slot); });
    TransferResult result;
    for (const auto &step : steps) {
        progress.start(step.first, Module1::ChannelCount);
        result = step.second();
        progress.finish();
        if (!result.ok())
            break;
    }
    return result;
}

} // namespace

int CommandLineTool::run(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return usage(QStringLiteral("no command given"));
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        out() << UsageText;
        return Success;
    }
    if (command == QLatin1String("read"))
        return readRadio(rest);
    if (command == QLatin1String("write"))
        return writeRadio(rest);
    if (command == QLatin1String("identify"))
        return identify(rest);
    if (command == QLatin1String("show"))
        return show(rest);
    if (command == QLatin1String("diff"))
        return diff(rest);
    if (command == QLatin1String("export-csv"))
        return exportCsv(rest);
    if (command == QLatin1String("import-csv"))
        return importCsv(rest);
    if (command == QLatin1String("ports"))
        return PortsCommand::run(rest);
    return usage(QStringLiteral("unknown command: ") + command);
}

int CommandLineTool::usage(const QString &problem)
{
    if (!problem.isEmpty())
        err() << "qtr70: " << problem << "\n\n";
    err() << UsageText;
    err().flush();
    return Usage;
}

bool CommandLineTool::configurePort(SerialRadioPort &port, const QString &value)
{
    return PortArgument::resolve(value, SystemSerialPortList()).applyTo(port);
}

int CommandLineTool::reportTransfer(const TransferResult &result)
{
    if (result.ok())
        return Success;
    err() << result.message();
    if (!result.detail().isEmpty())
        err() << ": " << result.detail();
    err() << "\n";
    err().flush();
    return TransferFailed;
}

bool CommandLineTool::loadImage(Module1 &state, const QString &path)
{
    CloneFile::New(state);
    const FileResult result = CloneFile::LoadCloneFile(state, path);
    if (result.ok())
        return true;
    err() << result.message() << ": " << result.detail() << "\n";
    err().flush();
    return false;
}

int CommandLineTool::readRadio(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port number 1-14 or device path."),
                                        QStringLiteral("P"));
    const QCommandLineOption outputOption(QStringLiteral("o"), QStringLiteral("Clone file to write."),
                                          QStringLiteral("FILE.R70"));
    parser.addOption(portOption);
    parser.addOption(outputOption);
    const int early = parse(parser, QStringList{QStringLiteral("qtr70 read")} + arguments,
                            QStringLiteral("Reads the radio (Auto Select, settings, memory) into a clone file.\n"
                                           "Nothing is written when any step fails."));
    if (early >= 0)
        return early;
    if (!parser.isSet(portOption) || !parser.isSet(outputOption) || !parser.positionalArguments().isEmpty())
        return usage(QStringLiteral("read needs --port P and -o FILE.R70"));

    SerialRadioPort port;
    if (!configurePort(port, parser.value(portOption)))
        return usage(QStringLiteral("no such port: ") + parser.value(portOption));
    Module1 state;
    CloneFile::New(state);
    TransferEngine engine(state, port);
    const TransferResult result = runTransfers(engine, {
        {QStringLiteral("Identify"), [&] { return engine.autoSelect(); }},
        {QStringLiteral("Settings"), [&] { return engine.readSettings(); }},
        {QStringLiteral("Memory  "), [&] { return engine.readMemory(); }},
    });
    if (!result.ok())
        return reportTransfer(result);

    const FileResult saved = CloneFile::WriteCloneFile(state, parser.value(outputOption));
    if (!saved.ok()) {
        err() << saved.message() << ": " << saved.detail() << "\n";
        return FileFailed;
    }
    out() << "Read " << Module1::ModelName(state.ModelVariant)
          << (state.ExtendedRange ? " (extended coverage)" : "") << " into " << parser.value(outputOption) << "\n";
    return Success;
}

int CommandLineTool::writeRadio(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port number 1-14 or device path."),
                                        QStringLiteral("P"));
    const QCommandLineOption settingsOption(QStringLiteral("settings"), QStringLiteral("Write only the settings and VFOs."));
    const QCommandLineOption memoryOption(QStringLiteral("memory"), QStringLiteral("Write only the memory channels."));
    parser.addOption(portOption);
    parser.addOption(settingsOption);
    parser.addOption(memoryOption);
    const int early = parse(parser, QStringList{QStringLiteral("qtr70 write")} + arguments,
                            QStringLiteral("Writes a clone file to the radio: settings and VFOs, then memory\n"
                                           "(each after the radio confirmed its model)."),
                            QStringLiteral("FILE.R70"));
    if (early >= 0)
        return early;
    if (!parser.isSet(portOption) || parser.positionalArguments().size() != 1
        || (parser.isSet(settingsOption) && parser.isSet(memoryOption)))
        return usage(QStringLiteral("write needs --port P, at most one of --settings/--memory, and FILE.R70"));

    SerialRadioPort port;
    if (!configurePort(port, parser.value(portOption)))
        return usage(QStringLiteral("no such port: ") + parser.value(portOption));
    Module1 state;
    if (!loadImage(state, parser.positionalArguments().first()))
        return FileFailed;
    TransferEngine engine(state, port);
    QList<std::pair<QString, std::function<TransferResult()>>> steps;
    if (!parser.isSet(memoryOption))
        steps.append({QStringLiteral("Settings"), [&] { return engine.writeSettings(); }});
    if (!parser.isSet(settingsOption))
        steps.append({QStringLiteral("Memory  "), [&] { return engine.writeMemory(); }});
    const TransferResult result = runTransfers(engine, steps);
    if (!result.ok())
        return reportTransfer(result);
    out() << "Wrote " << parser.positionalArguments().first() << " to the radio\n";
    return Success;
}

int CommandLineTool::identify(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port number 1-14 or device path."),
                                        QStringLiteral("P"));
    parser.addOption(portOption);
    const int early = parse(parser, QStringList{QStringLiteral("qtr70 identify")} + arguments,
                            QStringLiteral("Asks the radio for its model variant and coverage version."));
    if (early >= 0)
        return early;
    if (!parser.isSet(portOption) || !parser.positionalArguments().isEmpty())
        return usage(QStringLiteral("identify needs --port P"));

    SerialRadioPort port;
    if (!configurePort(port, parser.value(portOption)))
        return usage(QStringLiteral("no such port: ") + parser.value(portOption));
    Module1 state;
    TransferEngine engine(state, port);
    const TransferResult result = engine.autoSelect();
    if (!result.ok())
        return reportTransfer(result);
    out() << Module1::ModelName(state.ModelVariant) << "\n"
          << "extended coverage: " << (state.ExtendedRange ? "yes" : "no") << "\n";
    return Success;
}

int CommandLineTool::show(const QStringList &arguments)
{
    QCommandLineParser parser;
    const int early = parse(parser, QStringList{QStringLiteral("qtr70 show")} + arguments,
                            QStringLiteral("Prints a clone file: model, settings, VFOs, channels in use."),
                            QStringLiteral("FILE.R70"));
    if (early >= 0)
        return early;
    if (parser.positionalArguments().size() != 1)
        return usage(QStringLiteral("show needs one FILE.R70"));
    Module1 state;
    if (!loadImage(state, parser.positionalArguments().first()))
        return FileFailed;
    out() << ImageReport::show(state);
    return Success;
}

int CommandLineTool::diff(const QStringList &arguments)
{
    QCommandLineParser parser;
    const int early = parse(parser, QStringList{QStringLiteral("qtr70 diff")} + arguments,
                            QStringLiteral("Prints every difference between two clone files.\n"
                                           "Exit status 0 when they are equal, 1 when they differ."),
                            QStringLiteral("A.R70 B.R70"));
    if (early >= 0)
        return early;
    if (parser.positionalArguments().size() != 2)
        return usage(QStringLiteral("diff needs two clone files"));
    Module1 a;
    Module1 b;
    if (!loadImage(a, parser.positionalArguments().at(0)) || !loadImage(b, parser.positionalArguments().at(1)))
        return FileFailed;
    const QStringList differences = ImageReport::diff(a, b);
    for (const QString &line : differences)
        out() << line << "\n";
    return differences.isEmpty() ? Success : Different;
}

int CommandLineTool::exportCsv(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption outputOption(QStringLiteral("o"), QStringLiteral("CSV file to write."),
                                          QStringLiteral("OUT.csv"));
    parser.addOption(outputOption);
    const int early = parse(parser, QStringList{QStringLiteral("qtr70 export-csv")} + arguments,
                            QStringLiteral("Writes VFO A and B and the channels 0-199 in use as CSV."),
                            QStringLiteral("FILE.R70"));
    if (early >= 0)
        return early;
    if (parser.positionalArguments().size() != 1 || !parser.isSet(outputOption))
        return usage(QStringLiteral("export-csv needs FILE.R70 and -o OUT.csv"));
    Module1 state;
    if (!loadImage(state, parser.positionalArguments().first()))
        return FileFailed;
    const FileResult result = CsvExchange::CsvExport(state, parser.value(outputOption));
    if (!result.ok()) {
        err() << result.message() << ": " << result.detail() << "\n";
        return FileFailed;
    }
    return Success;
}

int CommandLineTool::importCsv(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption outputOption(QStringLiteral("o"), QStringLiteral("Clone file to write."),
                                          QStringLiteral("OUT.R70"));
    parser.addOption(outputOption);
    const int early = parse(parser, QStringList{QStringLiteral("qtr70 import-csv")} + arguments,
                            QStringLiteral("Stores the channel and VFO records of a CSV file into a copy of a\n"
                                           "clone file; rows the CSV does not name keep their contents."),
                            QStringLiteral("FILE.R70 IN.csv"));
    if (early >= 0)
        return early;
    if (parser.positionalArguments().size() != 2 || !parser.isSet(outputOption))
        return usage(QStringLiteral("import-csv needs FILE.R70, IN.csv and -o OUT.R70"));
    Module1 state;
    if (!loadImage(state, parser.positionalArguments().at(0)))
        return FileFailed;
    const CsvExchange::ImportResult imported = CsvExchange::CsvImport(state, parser.positionalArguments().at(1));
    if (!imported.file.ok()) {
        err() << imported.file.message() << ": " << imported.file.detail() << "\n";
        return FileFailed;
    }
    const FileResult saved = CloneFile::WriteCloneFile(state, parser.value(outputOption));
    if (!saved.ok()) {
        err() << saved.message() << ": " << saved.detail() << "\n";
        return FileFailed;
    }
    out() << "Stored " << imported.channels << " channel(s) and " << imported.vfos << " VFO record(s); dropped "
          << imported.dropped << " record(s).\n";
    return Success;
}
