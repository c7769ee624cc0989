#include "link/PortFile.h"

#include "files/AtomicFile.h"
#include "link/PortNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

PortFile::PortFile(const QString &programFolder, const QString &userFolder)
    : m_programFolder(programFolder), m_userFolder(userFolder)
{
}

PortFile PortFile::forThisProgram()
{
    return PortFile(QCoreApplication::applicationDirPath(),
                    QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString PortFile::programFilePath() const
{
    return QDir(m_programFolder).filePath(QLatin1String(FileName));
}

QString PortFile::userFilePath() const
{
    return m_userFolder.isEmpty() ? QString() : QDir(m_userFolder).filePath(QLatin1String(FileName));
}

int PortFile::parse(const QByteArray &contents)
{
    const QList<QByteArray> lines = contents.split('\n');
    bool ok = false;
    const int value = lines.first().trimmed().toInt(&ok);
    return ok && PortNames::isValid(value) ? value : DefaultPort;
}

int PortFile::read() const
{
    for (const QString &path : {programFilePath(), userFilePath()}) {
        if (path.isEmpty())
            continue;
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            return parse(file.readAll());
    }
    return DefaultPort;
}

bool PortFile::write(int portNumber) const
{
    if (writeFile(programFilePath(), portNumber))
        return true;
    const QString userPath = userFilePath();
    if (userPath.isEmpty() || !QDir().mkpath(m_userFolder))
        return false;
    return writeFile(userPath, portNumber);
}

bool PortFile::writeFile(const QString &path, int portNumber)
{
    return AtomicFile::write(path, QByteArray::number(portNumber) + "\r\n").ok();
}
