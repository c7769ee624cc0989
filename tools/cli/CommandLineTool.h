#pragma once

#include "BackupStore.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QCommandLineParser;
class QTextStream;
class RadioPort;
class TransferEngine;
class TransferResult;

// The command-line tool: scripted backups and restores on the same core as
// the desktop program. It writes only to the streams it is given and talks
// to the radio through the port its factory makes, so that it runs the same
// in its own process and inside a test.
class CommandLineTool
{
public:
    enum Exit { Success = 0, TransferFailed = 1, Usage = 2, FileFailed = 3, Different = 1, InterruptedBase = 128 };

    // Makes the port a --port value names; null when it names none.
    using PortFactory = std::function<std::unique_ptr<RadioPort>(const QString &value)>;

    CommandLineTool(QTextStream &out, QTextStream &err, PortFactory makePort);

    // The program's factory: a serial port on port number 1..14 or on a
    // device path; null for another number or an empty value.
    static std::unique_ptr<RadioPort> serialPort(const QString &value);

    // Draw progress bars on the error stream (when it is a terminal).
    void setShowProgress(bool show) { m_showProgress = show; }
    // The transfers' pause between operations and reply bound; negative
    // keeps the engine's own (tests shorten them).
    void setPauseMs(int ms) { m_pauseMs = ms; }
    void setReplyTimeoutMs(int ms) { m_replyTimeoutMs = ms; }

    // Where `read` and `write --changes` keep their automatic backups
    // (the per-user folder unless set).
    void setBackupStore(const BackupStore &store) { m_backups = store; }
    // Whether a `write --changes` may ask on the terminal before writing.
    void setInteractive(bool interactive) { m_interactive = interactive; }

    // arguments: the words after the program name.
    int run(const QStringList &arguments);

    // A termination signal arrived (SIGINT, SIGTERM, SIGHUP). The first
    // during a transfer lets it finish the exchange in flight, send the end
    // command and report what the radio holds; the tool then exits with
    // 128 + the signal. Returns false when the process should end at once
    // (no transfer running, or a second signal).
    bool interrupt(int signalNumber);

private:
    int readRadio(const QStringList &arguments);
    int writeRadio(const QStringList &arguments);
    int identify(const QStringList &arguments);
    int show(const QStringList &arguments);
    int diff(const QStringList &arguments);
    int exportCsv(const QStringList &arguments);
    int importCsv(const QStringList &arguments);
    int print(const QStringList &arguments);
    int backups(const QStringList &arguments);
    int ports(const QStringList &arguments);
    // write --changes: what the radio holds is backed up, the differences
    // shown and (on a terminal, without --yes) confirmed, then written.
    int writeChanges(TransferEngine &engine, bool askFirst);

    // Parses one command's options; prints its help or the parse problem
    // itself. Returns -1 to go on, or the exit status.
    int parse(QCommandLineParser &parser, const QString &command, const QStringList &arguments,
              const QString &description, const QString &positional = QString());
    int usage(const QString &problem = QString());
    // The --port value's port; null (after reporting the usage problem)
    // when it names none.
    std::unique_ptr<RadioPort> openPort(const QString &value, int &exitCode);
    // The engine's timing as set for this run.
    void configure(TransferEngine &engine) const;
    // Runs a transfer with a progress bar for each of its steps.
    TransferResult runTransfer(TransferEngine &engine, const std::function<TransferResult()> &transfer);
    int reportTransfer(const TransferResult &result);
    int reportFile(const QString &message, const QString &detail);
    bool loadImage(CloneImage &image, const QString &path);
    // Keeps an image read from the radio; a failure is reported on the
    // error stream and changes nothing else.
    void keepBackup(const CloneImage &image, BackupStore::Kind kind);

    QTextStream &m_out;
    QTextStream &m_err;
    PortFactory m_makePort;
    bool m_showProgress = false;
    int m_pauseMs = -1;
    int m_replyTimeoutMs = -1;
    BackupStore m_backups = BackupStore::forThisUser();
    bool m_interactive = false;
    TransferEngine *m_running = nullptr;
    int m_interruptSignal = 0;
};
