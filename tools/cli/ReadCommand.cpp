#include "ReadCommand.h"

#include "CliContext.h"
#include "app/CloneDocument.h"
#include "files/CloneFile.h"
#include "link/LineExchange.h"
#include "link/RadioPort.h"
#include "session/RadioFleet.h"
#include "session/RadioSession.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

QString ReadCommand::usageLines() const
{
    return tr("  read --port P -o FILE.R70             read the whole radio into a clone file\n"
              "  read --port P --port Q ... [-o DIR]   read several radios at once into the backups (and DIR)\n");
}

int ReadCommand::run(CliContext &context, const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption &port = portOption();
    const QCommandLineOption outputOption(QStringLiteral("o"), tr("Clone file to write."),
                                          QStringLiteral("FILE.R70"));
    parser.addOption(port);
    parser.addOption(outputOption);
    const int early = context.parse(parser, name(), arguments,
                                    tr("Reads the radio (Auto Select, settings, memory) into a clone file.\n"
                                                   "Nothing is written when any step fails."));
    if (early >= 0)
        return early;
    const QStringList ports = parser.values(port);
    if (ports.size() > 1 && parser.positionalArguments().isEmpty())
        return readSeveral(context, ports, parser.value(outputOption));
    if (!parser.isSet(port) || !parser.isSet(outputOption) || !parser.positionalArguments().isEmpty())
        return context.usage(tr("read needs --port P and -o FILE.R70"));

    int exitCode = CliContext::Usage;
    if (!connectRadio(context, parser, CloneImage::factory(Vocabulary::ModelE, false), exitCode))
        return exitCode;
    RadioSession &session = this->session();
    SessionResult result = context.run(session, [&] { return session.start(RadioSession::Job::IdentifyThenReadAll); });
    if (result.ok() && context.interruptSignal != 0)
        result.transfer = TransferResult(TransferResult::Outcome::Interrupted, tr("nothing more was read"));
    if (!result.ok()) {
        if (result.transfer.outcome() == TransferResult::Outcome::Interrupted)
            context.err() << tr("no file written") << "\n";
        return context.reportTransfer(result.transfer);
    }

    context.reportBackup(result);
    const CloneImage &image = document().image();
    const FileResult saved = CloneFile::write(parser.value(outputOption), image);
    if (!saved.ok())
        return context.reportFile(saved.message(), saved.detail());
    const QString model = image.extendedRange ? tr("%1 (extended coverage)").arg(Vocabulary::modelName(image.modelVariant))
                                              : Vocabulary::modelName(image.modelVariant);
    context.out() << tr("Read %1 into %2").arg(model, parser.value(outputOption)) << "\n";
    return CliContext::Success;
}

int ReadCommand::readSeveral(CliContext &context, const QStringList &ports, const QString &folder)
{
    if (!folder.isEmpty() && !QFileInfo(folder).isDir())
        return context.usage(tr("with several ports, -o names a folder: %1 is none").arg(folder));
    RadioFleet fleet;
    int exitCode = CliContext::Usage;
    if (!context.addRadios(fleet, ports, exitCode))
        return exitCode;
    context.run(fleet, [&] { return fleet.startRead(); });
    int status = fleet.allSucceeded() ? CliContext::Success : CliContext::TransferFailed;
    for (int radio = 0; radio < fleet.radioCount() && !folder.isEmpty(); ++radio) {
        if (!fleet.outcome(radio).succeeded())
            continue;
        // Each radio into a file named after its device or port number:
        // ttyUSB0.R70, port3.R70.
        const QString value = fleet.radioName(radio);
        const QString name = value.contains(QLatin1Char('/')) ? value.section(QLatin1Char('/'), -1)
                                                              : QStringLiteral("port") + value;
        const QString path = QDir(folder).filePath(name + QStringLiteral(".R70"));
        const FileResult saved = CloneFile::write(path, fleet.image(radio));
        if (!saved.ok())
            status = context.reportFile(saved.message(), saved.detail());
        else
            context.out() << tr("%1 into %2").arg(fleet.radioName(radio), path) << "\n";
    }
    context.out() << fleet.summary().constLast() << "\n";
    if (context.interruptSignal != 0)
        return CliContext::InterruptedBase + context.interruptSignal;
    return status;
}
