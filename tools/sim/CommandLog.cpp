#include "CommandLog.h"

bool CommandLog::open(const QString &path, QString &error)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = QStringLiteral("%1: %2").arg(path, m_file.errorString());
        return false;
    }
    return true;
}

void CommandLog::append(const QByteArray &line)
{
    if (!m_file.isOpen())
        return;
    QByteArray text = line;
    if (text.endsWith('\n'))
        text.chop(1);
    if (text.endsWith('\r'))
        text.chop(1);
    m_file.write(text + '\n');
    m_file.flush();
}
