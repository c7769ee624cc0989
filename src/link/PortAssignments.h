#pragma once

#include <QString>

// The devices this user assigned to port numbers in the port dialog, kept
// per user in an INI file ("ports.ini" in the per-user configuration folder
// "qtr70-clone", shared by the desktop program and qtr70). A copy is only a
// file path: every call reads or writes the file.
class PortAssignments
{
public:
    static constexpr const char *FolderName = "qtr70-clone";
    static constexpr const char *FileName = "ports.ini";
    // A file that is not a regular file or is larger than this is neither
    // read nor written; a longer value stands for no assignment.
    static constexpr qint64 MaxFileSize = 64 * 1024;
    static constexpr int MaxDeviceLength = 1024;

    explicit PortAssignments(const QString &filePath);
    // This user's file (QStandardPaths::GenericConfigLocation, so that test
    // mode moves it too).
    static PortAssignments forThisUser();

    // The device assigned to port n; empty when none is.
    QString deviceFor(int portNumber) const;
    // Assigns the device to port n; an empty device removes the assignment.
    // False when the number is not 1..14 or the file cannot be written.
    bool assign(int portNumber, const QString &device) const;

    QString filePath() const { return m_filePath; }

private:
    bool usable() const;
    static QString keyFor(int portNumber);

    QString m_filePath;
};
