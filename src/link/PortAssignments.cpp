#include "link/PortAssignments.h"

#include "link/PortNames.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

PortAssignments::PortAssignments(const QString &filePath)
    : m_filePath(filePath)
{
}

PortAssignments PortAssignments::forThisUser()
{
    const QDir folder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return PortAssignments(folder.filePath(QLatin1String(FolderName) + QLatin1Char('/') + QLatin1String(FileName)));
}

QString PortAssignments::keyFor(int portNumber)
{
    return QStringLiteral("Ports/COM%1").arg(portNumber);
}

QString PortAssignments::deviceFor(int portNumber) const
{
    if (!PortNames::isValid(portNumber))
        return QString();
    const QSettings file(m_filePath, QSettings::IniFormat);
    return file.value(keyFor(portNumber)).toString();
}

bool PortAssignments::assign(int portNumber, const QString &device) const
{
    if (!PortNames::isValid(portNumber))
        return false;
    QSettings file(m_filePath, QSettings::IniFormat);
    if (device.isEmpty())
        file.remove(keyFor(portNumber));
    else
        file.setValue(keyFor(portNumber), device);
    file.sync();
    return file.status() == QSettings::NoError;
}
