#pragma once

#include <QString>

// The port number kept between runs: "QT-R70.ini" in the program's folder,
// one line holding the number. When the program's folder cannot be written
// (an installed copy), the file is kept in the per-user configuration
// folder instead; reading looks in the program's folder first.
class PortFile
{
public:
    static constexpr const char *FileName = "QT-R70.ini";
    static constexpr int DefaultPort = 1;

    PortFile(const QString &programFolder, const QString &userFolder);
    // The program's folder and this user's configuration folder.
    static PortFile forThisProgram();

    // The stored port number; 1 when there is no file or it holds anything
    // but a number from 1 to 14.
    int read() const;
    // Replaces the file atomically with the number and CR LF: in the
    // program's folder, or in the per-user folder when the program's folder
    // cannot be written. False when neither could be written.
    bool write(int portNumber) const;

    // The port number a file's contents stand for.
    static int parse(const QByteArray &contents);

    QString programFilePath() const;
    QString userFilePath() const;

private:
    static bool writeFile(const QString &path, int portNumber);

    QString m_programFolder;
    QString m_userFolder;
};
