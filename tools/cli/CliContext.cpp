#include "CliContext.h"

#include "TerminalProgress.h"
#include "app/SignalWatcher.h"
#include "codec/SafeText.h"
#include "files/CloneFile.h"
#include "files/FileIdentity.h"
#include "link/LineExchange.h"
#include "link/RadioPort.h"
#include "session/RadioFleet.h"
#include "session/RadioSession.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTextStream>

namespace {

// What a progress bar calls a step.
QString stepName(TransferEngine::Kind kind)
{
    switch (kind) {
    case TransferEngine::Kind::AutoSelect:
        return QCoreApplication::translate("CliContext", "Identify");
    case TransferEngine::Kind::ReadSettings:
    case TransferEngine::Kind::WriteSettings:
        return QCoreApplication::translate("CliContext", "Settings");
    case TransferEngine::Kind::ReadMemory:
    case TransferEngine::Kind::WriteMemory:
        break;
    }
    return QCoreApplication::translate("CliContext", "Memory  ");
}

// A command's help: the parser's, with a usage line that names the command
// (the parser's own names the executable).
QString helpText(const QCommandLineParser &parser, const QString &command, const QString &positional)
{
    QString text = parser.helpText();
    QString usage = QCoreApplication::translate("CliContext", "Usage: qtr70 %1 [options]").arg(command);
    if (!positional.isEmpty())
        usage += QLatin1Char(' ') + positional;
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    text.replace(0, lineEnd < 0 ? text.size() : lineEnd, usage);
    return text;
}

} // namespace

CliContext::CliContext(QTextStream &out, QTextStream &err, PortFactory makePort)
    : m_out(out), m_err(err), m_makePort(std::move(makePort))
{
}

int CliContext::parse(QCommandLineParser &parser, const QString &command, const QStringList &arguments,
                      const QString &description, const QString &positional)
{
    parser.setApplicationDescription(description);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, tr("Show this help."));
    parser.addOption(help);
    // One entry each: the help lists them one per line, none cut in two.
    for (const QString &name : positional.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        parser.addPositionalArgument(name, QString());
    // The first word stands for the program; the parser skips it.
    if (!parser.parse(QStringList{QStringLiteral("qtr70 ") + command} + arguments)) {
        m_err << parser.errorText() << "\n\n" << helpText(parser, command, positional);
        m_err.flush();
        return Usage;
    }
    if (parser.isSet(help)) {
        m_out << helpText(parser, command, positional);
        m_out.flush();
        return Success;
    }
    return -1;
}

int CliContext::usage(const QString &problem)
{
    if (!problem.isEmpty())
        m_err << "qtr70: " << problem << "\n\n";
    m_err << m_usageText;
    m_err.flush();
    return Usage;
}

int CliContext::refuse(const QString &problem)
{
    m_err << "qtr70: " << problem << "\n";
    m_err.flush();
    return Usage;
}

int CliContext::refuseOutputThatIsAnInput(const QString &output, const QStringList &inputs)
{
    for (const QString &input : inputs) {
        if (FileIdentity::sameRegularFile(output, input))
            return refuse(tr("-o %1 is the input %2: writing it would replace what is read; "
                                         "name another file")
                              .arg(SafeText::escaped(output), SafeText::escaped(input)));
    }
    return -1;
}

std::unique_ptr<RadioPort> CliContext::openPort(const QString &value, int &exitCode)
{
    std::unique_ptr<RadioPort> port = m_makePort(value);
    if (!port)
        exitCode = usage(tr("no such port: ") + value);
    return port;
}

bool CliContext::addRadios(RadioFleet &fleet, const QStringList &ports, int &exitCode)
{
    for (const QString &value : ports) {
        std::unique_ptr<RadioPort> port = openPort(value, exitCode);
        if (!port)
            return false;
        fleet.addRadio(value, std::move(port));
    }
    fleet.setConfigure([this](RadioSession &session) { configure(session); });
    return true;
}

