#pragma once

#include <QCoreApplication>

#include "files/BackupStore.h"
#include "session/SessionResult.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QCommandLineParser;
class QTextStream;
class RadioPort;
class RadioFleet;
class RadioSession;

// What every command of the command-line tool works with: the output and
// error streams, the port factory, the transfers' timing, the backups
// folder, whether a question may be asked on the terminal, and the
// interruption by a signal; and the helpers they share (parsing a
// command's options, reporting a transfer or a file failure, loading a
// clone file, running a session's job with a progress bar).
class CliContext
{
    Q_DECLARE_TR_FUNCTIONS(CliContext)

public:
    enum Exit { Success = 0, TransferFailed = 1, Usage = 2, FileFailed = 3, Different = 1, InterruptedBase = 128 };
    using PortFactory = std::function<std::unique_ptr<RadioPort>(const QString &value)>;

    CliContext(QTextStream &out, QTextStream &err, PortFactory makePort);

    QTextStream &out() { return m_out; }
    QTextStream &err() { return m_err; }

    bool showProgress = false;
    int pauseMs = -1;
    int replyTimeoutMs = -1;
    BackupStore backups = BackupStore::forThisUser();
    bool interactive = false;
    // The signal that interrupted the running command; 0 for none.
    int interruptSignal = 0;

    // Parses one command's options; prints its help or the parse problem
    // itself. Returns -1 to go on, or the exit status.
    int parse(QCommandLineParser &parser, const QString &command, const QStringList &arguments,
              const QString &description, const QString &positional = QString());
    int usage(const QString &problem = QString());
    // A usage problem that one line explains: "qtr70: problem", exit 2.
    int refuse(const QString &problem);
    // Exit 2 with the reason when `output` is the same file as one of
    // `inputs` (writing it would replace what is being read); -1 to go on.
    int refuseOutputThatIsAnInput(const QString &output, const QStringList &inputs);
    // What usage() prints after the problem: the tool's command list.
    void setUsageText(const QString &text) { m_usageText = text; }
    // The --port value's port; null (after reporting the usage problem)
    // when it names none.
    std::unique_ptr<RadioPort> openPort(const QString &value, int &exitCode);
    // A radio in `fleet` for each port value, each session with this run's
    // timing and backups; false, with the exit status in `exitCode`, when a
    // value names no port.
    bool addRadios(RadioFleet &fleet, const QStringList &ports, int &exitCode);
    // The session's timing as set for this run.
    void configure(RadioSession &session) const;
    // Starts a session's job by `start` and follows it to its end, with a
    // progress bar for each of its steps; a signal meanwhile stops it.
    SessionResult run(RadioSession &session, const std::function<bool()> &start);
    // Starts several radios' write by `start` and follows it until the last
    // has ended, each radio's line printed as it ends; a signal meanwhile
    // stops them all.
    void run(RadioFleet &fleet, const std::function<bool()> &start);
    int reportTransfer(const TransferResult &result);
    int reportFile(const QString &message, const QString &detail);
    // A backup that could not be kept, on the error stream.
    void reportBackup(const SessionResult &result);
    bool loadImage(CloneImage &image, const QString &path);
    // A yes/no question on the terminal; while it waits, Ctrl+C ends the
    // program (nothing has been written yet).
    bool askOnTerminal(const QString &question);
    // A termination signal: stops the running job; false when there is
    // none (the program ends at once).
    bool interrupt(int signalNumber);

private:
    QTextStream &m_out;
    QTextStream &m_err;
    PortFactory m_makePort;
    QString m_usageText;
    // Stops what runs now; empty while nothing runs.
    std::function<void()> m_stopRunning;
};
