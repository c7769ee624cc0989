#pragma once

#include "FileResult.h"

#include <QByteArray>
#include <QString>

class Module1;

// The 610-line clone file (*.R70): header, two settings records, two VFO
// records, 604 channel records, end mark; CR LF line ends.
class CloneFile
{
public:
    static constexpr int LineCount = 610;

    // The whole file for the current image. Rebuilds SettingsLine1/2 from
    // the selections first.
    static QByteArray toBytes(Module1 &state);
    // Installs a clone image from file contents, all or nothing: on any
    // failure the state is left exactly as it was. Does not touch
    // CurrentFileName, WindowCaption or DataChanged.
    static FileResult fromBytes(Module1 &state, const QByteArray &bytes);

    // Writes the file atomically; on success CurrentFileName := path,
    // caption := file name + " - " + AppTitle, DataChanged := false.
    static FileResult WriteCloneFile(Module1 &state, const QString &path);
    // Loads a file (all or nothing); on success as WriteCloneFile.
    static FileResult LoadCloneFile(Module1 &state, const QString &path);
    // File > New without its save prompt: factory settings, default VFOs,
    // every channel emptied, no current file, DataChanged := false. Keeps
    // the model option and ExtendedRange.
    static void New(Module1 &state);

    // "name - AppTitle" for a path.
    static QString captionFor(const Module1 &state, const QString &path);

private:
    // After a successful load or save: the file is current and unchanged.
    static void becomeCurrent(Module1 &state, const QString &path);
};
