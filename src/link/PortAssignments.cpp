#include "link/PortAssignments.h"

#include "link/PortNames.h"

#include <QDir>
#include <QFileInfo>
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

bool PortAssignments::usable() const
{
    // A FIFO or device would block or never end; a huge file is not ours.
    const QFileInfo info(m_filePath);
    return !info.exists() || (info.isFile() && info.size() <= MaxFileSize);
}

QString PortAssignments::deviceFor(int portNumber) const
{
    if (!PortNames::isValid(portNumber) || !usable())
        return QString();
    const QSettings file(m_filePath, QSettings::IniFormat);
    const QString device = file.value(keyFor(portNumber)).toString();
    return device.size() <= MaxDeviceLength ? device : QString();
}

bool PortAssignments::assign(int portNumber, const QString &device) const
{
    if (!PortNames::isValid(portNumber) || !usable() || device.size() > MaxDeviceLength)
        return false;
    QSettings file(m_filePath, QSettings::IniFormat);
    if (device.isEmpty())
        file.remove(keyFor(portNumber));
    else
        file.setValue(keyFor(portNumber), device);
    file.sync();
    return file.status() == QSettings::NoError;
}