void CliContext::configure(RadioSession &session) const
{
    session.setBackupStore(backups);
    if (pauseMs >= 0)
        session.setPauseMs(pauseMs);
    if (replyTimeoutMs >= 0)
        session.setReplyTimeoutMs(replyTimeoutMs);
}

SessionResult CliContext::run(RadioSession &session, const std::function<bool()> &start)
{
    TerminalProgress progress(m_err, showProgress);
    QEventLoop loop;
    SessionResult result;
    const QList<QMetaObject::Connection> connections = {
        QObject::connect(&session, &RadioSession::transferStarted,
                         [&progress](TransferEngine::Kind kind) { progress.start(stepName(kind)); }),
        QObject::connect(&session, &RadioSession::recordStarted,
                         [&progress](int done, int total) { progress.show(done, total); }),
        QObject::connect(&session, &RadioSession::transferFinished, [&progress] { progress.finish(); }),
        QObject::connect(&session, &RadioSession::finished, &loop,
                         [&](const SessionResult &ended) {
                             result = ended;
                             loop.quit();
                         }),
    };
    m_stopRunning = [&session] { session.requestStop(); };
    SignalWatcher::setDeferring(true);
    // The job runs on the session's worker; this thread follows it (and
    // takes a signal) until it has ended.
    if (start())
        loop.exec();
    else
        result.transfer = TransferResult(TransferResult::Outcome::Refused);
    SignalWatcher::setDeferring(false);
    m_stopRunning = nullptr;
    for (const QMetaObject::Connection &connection : connections)
        QObject::disconnect(connection);
    return result;
}

void CliContext::run(RadioFleet &fleet, const std::function<bool()> &start)
{
    QEventLoop loop;
    const QList<QMetaObject::Connection> connections = {
        QObject::connect(&fleet, &RadioFleet::radioFinished,
                         [this, &fleet](int radio) {
                             m_out << fleet.summary().at(radio) << "\n";
                             m_out.flush();
                         }),
        QObject::connect(&fleet, &RadioFleet::finished, &loop, &QEventLoop::quit),
    };
    m_stopRunning = [&fleet] { fleet.requestStop(); };
    SignalWatcher::setDeferring(true);
    if (start() && fleet.isRunning())
        loop.exec();
    SignalWatcher::setDeferring(false);
    m_stopRunning = nullptr;
    for (const QMetaObject::Connection &connection : connections)
        QObject::disconnect(connection);
}

int CliContext::reportTransfer(const TransferResult &result)
{
    if (result.ok())
        return Success;
    if (result.outcome() == TransferResult::Outcome::Interrupted) {
        m_err << tr("interrupted: %1").arg(SafeText::escaped(result.detail())) << "\n";
        m_err.flush();
        return InterruptedBase + interruptSignal;
    }
    m_err << result.message();
    if (!result.detail().isEmpty())
        m_err << ": " << SafeText::escaped(result.detail());
    m_err << "\n";
    m_err.flush();
    return TransferFailed;
}

int CliContext::reportFile(const QString &message, const QString &detail)
{
    m_err << message << ": " << SafeText::escaped(detail) << "\n";
    m_err.flush();
    return FileFailed;
}

void CliContext::reportBackup(const SessionResult &result)
{
    if (result.backup == SessionResult::Backup::Failed)
        m_err << tr("the backup could not be written: %1").arg(SafeText::escaped(result.backupProblem)) << "\n";
}

bool CliContext::loadImage(CloneImage &image, const QString &path)
{
    image = CloneImage::factory(Vocabulary::ModelE, false);
    const FileResult result = CloneFile::load(path, image);
    if (result.ok())
        return true;
    reportFile(result.message(), result.detail());
    return false;
}

bool CliContext::interrupt(int signalNumber)
{
    if (!m_stopRunning || interruptSignal != 0)
        return false;
    interruptSignal = signalNumber;
    m_stopRunning();
    return true;
}

bool CliContext::askOnTerminal(const QString &question)
{
    m_out << question << " [y/N] ";
    m_out.flush();
    SignalWatcher::setDeferring(false);
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    SignalWatcher::setDeferring(true);
    return answer == QLatin1String("y") || answer == QLatin1String("yes");
}
