#include "CommandLineTool.h"

#include "BackupsCommand.h"
#include "DiffCommand.h"
#include "ExportCsvCommand.h"
#include "ExportListCommand.h"
#include "IdentifyCommand.h"
#include "ImportCsvCommand.h"
#include "ImportListCommand.h"
#include "PortsCommand.h"
#include "PrintCommand.h"
#include "ReadCommand.h"
#include "ShowCommand.h"
#include "WriteCommand.h"
#include "link/PortArgument.h"
#include "link/SerialRadioPort.h"
#include "link/SystemSerialPortList.h"

#include <QTextStream>

CommandLineTool::CommandLineTool(QTextStream &out, QTextStream &err, PortFactory makePort)
    : m_context(out, err, std::move(makePort))
{
    m_context.setUsageText(usageText());
}

CommandLineTool::~CommandLineTool() = default;

std::unique_ptr<RadioPort> CommandLineTool::serialPort(const QString &value)
{
    // A number 1-14, a path (anything with a "/" or naming a file), or a
    // detected device's serial number.
    auto port = std::make_unique<SerialRadioPort>();
    if (!PortArgument::resolve(value, SystemSerialPortList()).applyTo(*port))
        return nullptr;
    return port;
}

const std::vector<std::unique_ptr<Command>> &CommandLineTool::commands()
{
    static const std::vector<std::unique_ptr<Command>> all = [] {
        std::vector<std::unique_ptr<Command>> list;
        list.push_back(std::make_unique<ReadCommand>());
        list.push_back(std::make_unique<WriteCommand>());
        list.push_back(std::make_unique<IdentifyCommand>());
        list.push_back(std::make_unique<ShowCommand>());
        list.push_back(std::make_unique<DiffCommand>());
        list.push_back(std::make_unique<ExportCsvCommand>());
        list.push_back(std::make_unique<ImportCsvCommand>());
        list.push_back(std::make_unique<ExportListCommand>());
        list.push_back(std::make_unique<ImportListCommand>());
        list.push_back(std::make_unique<PrintCommand>());
        list.push_back(std::make_unique<BackupsCommand>());
        list.push_back(std::make_unique<PortsCommand>());
        return list;
    }();
    return all;
}

QString CommandLineTool::usageText()
{
    QString text = tr("Usage: qtr70 COMMAND [OPTIONS]\n\nCommands:\n");
    for (const auto &command : commands())
        text += command->usageLines();
    text += tr(
        "\n"
        "P is a port number 1 to 14 ('qtr70 ports' shows what each opens), a device path, or a\n"
        "device's serial number. 'qtr70 COMMAND --help' describes one command.\n"
        "Exit status: 0 success, 1 transfer failure, 2 wrong usage, 3 file failure,\n"
        "128 + the signal's number when a transfer was interrupted (Ctrl+C: 130).\n");
    return text;
}

int CommandLineTool::run(const QStringList &arguments)
{
    int exitCode = Usage;
    if (arguments.isEmpty()) {
        exitCode = m_context.usage(tr("no command given"));
    } else {
        const QString word = arguments.first();
        if (word == QLatin1String("--help") || word == QLatin1String("-h") || word == QLatin1String("help")) {
            m_context.out() << usageText();
            exitCode = Success;
        } else {
            Command *found = nullptr;
            for (const auto &command : commands()) {
                if (command->name() == word)
                    found = command.get();
            }
            exitCode = found ? found->run(m_context, arguments.mid(1))
                             : m_context.usage(tr("unknown command: ") + word);
        }
    }
    m_context.out().flush();
    m_context.err().flush();
    return exitCode;
}
