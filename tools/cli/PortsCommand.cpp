#include "PortsCommand.h"

#include "PortNames.h"
#include "TextTable.h"

namespace {

QString orDash(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("-") : text;
}

} // namespace

QString PortsCommand::report(const PortNames &names)
{
    QString text;
    const QList<DetectedPort> detected = names.detected();
    if (detected.isEmpty()) {
        text += QStringLiteral("No serial device is present.\n");
    } else {
        text += QStringLiteral("Serial devices present:\n");
        TextTable devices;
        devices.addRow({QStringLiteral("  DEVICE"), QStringLiteral("DESCRIPTION"), QStringLiteral("MAKER"),
                        QStringLiteral("SERIAL NUMBER"), QStringLiteral("USB ID")});
        for (const DetectedPort &port : detected)
            devices.addRow({QStringLiteral("  ") + port.systemPath, orDash(port.description), orDash(port.manufacturer),
                            orDash(port.serialNumber), orDash(port.usbIds())});
        text += devices.render();
    }

    text += QStringLiteral("\nPorts:\n");
    TextTable ports;
    ports.addRow({QStringLiteral("  PORT"), QStringLiteral("DEVICE"), QStringLiteral("WHY"), QStringLiteral("STATE")});
    for (int number = PortNames::FirstPort; number <= PortNames::LastPort; ++number) {
        const PortMapping mapping = names.mappingFor(number);
        ports.addRow({QStringLiteral("  %1").arg(number), orDash(mapping.device), mapping.why(), mapping.presence()});
    }
    text += ports.render();
    text += QStringLiteral("\nAssign a device to a port number in the desktop program (Tool > COM Port Setup),\n"
                           "or give its path or serial number to --port.\n");
    return text;
}

