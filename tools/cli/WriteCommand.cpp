#include "WriteCommand.h"

#include "CliContext.h"
#include "app/CloneDocument.h"
#include "codec/SafeText.h"
#include "link/RadioPort.h"
#include "session/RadioFleet.h"
#include "session/RadioSession.h"

#include <QCommandLineParser>
#include <QTextStream>


QString WriteCommand::usageLines() const
{
    return tr("  write --port P [--settings | --memory] FILE.R70\n"
                          "                                        write a clone file to the radio (all by default)\n"
                          "  write --changes --port P [--yes] FILE.R70\n"
                          "                                        back the radio up, then write only what differs\n"
                          "  write --port P --port Q ... [--changes] [--yes] [--force-model] FILE.R70\n"
                          "                                        write one clone file to several radios at once\n");
}

int WriteCommand::run(CliContext &context, const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption &port = portOption();
    const QCommandLineOption settingsOption(QStringLiteral("settings"), tr("Write only the settings and VFOs."));
    const QCommandLineOption memoryOption(QStringLiteral("memory"), tr("Write only the memory channels."));
    const QCommandLineOption changesOption(
        QStringLiteral("changes"),
        tr("Read the radio first (kept as a backup), then write only the records that differ\n"
                       "and read them back."));
    const QCommandLineOption yesOption(
        QStringLiteral("yes"),
        tr("With --changes: do not ask before writing (needed without a terminal to ask on)."));
    const QCommandLineOption forceOption(
        QStringLiteral("force-model"),
        tr("With several ports: write a radio of another model than the file's too (it is skipped otherwise)."));
    parser.addOptions({port, settingsOption, memoryOption, changesOption, yesOption, forceOption});
    const int early = context.parse(parser, name(), arguments,
                                    tr("Writes a clone file to the radio: settings and VFOs, then memory\n"
                                                   "(each after the radio confirmed its model). With --port given\n"
                                                   "several times, writes every radio at once (--changes or all)."),
                                    QStringLiteral("FILE.R70"));
    if (early >= 0)
        return early;
    const bool changes = parser.isSet(changesOption);
    const int only = int(parser.isSet(settingsOption)) + int(parser.isSet(memoryOption)) + int(changes);
    if (!parser.isSet(port) || parser.positionalArguments().size() != 1 || only > 1)
        return context.usage(tr("write needs --port P, at most one of --settings/--memory/--changes, and FILE.R70"));
    // A script that forgot --yes is refused, not obeyed.
    if (changes && !parser.isSet(yesOption) && !context.interactive)
        return context.refuse(tr("write --changes asks before writing, and there is no terminal to ask "
                                            "on: add --yes to write without asking"));

    const QString file = parser.positionalArguments().first();
    const QStringList ports = parser.values(port);
    if (ports.size() > 1) {
        if (parser.isSet(settingsOption) || parser.isSet(memoryOption))
            return context.usage(tr("several radios are written with --changes or whole, not --settings or --memory"));
        return writeSeveral(context, ports, file, changes, changes && !parser.isSet(yesOption),
                            parser.isSet(forceOption));
    }

    int exitCode = CliContext::Usage;
    if (!connectRadio(context, parser, CloneImage(), exitCode))
        return exitCode;
    CloneImage image;
    if (!context.loadImage(image, file))
        return CliContext::FileFailed;
    document().setImage(image);
    if (changes)
        return writeChanges(context, !parser.isSet(yesOption));
    const RadioSession::Job job = parser.isSet(settingsOption) ? RadioSession::Job::WriteSettings
        : parser.isSet(memoryOption)                             ? RadioSession::Job::WriteMemory
                                                                 : RadioSession::Job::WriteAll;
    return writeWhole(context, job, file);
}

int WriteCommand::writeWhole(CliContext &context, RadioSession::Job job, const QString &file)
{
    const SessionResult result = context.run(session(), [&] { return session().start(job); });
    if (!result.ok())
        return context.reportTransfer(result.transfer);
    context.out() << tr("Wrote %1 to the radio").arg(file) << "\n";
    return CliContext::Success;
}

int WriteCommand::writeChanges(CliContext &context, bool ask)
{
    QTextStream &out = context.out();
    const auto confirm = [&](const ChangesQuestion &question) {
        out << question.summary() << "\n";
        for (const QString &line : question.lines())
            out << "  " << line << "\n";
        out.flush();
        return !ask || context.askOnTerminal(question.question());
    };
    const SessionResult result = context.run(session(), [&] { return session().startWriteChanges(confirm); });
    const QString said = result.changesText();
    if (result.changes == SessionResult::Changes::BackupFailed) {
        context.err() << SafeText::escaped(said) << "\n";
        return CliContext::TransferFailed;
    }
    if (result.transfer.outcome() == TransferResult::Outcome::Interrupted) {
        context.err() << tr("interrupted: %1").arg(said) << "\n";
        return CliContext::InterruptedBase + context.interruptSignal;
    }
    if (!result.transfer.ok()) {
        const int status = context.reportTransfer(result.transfer);
        if (result.changes == SessionResult::Changes::Written)
            context.err() << said << "\n";
        return status;
    }
    out << said << "\n";
    return CliContext::Success;
}

int WriteCommand::writeSeveral(CliContext &context, const QStringList &ports, const QString &file, bool changes,
                               bool ask, bool forceModel)
{
    CloneImage image;
    if (!context.loadImage(image, file))
        return CliContext::FileFailed;
    RadioFleet fleet;
    int exitCode = CliContext::Usage;
    if (!context.addRadios(fleet, ports, exitCode))
        return exitCode;
    if (ask && !context.askOnTerminal(tr("Write the changes of %1 to the %2 radios on %3?")
                                          .arg(file, QString::number(ports.size()), ports.join(QStringLiteral(", "))))) {
        context.out() << tr("Nothing was written.") << "\n";
        return CliContext::Success;
    }
    fleet.setForceModel(forceModel);
    context.run(fleet, [&] { return fleet.start(image, changes ? RadioFleet::Write::Changes : RadioFleet::Write::All); });
    context.out() << fleet.summary().constLast() << "\n";
    if (context.interruptSignal != 0)
        return CliContext::InterruptedBase + context.interruptSignal;
    if (fleet.allSucceeded())
        return CliContext::Success;
    QStringList failing;
    for (int radio = 0; radio < fleet.radioCount(); ++radio) {
        if (!fleet.outcome(radio).succeeded())
            failing.append(fleet.radioName(radio));
    }
    context.err() << tr("Not written: %1").arg(failing.join(QStringLiteral(", "))) << "\n";
    return CliContext::TransferFailed;
}
