#pragma once

#include <QCoreApplication>

#include "CliContext.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class Command;
class QTextStream;
class RadioPort;

// The command-line tool: scripted backups and restores on the same session
// with the radio as the desktop program. It writes only to the streams it
// is given and talks to the radio through the port its factory makes, so
// that it runs the same in its own process and inside a test. Each command
// is a class of its own.
class CommandLineTool
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineTool)

public:
    enum Exit {
        Success = CliContext::Success,
        TransferFailed = CliContext::TransferFailed,
        Usage = CliContext::Usage,
        FileFailed = CliContext::FileFailed,
        Different = CliContext::Different,
        InterruptedBase = CliContext::InterruptedBase,
    };
    using PortFactory = CliContext::PortFactory;

    CommandLineTool(QTextStream &out, QTextStream &err, PortFactory makePort);
    ~CommandLineTool();

    // The program's factory: a serial port on port number 1..14 or on a
    // device path; null for another number or an empty value.
    static std::unique_ptr<RadioPort> serialPort(const QString &value);
    // The tool's usage text: every command's lines.
    static QString usageText();

    // Draw progress bars on the error stream (when it is a terminal).
    void setShowProgress(bool show) { m_context.showProgress = show; }
    // The transfers' pause between operations and reply bound; negative
    // keeps the engine's own (tests shorten them).
    void setPauseMs(int ms) { m_context.pauseMs = ms; }
    void setReplyTimeoutMs(int ms) { m_context.replyTimeoutMs = ms; }
    // Where `read` and `write --changes` keep their automatic backups
    // (the per-user folder unless set).
    void setBackupStore(const BackupStore &store) { m_context.backups = store; }
    // Whether a `write --changes` may ask on the terminal before writing;
    // without it (and without --yes) it writes nothing.
    void setInteractive(bool interactive) { m_context.interactive = interactive; }

    // arguments: the words after the program name.
    int run(const QStringList &arguments);

    // A termination signal arrived (SIGINT, SIGTERM, SIGHUP). The first
    // during a transfer lets it finish the exchange in flight, send the end
    // command and report what the radio holds; the tool then exits with
    // 128 + the signal. Returns false when the process should end at once
    // (no transfer running, or a second signal).
    bool interrupt(int signalNumber) { return m_context.interrupt(signalNumber); }

private:
    static const std::vector<std::unique_ptr<Command>> &commands();

    CliContext m_context;
};
