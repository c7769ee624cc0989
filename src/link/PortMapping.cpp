#include "link/PortMapping.h"

#include "link/PortNames.h"

#include <QCoreApplication>

QString PortMapping::why() const
{
    switch (source) {
    case Source::Environment:
        return QCoreApplication::translate("PortMapping", "environment (%1)").arg(PortNames::environmentVariableFor(portNumber));
    case Source::Assignment:
        return QCoreApplication::translate("PortMapping", "assignment");
    case Source::Guess:
        break;
    }
    return QCoreApplication::translate("PortMapping", "guess");
}

QString PortMapping::presence() const
{
    if (device.isEmpty())
        return QCoreApplication::translate("PortMapping", "no device");
    return present ? QCoreApplication::translate("PortMapping", "present") : QCoreApplication::translate("PortMapping", "not present");
}

QString PortMapping::describe() const
{
    if (device.isEmpty())
        return QCoreApplication::translate("PortMapping", "no device (%1)").arg(why());
    return QStringLiteral("%1 (%2), %3").arg(device, why(), presence());
}
