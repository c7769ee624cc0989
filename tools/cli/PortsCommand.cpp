#include "PortsCommand.h"

#include "CliContext.h"
#include "codec/SafeText.h"
#include "files/TextTable.h"
#include "link/PortAssignments.h"
#include "link/PortNames.h"
#include "link/SystemSerialPortList.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <algorithm>

namespace {

// Descriptions and assignments come from devices and files: shown escaped.
QString orDash(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("-") : SafeText::escaped(text);
}

} // namespace

QString PortsCommand::report(const PortNames &names)
{
    QString text;
    const QList<DetectedPort> detected = names.detected();
    if (detected.isEmpty()) {
        text += tr("No serial device is present.\n");
    } else {
        text += tr("Serial devices present:\n");
        // The latency timer where any device shows one (USB adapters).
        const bool latencies = std::any_of(detected.cbegin(), detected.cend(),
                                           [](const DetectedPort &port) { return port.latencyTimerMs >= 0; });
        TextTable devices;
        QStringList header{tr("  DEVICE"), tr("DESCRIPTION"), tr("MAKER"),
                           tr("SERIAL NUMBER"), tr("USB ID")};
        if (latencies)
            header.append(tr("LATENCY"));
        devices.addRow(header);
        QStringList hints;
        for (const DetectedPort &port : detected) {
            QStringList row{QStringLiteral("  ") + SafeText::escaped(port.systemPath), orDash(port.description),
                            orDash(port.manufacturer), orDash(port.serialNumber), orDash(port.usbIds())};
            if (latencies)
                row.append(port.latencyTimerMs >= 0 ? QStringLiteral("%1 ms").arg(port.latencyTimerMs) : QStringLiteral("-"));
            devices.addRow(row);
            if (!port.latencyHint().isEmpty())
                hints.append(QStringLiteral("  ") + SafeText::escaped(port.latencyHint()) + QLatin1Char('\n'));
        }
        text += devices.render() + hints.join(QString());
    }

    text += QLatin1Char('\n') + tr("Ports:") + QLatin1Char('\n');
    TextTable ports;
    ports.addRow({tr("  PORT"), tr("DEVICE"), tr("WHY"), tr("STATE")});
    for (int number = PortNames::FirstPort; number <= PortNames::LastPort; ++number) {
        const PortMapping mapping = names.mappingFor(number);
        ports.addRow({QStringLiteral("  %1").arg(number), orDash(mapping.device), mapping.why(), mapping.presence()});
    }
    text += ports.render();
    text += tr("\nAssign a device to a port number in the desktop program (Tool > COM Port Setup),\n"
                           "or give its path or serial number to --port.\n");
    return text;
}

QString PortsCommand::usageLines() const
{
    return tr("  ports                                 list the serial devices and what ports 1-14 open\n");
}

int PortsCommand::run(CliContext &context, const QStringList &arguments)
{
    QCommandLineParser parser;
    const int early = context.parse(
        parser, name(), arguments,
        tr("Lists the serial devices present and the device each port number 1-14 leads to:\n"
                       "the environment variable QTR70_COM<n>, else the device assigned in the port dialog,\n"
                       "else the platform's guess."));
    if (early >= 0)
        return early;
    if (!parser.positionalArguments().isEmpty())
        return context.usage(tr("ports takes no arguments"));
    const SystemSerialPortList system;
    context.out() << report(PortNames(system, PortAssignments::forThisUser()));
    return CliContext::Success;
}
