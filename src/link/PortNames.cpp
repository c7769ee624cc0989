#include "PortNames.h"

#include <QtGlobal>

QString PortNames::environmentVariableFor(int portNumber)
{
    return QStringLiteral("QTR70_COM%1").arg(portNumber);
}

QString PortNames::deviceFor(int portNumber)
{
    const QString overridden = qEnvironmentVariable(environmentVariableFor(portNumber).toLatin1().constData());
    if (!overridden.isEmpty())
        return overridden;
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(portNumber);
#else
    return QStringLiteral("/dev/ttyUSB%1").arg(portNumber - 1);
#endif
}
