#pragma once

#include <QCoreApplication>
#include <QString>

// The texts the splash screen and the about box share.
class ProgramTexts
{
public:
    static QString title() { return QStringLiteral("Korvan QT-R70 Clone Utility"); }
    static QString version() { return QStringLiteral("Version 1.00.00"); }
    static QString description()
    {
        return QCoreApplication::translate("ProgramTexts", "Reads the memory of a Korvan QT-R70 transceiver over its clone "
                              "cable, lets you edit the settings, the VFOs and the 604 memory "
                              "channels, keeps them in clone files and writes them back.");
    }
    static QString disclaimer()
    {
        return QCoreApplication::translate("ProgramTexts", "This program comes without any warranty. Save a clone file of "
                              "your radio before you write to it.");
    }
};
