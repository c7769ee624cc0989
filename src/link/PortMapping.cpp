#include "link/PortMapping.h"

#include "link/PortNames.h"

QString PortMapping::why() const
{
    switch (source) {
    case Source::Environment:
        return QStringLiteral("environment (%1)").arg(PortNames::environmentVariableFor(portNumber));
    case Source::Assignment:
        return QStringLiteral("assignment");
    case Source::Guess:
        break;
    }
    return QStringLiteral("guess");
}

QString PortMapping::presence() const
{
    if (device.isEmpty())
        return QStringLiteral("no device");
    return present ? QStringLiteral("present") : QStringLiteral("not present");
}

QString PortMapping::describe() const
{
    if (device.isEmpty())
        return QStringLiteral("no device (%1)").arg(why());
    return QStringLiteral("%1 (%2), %3").arg(device, why(), presence());
}
