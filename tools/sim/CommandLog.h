#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The command lines the radio received, one per line without CR LF,
// flushed as they come so that a reader sees them at once.
class CommandLog
{
public:
    // Creates or empties the file. False with `error` set on failure.
    bool open(const QString &path, QString &error);
    bool isOpen() const { return m_file.isOpen(); }
    // Writes one command line (its CR LF, if any, is dropped).
    void append(const QByteArray &line);

private:
    QFile m_file;
};
