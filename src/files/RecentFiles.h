#pragma once

#include <QStringList>

// The clone files this user opened or saved last, newest first, kept in
// the user's settings so that they outlive the program.
class RecentFiles
{
public:
    static constexpr int Keep = 8;

    // The files, newest first, at most Keep.
    static QStringList list();
    // Puts `path` (made absolute) first; an older entry of it goes.
    static void add(const QString &path);
    // Drops the entries whose files are gone.
    static void removeMissing();

private:
    static void store(const QStringList &files);
};
