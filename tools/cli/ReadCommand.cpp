#include "ReadCommand.h"

#include "CliContext.h"
#include "app/CloneDocument.h"
#include "files/CloneFile.h"
#include "link/LineExchange.h"
#include "link/RadioPort.h"
#include "session/RadioSession.h"

#include <QCommandLineParser>
#include <QTextStream>

QString ReadCommand::usageLines() const
{
    return QStringLiteral("  read --port P -o FILE.R70             read the whole radio into a clone file\n");
}

int ReadCommand::run(CliContext &context, const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption &port = portOption();
    const QCommandLineOption outputOption(QStringLiteral("o"), QStringLiteral("Clone file to write."),
                                          QStringLiteral("FILE.R70"));
    parser.addOption(port);
    parser.addOption(outputOption);
    const int early = context.parse(parser, name(), arguments,
                                    QStringLiteral("Reads the radio (Auto Select, settings, memory) into a clone file.\n"
                                                   "Nothing is written when any step fails."));
    if (early >= 0)
        return early;
    if (!parser.isSet(port) || !parser.isSet(outputOption) || !parser.positionalArguments().isEmpty())
        return context.usage(QStringLiteral("read needs --port P and -o FILE.R70"));

    int exitCode = CliContext::Usage;
    if (!connectRadio(context, parser, CloneImage::factory(Vocabulary::ModelE, false), exitCode))
        return exitCode;
    RadioSession &session = this->session();
    SessionResult result = context.run(session, [&] { return session.start(RadioSession::Job::IdentifyThenReadAll); });
    if (result.ok() && context.interruptSignal != 0)
        result.transfer = TransferResult(TransferResult::Outcome::Interrupted, QStringLiteral("nothing more was read"));
    if (!result.ok()) {
        if (result.transfer.outcome() == TransferResult::Outcome::Interrupted)
            context.err() << "no file written\n";
        return context.reportTransfer(result.transfer);
    }

    context.reportBackup(result);
    const CloneImage &image = document().image();
    const FileResult saved = CloneFile::write(parser.value(outputOption), image);
    if (!saved.ok())
        return context.reportFile(saved.message(), saved.detail());
    context.out() << "Read " << Vocabulary::modelName(image.modelVariant)
                  << (image.extendedRange ? " (extended coverage)" : "") << " into " << parser.value(outputOption)
                  << "\n";
    return CliContext::Success;
}
