#pragma once

#include <QStringList>

class Module1;
class SerialRadioPort;
class TransferResult;

// The command-line tool: scripted backups and restores on the same core as
// the desktop program.
class CommandLineTool
{
public:
    enum Exit { Success = 0, TransferFailed = 1, Usage = 2, FileFailed = 3, Different = 1 };

    // arguments: the words after the program name.
    int run(const QStringList &arguments);

private:
    int readRadio(const QStringList &arguments);
    int writeRadio(const QStringList &arguments);
    int identify(const QStringList &arguments);
    int show(const QStringList &arguments);
    int diff(const QStringList &arguments);
    int exportCsv(const QStringList &arguments);
    int importCsv(const QStringList &arguments);

    int usage(const QString &problem = QString());
    // Applies --port: a number 1..14 or a device path. False for a bad number.
    static bool configurePort(SerialRadioPort &port, const QString &value);
    static int reportTransfer(const TransferResult &result);
    static bool loadImage(Module1 &state, const QString &path);
};
